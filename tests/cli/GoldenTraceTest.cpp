// Whole missions replayed through halvard-cli in trace mode and compared line by line with the
// traces under tests/golden. A mismatch leaves <name>.actual beside the golden file and names
// the first line that differs. With HALVARD_UPDATE_GOLDEN=1 the traces are rewritten instead,
// for a deliberate change of the game; review the diff before committing it.

#include "Program.h"
#include "TestData.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace halvard {
namespace {

namespace fs = std::filesystem;

struct Golden {
    const char* name;
    const char* options; // besides --trace and --data; dice files are relative to tests/golden
    int exitStatus;
};

// clang-format off
const Golden Goldens[] = {
    {"short_target",           "--seed 7",                            0},
    {"deep_target_heavy_flak", "--seed 12",                           0},
    {"cover_removals",         "--seed 4",                            0},
    {"crew_killed",            "--seed 1 --dice crew_killed.dice",    0},
    {"dice_exhausted",         "--seed 1 --dice dice_exhausted.dice", 3},
    {"two_missions",           "--seed 21",                           0},
};
// clang-format on

class GoldenTrace : public ::testing::TestWithParam<Golden> {};

TEST_P(GoldenTrace, ReplaysLineByLine) {
    const Golden& golden = GetParam();
    const fs::path dir = test::GoldenDirectory();
    const fs::path expectedFile = dir / (std::string(golden.name) + ".trace");
    const fs::path actualFile = dir / (std::string(golden.name) + ".actual");
    const test::Run run =
        test::RunCli(test::GoldenOptions(golden.options), dir / (std::string(golden.name) + ".commands"));
    EXPECT_EQ(run.ExitStatus, golden.exitStatus);

    if (std::getenv("HALVARD_UPDATE_GOLDEN")) {
        std::ofstream(expectedFile, std::ios::binary) << run.Output;
        GTEST_SKIP() << "rewrote " << expectedFile;
    }

    const std::vector<std::string> expected = test::SplitLines(test::ReadFile(expectedFile));
    const std::vector<std::string> actual = test::SplitLines(run.Output);
    ASSERT_FALSE(expected.empty()) << "no golden trace at " << expectedFile;
    if (actual == expected) {
        fs::remove(actualFile);
        return;
    }
    std::ofstream(actualFile, std::ios::binary) << run.Output;
    const auto [e, a] = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    ADD_FAILURE() << golden.name << ": first difference at line " << (e - expected.begin()) + 1
                  << "\n  expected: " << (e == expected.end() ? "<end of trace>" : *e)
                  << "\n  actual:   " << (a == actual.end() ? "<end of trace>" : *a) << "\n(whole output in "
                  << actualFile.string() << ")";
}

INSTANTIATE_TEST_SUITE_P(Missions, GoldenTrace, ::testing::ValuesIn(Goldens),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace halvard
