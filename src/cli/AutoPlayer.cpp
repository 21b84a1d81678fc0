#include "AutoPlayer.h"

#include "EntryFlow.h"
#include "Game.h"
#include "ZoneCharts.h"

#include <algorithm>
#include <charconv>
#include <span>
#include <stdexcept>
#include <string>

namespace halvard {

const std::array<OutcomeName, OutcomeCount> OutcomeNames = {{
    {"safe", landing::Safe},
    {"repairable", landing::Repairable},
    {"irreparable", landing::Irreparable},
    {"wrecked", landing::Wrecked},
    {"crew_killed_wrecked", landing::CrewKilledWrecked},
    {"landing_explosion", landing::Explosion},
    {"bombs_detonated", "Bombs detonated in flight"},
    {"fuel_tank_exploded", "Fuel tank exploded in flight"},
    {"bailed_out", "Crew bailed out in flight"},
    {"crew_killed", "Whole crew killed in flight"},
}};

namespace {

// How the damage tables word the ends of a bomber in flight, at the end of their lines.
struct InFlightLoss {
    std::string_view LineEnd;
    Outcome End;
};
constexpr InFlightLoss InFlightLosses[] = {
    {"BOMBS DETONATE - Corvane DESTROYED AND ENTIRE CREW KIA", Outcome::BombsDetonated},
    {"Fire: Explosion", Outcome::FuelTankExploded},
    {"Fire: Bailout", Outcome::BailedOut},
    {"Immediate bailout", Outcome::BailedOut},
};

constexpr int Killed = 4;
// A phase can take many presses (a wave's fighters fire one per press), but a mission that
// takes this many has stopped moving.
constexpr int MostPresses = 100000;

// A to-hit cell's caption: the number a gun needs, or nothing when it has no shot. Read for
// every fighter each time a gun is selected, so read by hand.
std::optional<int> CaptionNumber(const std::string& caption) {
    if (caption.empty()) return std::nullopt;
    int number = 0;
    for (char c : caption) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

// A message line as the parts the message list was given: read without putting it together.
class LineParts {
  public:
    explicit LineParts(std::span<const std::string_view> parts) : parts_(parts) {}

    // The last character, or NUL for an empty line.
    char Back() const {
        for (auto part = parts_.rbegin(); part != parts_.rend(); ++part)
            if (!part->empty()) return part->back();
        return '\0';
    }

    bool EndsWith(std::string_view end) const {
        for (auto part = parts_.rbegin(); part != parts_.rend() && !end.empty(); ++part) {
            const std::size_t n = std::min(part->size(), end.size());
            if (part->substr(part->size() - n) != end.substr(end.size() - n)) return false;
            end.remove_suffix(n);
        }
        return end.empty();
    }

    bool Equals(std::string_view text) const {
        for (std::string_view part : parts_) {
            if (!text.starts_with(part)) return false;
            text.remove_prefix(part.size());
        }
        return text.empty();
    }

  private:
    std::span<const std::string_view> parts_;
};

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
                if (!landed_) throw std::logic_error("the landing wrote no outcome");
                Finish(*landed_);
                return;
            }
            landing_ = screen_.nPhase == phase::LandingAtBase;
            screen_.cmdNextStep_Click();
            if (lost_) return;
            if (WholeCrewKilled()) {
                Finish(Outcome::CrewKilled);
                return;
            }
        }
        throw std::logic_error("the mission did not end");
    }

    // Every message line passes here, in the parts it is made of: the damage tables announce
    // the loss of the bomber only in words, and the landing chart its outcome.
    void Read(const LineParts& line) {
        if (landing_) {
            for (std::size_t i = 0; i <= static_cast<std::size_t>(Outcome::LandingExplosion); ++i)
                if (line.Equals(OutcomeNames[i].Label)) landed_ = static_cast<Outcome>(i);
            return;
        }
        if (lost_) return;
        const char last = line.Back();
        for (const InFlightLoss& loss : InFlightLosses)
            if (last == loss.LineEnd.back() && line.EndsWith(loss.LineEnd)) {
                Finish(loss.End);
                return;
            }
    }

    Outcome Ending() const { return end_; }

  private:
    void Finish(Outcome outcome) {
        end_ = outcome;
        lost_ = BomberLost(outcome);
    }

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
            if (screen_.lblGun[gun].BackColour != Colour::Highlight) continue;
            screen_.lblGun_Click(gun);
            if (screen_.nSelectedGun != gun) continue;
            int row = 0;
            int best = 0;
            int bestToHit = 0;
            for (const WaveRow& fighter : screen_.fraWaves().Row) {
                ++row;
                const auto toHit = CaptionNumber(fighter.lblToHit.Caption);
                if (toHit && (best == 0 || *toHit < bestToHit)) {
                    best = row;
                    bestToHit = *toHit;
                }
            }
            if (best != 0) screen_.lblToHit_Click(best);
        }
    }

    bool WholeCrewKilled() const {
        for (const CrewRecord& member : game_.Crew)
            if (member.Wound < Killed) return false;
        return true;
    }

    Game& game_;
    MissionScreen& screen_;
    Outcome end_ = Outcome::Safe;
    bool lost_ = false;
    bool landing_ = false; // the step pressed is the landing
    std::optional<Outcome> landed_;
};

MissionResult ReadResult(const Game& game, const MissionScreen& screen, Outcome end) {
    MissionResult result;
    result.Target = static_cast<std::size_t>(game.Database.FindTarget(game.Mission.Target.Name) -
                                             game.Database.Targets().data());
    result.End = end;
    result.BombRun = !screen.lblOnTarget.Caption.empty();
    result.OnTarget = screen.lblOnTarget.Caption == "On";
    if (result.BombRun) {
        // The caption reads "40%".
        const std::string& percentage = screen.lblBombPct.Caption;
        std::from_chars(percentage.data(), percentage.data() + percentage.size(), result.BombPercentage);
    }

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

// Keeps the message list's listener for as long as the player reads along.
class Listening {
  public:
    Listening(Game& game, Player& player) : game_(game) {
        game_.Messages.SetPartsListener(
            [&player](std::span<const std::string_view> parts) { player.Read(LineParts(parts)); });
    }
    ~Listening() { game_.Messages.SetPartsListener({}); }
    Listening(const Listening&) = delete;
    Listening& operator=(const Listening&) = delete;

  private:
    Game& game_;
};

} // namespace

MissionResult PlayMission(Game& game, std::optional<std::string_view> target) {
    EntryFlow flow(game);
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
    Player player(game, screen);
    {
        const Listening listening(game, player);
        player.Fly();
    }
    MissionResult result = ReadResult(game, screen, player.Ending());
    screen.cmdOK_Click();
    return result;
}

} // namespace halvard
