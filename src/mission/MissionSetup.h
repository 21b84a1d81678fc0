#pragma once

#include "GameDatabase.h"

#include <filesystem>
#include <stdexcept>
#include <string>

namespace halvard {

class Game;
struct GameState;

// Raised by LoadTarget when the selected target is not in the game database.
class UnknownTargetError : public std::runtime_error {
  public:
    explicit UnknownTargetError(const std::string& name)
        : std::runtime_error("no target named \"" + name + "\" in the game database") {}
};

// Where a program's data files lie: beside the executable in a build tree, or in
// ../share/halvard once installed. With neither, the executable's directory, so that messages
// name the files where a build tree would have them.
std::filesystem::path FindDataDirectory(const std::filesystem::path& executableDirectory);

// Opens the game database of a data directory, requiring every target of the mission chart.
GameDatabase OpenGameDatabase(const std::filesystem::path& dataDirectory);

// True when low <= value <= high.
constexpr bool Between(int value, int low, int high) {
    return low <= value && value <= high;
}

// Copies the selected target's row into the mission: name, type, heavy flak, target zone and
// the modifier and terrain of zones 2..target zone. Zones beyond keep what they held.
void LoadTarget(Game& game);

// Every gun "OK" with its own gunner and full ammunition, every crew member unhurt at his own
// position, with the heating on and no oxygen hits.
void ManTheBomber(GameState& state);

// Sets up a loaded mission: squadron and formation rolls, zone 1 heading out, fighter cover of
// every zone for both legs, and guns, ammunition, crew and crew positions as at the start.
void InitMission(Game& game);

} // namespace halvard
