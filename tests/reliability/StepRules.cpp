// The step button: the phase each press leads to by the phase table, and what each step must
// have done to the wave, the guns, the zone and the lists.

#include "Names.h"
#include "PhaseTable.h"
#include "RuleChecker.h"
#include "RuleCheckerInternals.h"

namespace halvard::test {

void RuleChecker::CheckStep(const Before& before) {
    const MissionScreen& screen = flow_.Mission();
    const MissionRecord& mission = game_.Mission;
    const int fighters = game_.Fighters.UpperBound();

    PhaseConditions conditions;
    conditions.Fighters = fighters;
    conditions.FightersBefore = before.State.Fighters.UpperBound();
    conditions.CurrentZone = mission.CurrentZone;
    conditions.TargetZone = mission.TargetZone;
    conditions.Direction = mission.Target.Direction;
    conditions.CoverOfLeg = CoverOfLeg(game_);
    conditions.WavesAppearing = screen.nWavesAppearing;
    conditions.Removals = screen.nRemovals;
    conditions.Cover = screen.sCover;
    conditions.FlakDensity = screen.sFlakDensity;
    conditions.CurrentFighterBefore = before.CurrentFighter;
    conditions.SuccessiveAttacksBefore = before.State.Mission.SuccessiveAttacks;
    const Transition next = NextPhaseByTheRules(before.Phase, conditions);
    Require(screen.nPhase == next.Phase && screen.cmdNextStep.Caption == next.Caption, "from phase ",
            before.Phase, " the rules lead to phase ", next.Phase, " \"", next.Caption,
            "\", the screen went to phase ", screen.nPhase, " \"", screen.cmdNextStep.Caption, "\"");

    const auto wrote = [this](std::size_t i, std::string_view line) {
        return messages_.size() > i && messages_[i] == line;
    };
    const GameState& was = before.State;
    switch (before.Phase) {
    case phase::EnterNextZone: {
        const int zone = was.Mission.CurrentZone + (was.Mission.Target.Direction == "Out" ? 1 : -1);
        Require(mission.CurrentZone == zone && zone >= 1 && zone <= mission.TargetZone, "entered zone ",
                mission.CurrentZone, " from zone ", was.Mission.CurrentZone);
        Require(wrote(0, "") && wrote(1, "[ZONE #" + std::to_string(zone) + "]"),
                "the zone was not announced");
        break;
    }
    case phase::CheckForWaves:
        Require(!messages_.empty() &&
                    messages_.back() == "Enemy Waves Appearing: " + std::to_string(screen.nWavesAppearing),
                "the waves appearing were not reported");
        break;
    case phase::IncomingWave:
        Require(screen.nWavesAppearing == before.WavesAppearing - 1, "a wave came without being counted");
        break;
    case phase::RollForFighterCover:
        Require(screen.sCover == CoverOfLeg(game_) &&
                    messages_ == std::vector<std::string>{"Fighter Cover: " + screen.sCover},
                "the fighter cover shown is not the zone's for this leg");
        break;
    case phase::RollForCoverResults: {
        int chaseable = 0;
        for (const FighterRecord& fighter : game_.Fighters)
            chaseable += CanBeChasedOff(fighter) ? 1 : 0;
        Require(screen.nRemovals >= 0 && screen.nRemovals <= chaseable, "the cover chases off ",
                screen.nRemovals, " of ", chaseable, " fighters it can");
        Require(!messages_.empty() && messages_.back() == "Fighter cover chased off " +
                                                              std::to_string(screen.nRemovals) +
                                                              " enemy fighters",
                "the cover's result was not reported");
        if (screen.nPhase == phase::RemoveEnemyFighters) {
            expect_->Removals = screen.nRemovals;
            expect_->Marked = {};
        }
        break;
    }
    case phase::RemoveEnemyFighters: {
        FighterList kept;
        for (int i = 1; i <= was.Fighters.UpperBound(); ++i)
            if (!expect_->Marked[static_cast<std::size_t>(i)]) kept.Add() = was.Fighters[i];
        Require(game_.Fighters == kept, "the removal did not take out exactly the marked fighters");
        Require(game_.Waves.lblMiscWave.Caption.empty(), "the removal left its instruction");
        break;
    }
    case phase::AssignGuns:
        Require(screen.nSelectedGun == 0, "the assignment ended with a gun selected");
        for (int gun = FirstGun; gun <= LastGun; ++gun) {
            Require(screen.lblGun[gun].BackColour == Colour::Normal, "gun counter ", gun, " kept its colour");
            const int aim = expect_->Aim[gun];
            const std::string tag = screen.lblGun[gun].Tag.Text();
            Require(aim == 0 ? tag.empty() : !tag.empty() && tag.front() - '0' == aim, "gun ", gun,
                    " lost its aim at fighter ", aim, " (assignment \"", tag, "\")");
        }
        for (const Label& cell : screen.lblToHit)
            Require(cell.BackColour == Colour::Normal && cell.Caption.empty() && cell.Tag.empty(),
                    "a to-hit cell kept its colour, number or mark after the assignment");
        break;
    case phase::CorvaneFire:
        for (int gun = FirstGun; gun <= LastGun; ++gun) {
            const int fired = expect_->Aim[gun] != 0 ? 1 : 0;
            Require(game_.Guns[gun].Ammo == was.Guns[gun].Ammo - fired, "gun ", gun, " went from ",
                    was.Guns[gun].Ammo, " to ", game_.Guns[gun].Ammo, " bursts, having fired ", fired);
            Require(screen.lblGun[gun].Tag.empty(), "gun ", gun, " kept its assignment after firing");
        }
        for (const FighterRecord& fighter : game_.Fighters)
            Require(fighter.DamageLevel < 3, "a destroyed fighter stayed in the wave");
        expect_->Aim = {};
        break;
    case phase::EnemyFire:
        if (screen.nPhase == phase::EnemyFire) {
            Require(screen.nCurrentFighter == before.CurrentFighter + 1 &&
                        fighters == was.Fighters.UpperBound(),
                    "the enemy fire did not pass to the next fighter");
            break;
        }
        Require(fighters <= was.Fighters.UpperBound(), "the wave grew in the enemy fire");
        for (const WaveRow& row : game_.Waves.Row)
            Require(row.ToHit.Tag.empty(), "a mark outlived the removal after the enemy fire");
        Require(mission.SuccessiveAttacks ==
                    (screen.nPhase == phase::SuccessiveAttack ? was.Mission.SuccessiveAttacks + 1 : 0),
                "successive attacks counted ", mission.SuccessiveAttacks);
        break;
    case phase::SuccessiveAttack:
        for (int i = 1; i <= fighters; ++i) {
            const int position = game_.Fighters[i].AttackPos;
            Require(std::find(SuccessiveAttackPositions.begin(), SuccessiveAttackPositions.end(), position) !=
                        SuccessiveAttackPositions.end(),
                    "a successive attack came from position ", position);
            const Caption shown = ShownPosition(game_, i);
            Require(shown == PositionNames[static_cast<std::size_t>(position)], "row ", i, " shows \"", shown,
                    "\" for position ", position);
        }
        break;
    case phase::WaveResolved:
        Require(mission.SuccessiveAttacks == 0 && screen.nCurrentFighter == 0 &&
                    game_.Waves.lblMiscWave.Caption.empty() && messages_ == std::vector<std::string>{""},
                "the wave did not end cleanly");
        for (const WaveRow& row : game_.Waves.Row)
            Require(row.ToHit.Tag.empty(), "a mark outlived the wave");
        break;
    case phase::EnterTarget:
        Require(wrote(0, "") && wrote(1, "[COMMENCING BOMB RUN]"), "the bomb run was not announced");
        Require(screen.sFlakDensity == "None" || screen.sFlakDensity == "Light" ||
                    screen.sFlakDensity == "Medium" || screen.sFlakDensity == "Heavy",
                "flak density \"", screen.sFlakDensity, "\"");
        break;
    case phase::ExitTarget:
        Require(mission.Target.Direction == "Back" && mission.CurrentZone == was.Mission.CurrentZone + 1 &&
                    screen.sCover == "None",
                "leaving the target did not turn the bomber home");
        break;
    case phase::LandingAtBase:
        if (!expect_->Landed) ++counts_.Landings;
        expect_->Landed = true;
        break;
    case phase::LeavingTheZone: Require(screen.sCover == "None", "the zone's cover outlived the zone"); break;
    default: break;
    }
    if (screen.nPhase == phase::AssignGuns && before.Phase != phase::AssignGuns) {
        expect_->Selected = expect_->ShownFor = 0;
        expect_->Aim = {};
    }
}

} // namespace halvard::test
