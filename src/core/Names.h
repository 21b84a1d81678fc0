#pragma once

#include <string_view>

namespace halvard {

class Game;

// The text of an attack position (mode "PosNoToString", 1..20) or a gun (mode "GunNoToString",
// 2..10); the empty text for any other mode or a number outside the mode's range.
std::string_view NoToString(int number, std::string_view mode);

// The suffix that marks a special fighter after its position: " (B)", " (D)", " (E)" or nothing.
std::string_view SpecialMarker(std::string_view special);

// Redraws the six fighter rows of the wave panel from the wave: type and position of each
// fighter, the rest of the rows emptied, every to-hit cell back to the normal background.
// The to-hit captions and marks belong to the wave handling and are left alone.
void ShowWave(Game& game);

} // namespace halvard
