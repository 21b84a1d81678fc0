#pragma once

#include <string_view>

namespace halvard {

class Game;

// The least 1d6 with which a gun (2..10) hits a fighter of that type at an attack position:
// the Gunnery table's number, 0 when the gun has no row for the position (it cannot fire
// there). With a row, a broken intercom makes it 5 for the tail guns and 6 for any other gun,
// and a gunner with a second light wound needs a 6.
int ChartGunnery(const Game& game, int gun, int position, std::string_view fighterType);

// One gun's fire at a fighter of the wave (index into Fighters): the to-hit roll, then the
// damage roll and the fighter's new damage level, reported as one line.
void ChartDefensiveFire(Game& game, int toHit, int gun, int fighter);

// The least 1d6 with which a fighter hits the bomber, 0-6, by its attack position and the
// damage it has taken.
int ChartEnemyToHit(int position, int damageLevel);

} // namespace halvard
