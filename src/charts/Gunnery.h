#pragma once

#include "Game.h"

#include <string_view>

namespace halvard {

// The least 1d6 with which a gun (2..10) hits a fighter of that type at an attack position:
// the Gunnery table's number, 0 when the gun has no row for the position (it cannot fire
// there). With a row, a broken intercom makes it 5 for the tail guns and 6 for any other gun,
// and a gunner with a second light wound needs a 6.
// In line: the screens ask it for every gun and fighter each time the guns are aimed.
inline int ChartGunnery(const Game& game, int gun, int position, std::string_view fighterType) {
    constexpr int TailGuns = 10;
    const GunneryRow* row = game.Database.Gunnery(gun, position);
    if (row == nullptr) return 0;

    int toHit = row->For(fighterType);
    if (game.Damage.IntercomOut) toHit = gun == TailGuns ? 5 : 6;
    // The gun is served from the crew position of its own number.
    const int gunner = game.CrewPos[gun].Occupant;
    if (gunner != 0 && game.Crew[gunner].Wound == 2) toHit = 6;
    return toHit;
}

// One gun's fire at a fighter of the wave (index into Fighters): the to-hit roll, then the
// damage roll and the fighter's new damage level, reported as one line.
void ChartDefensiveFire(Game& game, int toHit, int gun, int fighter);

// The least 1d6 with which a fighter hits the bomber, 0-6, by its attack position and the
// damage it has taken.
int ChartEnemyToHit(int position, int damageLevel);

} // namespace halvard
