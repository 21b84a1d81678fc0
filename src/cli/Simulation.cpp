#include "Simulation.h"

#include "Game.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace halvard {

void Tally::Add(const MissionResult& mission) {
    ++Missions;
    ++Outcomes[static_cast<std::size_t>(mission.End)];
    BombRuns += mission.BombRun;
    OnTarget += mission.OnTarget;
    if (mission.BombRun) BombPercentage += static_cast<std::uint64_t>(mission.BombPercentage);
    CrewWounded += static_cast<std::uint64_t>(mission.CrewWounded);
    CrewKilled += static_cast<std::uint64_t>(mission.CrewKilled);
    EnginesLost += static_cast<std::uint64_t>(mission.EnginesLost);
    GunsOut += static_cast<std::uint64_t>(mission.GunsOut);
    BombersLost += BomberLost(mission.End);
}

Tally& Tally::operator+=(const Tally& other) {
    Missions += other.Missions;
    for (std::size_t i = 0; i < OutcomeCount; ++i)
        Outcomes[i] += other.Outcomes[i];
    BombRuns += other.BombRuns;
    OnTarget += other.OnTarget;
    BombPercentage += other.BombPercentage;
    CrewWounded += other.CrewWounded;
    CrewKilled += other.CrewKilled;
    EnginesLost += other.EnginesLost;
    GunsOut += other.GunsOut;
    BombersLost += other.BombersLost;
    return *this;
}

namespace {

double Ratio(std::uint64_t part, std::uint64_t whole) {
    return whole == 0 ? 0.0 : static_cast<double>(part) / static_cast<double>(whole);
}

// Missions are handed out in small runs: few enough trips to the shared counter, small enough
// that the threads finish together.
constexpr std::uint64_t MissionsPerTurn = 16;

class Run {
  public:
    Run(const GameDatabase& database, const SimulationOptions& options)
        : database_(database), options_(options) {}

    std::vector<Tally> Play(const Progress& progress) {
        const unsigned threads =
            static_cast<unsigned>(std::clamp<std::uint64_t>(options_.Threads, 1, options_.Missions));
        std::vector<std::vector<Tally>> byThread(threads);
        running_ = threads;
        std::vector<std::thread> workers;
        workers.reserve(threads);
        for (unsigned t = 0; t < threads; ++t)
            workers.emplace_back([this, &tallies = byThread[t]] { Work(tallies); });

        {
            std::unique_lock lock(mutex_);
            while (
                !finished_.wait_for(lock, std::chrono::milliseconds(100), [this] { return running_ == 0; }))
                if (progress) progress(done_.load(std::memory_order_relaxed), options_.Missions);
        }
        for (std::thread& worker : workers)
            worker.join();
        if (failure_) std::rethrow_exception(failure_);

        std::vector<Tally> byTarget(database_.Targets().size());
        for (const std::vector<Tally>& tallies : byThread)
            for (std::size_t target = 0; target < tallies.size(); ++target)
                byTarget[target] += tallies[target];
        return byTarget;
    }

  private:
    void Work(std::vector<Tally>& byTarget) {
        byTarget.resize(database_.Targets().size());
        try {
            for (;;) {
                const std::uint64_t first = next_.fetch_add(MissionsPerTurn, std::memory_order_relaxed);
                if (first >= options_.Missions || stop_.load(std::memory_order_relaxed)) break;
                const std::uint64_t last = std::min(first + MissionsPerTurn, options_.Missions);
                for (std::uint64_t mission = first; mission < last; ++mission) {
                    Game game(database_, MixSeed(options_.Seed, mission));
                    // No one looks back at a simulated mission's roll window or message list;
                    // the player reads the messages as they come.
                    game.Rolls.KeepLines(false);
                    game.Messages.KeepLines(false);
                    const MissionResult result = PlayMission(game, options_.Target);
                    byTarget[result.Target].Add(result);
                }
                done_.fetch_add(last - first, std::memory_order_relaxed);
            }
        } catch (...) {
            std::lock_guard lock(mutex_);
            if (!failure_) failure_ = std::current_exception();
            stop_ = true;
        }
        std::lock_guard lock(mutex_);
        if (--running_ == 0) finished_.notify_all();
    }

    const GameDatabase& database_;
    const SimulationOptions& options_;
    std::atomic<std::uint64_t> next_{0};
    std::atomic<std::uint64_t> done_{0};
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::condition_variable finished_;
    unsigned running_ = 0;
    std::exception_ptr failure_;
};

} // namespace

double Tally::OnTargetShare() const {
    return Ratio(OnTarget, BombRuns);
}
double Tally::MeanBombPercentage() const {
    return Ratio(BombPercentage, BombRuns);
}
double Tally::PerMission(std::uint64_t total) const {
    return Ratio(total, Missions);
}
double Tally::LostShare() const {
    return Ratio(BombersLost, Missions);
}

SimulationResult Simulate(const GameDatabase& database, const SimulationOptions& options,
                          const Progress& progress) {
    if (options.Missions > MostMissions)
        throw std::invalid_argument("more than " + std::to_string(MostMissions) + " missions");
    if (options.Target && !database.FindTarget(*options.Target))
        throw std::invalid_argument("no target named \"" + *options.Target + "\" in the game database");

    SimulationResult result;
    result.Seed = options.Seed;
    result.Target = options.Target;
    if (options.Missions == 0) return result;

    Run run(database, options);
    const std::vector<Tally> byTarget = run.Play(progress);
    for (std::size_t target = 0; target < byTarget.size(); ++target) {
        if (byTarget[target].Missions == 0) continue;
        result.Targets.push_back({database.Targets()[target].TargetName, byTarget[target]});
        result.Overall += byTarget[target];
    }
    return result;
}

} // namespace halvard
