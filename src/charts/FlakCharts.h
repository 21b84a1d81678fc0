#pragma once

#include <string_view>

namespace halvard {

class Game;

// The flak over the target: "None", "Light", "Medium" or "Heavy".
std::string_view ChartFlakOverTarget(Game& game);

// Bursts hitting the bomber, 0-3, out of three rolls made whatever the density.
int ChartFlakToHit(Game& game, std::string_view density);

// Hits of one burst, 0-4.
int ChartEffectOfFlak(Game& game);

// Places one flak hit on a compartment and resolves it on that compartment's table.
void ChartAreaHitByFlak(Game& game);

} // namespace halvard
