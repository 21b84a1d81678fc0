#include "CliSession.h"

#include "MissionSetup.h"
#include "Program.h"
#include "TestData.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace halvard {
namespace {

using test::Quoted;
using test::RunCliWithInput;

// A player at the terminal, on the shipped database with a fixed seed.
class Terminal {
  public:
    explicit Terminal(std::uint64_t seed = 5)
        : game_(test::ShippedDatabase(), seed), session_(game_, out_, true) {}

    // Everything the commands print.
    std::string Type(const std::vector<std::string_view>& lines) {
        out_.str("");
        for (std::string_view line : lines)
            EXPECT_TRUE(session_.Execute(line)) << line;
        return out_.str();
    }
    // The state and the screen, as the trace prints them.
    std::string Snapshot() { return Type({"state", "screen"}); }

    Game& game() { return game_; }
    const EntryFlow& flow() const { return session_.Flow(); }
    CliSession& session() { return session_; }

  private:
    Game game_;
    std::ostringstream out_;
    CliSession session_;
};

struct Refused {
    const char* situation;
    std::vector<std::string_view> setup;
    std::vector<std::string_view> commands;
};

// clang-format off
const Refused RefusedCommands[] = {
    {"EntryScreen", {},
     {"step", "cell 1", "gun 2", "ok", "wave", "fly", "random now", "cancel please", "quit now", "mission 0",
      "mission 26", "mission x"}},
    {"MissionWithoutWave", {"choose St. Omer"},
     {"random", "choose Bremen", "cancel", "cell 1", "gun 1", "gun 11", "gun two", "step 2", "ok now",
      "screen please", "state x", "STEP"}},
    {"MarkingForTheCover", {"mission 11", "choose Paris", "step", "step", "step", "step", "step", "step"},
     {"step", "cell 0", "cell 7", "cell", "gun", "random"}},
};
// clang-format on

class RefusedCommand : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedCommand, PrintsOneErrorLineAndChangesNothing) {
    Terminal terminal;
    terminal.Type(GetParam().setup);
    const std::string before = terminal.Snapshot();
    for (std::string_view command : GetParam().commands) {
        const std::string printed = terminal.Type({command});
        EXPECT_TRUE(printed.starts_with("E ")) << command << " printed: " << printed;
        EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << command << " printed: " << printed;
        EXPECT_EQ(terminal.Snapshot(), before) << command;
    }
}

INSTANTIATE_TEST_SUITE_P(Situations, RefusedCommand, ::testing::ValuesIn(RefusedCommands),
                         [](const auto& info) { return std::string(info.param.situation); });

TEST(RefusedCommand, TheRemovalSetupReallyWaitsForMarks) {
    // The situation above must be the removal phase, or its "step" would prove nothing.
    Terminal terminal;
    terminal.Type({"mission 11", "choose Paris", "step", "step", "step", "step", "step", "step"});
    const MissionScreen& screen = terminal.flow().Mission();
    EXPECT_EQ(screen.nPhase, phase::RemoveEnemyFighters);
    EXPECT_FALSE(screen.cmdNextStep.Enabled);
}

TEST(TargetCommands, MissionNumberAndRefusedNames) {
    Terminal terminal;
    EXPECT_EQ(terminal.Type({"mission 3", "choose Nowhere"}), "E choose: Unknown target: Nowhere\n");
    EXPECT_EQ(terminal.flow().Current(), Screen::Entry);
    EXPECT_EQ(terminal.game().Mission.MissionNo, 3) << "the refused press still draws the number";
    EXPECT_TRUE(terminal.game().SelectedTarget.empty());

    EXPECT_TRUE(terminal.Type({"choose"}).starts_with("E choose: "));
    EXPECT_EQ(terminal.Type({"cancel"}), "") << "Cancel before any target keeps the entry screen";
    EXPECT_EQ(terminal.flow().Current(), Screen::Entry);

    terminal.Type({"mission 17", "random"});
    EXPECT_EQ(terminal.flow().Current(), Screen::Mission);
    EXPECT_EQ(terminal.game().Mission.MissionNo, 17);
    EXPECT_EQ(terminal.flow().Mission().lblMissionNo.Caption, "17");

    terminal.Type({"ok", "mission random", "choose Emden"});
    EXPECT_EQ(terminal.game().Mission.Target.Name, "Emden");
    EXPECT_TRUE(Between(terminal.game().Mission.MissionNo, 11, 25));
}

TEST(TraceOutput, EntryScreenAndQuit) {
    Terminal terminal;
    EXPECT_EQ(terminal.Type({"", "   ", "# a comment", "screen"}), "V {\"rolls\":0,\"window\":\"entry\"}\n");
    EXPECT_FALSE(terminal.session().Execute("quit"));
}

TEST(TraceOutput, ChooseLoadsTheMissionWithItsRollsInOrder) {
    Terminal terminal;
    const std::string printed = terminal.Type({"mission 12", "choose Cherbourg"});
    // Squadron and formation, then two cover rolls for each of zones 2-4.
    const std::vector<std::string> labels = {"Squadron Roll", "Formation Roll", "Fighter Cover",
                                             "Fighter Cover", "Fighter Cover",  "Fighter Cover",
                                             "Fighter Cover", "Fighter Cover"};
    std::istringstream lines(printed);
    std::size_t i = 0;
    for (std::string line; std::getline(lines, line); ++i) {
        ASSERT_LT(i, labels.size()) << line;
        EXPECT_EQ(line.substr(0, 2), "R ") << line;
        EXPECT_EQ(line.substr(5), labels[i]) << line;
    }
    EXPECT_EQ(i, labels.size());
}

struct ProgramCase {
    const char* name;
    std::string options;
    std::string input;
    int exitStatus;
    const char* inErrors;
    const char* inOutput;
};

class Program : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(Program, ExitStatusAndMessages) {
    const ProgramCase& c = GetParam();
    const test::Run run = RunCliWithInput(c.options, c.input);
    EXPECT_EQ(run.ExitStatus, c.exitStatus) << run.Errors;
    EXPECT_NE(run.Errors.find(c.inErrors), std::string::npos) << run.Errors;
    EXPECT_NE(run.Output.find(c.inOutput), std::string::npos) << run.Output;
}

const std::string Data = "--data " + Quoted(test::DataDirectory().string());
const test::ScratchDirectory Files;

std::string DiceFile(const std::string& name, const std::string& text) {
    const auto file = Files.Path() / name;
    std::ofstream(file) << text;
    return Quoted(file.string());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, Program, ::testing::Values(
    ProgramCase{"Help", "--help", "", 0, "", "choose NAME"},
    ProgramCase{"Version", "--version", "", 0, "", "halvard-cli " HALVARD_VERSION "\n"},
    ProgramCase{"UnknownOption", Data + " --fast", "", 2, "--fast", ""},
    ProgramCase{"SeedNotANumber", Data + " --seed many", "", 2, "many", ""},
    ProgramCase{"MissingDiceFile", Data + " --dice " + Quoted((Files.Path() / "none").string()), "", 2, "none", ""},
    ProgramCase{"DieFaceSeven", Data + " --dice " + DiceFile("seven", "1, 2, 7"), "", 2, "'7'", ""},
    ProgramCase{"DieFaceWord", Data + " --dice " + DiceFile("word", "1 two 3"), "", 2, "'two'", ""},
    ProgramCase{"MissingDatabase", "--data " + Quoted(Files.Path().string()), "", 1, "Corvane.db: file not found", ""},
    ProgramCase{"EndOfInputQuits", Data + " --trace --seed 3", "screen\n", 0, "", "V {\"rolls\":0"},
    ProgramCase{"DiceRunOut", Data + " --trace --dice " + DiceFile("few", "1 2 3"), "mission 12\nrandom\n", 3, "",
                "E dice script exhausted\n"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace halvard
