// One die roll as the charts make it: drawn from the seeded generator and written to the roll
// window, whose 38 lines are all in use after the first few rolls.

#include "BenchData.h"
#include "Game.h"

#include <benchmark/benchmark.h>

namespace halvard {
namespace {

void BM_RollDice(benchmark::State& state) {
    Game game(bench::ShippedDatabase(), 42);
    for (auto _ : state)
        benchmark::DoNotOptimize(game.RollDice("2d6", "Area Damage"));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RollDice);

// The same roll in a simulated mission, where no one reads the roll window.
void BM_RollDiceUnlogged(benchmark::State& state) {
    Game game(bench::ShippedDatabase(), 42);
    game.Rolls.KeepLines(false);
    for (auto _ : state)
        benchmark::DoNotOptimize(game.RollDice("2d6", "Area Damage"));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RollDiceUnlogged);

} // namespace
} // namespace halvard
