#pragma once

// Many missions flown by the built-in player, side by side on threads, summed into the figures
// a player asks for: how often the bomber comes back, hits the target, loses men and engines.

#include "AutoPlayer.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
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

    friend bool operator==(const Tally&, const Tally&) = default;
};

struct TargetTally {
    std::string Name;
    Tally Figures;

    friend bool operator==(const TargetTally&, const TargetTally&) = default;
};

// More missions than any run will fly, and few enough that counting them cannot overflow.
inline constexpr std::uint64_t MostMissions = 1'000'000'000'000'000;

struct SimulationOptions {
    std::uint64_t Missions = 1; // at most MostMissions
    std::uint64_t Seed = 0;
    std::optional<std::string> Target; // every mission against it; otherwise the mission chart picks
    unsigned Threads = 1;
};

struct SimulationResult {
    std::uint64_t Seed = 0;
    std::optional<std::string> Target;
    Tally Overall;
    std::vector<TargetTally> Targets; // those flown, in the game database's order

    friend bool operator==(const SimulationResult&, const SimulationResult&) = default;
};

// Told, every tenth of a second or so on the calling thread, how many missions are done.
using Progress = std::function<void(std::uint64_t done, std::uint64_t total)>;

// Plays the missions, each in its own game on the one database, which all threads only read.
// A target that is not in the database, or more than MostMissions, throws std::invalid_argument
// before any mission starts.
SimulationResult Simulate(const GameDatabase& database, const SimulationOptions& options,
                          const Progress& progress = {});

} // namespace halvard
