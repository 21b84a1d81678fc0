// The monkey's checks must catch a broken screen: each case breaks one rule on purpose in the
// middle of random play and expects the report to name it.

#include "Monkey.h"
#include "TestData.h"

#include <gtest/gtest.h>
#include <memory>

namespace halvard::test {
namespace {

struct Breakage {
    const char* Name;
    // Breaks the rule after an event where it can (the phase before the event given); true once
    // it has. It breaks only after events that act, lest the report name the idle event instead.
    std::function<bool(EntryFlow& flow, Game& game, const Event& event, int phaseBefore)> Break;
    const char* Reported; // within the report
};

void PrintTo(const Breakage& breakage, std::ostream* out) {
    *out << breakage.Name;
}

int PhaseNow(EntryFlow& flow) {
    return flow.Current() == Screen::Mission ? flow.Mission().nPhase : 0;
}

// A press of the step button that performed a step from phaseBefore.
bool Stepped(EntryFlow& flow, const Event& event, int phaseBefore, int from) {
    return event.What == Action::Step && phaseBefore == from && flow.Current() == Screen::Mission &&
           (from != phase::RemoveEnemyFighters || PhaseNow(flow) != from);
}

std::vector<Breakage> Breakages() {
    auto outGun = std::make_shared<bool>(false);
    return {
        {"CaptionNotOfThePhase",
         [](EntryFlow& flow, Game&, const Event& event, int before) {
             if (!Stepped(flow, event, before, phase::CheckForWaves) || PhaseNow(flow) != phase::IncomingWave)
                 return false;
             flow.Mission().cmdNextStep.Caption = "Incoming Wave?";
             return true;
         },
         "\"Incoming Wave?\""},
        {"NoSuchPhase",
         [](EntryFlow& flow, Game&, const Event& event, int before) {
             if (!Stepped(flow, event, before, phase::FlakResults)) return false;
             flow.Mission().nPhase = 14;
             return true;
         },
         "phase 14"},
        {"WoundHealed",
         [](EntryFlow& flow, Game& game, const Event& event, int before) {
             if (!Stepped(flow, event, before, phase::EnterNextZone)) return false;
             for (CrewRecord& crew : game.Crew)
                 if (crew.Wound > 0) {
                     --crew.Wound;
                     return true;
                 }
             return false;
         },
         "'s wound fell from"},
        {"AmmunitionRose",
         [](EntryFlow& flow, Game& game, const Event& event, int before) {
             if (!Stepped(flow, event, before, phase::EnterNextZone)) return false;
             ++game.Guns[LastGun].Ammo;
             return true;
         },
         "gun 10's ammunition rose"},
        {"GunBackFromOut",
         [outGun](EntryFlow& flow, Game& game, const Event& event, int before) {
             if (!Stepped(flow, event, before, phase::CheckForWaves)) return false;
             GunRecord& gun = game.Guns[5];
             const bool repair = *outGun && gun.Status == "Out";
             gun.Status = repair ? "OK" : "Out";
             if (!repair) flow.Mission().RefreshDisplay(); // knocked out as a damage table does
             *outGun = true;
             return repair;
         },
         "gun 5 came back from \"Out\""},
        {"StepEnabledBeforeTheMarks",
         [](EntryFlow& flow, Game&, const Event& event, int before) {
             if (!Stepped(flow, event, before, phase::RollForCoverResults) ||
                 PhaseNow(flow) != phase::RemoveEnemyFighters)
                 return false;
             flow.Mission().cmdNextStep.Enabled = true;
             return true;
         },
         "the step button is enabled in phase 6"},
        {"MarkLost",
         [](EntryFlow& flow, Game& game, const Event& event, int) {
             if (event.What != Action::Cell || PhaseNow(flow) != phase::RemoveEnemyFighters) return false;
             ToHitCell& cell = game.Waves.Row[event.Index].ToHit;
             if (cell.Tag != "FC") return false;
             cell.Tag.clear();
             return true;
         },
         "does not show its mark"},
        {"SuccessiveAttackShowsAMarker",
         [](EntryFlow& flow, Game& game, const Event& event, int before) {
             if (!Stepped(flow, event, before, phase::SuccessiveAttack) ||
                 !(game.Fighters[1].Special == "B" || game.Fighters[1].Special == "D" ||
                   game.Fighters[1].Special == "E"))
                 return false;
             game.Waves.PositionsWithoutMarkers = false;
             return true;
         },
         "row 1 shows"},
        {"IdleClickChangesTheBomber",
         [](EntryFlow& flow, Game& game, const Event& event, int) {
             if (event.What != Action::Gun || PhaseNow(flow) == phase::AssignGuns) return false;
             game.Damage.RadioOut = !game.Damage.RadioOut;
             return true;
         },
         "changed the mission state"},
        {"AimLost",
         [](EntryFlow& flow, Game&, const Event& event, int) {
             if (event.What != Action::Cell || PhaseNow(flow) != phase::AssignGuns) return false;
             MissionScreen& screen = flow.Mission();
             if (screen.nSelectedGun == 0 || screen.ShownToHit(event.Index) == 0) return false;
             screen.GunCounters[screen.nSelectedGun].Tag.clear();
             return true;
         },
         "carries the assignment \"\""},
        {"UnaimedGunFired",
         [](EntryFlow& flow, Game& game, const Event& event, int before) {
             if (!Stepped(flow, event, before, phase::CorvaneFire)) return false;
             for (GunRecord& gun : game.Guns)
                 if (gun.Ammo > 0) {
                     --gun.Ammo;
                     return true;
                 }
             return false;
         },
         "bursts, having fired"},
        {"ZoneSkipped",
         [](EntryFlow& flow, Game& game, const Event& event, int before) {
             if (!Stepped(flow, event, before, phase::EnterNextZone)) return false;
             ++game.Mission.CurrentZone;
             return true;
         },
         "entered zone"},
        {"EventThrows",
         [](EntryFlow& flow, Game&, const Event&, int) -> bool {
             if (PhaseNow(flow) != phase::BombRun) return false;
             throw std::out_of_range("index 7 outside 1..6");
         },
         "the event threw: index 7 outside 1..6"},
    };
}

class BrokenScreen : public ::testing::TestWithParam<Breakage> {};

TEST_P(BrokenScreen, TheMonkeyReportsTheBrokenRuleWithItsSeed) {
    const Breakage& breakage = GetParam();
    bool broken = false;
    std::optional<std::string> report;
    for (std::uint64_t seed = 1; seed <= 20 && !broken; ++seed) {
        Monkey monkey(ShippedDatabase(), seed);
        int phaseBefore = 0;
        monkey.Meddle([&](EntryFlow& flow, Game& game, const Event& event) {
            try {
                if (!broken) broken = breakage.Break(flow, game, event, phaseBefore);
            } catch (...) {
                broken = true;
                throw;
            }
            phaseBefore = PhaseNow(flow);
        });
        report = monkey.Play(20);
        if (broken) {
            ASSERT_TRUE(report) << "broken on seed " << seed << " but not reported";
            EXPECT_NE(report->find(breakage.Reported), std::string::npos) << *report;
            EXPECT_EQ(report->rfind("seed " + std::to_string(seed) + ", event ", 0), 0u) << *report;
        } else {
            EXPECT_FALSE(report) << *report;
        }
    }
    EXPECT_TRUE(broken) << "twenty runs never reached a point to break the rule";
}

INSTANTIATE_TEST_SUITE_P(Rules, BrokenScreen, ::testing::ValuesIn(Breakages()),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace halvard::test
