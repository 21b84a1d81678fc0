#include "BadDatabases.h"
#include "EntryFlow.h"
#include "MissionSetup.h"
#include "Program.h"
#include "TestData.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace halvard::test {

void PrintTo(const BadDatabase& bad, std::ostream* out) {
    *out << bad.Name;
}

namespace {

namespace fs = std::filesystem;

std::string MissingWords(const std::string& message, const std::vector<std::string>& words) {
    std::string missing;
    for (const std::string& word : words)
        if (message.find(word) == std::string::npos) missing += " \"" + word + "\"";
    return missing;
}

class CorruptDatabase : public ::testing::TestWithParam<BadDatabase> {
  protected:
    void SetUp() override { GetParam().Make(directory.Path()); }

    fs::path File() const { return directory.Path() / GameDatabase::FileName; }

    ScratchDirectory directory;
};

TEST_P(CorruptDatabase, TheEngineRaisesOneErrorNamingTheFileAndTheProblem) {
    try {
        OpenGameDatabase(directory.Path());
        FAIL() << "the database was accepted";
    } catch (const GameDataError& e) {
        const std::string message = e.what();
        EXPECT_EQ(message.rfind(File().string() + ": ", 0), 0u) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << "one line: " << message;
        EXPECT_EQ(MissingWords(message, GetParam().ExpectedWords), "") << message;
    }
    // Any other exception escapes the test and fails it: GameDataError is the only one allowed.
}

TEST_P(CorruptDatabase, TheTerminalExitsWithTheErrorOnStandardError) {
    const test::Run run = RunCliWithInput("--trace --seed 1 --data " + Quoted(directory.Path().string()),
                                          "random\nstep\nquit\n");
    EXPECT_EQ(run.ExitStatus, 1) << "(-1: killed by a signal)\n" << run.Errors;
    EXPECT_EQ(run.Output, "") << "nothing is played on a bad database";
    EXPECT_EQ(run.Errors.rfind("halvard-cli: " + File().string() + ": ", 0), 0u) << run.Errors;
    EXPECT_EQ(std::count(run.Errors.begin(), run.Errors.end(), '\n'), 1) << "one message: " << run.Errors;
    EXPECT_EQ(MissingWords(run.Errors, GetParam().ExpectedWords), "") << run.Errors;
}

INSTANTIATE_TEST_SUITE_P(Files, CorruptDatabase, ::testing::ValuesIn(BadDatabases()),
                         [](const auto& info) { return info.param.Name; });

TEST(CorruptDatabases, EveryColumnTheLoaderReadsIsTriedMissingEmptyAndOfTheWrongType) {
    // The cases come from the loader's own list of columns, so a column read from now on is
    // damaged too; this pins that the list is made that way.
    std::vector<std::string> names;
    for (const BadDatabase& bad : BadDatabases())
        names.push_back(bad.Name);
    for (const ColumnRead& column : GameDatabase::ColumnsRead()) {
        const std::string suffix = std::string(column.Table) + std::string(column.Name);
        for (const std::string_view prefix : {"No", "Null", "Text", "Blob"}) {
            const std::string name = prefix == "No" ? "No" + suffix + "Column" : std::string(prefix) + suffix;
            const bool expected = prefix == "No" ||
                                  (prefix == "Null" && column.Kind != ColumnKind::OptionalText) ||
                                  (prefix == "Text" && column.Kind == ColumnKind::Number) ||
                                  (prefix == "Blob" && column.Kind != ColumnKind::Number);
            EXPECT_EQ(std::count(names.begin(), names.end(), name), expected ? 1 : 0) << name;
        }
    }
}

// A target named with an apostrophe is just a name: chosen by name, it loads and is flown.
class ApostropheTargetTest : public ::testing::Test {
  protected:
    void SetUp() override { MakeApostropheDatabase(directory.Path()); }
    ScratchDirectory directory;
};

TEST_F(ApostropheTargetTest, TheEngineFliesIt) {
    const GameDatabase database = OpenGameDatabase(directory.Path());
    Game game(database, 11);
    const auto transcript = Record(game);
    EntryFlow flow(game);
    flow.imgChoice_Click(0);
    TargetSelection& dialog = flow.TargetDialog();
    EXPECT_NE(std::find(dialog.cboTargetList.List.begin(), dialog.cboTargetList.List.end(), ApostropheTarget),
              dialog.cboTargetList.List.end());
    dialog.optTargetChoice_Click(1);
    dialog.cboTargetList.Text = ApostropheTarget;
    dialog.cmdOK_Click();
    ASSERT_EQ(flow.Current(), Screen::Mission) << dialog.Refusal;

    MissionScreen& screen = flow.Mission();
    EXPECT_EQ(screen.lblTarget.Caption, ApostropheTarget);
    EXPECT_EQ(screen.lblTargetType.Caption, "U-Boat Pens");
    EXPECT_EQ(game.Mission.TargetZone, 3);
    EXPECT_TRUE(game.Mission.Target.HeavyFlak);
    EXPECT_EQ(game.Mission.Target.Zone[3].Modifier, 2);
    // Escorts cannot be chased off, so the step button is never waiting for marks.
    for (int press = 0; press < 2000 && screen.cmdNextStep.Enabled; ++press)
        screen.cmdNextStep_Click();
    EXPECT_EQ(screen.nPhase, phase::LandingAtBase);
    EXPECT_FALSE(screen.cmdNextStep.Enabled) << "the mission did not reach the landing";
    const auto& messages = transcript->Messages;
    EXPECT_NE(std::find(messages.begin(), messages.end(), "[COMMENCING BOMB RUN]"), messages.end());
}

TEST_F(ApostropheTargetTest, TheTerminalFliesIt) {
    std::string commands = "choose " + std::string(ApostropheTarget) + "\n";
    for (int press = 0; press < 1500; ++press)
        commands += "step\n";
    commands += "state\nquit\n";
    const test::Run run =
        RunCliWithInput("--trace --seed 11 --data " + Quoted(directory.Path().string()), commands);
    EXPECT_EQ(run.ExitStatus, 0) << run.Errors;
    EXPECT_EQ(run.Errors, "");
    EXPECT_NE(run.Output.find("M [COMMENCING BOMB RUN]\n"), std::string::npos);
    EXPECT_NE(run.Output.find("E step: the step button is disabled\n"), std::string::npos)
        << "the mission did not reach the landing";
    EXPECT_NE(run.Output.find("\"" + std::string(ApostropheTarget) + "\""), std::string::npos)
        << "the state does not name the target";
}

} // namespace
} // namespace halvard::test
