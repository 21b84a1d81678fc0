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

// Waiting for the player to mark the fighters the cover chased off, a command that does not fit
// prints one error line and changes nothing.
TEST(CliSession, ARefusedCommandPrintsOneErrorLineAndChangesNothing) {
    Game game(test::ShippedDatabase(), 5);
    std::ostringstream out;
    CliSession session(game, out, true);
    const auto type = [&](const std::vector<std::string_view>& lines) {
        out.str("");
        for (std::string_view line : lines)
            EXPECT_TRUE(session.Execute(line)) << line;
        return out.str();
    };
    type({"mission 11", "choose Paris", "step", "step", "step", "step", "step", "step"});
    ASSERT_EQ(session.Flow().Mission().nPhase, phase::RemoveEnemyFighters);
    const std::string before = type({"state", "screen"});
    for (std::string_view command :
         {"step", "cell 0", "cell 7", "cell", "gun", "gun 11", "gun two", "random", "choose Bremen", "cancel",
          "mission 26", "ok now", "fly", "step 2", "STEP"}) {
        const std::string printed = type({command});
        EXPECT_TRUE(printed.starts_with("E ") && std::count(printed.begin(), printed.end(), '\n') == 1)
            << command << " printed: " << printed;
        EXPECT_EQ(type({"state", "screen"}), before) << command;
    }
}

TEST(Program, ExitsWithItsStatusAndMessages) {
    const test::ScratchDirectory files;
    const std::filesystem::path none = files.Path() / "none.db", seven = files.Path() / "seven";
    std::ofstream(seven) << "1, 2, 7";
    const std::string data = "--data " + Quoted(test::DataDirectory().string()),
                      sim = "simulate " + data + " --missions ";
    const struct {
        std::string options, input;
        int exitStatus;
        const char *inErrors, *inOutput;
    } cases[] = {
        // clang-format off
        {"--version", "", 0, "", "halvard-cli " HALVARD_VERSION "\n"},
        {data + " --dice " + Quoted(none.string()), "", 2, "none.db", ""},
        {data + " --dice " + Quoted(seven.string()), "", 2, "'7'", ""},
        {"--data " + Quoted(files.Path().string()), "", 1, "Corvane.db: file not found", ""},
        {data + " --seed 3", "choose Nowhere\ncancel\nscreen\n", 0, "",
         "E choose: Unknown target: Nowhere\nV {\"rolls\":0,\"window\":\"entry\"}\n"},
        {sim + "-4", "", 2, "not -4", ""},
        {sim + "1000000000000001", "", 2, "1000000000000001", ""},
        {sim + "5 --json --csv", "", 2, "--csv", ""},
        {data + " --trace simulate --missions 5", "", 2, "--trace", ""},
        {sim + "5 --target Atlantis", "", 2, "named \"Atlantis\"", ""},
        {sim + "5 --campaign Tour --store " + Quoted(none.string()), "", 2, "no campaign store", ""},
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
