#pragma once

// The simulator's player: flies one whole mission through the same screens a person uses,
// clicking what a sensible player clicks, and reads the outcome off the screens and the state.

#include "Outcome.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace halvard {

class Game;

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
// chart, or named; a name the dialog refuses throws std::invalid_argument. The mission number
// is drawn by the dialog unless one is fixed. Throws std::logic_error if the screens ever leave
// the player without a move.
MissionResult PlayMission(Game& game, std::optional<std::string_view> target = std::nullopt,
                          std::optional<int> missionNumber = std::nullopt);

} // namespace halvard
