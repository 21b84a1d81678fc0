// The heaviest single presses of the step button, with scripted dice: a Heavy flak cascade of
// three bursts of four hits each, and one fighter whose ten shells each walk through the whole
// fuselage. Each iteration starts from the same mission state, set up outside the timing.

#include "BenchData.h"
#include "Game.h"
#include "MissionScreen.h"
#include "Names.h"

#include <benchmark/benchmark.h>

namespace halvard {
namespace {

using bench::Roll;

// clang-format off
const std::vector<Roll> HeavyFlakCascade = {
    {"2d6", 2}, {"2d6", 5}, {"2d6", 11},                      // three bursts hit
    {"2d6", 4},                                               // four hits of the first
    {"2d6", 3}, {"2d6", 9}, {"1d6", 1}, {"1d6", 6}, {"1d6", 3}, {"1d6", 4}, // engine #1 oil leak
    {"2d6", 8}, {"2d6", 9}, {"1d6", 5}, {"1d6", 3}, {"1d6", 2},            // engine #4 out
    {"2d6", 12}, {"2d6", 8}, {"1d6", 6}, {"1d6", 2},                      // top turret and engineer
    {"2d6", 10}, {"2d6", 4}, {"1d6", 1}, {"1d6", 1},                      // bombardier and navigator
    {"2d6", 10},                                              // four hits of the second
    {"2d6", 9}, {"2d6", 10}, {"1d6", 1}, {"1d6", 1},                      // both waist gunners
    {"2d6", 5}, {"2d6", 9}, {"1d6", 5},                                   // port tailplane root
    {"2d6", 4}, {"2d6", 6}, {"1d6", 1},                                   // radio operator
    {"2d6", 2}, {"2d6", 3}, {"1d6", 1},                                   // the bombs hold
    {"2d6", 12},                                              // four hits of the third
    {"2d6", 6}, {"2d6", 10}, {"1d6", 2}, {"1d6", 3}, {"1d6", 4},          // fuel leak
    {"2d6", 11}, {"2d6", 4}, {"1d6", 2},                                  // starboard flap
    {"2d6", 7}, {"2d6", 3}, {"1d6", 5},                                   // autopilot
    {"2d6", 3}, {"2d6", 12}, {"1d6", 2},                                  // brake
};
constexpr std::size_t HeavyFlakCascadeLines = 1 + 3 * (1 + 4);

// An FW190 at 6 Low hits (6), registers ten shells (12), and each shell is a walking hit (11)
// through nose, pilot compartment, bomb bay, radio room, waist and tail (7 on each).
std::vector<Roll> WalkingFighter() {
    std::vector<Roll> rolls = {{"1d6", 6}, {"2d6", 12}};
    for (int shell = 0; shell < 10; ++shell) {
        rolls.push_back({"2d6", 11});
        for (int compartment = 0; compartment < 6; ++compartment)
            rolls.push_back({"2d6", 7});
    }
    return rolls;
}
constexpr std::size_t WalkingFighterLines = 1 + 10 * (1 + 6);
// clang-format on

// A mission under way against a target, its state kept so that every press starts alike.
class ScriptedStep {
  public:
    explicit ScriptedStep(std::vector<Roll> rolls) : faces_(bench::FacesFor(rolls)), screen_(game_) {
        game_.SelectedTarget = "Bremen";
        screen_.Form_Load();
    }

    Game& game() { return game_; }
    MissionScreen& screen() { return screen_; }

    // The state to return to before each press.
    void Keep() {
        start_ = game_;
        waves_ = game_.Waves;
    }
    void Restore(int phase) {
        static_cast<GameState&>(game_) = start_;
        game_.Waves = waves_;
        game_.UseDiceScript(FaceScript(faces_));
        screen_.nPhase = phase;
        screen_.cmdNextStep.Enabled = true;
    }

    // Presses the step button once, outside any timing, and checks that the script made
    // exactly the lines expected and used every face.
    bool Rehearse(int phase, std::size_t lines) {
        Restore(phase);
        const std::size_t before = game_.Messages.Total();
        screen_.cmdNextStep_Click();
        if (game_.Messages.Total() - before != lines) return false;
        try {
            game_.RollDice("1d6");
        } catch (const DiceExhausted&) {
            return true;
        }
        return false;
    }

  private:
    std::vector<int> faces_;
    Game game_{bench::ShippedDatabase(), 7};
    MissionScreen screen_;
    GameState start_;
    WavePanel waves_;
};

void BM_HeavyFlakCascade(benchmark::State& state) {
    ScriptedStep step(HeavyFlakCascade);
    step.screen().sFlakDensity = "Heavy";
    step.Keep();
    if (!step.Rehearse(phase::FlakResults, HeavyFlakCascadeLines)) {
        state.SkipWithError("the scripted cascade went another way");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        step.Restore(phase::FlakResults);
        state.ResumeTiming();
        step.screen().cmdNextStep_Click();
    }
}
BENCHMARK(BM_HeavyFlakCascade)->Unit(benchmark::kMicrosecond);

void BM_WalkingHitsAttack(benchmark::State& state) {
    ScriptedStep step(WalkingFighter());
    Game& game = step.game();
    game.Fighters.Clear();
    FighterRecord& fighter = game.Fighters.Add();
    fighter.FighterType = "FW190";
    fighter.AttackPos = 12;
    fighter.Special = " ";
    ShowWave(game);
    game.Waves.Visible = true;
    step.screen().nCurrentFighter = 1;
    step.Keep();
    if (!step.Rehearse(phase::EnemyFire, WalkingFighterLines)) {
        state.SkipWithError("the scripted attack went another way");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        step.Restore(phase::EnemyFire);
        step.screen().nCurrentFighter = 1;
        state.ResumeTiming();
        step.screen().cmdNextStep_Click();
    }
}
BENCHMARK(BM_WalkingHitsAttack)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace halvard
