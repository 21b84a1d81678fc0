#pragma once

// Many missions flown by the built-in player, side by side on threads, summed into the figures
// a player asks for: how often the bomber comes back, hits the target, loses men and engines.

#include "AutoPlayer.h"
#include "GameState.h"
#include "IndexedArray.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

namespace halvard {

class GameDatabase;

// Sums over missions. Only whole numbers are summed, so the figures do not depend on the order
// in which missions are added, nor on how they were split between threads.
struct Tally {
    std::uint64_t Missions = 0;
    std::array<std::uint64_t, OutcomeCount> Outcomes{};
    std::uint64_t BombRuns = 0;
    std::uint64_t OnTarget = 0;
    std::uint64_t BombPercentage = 0; // summed over the bomb runs
    std::uint64_t CrewWounded = 0;
    std::uint64_t CrewKilled = 0;
    std::uint64_t EnginesLost = 0;
    std::uint64_t GunsOut = 0;
    std::uint64_t BombersLost = 0;

    void Add(const MissionResult& mission);
    Tally& operator+=(const Tally& other);

    // Shares 0..1 and means; 0 when there is nothing to divide by.
    double OnTargetShare() const;      // of the bomb runs made
    double MeanBombPercentage() const; // of the bomb runs made
    double PerMission(std::uint64_t total) const;
    double LostShare() const;
    // Of all missions: the bomber came back fit to fly again.
    double ComeBackShare() const;


    friend bool operator==(const Tally&, const Tally&) = default;
};

// Where a share of n trials should be trusted to lie: the 95% Wilson score interval, which
// stays within 0..1 and means something also near 0% and 100%.
struct Interval {
    double Low = 0.0;
    double High = 0.0;
};
Interval Wilson95(std::uint64_t successes, std::uint64_t trials);

struct TargetTally {
    std::string Name;
    Tally Figures;

    friend bool operator==(const TargetTally&, const TargetTally&) = default;
};

// More missions than any run will fly, and few enough that counting them cannot overflow.
inline constexpr std::uint64_t MostMissions = 1'000'000'000'000'000;

// The bomber and crew every simulated mission takes off with: a fresh bomber on its first
// mission unless told otherwise, as a run or a campaign has left them.
struct TakeOff {
    DamageRecord Damage;
    IndexedArray<int, 1, CrewCount> CrewMissions{}; // missions each crew member flew before
    std::optional<int> MissionNumber;               // fixed, as a tour's; otherwise drawn by the dialog

    friend bool operator==(const TakeOff&, const TakeOff&) = default;
};

struct Campaign;
// What the next mission of a tour takes off with: the bomber's damage, the crew's missions
// and the mission's number.
TakeOff NextTakeOff(const Campaign& campaign);

struct SimulationOptions {
    // In all; with EveryTarget, per target. At most MostMissions either way.
    std::uint64_t Missions = 1;
    std::uint64_t Seed = 0;
    std::optional<std::string> Target; // every mission against it; otherwise the mission chart picks
    // Missions against each target of the database in turn, rather than as the chart picks.
    bool EveryTarget = false;
    unsigned Threads = 1;
    TakeOff From;
};

struct SimulationResult {
    std::uint64_t Seed = 0;
    std::optional<std::string> Target;
    Tally Overall;
    std::vector<TargetTally> Targets; // those flown, in the game database's order
    bool Stopped = false;             // asked to stop before every mission was flown

    friend bool operator==(const SimulationResult&, const SimulationResult&) = default;
};

// Told, every tenth of a second or so on the calling thread, how many missions are done.
using Progress = std::function<void(std::uint64_t done, std::uint64_t total)>;
// Told on the calling thread, as soon as the last mission against a target is in, that target's
// figures: in every-target runs, so that a table can fill in while the run goes on.
using TargetFinished = std::function<void(const TargetTally& target)>;

struct SimulationCalls {
    Progress OnProgress;
    TargetFinished OnTargetFinished;
    // Asked to stop, the run ends within a few missions per thread: it then returns the figures
    // of the missions it finished, and Stopped says so.
    std::stop_token Stop;
};

// Plays the missions, each in its own game on the one database, which all threads only read.
// Mission i is seeded from the run's seed and i alone, and only whole numbers are summed, so
// a seed gives the same figures on any number of threads. A target that is not in the
// database, or more than MostMissions, throws std::invalid_argument before any mission starts.
SimulationResult Simulate(const GameDatabase& database, const SimulationOptions& options,
                          const SimulationCalls& calls = {});

} // namespace halvard
