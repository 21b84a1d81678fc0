#include "Simulation.h"

#include "Game.h"
#include "Tour.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
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

// A named target is flown by every mission, whatever else is asked.
bool EveryTarget(const SimulationOptions& options) {
    return options.EveryTarget && !options.Target;
}

// Missions are handed out in small runs: few enough trips to the shared counter, small enough
// that the threads finish together.
constexpr std::uint64_t MissionsPerTurn = 16;

class Run {
  public:
    Run(const GameDatabase& database, const SimulationOptions& options, const SimulationCalls& calls)
        : database_(database), options_(options), calls_(calls),
          total_(EveryTarget(options) ? options.Missions * database.Targets().size() : options.Missions),
          byTarget_(database.Targets().size()), doneByTarget_(database.Targets().size()) {
        if (options.Target) named_ = options.Target;
    }

    // The figures by target, in the database's order.
    std::vector<Tally> Play() {
        const auto threads = static_cast<unsigned>(std::clamp<std::uint64_t>(options_.Threads, 1, total_));
        running_ = threads;
        std::vector<std::thread> workers;
        workers.reserve(threads);
        for (unsigned t = 0; t < threads; ++t)
            workers.emplace_back([this] { Work(); });

        {
            std::unique_lock lock(mutex_);
            for (;;) {
                changed_.wait_for(lock, std::chrono::milliseconds(100),
                                  [this] { return running_ == 0 || !finished_.empty(); });
                // The calls are made without the lock: they may take their time.
                std::vector<TargetTally> finished;
                for (std::size_t target : finished_)
                    finished.push_back({database_.Targets()[target].TargetName, byTarget_[target]});
                finished_.clear();
                const std::uint64_t done = done_;
                lock.unlock();
                if (calls_.OnTargetFinished)
                    for (const TargetTally& target : finished)
                        calls_.OnTargetFinished(target);
                if (calls_.OnProgress) calls_.OnProgress(done, total_);
                lock.lock();
                if (running_ == 0 && finished_.empty()) break;
            }
        }
        for (std::thread& worker : workers)
            worker.join();
        if (failure_) std::rethrow_exception(failure_);
        return byTarget_;
    }

    bool Stopped() const { return done_ < total_; }

  private:
    // The target mission i flies against: the named one, its share of an every-target run, or
    // none, for the mission chart to draw.
    std::optional<std::string_view> TargetOf(std::uint64_t mission) const {
        if (named_) return *named_;
        if (EveryTarget(options_)) return database_.Targets()[mission / options_.Missions].TargetName;
        return std::nullopt;
    }

    MissionResult Fly(std::uint64_t mission) const {
        Game game(database_, SeededGenerator::Quick(MixSeed(options_.Seed, mission)));
        // No one looks back at a simulated mission's roll window or message list; the player
        // reads the messages as they come.
        game.Rolls.KeepLines(false);
        game.Messages.KeepLines(false);
        const TakeOff& from = options_.From;
        game.Damage = from.Damage;
        for (int member = 1; member <= CrewCount; ++member)
            game.Crew[member].Missions = from.CrewMissions[member];
        return PlayMission(game, TargetOf(mission), from.MissionNumber);
    }

    void Work() {
        std::vector<Tally> turn(byTarget_.size());
        try {
            for (;;) {
                const std::uint64_t first = next_.fetch_add(MissionsPerTurn, std::memory_order_relaxed);
                if (first >= total_ || stop_.load(std::memory_order_relaxed) ||
                    calls_.Stop.stop_requested())
                    break;
                const std::uint64_t last = std::min(first + MissionsPerTurn, total_);
                for (std::uint64_t mission = first; mission < last; ++mission) {
                    const MissionResult result = Fly(mission);
                    turn[result.Target].Add(result);
                }
                Hand(turn);
            }
        } catch (...) {
            std::lock_guard lock(mutex_);
            if (!failure_) failure_ = std::current_exception();
            stop_ = true;
        }
        std::lock_guard lock(mutex_);
        if (--running_ == 0) changed_.notify_all();
    }

    // Adds a turn's figures to the run's and tells of the targets they complete.
    void Hand(std::vector<Tally>& turn) {
        std::lock_guard lock(mutex_);
        for (std::size_t target = 0; target < turn.size(); ++target) {
            if (turn[target].Missions == 0) continue;
            byTarget_[target] += turn[target];
            done_ += turn[target].Missions;
            doneByTarget_[target] += turn[target].Missions;
            if (EveryTarget(options_) && doneByTarget_[target] == options_.Missions) {
                finished_.push_back(target);
                changed_.notify_all();
            }
            turn[target] = Tally{};
        }
    }

    const GameDatabase& database_;
    const SimulationOptions& options_;
    const SimulationCalls& calls_;
    const std::uint64_t total_;
    std::optional<std::string_view> named_;
    std::atomic<std::uint64_t> next_{0};
    std::atomic<bool> stop_{false};

    std::mutex mutex_; // guards all below
    std::condition_variable changed_;
    std::vector<Tally> byTarget_;
    std::vector<std::uint64_t> doneByTarget_;
    std::vector<std::size_t> finished_; // targets complete, not yet told
    std::uint64_t done_ = 0;
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
double Tally::ComeBackShare() const {
    return Missions == 0 ? 0.0 : 1.0 - LostShare();
}

Interval Wilson95(std::uint64_t successes, std::uint64_t trials) {
    if (trials == 0) return {0.0, 1.0};
    constexpr double z = 1.959963984540054;
    const double n = static_cast<double>(trials);
    const double p = static_cast<double>(successes) / n;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z / (1 + z * z / n) * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n));
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

TakeOff NextTakeOff(const Campaign& campaign) {
    TakeOff from;
    from.Damage = campaign.Damage;
    for (int position = 1; position <= CrewCount; ++position)
        from.CrewMissions[position] = campaign.Crew[position].Missions;
    from.MissionNumber = campaign.NextMission;
    return from;
}

SimulationResult Simulate(const GameDatabase& database, const SimulationOptions& options,
                          const SimulationCalls& calls) {
    const std::uint64_t targets = EveryTarget(options) ? database.Targets().size() : 1;
    if (options.Missions > MostMissions / std::max<std::uint64_t>(targets, 1))
        throw std::invalid_argument("more than " + std::to_string(MostMissions) + " missions");
    if (options.Target && !database.FindTarget(*options.Target))
        throw std::invalid_argument("no target named \"" + *options.Target + "\" in the game database");

    SimulationResult result;
    result.Seed = options.Seed;
    result.Target = options.Target;
    if (options.Missions == 0) return result;

    Run run(database, options, calls);
    const std::vector<Tally> byTarget = run.Play();
    result.Stopped = run.Stopped();
    for (std::size_t target = 0; target < byTarget.size(); ++target) {
        if (byTarget[target].Missions == 0) continue;
        result.Targets.push_back({database.Targets()[target].TargetName, byTarget[target]});
        result.Overall += byTarget[target];
    }
    return result;
}

} // namespace halvard
