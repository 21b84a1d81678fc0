#pragma once

#include <string>
#include <string_view>

namespace halvard {

class Game;

// Weather that is "Bad" or "Poor": the weather text occurs within "Bad/Poor".
bool IsBadOrPoor(std::string_view weather);

// Enemy waves coming into the current zone: 0-2, or 1-3 in the target zone.
int ChartWavesAppearing(Game& game);

// The fighter cover of a zone for one leg: "Good", "Fair", "Poor" or "None".
std::string_view ChartFighterCover(Game& game, int zone);

// Fighters that the cover chases off, 0-3, never more than the wave holds.
int ChartFighterCoverResult(Game& game, std::string_view cover);

// Weather over the base (zone 1) or over the target (any other zone), stored and reported.
void ChartWeather(Game& game, int zone);

// The landing chart's outcomes as the message list words them, best first.
namespace landing {
inline constexpr std::string_view Safe = "Crew and Corvane safe.";
inline constexpr std::string_view Repairable = "Crew safe and Corvane repairable by next mission.";
inline constexpr std::string_view Irreparable = "Crew safe and Corvane irrepairably damaged.";
inline constexpr std::string_view Wrecked = "Corvane wrecked";
inline constexpr std::string_view CrewKilledWrecked = "Crew KIA and Corvane wrecked.";
inline constexpr std::string_view Explosion = "Explosion.  Corvane and all remaining crewmen destroyed.";
} // namespace landing

// The landing at the end of the mission, reported as one line: one of the outcomes above, which
// is also how the mission ended (Mission.Ending).
void ChartLanding(Game& game);

} // namespace halvard
