#include "Monkey.h"

#include "TestData.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iostream>
#include <string>

// Thousands of missions in the normal build; under the sanitizers each mission is many times
// slower, so the build sets fewer.
#ifndef HALVARD_MONKEY_MISSIONS
#define HALVARD_MONKEY_MISSIONS 4000
#endif

namespace halvard::test {
namespace {

constexpr int Shards = 4;         // test cases that CTest can run side by side
constexpr int MissionsPerRun = 8; // then the program is started afresh, with a new seed

// HALVARD_MONKEY_MISSIONS in the environment plays more (or fewer) than the build's number.
int MissionsToPlay() {
    if (const char* missions = std::getenv("HALVARD_MONKEY_MISSIONS"))
        return std::max(Shards, std::atoi(missions));
    return HALVARD_MONKEY_MISSIONS;
}

void Report(const std::string& what, const MonkeyCounts& counts) {
    ::testing::Test::RecordProperty("runs", std::to_string(counts.Runs));
    ::testing::Test::RecordProperty("missions", std::to_string(counts.Missions));
    ::testing::Test::RecordProperty("landings", std::to_string(counts.Landings));
    ::testing::Test::RecordProperty("events", std::to_string(counts.Events));
    std::cout << "[ monkey   ] " << what << ": " << counts.Summary() << std::endl;
}

class MonkeyShard : public ::testing::TestWithParam<int> {};

TEST_P(MonkeyShard, EveryRuleHoldsAfterEveryRandomClick) {
    const int missions = MissionsToPlay() / Shards;
    MonkeyCounts total;
    for (std::uint64_t run = 0; total.Missions < missions; ++run) {
        const std::uint64_t seed = 1'000'003ull * static_cast<std::uint64_t>(GetParam()) + run;
        Monkey monkey(ShippedDatabase(), seed);
        const auto broken =
            monkey.Play(std::min<int>(MissionsPerRun, missions - static_cast<int>(total.Missions)));
        total += monkey.Counts();
        ASSERT_FALSE(broken) << *broken;
    }
    EXPECT_GE(total.Landings, total.Missions / 4) << "the player hardly ever lands: " << total.Summary();
    EXPECT_GT(total.LeftMidWave, 0) << total.Summary();
    Report("shard " + std::to_string(GetParam()), total);
}

INSTANTIATE_TEST_SUITE_P(Shards, MonkeyShard, ::testing::Range(0, Shards));

// Replays one run of a report: HALVARD_MONKEY_SEED=<seed> reliability_tests --gtest_filter='Monkey*'
TEST(Monkey, ReplaysTheSeedOfAReport) {
    const char* seed = std::getenv("HALVARD_MONKEY_SEED");
    if (!seed) GTEST_SKIP() << "no HALVARD_MONKEY_SEED to replay";
    Monkey monkey(ShippedDatabase(), std::stoull(seed));
    const auto broken = monkey.Play(MissionsPerRun);
    Report("seed " + std::string(seed), monkey.Counts());
    EXPECT_FALSE(broken) << *broken;
}

} // namespace
} // namespace halvard::test
