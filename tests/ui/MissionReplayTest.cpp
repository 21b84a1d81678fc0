// Whole missions flown through the windows with the mouse and the keyboard, replaying the
// golden command scripts of the terminal front-end: at every "screen" command the widgets must
// show exactly what the golden trace recorded (the lists' lengths too), and in the end the roll
// window holds the run's last rolls.

#include "DesktopHarness.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace halvard {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using test::Click;
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

} // namespace
} // namespace halvard
