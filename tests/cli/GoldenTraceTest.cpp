// Whole missions replayed through halvard-cli in trace mode and compared with the traces under
// tests/golden. HALVARD_UPDATE_GOLDEN=1 rewrites them, for a deliberate change: review the diff.

#include "Program.h"
#include "TestData.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace halvard {
namespace {

TEST(GoldenTrace, ReplaysLineByLine) {
    const struct {
        const char* name;
        const char* options; // besides --trace and --data; dice files are relative to tests/golden
        int exitStatus;
    } goldens[] = {
        // clang-format off
        {"short_target",           "--seed 7",                            0},
        {"deep_target_heavy_flak", "--seed 12",                           0},
        {"cover_removals",         "--seed 4",                            0},
        {"crew_killed",            "--seed 1 --dice crew_killed.dice",    0},
        {"dice_exhausted",         "--seed 1 --dice dice_exhausted.dice", 3},
        {"two_missions",           "--seed 21",                           0},
        // clang-format on
    };
    for (const auto& [name, options, exitStatus] : goldens) {
        const std::string golden = (test::GoldenDirectory() / name).string(), trace = golden + ".trace";
        const test::Run run =
            test::RunCliWithInput(test::GoldenOptions(options), test::ReadFile(golden + ".commands"));
        EXPECT_EQ(run.ExitStatus, exitStatus) << name << ": " << run.Errors;
        if (std::getenv("HALVARD_UPDATE_GOLDEN")) std::ofstream(trace, std::ios::binary) << run.Output;
        EXPECT_EQ(run.Output, test::ReadFile(trace)) << "the trace of " << trace;
    }
}

} // namespace
} // namespace halvard
