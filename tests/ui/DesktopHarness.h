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

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
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
