#pragma once

#include <string_view>

namespace halvard {

class Game;

// Wounds the crew member at a crew position (1..10): rolls "Wound", adds the levels to what he
// has (at most 4, killed), unmans his guns when the wound is serious or fatal and empties the
// position when he is killed. Returns "LW", "LW2", "SW", "KIA", or, for an empty position and
// without a roll, "No Crew Member at Position".
std::string_view ResolveWound(Game& game, int position);

// What ResolveWound reports for an empty position: the longest text it returns.
inline constexpr std::string_view NoCrewMember = "No Crew Member at Position";

// The text of a wound level: "", "LW", "LW2", "SW", "KIA".
std::string_view WoundText(int level);

} // namespace halvard
