#include "Monkey.h"

#include "TestData.h"

#include <gtest/gtest.h>
#include <stdexcept>

#ifndef HALVARD_MONKEY_MISSIONS
#define HALVARD_MONKEY_MISSIONS 4000 // the sanitizers' build sets fewer
#endif

namespace halvard::test {
namespace {

TEST(Monkey, EveryRuleHoldsAfterEveryRandomClick) {
    MonkeyCounts total;
    for (std::uint64_t seed = 1; total.Missions < HALVARD_MONKEY_MISSIONS; ++seed) {
        // Eight missions to a run of the program, then it starts afresh with a new seed.
        const auto broken = PlayMonkey(ShippedDatabase(), seed, 8, &total);
        ASSERT_FALSE(broken) << *broken;
    }
    // The player must reach what the rules are about, not only click about.
    EXPECT_GE(total.Landings, total.Missions / 4) << total.Landings << " landings";
}

// The checks must catch a broken screen: each case breaks one rule in the middle of random play,
// after an event of a kind in a phase where it acts, and the report must name what broke.
struct Breakage {
    const char* Reported;
    Action On;
    int From;                                           // the phase the event came in
    bool (*Break)(MissionScreen& s, Game& g, int cell); // false when there was nothing to break
};

const Breakage Breakages[] = {
    {"\"Incoming Wave?\"", Action::Step, phase::CheckForWaves,
     [](auto& s, auto&, int) { return s.cmdNextStep.Caption = "Incoming Wave?", true; }},
    {"the step button is enabled in phase 6", Action::Step, phase::RollForCoverResults,
     [](auto& s, auto&, int) { return s.nPhase == 6 && (s.cmdNextStep.Enabled = true); }},
    {"does not show its mark", Action::Cell, phase::RemoveEnemyFighters,
     [](auto&, auto& g, int cell) {
         auto& tag = g.Waves.Row[cell].ToHit.Tag;
         return tag == "FC" && (tag.clear(), true);
     }},
    {"an event the rules give no effect changed", Action::Gun, phase::EnterNextZone,
     [](auto&, auto& g, int) { return g.Damage.RadioOut ^= true, true; }},
    {"carries the assignment \"\"", Action::Cell, phase::AssignGuns,
     [](auto& s, auto&, int cell) {
         return s.nSelectedGun && s.ShownToHit(cell) && (s.GunCounters[s.nSelectedGun].Tag.clear(), true);
     }},
    {"gun 2 aimed at", Action::Step, phase::CorvaneFire,
     [](auto&, auto& g, int) { return ++g.Guns[2].Ammo > 0; }},
    {"the event threw: index 7 outside 1..6", Action::Step, phase::EnterTarget,
     [](auto&, auto&, int) -> bool { throw std::out_of_range("index 7 outside 1..6"); }},
};

TEST(Monkey, ReportsABrokenRuleWithItsSeed) {
    for (const Breakage& breakage : Breakages) {
        bool broken = false; // set before breaking, for a break that throws
        const auto report =
            PlayMonkey(ShippedDatabase(), 7, 20, nullptr, [&](auto& s, auto& g, const Event& e, int from) {
                if (!broken && e.What == breakage.On && from == breakage.From)
                    broken = true, broken = breakage.Break(s, g, e.Index);
            });
        ASSERT_TRUE(broken) << "twenty missions never reached a point to break " << breakage.Reported;
        EXPECT_TRUE(report && report->starts_with("seed 7, event ") &&
                    report->find(breakage.Reported) != std::string::npos)
            << report.value_or("not reported: ") << breakage.Reported;
    }
}

} // namespace
} // namespace halvard::test
