#include "Monkey.h"

#include "TestData.h"

#include <gtest/gtest.h>
#include <stdexcept>

// Thousands of missions in the normal build; under the sanitizers each mission is many times
// slower, so the build sets fewer.
#ifndef HALVARD_MONKEY_MISSIONS
#define HALVARD_MONKEY_MISSIONS 4000
#endif

namespace halvard::test {
namespace {

constexpr int Shards = 4; // test cases that CTest can run side by side

using MonkeyShard = ::testing::TestWithParam<std::uint64_t>;

TEST_P(MonkeyShard, EveryRuleHoldsAfterEveryRandomClick) {
    constexpr int missions = HALVARD_MONKEY_MISSIONS / Shards;
    MonkeyCounts total;
    for (std::uint64_t run = 0; total.Missions < missions; ++run) {
        // Eight missions to a run of the program, then it starts afresh with a new seed.
        const auto broken = PlayMonkey(ShippedDatabase(), 1'000'003 * GetParam() + run, 8, &total);
        ASSERT_FALSE(broken) << *broken;
    }
    // The player must reach what the rules are about, not only click about.
    EXPECT_GE(total.Landings, total.Missions / 4) << total.Landings << " landings";
    EXPECT_GT(total.IdleEvents, total.Events / 50) << total.IdleEvents << " of " << total.Events;
}

INSTANTIATE_TEST_SUITE_P(Shards, MonkeyShard, ::testing::Range<std::uint64_t>(0, Shards));

// The checks must catch a broken screen: each case breaks one rule in the middle of random play,
// after an event of a kind in a phase where it acts, and the report must name what broke.
struct Breakage {
    Action On;
    int From; // the phase the event came in
    bool (*Break)(MissionScreen& screen, Game& game, int cell);
    const char* Reported;
};

const Breakage Breakages[] = {
    {Action::Step, phase::CheckForWaves,
     [](MissionScreen& s, Game&, int) { return s.cmdNextStep.Caption = "Incoming Wave?", true; },
     "\"Incoming Wave?\""},
    {Action::Step, phase::EnterNextZone, [](MissionScreen&, Game& g, int) { return ++g.Guns[10].Ammo > 0; },
     "gun 10's ammunition went from"},
    {Action::Step, phase::RollForCoverResults,
     [](MissionScreen& s, Game&, int) {
         return s.nPhase == phase::RemoveEnemyFighters && (s.cmdNextStep.Enabled = true);
     },
     "the step button is enabled in phase 6"},
    {Action::Cell, phase::RemoveEnemyFighters,
     [](MissionScreen&, Game& g, int cell) {
         return g.Waves.Row[cell].ToHit.Tag == "FC" && (g.Waves.Row[cell].ToHit.Tag.clear(), true);
     },
     "does not show its mark"},
    {Action::Gun, phase::EnterNextZone,
     [](MissionScreen&, Game& g, int) { return g.Damage.RadioOut ^= true, true; },
     "an event the rules give no effect changed"},
    {Action::Cell, phase::AssignGuns,
     [](MissionScreen& s, Game&, int cell) {
         return s.nSelectedGun != 0 && s.ShownToHit(cell) != 0 &&
                (s.GunCounters[s.nSelectedGun].Tag.clear(), true);
     },
     "carries the assignment \"\""},
    {Action::Step, phase::CorvaneFire, [](MissionScreen&, Game& g, int) { return ++g.Guns[2].Ammo > 0; },
     "gun 2 went from"},
    {Action::Step, phase::EnterTarget,
     [](MissionScreen&, Game&, int) -> bool { throw std::out_of_range("index 7 outside 1..6"); },
     "the event threw: index 7 outside 1..6"},
};

TEST(Monkey, ReportsABrokenRuleWithItsSeed) {
    for (const Breakage& breakage : Breakages) {
        SCOPED_TRACE(breakage.Reported);
        bool broken = false;
        for (std::uint64_t seed = 1; seed <= 20 && !broken; ++seed) {
            int phaseBefore = 0;
            const Meddler meddler = [&](EntryFlow& flow, Game& game, const Event& event) {
                const bool onMission = flow.Current() == Screen::Mission;
                if (onMission && !broken && event.What == breakage.On && phaseBefore == breakage.From) {
                    broken = true; // also when breaking it throws
                    broken = breakage.Break(flow.Mission(), game, event.Index);
                }
                phaseBefore = onMission ? flow.Mission().nPhase : 0;
            };
            const auto report = PlayMonkey(ShippedDatabase(), seed, 20, nullptr, meddler);
            ASSERT_EQ(report.has_value(), broken)
                << report.value_or("not reported, seed " + std::to_string(seed));
            EXPECT_TRUE(!broken || (report->starts_with("seed " + std::to_string(seed) + ", event ") &&
                                    report->find(breakage.Reported) != std::string::npos))
                << *report;
        }
        EXPECT_TRUE(broken) << "twenty runs never reached a point to break the rule";
    }
}

} // namespace
} // namespace halvard::test
