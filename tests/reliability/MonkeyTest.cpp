#include "Monkey.h"

#include "TestData.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

// Thousands of missions in the normal build; under the sanitizers each mission is many times
// slower, so the build sets fewer. HALVARD_MONKEY_MISSIONS in the environment overrides both.
#ifndef HALVARD_MONKEY_MISSIONS
#define HALVARD_MONKEY_MISSIONS 4000
#endif

namespace halvard::test {
namespace {

constexpr int Shards = 4; // test cases that CTest can run side by side

class MonkeyShard : public ::testing::TestWithParam<int> {};

TEST_P(MonkeyShard, EveryRuleHoldsAfterEveryRandomClick) {
    const char* asked = std::getenv("HALVARD_MONKEY_MISSIONS");
    const int missions = std::max(1, (asked ? std::atoi(asked) : HALVARD_MONKEY_MISSIONS) / Shards);
    MonkeyCounts total;
    for (std::uint64_t run = 0; total.Missions < missions; ++run) {
        // Eight missions to a run of the program, then it starts afresh with a new seed.
        Monkey monkey(ShippedDatabase(), 1'000'003ull * static_cast<std::uint64_t>(GetParam()) + run);
        const auto broken = monkey.Play(std::min(8, missions - static_cast<int>(total.Missions)));
        ASSERT_FALSE(broken) << *broken;
        const MonkeyCounts& counts = monkey.Counts;
        total = {total.Missions + counts.Missions, total.Landings + counts.Landings,
                 total.LeftMidWave + counts.LeftMidWave, total.Events + counts.Events,
                 total.IdleEvents + counts.IdleEvents};
    }
    // The player must reach what the rules are about, not only click about.
    EXPECT_GE(total.Landings, total.Missions / 4) << total.Landings << " landings";
    EXPECT_GT(total.LeftMidWave, 0);
    EXPECT_GT(total.IdleEvents, total.Events / 50) << total.IdleEvents << " of " << total.Events;
}

INSTANTIATE_TEST_SUITE_P(Shards, MonkeyShard, ::testing::Range(0, Shards));

// The checks must catch a broken screen: each case breaks one rule in the middle of random play,
// after an event that acts (lest the report name an idle event), and the report must name it.
using Break = bool (*)(MissionScreen& screen, Game& game, const Event& event, int phaseBefore);

bool Step(const Event& event, int phaseBefore, int from) {
    return event.What == Action::Step && phaseBefore == from;
}

const std::pair<Break, const char*> Breakages[] = {
    {[](MissionScreen& s, Game&, const Event& e, int before) {
         return Step(e, before, phase::CheckForWaves) && s.nPhase == phase::IncomingWave &&
                (s.cmdNextStep.Caption = "Incoming Wave?", true);
     },
     "\"Incoming Wave?\""},
    {[](MissionScreen&, Game& game, const Event& e, int before) {
         auto hurt = std::ranges::find_if(game.Crew, [](const CrewRecord& crew) { return crew.Wound > 0; });
         return Step(e, before, phase::EnterNextZone) && hurt != game.Crew.end() && (--hurt->Wound, true);
     },
     "'s wound went from"},
    {[](MissionScreen&, Game& game, const Event& e, int before) {
         return Step(e, before, phase::EnterNextZone) && ++game.Guns[LastGun].Ammo;
     },
     "gun 10's ammunition went from"},
    {[](MissionScreen& s, Game&, const Event& e, int before) {
         return Step(e, before, phase::RollForCoverResults) && s.nPhase == phase::RemoveEnemyFighters &&
                (s.cmdNextStep.Enabled = true);
     },
     "the step button is enabled in phase 6"},
    {[](MissionScreen& s, Game& game, const Event& e, int) {
         if (e.What != Action::Cell || s.nPhase != phase::RemoveEnemyFighters) return false;
         ToHitCell& cell = game.Waves.Row[e.Index].ToHit;
         return cell.Tag == "FC" && (cell.Tag.clear(), true);
     },
     "does not show its mark"},
    {[](MissionScreen& s, Game& game, const Event& e, int) {
         return e.What == Action::Gun && s.nPhase != phase::AssignGuns &&
                (game.Damage.RadioOut ^= true, true);
     },
     "an event the rules give no effect changed"},
    {[](MissionScreen& s, Game&, const Event& e, int) {
         return e.What == Action::Cell && s.nPhase == phase::AssignGuns && s.nSelectedGun != 0 &&
                s.ShownToHit(e.Index) != 0 && (s.GunCounters[s.nSelectedGun].Tag.clear(), true);
     },
     "carries the assignment \"\""},
    {[](MissionScreen&, Game& game, const Event& e, int before) {
         auto loaded = std::ranges::find_if(game.Guns, [](const GunRecord& gun) { return gun.Ammo > 0; });
         return Step(e, before, phase::CorvaneFire) && loaded != game.Guns.end() && (--loaded->Ammo, true);
     },
     "bursts, aimed at"},
    {[](MissionScreen& s, Game&, const Event&, int) -> bool {
         if (s.nPhase == phase::BombRun) throw std::out_of_range("index 7 outside 1..6");
         return false;
     },
     "the event threw: index 7 outside 1..6"},
};

TEST(Monkey, ReportsABrokenRuleWithItsSeed) {
    for (const auto& [breakRule, reported] : Breakages) {
        SCOPED_TRACE(reported);
        bool broken = false;
        for (std::uint64_t seed = 1; seed <= 20 && !broken; ++seed) {
            Monkey monkey(ShippedDatabase(), seed);
            int phaseBefore = 0;
            monkey.Meddler = [&](EntryFlow& flow, Game& game, const Event& event) {
                const bool onMission = flow.Current() == Screen::Mission;
                if (onMission && !broken) {
                    broken = true; // also when breaking it throws
                    broken = breakRule(flow.Mission(), game, event, phaseBefore);
                }
                phaseBefore = onMission ? flow.Mission().nPhase : 0;
            };
            const auto report = monkey.Play(20);
            ASSERT_EQ(report.has_value(), broken)
                << report.value_or("not reported, seed " + std::to_string(seed));
            if (broken)
                EXPECT_TRUE(report->starts_with("seed " + std::to_string(seed) + ", event ") &&
                            report->find(reported) != std::string::npos)
                    << *report;
        }
        EXPECT_TRUE(broken) << "twenty runs never reached a point to break the rule";
    }
}

} // namespace
} // namespace halvard::test
