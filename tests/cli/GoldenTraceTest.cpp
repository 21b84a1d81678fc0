// Whole missions replayed through halvard-cli in trace mode and compared line by line with the
// traces under tests/golden. With HALVARD_UPDATE_GOLDEN=1 the traces are rewritten instead, for
// a deliberate change of the game; review the diff before committing it.

#include "Program.h"
#include "TestData.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace halvard {
namespace {

struct Golden {
    const char* name;
    const char* options; // besides --trace and --data; dice files are relative to tests/golden
    int exitStatus;
};

class GoldenTrace : public ::testing::TestWithParam<Golden> {};

TEST_P(GoldenTrace, ReplaysLineByLine) {
    const Golden& golden = GetParam();
    const std::filesystem::path trace = test::GoldenDirectory() / (std::string(golden.name) + ".trace");
    const test::Run run = test::RunCliWithInput(
        test::GoldenOptions(golden.options),
        test::ReadFile(test::GoldenDirectory() / (std::string(golden.name) + ".commands")));
    EXPECT_EQ(run.ExitStatus, golden.exitStatus);
    if (std::getenv("HALVARD_UPDATE_GOLDEN")) {
        std::ofstream(trace, std::ios::binary) << run.Output;
        GTEST_SKIP() << "rewrote " << trace;
    }
    const std::vector<std::string> expected = test::SplitLines(test::ReadFile(trace)),
                                   actual = test::SplitLines(run.Output);
    ASSERT_FALSE(expected.empty()) << "no golden trace at " << trace;
    const auto [e, a] = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    EXPECT_TRUE(e == expected.end() && a == actual.end())
        << "first difference at line " << (e - expected.begin()) + 1
        << "\n  expected: " << (e == expected.end() ? "<end of trace>" : *e)
        << "\n  actual:   " << (a == actual.end() ? "<end of trace>" : *a);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Missions, GoldenTrace, ::testing::Values(
    Golden{"short_target",           "--seed 7",                            0},
    Golden{"deep_target_heavy_flak", "--seed 12",                           0},
    Golden{"cover_removals",         "--seed 4",                            0},
    Golden{"crew_killed",            "--seed 1 --dice crew_killed.dice",    0},
    Golden{"dice_exhausted",         "--seed 1 --dice dice_exhausted.dice", 3},
    Golden{"two_missions",           "--seed 21",                           0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace halvard
