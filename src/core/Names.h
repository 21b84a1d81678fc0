#pragma once

#include "FighterType.h"
#include "View.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace halvard {

class Game;

namespace names {

inline constexpr std::array<std::string_view, 21> Positions = {
    "",               //
    "12 High",        // 1
    "12 Level",       // 2
    "12 Low",         // 3
    "1:30 High",      // 4
    "1:30 Level",     // 5
    "1:30 Low",       // 6
    "3 High",         // 7
    "3 Level",        // 8
    "3 Low",          // 9
    "6 High",         // 10
    "6 Level",        // 11
    "6 Low",          // 12
    "9 High",         // 13
    "9 Level",        // 14
    "9 Low",          // 15
    "10:30 High",     // 16
    "10:30 Level",    // 17
    "10:30 Low",      // 18
    "Vertical Climb", // 19
    "Vertical Dive",  // 20
};

inline constexpr std::array<std::string_view, 11> Guns = {
    "",                    //
    "",                    //
    "Nose Gun",            // 2
    "Port Cheek Gun",      // 3
    "Starboard Cheek Gun", // 4
    "Radio Gun",           // 5
    "Port Waist Gun",      // 6
    "Starboard Waist Gun", // 7
    "Top Turret",          // 8
    "Ball Turret",         // 9
    "Tail Guns",           // 10
};

} // namespace names

// The text of an attack position (mode "PosNoToString", 1..20) or a gun (mode "GunNoToString",
// 2..10); the empty text for any other mode or a number outside the mode's range.
// Inline, so that the mode, always written out at the call, is compared when the program is
// compiled rather than on every shot.
inline std::string_view NoToString(int number, std::string_view mode) {
    if (mode == "PosNoToString" && number >= 1 && number <= 20)
        return names::Positions[static_cast<std::size_t>(number)];
    if (mode == "GunNoToString" && number >= 2 && number <= 10)
        return names::Guns[static_cast<std::size_t>(number)];
    return {};
}

// An attack position or a gun by number, for a message line: it is named (NoToString) only
// when the line is put together, which a simulated mission never does.
struct PositionName {
    int Number;
    std::string_view View() const { return NoToString(Number, "PosNoToString"); }
};
struct GunName {
    int Number;
    std::string_view View() const { return NoToString(Number, "GunNoToString"); }
};

// The suffix that marks a special fighter after its position: " (B)", " (D)", " (E)" or nothing.
std::string_view SpecialMarker(FighterSpecial special);

// Redraws the six fighter rows of the wave panel after the wave has changed: every to-hit cell
// back to the normal background, the positions with their markers.
// The to-hit captions and marks belong to the wave handling and are left alone.
void ShowWave(Game& game);

// What the type and the position cell of a fighter row (1..6) of the wave panel show: the
// fighter of that row as it stands, and nothing on a row beyond the wave. The position carries
// the marker of a special fighter unless a successive attack has just named it.
Caption ShownType(const Game& game, int row);
Caption ShownPosition(const Game& game, int row);

} // namespace halvard
