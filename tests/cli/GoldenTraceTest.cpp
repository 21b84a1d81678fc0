// Whole missions replayed through halvard-cli in trace mode and compared with the traces under
// tests/golden (a failure shows the differing lines). With HALVARD_UPDATE_GOLDEN=1 the traces
// are rewritten instead, for a deliberate change of the game; review the diff before committing it.

#include "Program.h"
#include "TestData.h"

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
    const std::filesystem::path golden = test::GoldenDirectory() / GetParam().name,
                                trace = golden.string() + ".trace";
    const test::Run run = test::RunCliWithInput(test::GoldenOptions(GetParam().options),
                                                test::ReadFile(golden.string() + ".commands"));
    EXPECT_EQ(run.ExitStatus, GetParam().exitStatus) << run.Errors;
    if (std::getenv("HALVARD_UPDATE_GOLDEN")) std::ofstream(trace, std::ios::binary) << run.Output;
    EXPECT_EQ(run.Output, test::ReadFile(trace)) << "the trace of " << trace;
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
