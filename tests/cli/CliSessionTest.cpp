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
        EXPECT_TRUE(std::string_view(c.situation) != "MarkingForTheCover" ||
                    session.Flow().Mission().nPhase == phase::RemoveEnemyFighters);
        const std::string before = type({"state", "screen"});
        for (std::string_view command : c.commands) {
            const std::string printed = type({command});
            EXPECT_TRUE(printed.starts_with("E ") && std::count(printed.begin(), printed.end(), '\n') == 1)
                << command << " printed: " << printed;
            EXPECT_EQ(type({"state", "screen"}), before) << command;
        }
    }
}

TEST(Program, ExitsWithItsStatusAndMessages) {
    const test::ScratchDirectory files;
    const std::string data = "--data " + Quoted(test::DataDirectory().string()),
                      sim = "simulate " + data + " --missions ";
    const auto dice = [&](const std::string& name, const std::string& text) {
        std::ofstream(files.Path() / name) << text;
        return " --dice " + Quoted((files.Path() / name).string());
    };
    const struct {
        std::string options, input;
        int exitStatus;
        const char *inErrors, *inOutput;
    } cases[] = {
        // clang-format off
        {"--help", "", 0, "", "choose NAME"},
        {"--version", "", 0, "", "halvard-cli " HALVARD_VERSION "\n"},
        {data + " --fast", "", 2, "--fast", ""},
        {data + " --dice " + Quoted((files.Path() / "none").string()), "", 2, "none", ""},
        {data + dice("seven", "1, 2, 7"), "", 2, "'7'", ""},
        {"--data " + Quoted(files.Path().string()), "", 1, "Corvane.db: file not found", ""},
        {data + " --seed 3", "choose Nowhere\ncancel\nscreen\n", 0, "",
         "E choose: Unknown target: Nowhere\nV {\"rolls\":0,\"window\":\"entry\"}\n"},
        {data + " --trace" + dice("few", "1 2 3"), "mission 12\nrandom\n", 3, "", "E dice script exhausted\n"},
        {sim + "-4", "", 2, "not -4", ""},
        {sim + "1000000000000001", "", 2, "1000000000000001", ""},
        {sim + "5 --json --csv", "", 2, "--csv", ""},
        {data + " --trace simulate --missions 5", "", 2, "--trace", ""},
        {sim + "5 --target Atlantis", "", 2, "named \"Atlantis\"", ""},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        const test::Run run = test::RunCliWithInput(c.options, c.input);
        EXPECT_EQ(run.ExitStatus, c.exitStatus) << run.Errors;
        EXPECT_NE(run.Errors.find(c.inErrors), std::string::npos) << run.Errors;
        EXPECT_NE(run.Output.find(c.inOutput), std::string::npos) << run.Output;
        EXPECT_TRUE(c.exitStatus != 2 || run.Output.empty())
            << "a refused command line played " << run.Output;
    }
}

} // namespace
} // namespace halvard
