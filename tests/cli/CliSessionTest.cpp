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

// clang-format off
const struct {
    const char* situation;
    std::vector<std::string_view> setup, commands;
} RefusedCommands[] = {
    {"EntryScreen", {},
     {"step", "cell 1", "ok", "fly", "random now", "cancel please", "mission 0", "mission 26", "mission x"}},
    {"MissionWithoutWave", {"choose St. Omer"},
     {"random", "choose Bremen", "cancel", "cell 1", "gun 1", "gun 11", "gun two", "step 2", "STEP"}},
    // Waiting for the player to mark the fighters the cover chased off.
    {"MarkingForTheCover", {"mission 11", "choose Paris", "step", "step", "step", "step", "step", "step"},
     {"step", "cell 0", "cell 7", "cell", "gun", "random"}},
};
// clang-format on

TEST(CliSession, ARefusedCommandPrintsOneErrorLineAndChangesNothing) {
    for (const auto& c : RefusedCommands) {
        SCOPED_TRACE(c.situation);
        Game game(test::ShippedDatabase(), 5);
        std::ostringstream out;
        CliSession session(game, out, true);
        const auto type = [&](const std::vector<std::string_view>& lines) {
            out.str("");
            for (std::string_view line : lines)
                EXPECT_TRUE(session.Execute(line)) << line;
            return out.str();
        };
        type(c.setup);
        if (std::string_view(c.situation) == "MarkingForTheCover")
            EXPECT_EQ(session.Flow().Mission().nPhase, phase::RemoveEnemyFighters);
        const std::string before = type({"state", "screen"});
        for (std::string_view command : c.commands) {
            const std::string printed = type({command});
            EXPECT_TRUE(printed.starts_with("E ") && std::count(printed.begin(), printed.end(), '\n') == 1)
                << command << " printed: " << printed;
            EXPECT_EQ(type({"state", "screen"}), before) << command;
        }
    }
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
    const test::Run run = test::RunCliWithInput(c.options, c.input);
    EXPECT_EQ(run.ExitStatus, c.exitStatus) << run.Errors;
    EXPECT_NE(run.Errors.find(c.inErrors), std::string::npos) << run.Errors;
    EXPECT_NE(run.Output.find(c.inOutput), std::string::npos) << run.Output;
    if (c.exitStatus == 2) EXPECT_EQ(run.Output, "") << "a refused command line plays nothing";
}

const test::ScratchDirectory Files;
const std::string Data = "--data " + Quoted(test::DataDirectory().string()),
                  Sim = "simulate " + Data + " --missions ",
                  NoData = "--data " + Quoted(Files.Path().string());

std::string DiceFile(const std::string& name, const std::string& text) {
    std::ofstream(Files.Path() / name) << text;
    return " --dice " + Quoted((Files.Path() / name).string());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, Program, ::testing::Values(
    ProgramCase{"Help", "--help", "", 0, "", "choose NAME"},
    ProgramCase{"Version", "--version", "", 0, "", "halvard-cli " HALVARD_VERSION "\n"},
    ProgramCase{"UnknownOption", Data + " --fast", "", 2, "--fast", ""},
    ProgramCase{"MissingDiceFile", Data + " --dice " + Quoted((Files.Path() / "none").string()), "", 2, "none", ""},
    ProgramCase{"DieFaceSeven", Data + DiceFile("seven", "1, 2, 7"), "", 2, "'7'", ""},
    ProgramCase{"MissingDatabase", NoData, "", 1, "Corvane.db: file not found", ""},
    ProgramCase{"UnknownTarget", Data + " --seed 3", "choose Nowhere\ncancel\nscreen\n", 0, "",
                "E choose: Unknown target: Nowhere\nV {\"rolls\":0,\"window\":\"entry\"}\n"},
    ProgramCase{"DiceRunOut", Data + " --trace" + DiceFile("few", "1 2 3"), "mission 12\nrandom\n", 3, "",
                "E dice script exhausted\n"},
    ProgramCase{"SimulateNegativeMissions", Sim + "-4", "", 2, "not -4", ""},
    ProgramCase{"SimulateTooManyMissions", Sim + "1000000000000001", "", 2, "1000000000000001", ""},
    ProgramCase{"SimulateJsonAndCsv", Sim + "5 --json --csv", "", 2, "--csv", ""},
    ProgramCase{"SimulateTraceIsForPlaying", Data + " --trace simulate --missions 5", "", 2, "--trace", ""},
    ProgramCase{"SimulateUnknownTarget", Sim + "5 --target Atlantis", "", 2, "named \"Atlantis\"", ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace halvard
