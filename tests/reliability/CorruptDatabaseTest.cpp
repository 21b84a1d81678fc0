#include "BadDatabases.h"
#include "MissionSetup.h"
#include "Monkey.h"
#include "Program.h"
#include "TestData.h"

#include <gtest/gtest.h>

namespace halvard::test {
namespace {

using CorruptDatabase = ::testing::TestWithParam<BadDatabase>;

// The engine raises one GameDataError naming the file and the problem (any other exception fails
// the test), and the terminal prints just that on standard error, having played nothing.
TEST_P(CorruptDatabase, GivesOneErrorNamingTheFileAndTheProblem) {
    const ScratchDirectory directory;
    GetParam().Make(directory.Path());
    std::string message;
    try {
        OpenGameDatabase(directory.Path());
        ADD_FAILURE() << "the database was accepted";
    } catch (const GameDataError& e) {
        message = e.what();
    }
    EXPECT_EQ(message.rfind((directory.Path() / GameDatabase::FileName).string() + ": ", 0), 0u) << message;
    EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    for (const std::string& word : GetParam().ExpectedWords)
        EXPECT_NE(message.find(word), std::string::npos) << "\"" << word << "\" not in " << message;

    const test::Run run = RunCliWithInput("--trace --seed 1 --data " + Quoted(directory.Path().string()),
                                          "random\nstep\nquit\n");
    EXPECT_EQ(run.ExitStatus, 1) << "(-1: killed by a signal)";
    EXPECT_EQ(run.Output, "");
    EXPECT_EQ(run.Errors, "halvard-cli: " + message + "\n");
}

INSTANTIATE_TEST_SUITE_P(Files, CorruptDatabase, ::testing::ValuesIn(BadDatabases()),
                         [](const auto& info) { return info.param.Name; });

// A target named with an apostrophe is only a name: typed in the dialog, it is taken and flown.
TEST(ApostropheTarget, IsChosenByNameAndFlown) {
    ScratchDirectory directory;
    MakeApostropheDatabase(directory.Path());
    const GameDatabase database = OpenGameDatabase(directory.Path());
    int bombRuns = 0;
    for (std::uint64_t seed = 1; seed <= 10 && bombRuns == 0; ++seed) {
        const Meddler meddler = [&bombRuns](EntryFlow& flow, Game& game, const Event& event) {
            if (event.What == Action::TypeTarget) flow.TargetDialog().cboTargetList.Text = ApostropheTarget;
            bombRuns += flow.Current() == Screen::Mission && flow.Mission().nPhase == phase::BombRun &&
                        game.SelectedTarget == ApostropheTarget;
        };
        const auto broken = PlayMonkey(database, seed, 20, nullptr, meddler);
        ASSERT_FALSE(broken) << *broken;
    }
    EXPECT_GT(bombRuns, 0);
}

} // namespace
} // namespace halvard::test
