#pragma once

#include <string_view>

namespace halvard {

class Game;

// Whether the bomb run is "On" or "Off" target. The extra penalty is 0 in play; anything above
// 0 costs one point.
std::string_view ChartBombRun(Game& game, int extraPenalty);

// The percentage of the bombs on the target, by the bomb run's result (exactly "On" is on
// target; any other text reads the off-target column).
int ChartBombPercentage(Game& game, std::string_view bombRun);

} // namespace halvard
