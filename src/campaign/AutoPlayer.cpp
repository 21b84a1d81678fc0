#include "AutoPlayer.h"

#include "EntryFlow.h"
#include "Game.h"
#include "ZoneCharts.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace halvard {

namespace {

// A phase can take many presses (a wave's fighters fire one per press), but a mission that
// takes this many has stopped moving.
constexpr int MostPresses = 100000;

// Above any to-hit number a die can make.
constexpr int NoShot = 7;

class Player {
  public:
    Player(Game& game, MissionScreen& screen) : game_(game), screen_(screen) {}

    // Presses on until the landing is rolled or the bomber is gone.
    void Fly() {
        for (int presses = 0; presses < MostPresses; ++presses) {
            if (screen_.nPhase == phase::RemoveEnemyFighters && !screen_.cmdNextStep.Enabled) MarkChasedOff();
            if (screen_.nPhase == phase::AssignGuns) AimGuns();
            if (!screen_.cmdNextStep.Enabled) {
                if (screen_.nPhase != phase::LandingAtBase)
                    throw std::logic_error("the step button is disabled in phase " +
                                           std::to_string(screen_.nPhase));
                if (!game_.Mission.Ending) throw std::logic_error("the landing wrote no outcome");
                return;
            }
            screen_.cmdNextStep_Click();
            if (game_.Mission.LostInFlight()) return;
        }
        throw std::logic_error("the mission did not end");
    }

  private:
    // The cover chases off the first fighters it can.
    void MarkChasedOff() {
        const int fighters = std::min(game_.Fighters.UpperBound(), WaveRows);
        for (int i = 1; i <= fighters && screen_.nRemovals > 0; ++i)
            if (screen_.CanBeChasedOff(i)) screen_.lblToHit_Click(i);
        if (!screen_.cmdNextStep.Enabled) throw std::logic_error("the cover's removals cannot all be marked");
    }

    // Each gun the screen highlights as having a shot is aimed at the fighter with the lowest
    // to-hit number it shows; the first such fighter on a tie.
    void AimGuns() {
        for (int gun = FirstGun; gun <= LastGun; ++gun) {
            if (screen_.GunCounters[gun].BackColour != Colour::Highlight) continue;
            screen_.lblGun_Click(gun);
            if (screen_.nSelectedGun != gun) continue;
            // The number the gun needs is shown for each fighter it has a shot at (and for no
            // row beyond the wave); the first row with the least is the aim.
            int best = 0;
            int bestToHit = NoShot;
            for (int row = 1; row <= WaveRows; ++row) {
                const int toHit = screen_.ShownToHit(row);
                if (toHit > 0 && toHit < bestToHit) {
                    best = row;
                    bestToHit = toHit;
                }
            }
            if (best != 0) screen_.lblToHit_Click(best);
        }
    }

    Game& game_;
    MissionScreen& screen_;
};

MissionResult ReadResult(const Game& game, const MissionScreen& screen) {
    const Outcome end = *game.Mission.Ending;
    MissionResult result;
    result.Target = static_cast<std::size_t>(game.Database.FindTarget(game.Mission.Target.Name) -
                                             game.Database.Targets().data());
    result.End = end;
    result.BombRun = !screen.lblOnTarget.Caption.empty();
    result.OnTarget = screen.lblOnTarget.Caption == "On";
    if (result.BombRun) result.BombPercentage = screen.lblBombPct.Caption.Value().value_or(0);

    for (const CrewRecord& member : game.Crew) {
        if (member.Wound >= Killed || KillsTheCrew(end))
            ++result.CrewKilled;
        else if (member.Wound > 0)
            ++result.CrewWounded;
    }
    const DamageRecord& damage = game.Damage;
    for (const std::string* status :
         {&damage.Engine1Status, &damage.Engine2Status, &damage.Engine3Status, &damage.Engine4Status})
        result.EnginesLost += *status == "Out";
    for (const GunRecord& gun : game.Guns)
        result.GunsOut += gun.Status == "Out";
    return result;
}

} // namespace

MissionResult PlayMission(Game& game, std::optional<std::string_view> target,
                          std::optional<int> missionNumber) {
    EntryFlow::Settings settings;
    settings.FixedMissionNumber = missionNumber;
    EntryFlow flow(game, std::move(settings));
    flow.imgChoice_Click(0);
    TargetSelection& dialog = flow.TargetDialog();
    if (target) {
        dialog.optTargetChoice_Click(1);
        dialog.cboTargetList.Text = *target;
    }
    dialog.cmdOK_Click();
    if (flow.Current() != Screen::Mission)
        throw std::invalid_argument(dialog.Refusal.empty() ? "no target was selected" : dialog.Refusal);

    MissionScreen& screen = flow.Mission();
    Player(game, screen).Fly();
    MissionResult result = ReadResult(game, screen);
    screen.cmdOK_Click();
    return result;
}

} // namespace halvard
