// Whole missions flown through the windows with the mouse and the keyboard, replaying the
// golden command scripts of the terminal front-end: at every "screen" command the widgets must
// show exactly what the golden trace recorded (the lists' lengths too), and in the end the roll
// window holds the run's last rolls. The journal window replays such missions as the windows
// showed them.

#include "DesktopHarness.h"
#include "frmJournal.h"

#include <QLineEdit>
#include <QMessageBox>
#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace halvard {
namespace {

using test::Click;
using test::Control;
using test::DesktopHarness;
using test::Lines;
using test::Looks;
using test::Settle;

namespace fs = std::filesystem;
using nlohmann::json;
using test::WidgetsAsTrace;

struct Replay {
    const char* name;
    std::uint64_t seed;
    const char* dice; // a file of faces under tests/golden, or null
};

const Replay Replays[] = {
    {"cover_removals", 4, nullptr},
    {"crew_killed", 1, "crew_killed.dice"},
    {"deep_target_heavy_flak", 12, nullptr},
    {"two_missions", 21, nullptr},
};

std::vector<std::string> GoldenLines(const std::string& name) {
    return test::SplitLines(test::ReadFile(fs::path(HALVARD_GOLDEN_DIR) / name));
}

class WindowReplay : public ::testing::TestWithParam<Replay> {};

TEST_P(WindowReplay, WidgetsShowWhatTheTraceRecorded) {
    const Replay& replay = GetParam();
    std::optional<FaceScript> dice;
    if (replay.dice != nullptr)
        dice = FaceScript::Parse(test::ReadFile(fs::path(HALVARD_GOLDEN_DIR) / replay.dice));
    test::DesktopHarness program(replay.seed, std::move(dice));
    ui::Desktop& desktop = *program.desktop;

    std::vector<json> screens;
    std::vector<std::string> rollLines;
    for (const std::string& line : GoldenLines(std::string(replay.name) + ".trace")) {
        if (line.starts_with("V ")) screens.push_back(json::parse(line.substr(2)));
        if (line.starts_with("R ")) rollLines.push_back(line.substr(2));
    }

    std::size_t screenIndex = 0;
    int steps = 0;
    for (const std::string& line : GoldenLines(std::string(replay.name) + ".commands")) {
        std::istringstream words(line);
        std::string command, argument;
        words >> command;
        std::getline(words >> std::ws, argument);
        SCOPED_TRACE(line);
        if (command.empty() || command.starts_with("#")) continue;
        ui::frmMission* mission = desktop.Mission();
        if (command == "mission") {
            desktop.Flow().FixMissionNumber(std::stoi(argument));
        } else if (command == "random") {
            Click(program.OpenTargetDialog()->cmdOK);
        } else if (command == "choose") {
            ui::frmGetTarget* dialog = program.OpenTargetDialog();
            Click(dialog->optTargetChoice[1]);
            dialog->cboTargetList->setCurrentIndex(
                dialog->cboTargetList->findText(QString::fromStdString(argument)));
            Click(dialog->cmdOK);
        } else if (command == "cancel") {
            Click(program.OpenTargetDialog()->cmdCancel);
        } else if (command == "step") {
            ASSERT_NE(mission, nullptr);
            // Every other step by keyboard: the shortcut obeys the button's enabled state too.
            if (++steps % 2 == 0) {
                QTest::keyClick(mission, Qt::Key_Space);
            } else {
                Click(mission->cmdNextStep);
            }
        } else if (command == "cell") {
            ASSERT_NE(mission, nullptr);
            Click(mission->lblToHit[std::stoi(argument)]);
        } else if (command == "gun") {
            ASSERT_NE(mission, nullptr);
            Click(mission->lblGun[std::stoi(argument)]);
        } else if (command == "ok") {
            ASSERT_NE(mission, nullptr);
            Click(mission->cmdOK);
        } else if (command == "screen") {
            ASSERT_LT(screenIndex, screens.size());
            json expected = screens[screenIndex++];
            if (expected["window"] == "entry") {
                EXPECT_TRUE(program.Entry()->isVisible());
                EXPECT_EQ(mission, nullptr);
                continue;
            }
            ASSERT_NE(mission, nullptr);
            expected.erase("phase"); // not shown on screen
            EXPECT_EQ(WidgetsAsTrace(*mission, *program.RollWindow()), expected) << "screen " << screenIndex;
        }
        test::Settle();
    }
    EXPECT_EQ(screenIndex, screens.size());

    // The roll window holds the last 38 rolls of the whole run.
    QListWidget* rolls = program.RollWindow()->lstRollDice;
    ASSERT_EQ(rolls->count(), std::min<int>(38, static_cast<int>(rollLines.size())));
    for (int i = 0; i < rolls->count(); ++i)
        EXPECT_EQ(rolls->item(i)->text().toStdString(), rollLines[rollLines.size() - rolls->count() + i]);
}

INSTANTIATE_TEST_SUITE_P(Golden, WindowReplay, ::testing::ValuesIn(Replays),
                         [](const auto& info) { return std::string(info.param.name); });

// The journal's replay is drawn as the live windows were drawn after each action, and its
// bookmarks, search and export work on that record.
TEST(JournalWindow, ReplaysASingleMissionAsTheWindowsShowedItAndExportsItsReport) {
    DesktopHarness program(7);
    test::ChooseOwnTarget(program.OpenTargetDialog(), "St. Omer");
    Click(program.desktop->TargetDialog()->cmdOK);
    Settle();
    ui::frmMission* live = program.desktop->Mission();
    ASSERT_NE(live, nullptr);
    // The windows after each action the run recorded, the dialog's OK first.
    std::vector<nlohmann::json> seen{Looks(live, program.RollWindow())};
    const auto& actions = program.desktop->RunRecord().Missions().back().Actions;
    for (int i = 0; i < 60 && live->cmdNextStep->isEnabled(); ++i)
        for (QWidget* control : std::initializer_list<QWidget*>{live->cmdNextStep, live->lblGun[2 + i % 9],
                                                                live->lblToHit[1 + i % 4]}) {
            const std::size_t before = actions.size();
            Click(control);
            Settle();
            if (actions.size() > before) seen.push_back(Looks(live, program.RollWindow()));
        }
    ASSERT_EQ(seen.size(), actions.size());
    ASSERT_GT(seen.size(), 30U);

    QTest::keyClick(live, Qt::Key_J, Qt::ControlModifier);
    ui::frmJournal* journal = program.desktop->Journal();
    ASSERT_NE(journal, nullptr);
    EXPECT_TRUE(journal->isVisible());
    ASSERT_EQ(journal->lstMissions->count(), 1);
    EXPECT_TRUE(journal->lstMissions->item(0)->text().startsWith("Mission 22: St. Omer (Airfield)"));

    // Forward, then back, which builds the game and the replay's screen anew.
    const int last = static_cast<int>(seen.size());
    for (int step = 1; step < 2 * last; ++step) {
        const int moment = step <= last ? step : 2 * last - step;
        journal->ShowMoment(moment);
        ASSERT_NE(journal->ReplayScreen(), nullptr);
        ASSERT_EQ(journal->Replay()->Problem(), "");
        ASSERT_EQ(journal->Replay()->At(), moment);
        EXPECT_FALSE(journal->ReplayScreen()->cmdNextStep->isEnabled());
        ASSERT_EQ(Looks(journal->ReplayScreen(), journal->ReplayRolls()),
                  seen.at(static_cast<std::size_t>(moment - 1)))
            << "moment " << moment;
    }

    const std::vector<QString> marks = Lines(journal->lstBookmarks);
    ASSERT_GE(marks.size(), 2U);
    EXPECT_EQ(marks[0], "Take-off");
    EXPECT_EQ(marks[1], "Zone 2 (out)");
    QListWidgetItem* zone = journal->lstBookmarks->item(1);
    QTest::mouseClick(journal->lstBookmarks->viewport(), Qt::LeftButton, Qt::NoModifier,
                      journal->lstBookmarks->visualItemRect(zone).center());
    EXPECT_TRUE(journal->lstRecord->currentItem()->text().startsWith("[ZONE #2]"));
    EXPECT_EQ(journal->Replay()->At(), 2);

    journal->txtSearch->setText("weather over");
    EXPECT_EQ(journal->lblMatches->text(), "2 matches");
    EXPECT_EQ(journal->lstRecord->currentItem()->text(), "Weather over Target: Poor");
    Click(journal->cmdFindNext);
    EXPECT_EQ(journal->lstRecord->currentItem()->text(), "Weather over Base: Good");
    Click(journal->cmdFindNext);
    EXPECT_EQ(journal->lstRecord->currentItem()->text(), "Weather over Target: Poor");

    test::ScratchDirectory scratch;
    const std::filesystem::path report = scratch.Path() / "report.md";
    journal->ExportTo(QString::fromStdString(report.string()));
    EXPECT_EQ(test::SplitLines(test::ReadFile(report)).at(0), "# After-action report");
    journal->ExportTo(QString::fromStdString((scratch.Path() / "missing" / "report.md").string()));
    EXPECT_NE(journal->findChild<QMessageBox*>("exportFailure"), nullptr);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.Path()),
                            std::filesystem::directory_iterator()),
              1);

    journal->close();
    program.Entry()->mnuJournal->trigger();
    EXPECT_TRUE(journal->isVisible());
}

} // namespace
} // namespace halvard
