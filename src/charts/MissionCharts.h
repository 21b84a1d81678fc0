#pragma once

#include <array>
#include <string>
#include <string_view>

namespace halvard {

class Game;

// Every target the mission chart can roll, in the order the chart first names them; the game
// database must hold each of them.
extern const std::array<std::string_view, 22> MissionChartTargets;

// The target of a random mission, by mission number: 1-5 and 6-10 roll "1d6", 11-25 roll "d66";
// any other mission number rolls nothing and gives the empty text.
std::string_view ChartMissionTarget(Game& game);

// "FORMATION" (exactly) rolls the formation position: "Lead Bomber", "Middle" or "Tail Bomber".
// Any other kind is the squadron position: "High", "Middle" or "Low", rolled from mission 6 on.
std::string_view ChartFormation(Game& game, std::string_view kind);

} // namespace halvard
