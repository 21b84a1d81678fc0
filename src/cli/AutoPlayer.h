#pragma once

// The simulator's player: flies one whole mission through the same screens a person uses,
// clicking what a sensible player clicks, and reads the outcome off the screens and the state.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace halvard {

class Game;

// How a mission ended: one of the landing chart's outcomes, or the bomber lost on the way.
enum class Outcome : std::size_t {
    // The landing chart's outcomes, in its order (landing:: in ZoneCharts.h).
    Safe,
    Repairable,
    Irreparable,
    Wrecked,
    CrewKilledWrecked,
    LandingExplosion,
    BombsDetonated,    // in flight: the bombs went off in the bay
    FuelTankExploded,  // in flight: a fuel-tank fire became an explosion
    BailedOut,         // in flight: a runaway engine or a fuel-tank fire made the crew jump
    CrewKilled,        // in flight: every crew member killed
};
inline constexpr std::size_t OutcomeCount = 10;

struct OutcomeName {
    std::string_view Key;   // for machine-readable reports
    std::string_view Label; // as the message list words it, or what happened in flight
};
// By Outcome, in its order.
extern const std::array<OutcomeName, OutcomeCount> OutcomeNames;

// The bomber does not come back fit to fly again: it was destroyed or abandoned in flight, or
// the landing wrecked it, blew it up or damaged it beyond repair.
constexpr bool BomberLost(Outcome outcome) {
    return outcome != Outcome::Safe && outcome != Outcome::Repairable;
}
// The outcome says that every crew member still aboard died with the bomber.
constexpr bool KillsTheCrew(Outcome outcome) {
    return outcome == Outcome::CrewKilledWrecked || outcome == Outcome::LandingExplosion ||
           outcome == Outcome::BombsDetonated;
}

struct MissionResult {
    std::size_t Target = 0; // index in the game database's target table
    Outcome End = Outcome::Safe;
    bool BombRun = false; // the bomb run was made
    bool OnTarget = false;
    int BombPercentage = 0;
    int CrewWounded = 0; // wounded, and alive at the end
    int CrewKilled = 0;
    int EnginesLost = 0;
    int GunsOut = 0;
};

// Plays one mission of the game, from the entry screen through the target dialog to the landing
// (or the loss of the bomber) and back to the entry screen. The target is drawn by the mission
// chart, or named; a name the dialog refuses throws std::invalid_argument. Throws
// std::logic_error if the screens ever leave the player without a move.
MissionResult PlayMission(Game& game, std::optional<std::string_view> target = std::nullopt);

} // namespace halvard
