// Whole missions, each in a game of its own as the simulator plays them: target dialog, every
// step, the player's marks and aims, the landing. Missions per second is the items rate.

#include "AutoPlayer.h"
#include "BenchData.h"
#include "Game.h"
#include "Simulation.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <thread>

namespace halvard {
namespace {

constexpr std::uint64_t RunSeed = 42;

// One mission per iteration; with several threads, each flies its own share of the missions.
void BM_WholeMission(benchmark::State& state) {
    const GameDatabase& database = bench::ShippedDatabase();
    auto mission = static_cast<std::uint64_t>(state.thread_index());
    const auto threads = static_cast<std::uint64_t>(state.threads());
    for (auto _ : state) {
        Game game(database, SeededGenerator::Quick(MixSeed(RunSeed, mission)));
        game.Rolls.KeepLines(false);
        game.Messages.KeepLines(false);
        benchmark::DoNotOptimize(PlayMission(game));
        mission += threads;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WholeMission)->Threads(1)->Threads(2)->UseRealTime();

// The simulator itself, threads and all: a run of 2,000 missions per iteration.
void BM_Simulate(benchmark::State& state) {
    SimulationOptions options;
    options.Missions = 2000;
    options.Seed = RunSeed;
    options.Threads = static_cast<unsigned>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(Simulate(bench::ShippedDatabase(), options));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(options.Missions));
}
BENCHMARK(BM_Simulate)->ArgName("threads")->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

// What the odds window computes: every target in turn, N missions each, on every core.
void BM_OddsOfEveryTarget(benchmark::State& state) {
    SimulationOptions options;
    options.Missions = static_cast<std::uint64_t>(state.range(0));
    options.EveryTarget = true;
    options.Seed = RunSeed;
    options.Threads = std::max(1u, std::thread::hardware_concurrency());
    for (auto _ : state)
        benchmark::DoNotOptimize(Simulate(bench::ShippedDatabase(), options));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(options.Missions) *
                            static_cast<std::int64_t>(bench::ShippedDatabase().Targets().size()));
}
BENCHMARK(BM_OddsOfEveryTarget)->ArgName("per_target")->Arg(20000)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

} // namespace
} // namespace halvard
