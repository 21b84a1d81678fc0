#pragma once

// The desktop program's windows on a game of the test's making, driven by mouse and keyboard
// events as a player drives them.

#include "CampaignStore.h"
#include "Desktop.h"
#include "Game.h"
#include "TestData.h"
#include "Widgets.h"
#include "dialogs/DialogTesting.h"
#include "frmEntry.h"
#include "frmGetTarget.h"
#include "frmMain.h"
#include "frmMission.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>

namespace halvard::test {

// Selects "Choose Your Own Target" and types the name.
inline void ChooseOwnTarget(ui::frmGetTarget* dialog, const QString& name) {
    Click(dialog->optTargetChoice[1]);
    dialog->cboTargetList->setEditText(name);
}

struct DesktopHarness {
    // A game of this seed; with dice, every die comes from them instead.
    explicit DesktopHarness(std::uint64_t seed = 1, std::optional<FaceScript> dice = std::nullopt,
                            const GameDatabase& database = ShippedDatabase())
        : game(std::make_unique<Game>(database, seed)) {
        if (dice) game->UseDiceScript(std::move(*dice));
        QImage splash(801, 537, QImage::Format_RGB32);
        splash.fill(Qt::darkBlue);
        desktop = std::make_unique<ui::Desktop>(*game, std::move(splash), [this] { ended = true; });
        desktop->Start();
    }

    ui::frmEntry* Entry() { return &desktop->Entry(); }
    // Clicks the start region: the target dialog it opens.
    ui::frmGetTarget* OpenTargetDialog() {
        Click(Control(Entry(), "imgChoice_0"));
        if (desktop->TargetDialog() == nullptr) throw std::runtime_error("region 0 opened no target dialog");
        return desktop->TargetDialog();
    }

    // The roll window, once a mission has made it.
    ui::frmMain* RollWindow() {
        if (desktop->RollWindow() == nullptr) throw std::runtime_error("no roll window yet");
        return desktop->RollWindow();
    }

    DesktopHarness(const DesktopHarness&) = delete;
    DesktopHarness& operator=(const DesktopHarness&) = delete;

    std::unique_ptr<Game> game;
    bool ended = false;
    std::unique_ptr<ui::Desktop> desktop;
};

// The engine colour a widget's palette role shows, named as the trace names them.
inline std::string ColourName(const QWidget* widget, QPalette::ColorRole role) {
    const QColor colour = widget->palette().color(role);
    const QPalette standard = QApplication::palette(widget);
    if (role == QPalette::WindowText && colour == standard.color(QPalette::WindowText)) return "default";
    if (colour == standard.color(QPalette::Button)) return "normal";
    if (colour == standard.color(QPalette::Highlight)) return "highlight";
    if (colour == QColor(255, 0, 0)) return "red";
    if (colour == QColor(0, 0, 255)) return "blue";
    if (colour == QColor(255, 255, 0)) return "yellow";
    if (colour == QColor(255, 128, 0)) return "orange";
    return colour.name().toStdString();
}

inline std::string Text(const QLabel* label) {
    return label->text().toStdString();
}
inline std::string Tag(const QWidget* widget) {
    return widget->property("tag").toString().toStdString();
}

// What the mission screen's widgets show, in the form of the trace's V line.
inline nlohmann::json WidgetsAsTrace(ui::frmMission& screen, const ui::frmMain& rolls) {
    nlohmann::json waves = nlohmann::json::array();
    for (int i = 1; i <= 6; ++i)
        waves.push_back({{"type", Text(screen.lblType[i])},
                         {"position", Text(screen.lblPosition[i])},
                         {"skill", Text(screen.lblSkill[i])},
                         {"toHit", Text(screen.lblToHit[i])},
                         {"colour", ColourName(screen.lblToHit[i], QPalette::Window)},
                         {"mark", Tag(screen.lblToHit[i])}});
    nlohmann::json guns = nlohmann::json::array();
    for (int g = FirstGun; g <= LastGun; ++g)
        guns.push_back({{"text", Text(screen.lblGun[g])},
                        {"colour", ColourName(screen.lblGun[g], QPalette::WindowText)},
                        {"background", ColourName(screen.lblGun[g], QPalette::Window)},
                        {"assignment", Tag(screen.lblGun[g])}});
    nlohmann::json crew = nlohmann::json::array();
    for (int c = 1; c <= CrewCount; ++c)
        crew.push_back({{"wound", Text(screen.lblCrewWound[c])},
                        {"colour", ColourName(screen.lblCrewWound[c], QPalette::WindowText)},
                        {"bold", screen.lblCrewWound[c]->font().bold()},
                        {"visible", screen.lblCrewWound[c]->isVisible()}});
    return {{"window", "mission"},
            {"step",
             {{"caption", screen.cmdNextStep->text().toStdString()},
              {"enabled", screen.cmdNextStep->isEnabled()}}},
            {"waveVisible", screen.fraWaves->isVisible()},
            {"miscWave", Text(screen.lblMiscWave)},
            {"missionNo", Text(screen.lblMissionNo)},
            {"target", Text(screen.lblTarget)},
            {"targetType", Text(screen.lblTargetType)},
            {"formation", Text(screen.lblFormationPos)},
            {"squadron", Text(screen.lblSquadronPos)},
            {"onTarget", Text(screen.lblOnTarget)},
            {"bombPct", Text(screen.lblBombPct)},
            {"waves", std::move(waves)},
            {"guns", std::move(guns)},
            {"crew", std::move(crew)},
            {"rolls", rolls.lstRollDice->count()},
            {"messages", screen.lstMessages->count()}};
}

// What a player reads off the mission screen and the roll window: what the golden traces record
// of them, with the lists' lines in place of their lengths, and not whether the step button can
// be pressed (a replay's never can).
inline nlohmann::json Looks(ui::frmMission* screen, const ui::frmMain* rolls) {
    nlohmann::json looks = WidgetsAsTrace(*screen, *rolls);
    looks["step"].erase("enabled");
    for (const auto& [key, list] :
         {std::pair{"messages", screen->lstMessages}, std::pair{"rolls", rolls->lstRollDice}}) {
        looks[key] = nlohmann::json::array();
        for (const QString& line : Lines(list))
            looks[key].push_back(line.toStdString());
    }
    return looks;
}

// A test whose every store path is in a scratch directory, the player's own data untouched.
class ScratchStoreTest : public ::testing::Test {
  protected:
    ScratchStoreTest() {
        ::setenv("XDG_DATA_HOME", scratch.Path().c_str(), 1);
        ::setenv("HALVARD_CAMPAIGN_STORE", store.c_str(), 1);
    }
    ~ScratchStoreTest() override {
        ::unsetenv("HALVARD_CAMPAIGN_STORE");
        ::unsetenv("XDG_DATA_HOME");
    }

    // A new campaign of that name in the scratch store.
    void MakeCampaign(const std::string& name) {
        Campaign campaign = NewCampaign(name, 7);
        CampaignStore(store).Create(campaign);
    }

    ScratchDirectory scratch;
    std::filesystem::path store = scratch.Path() / "campaigns.db";
};

} // namespace halvard::test
