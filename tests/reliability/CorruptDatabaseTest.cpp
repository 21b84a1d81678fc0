#include "BadDatabases.h"
#include "MissionSetup.h"
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

} // namespace
} // namespace halvard::test
