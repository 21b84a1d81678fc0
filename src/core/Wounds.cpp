#include "Wounds.h"

#include "Game.h"

#include <algorithm>
#include <array>

namespace halvard {
namespace {

// Levels added by the "Wound" die, faces 1..6.
constexpr std::array<int, 7> LevelsAdded = {0, 1, 1, 1, 3, 3, 4};
constexpr int Serious = 3;

} // namespace

std::string_view WoundText(int level) {
    static constexpr std::array<std::string_view, 5> texts = {"", "LW", "LW2", "SW", "KIA"};
    return texts[static_cast<std::size_t>(std::clamp(level, 0, Killed))];
}

std::string_view ResolveWound(Game& game, int position) {
    const int member = game.CrewPos[position].Occupant;
    if (member == 0) return NoCrewMember;

    const int face = game.RollDice("1d6", "Wound");
    const int level = std::min(game.Crew[member].Wound + LevelsAdded[static_cast<std::size_t>(face)], Killed);
    if (level == Killed) game.CrewPos[position].Occupant = 0;
    if (level >= Serious)
        for (int gun = FirstGun; gun <= LastGun; ++gun)
            if (game.Guns[gun].Gunner == member) game.Guns[gun].Gunner = 0;
    game.Crew[member].Wound = level;
    return WoundText(level);
}

} // namespace halvard
