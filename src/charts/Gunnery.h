#pragma once

#include "Game.h"

#include <string_view>

namespace halvard {

// The least 1d6 with which one gun (2..10) hits a fighter of a type at an attack position: the
// Gunnery table's number, 0 when the gun has no row for the position (it cannot fire there).
// With a row, a broken intercom makes it 5 for the tail guns and 6 for any other gun, and a
// gunner with a second light wound needs a 6. What is the gun's own is worked out once, for
// the screens aim every gun at every fighter of a wave.
class GunSight {
  public:
    GunSight(const Game& game, int gun) : game_(game), gun_(gun) {
        constexpr int TailGuns = 10;
        if (game.Damage.IntercomOut) override_ = gun == TailGuns ? 5 : 6;
        // The gun is served from the crew position of its own number.
        const int gunner = game.CrewPos[gun].Occupant;
        if (gunner != 0 && game.Crew[gunner].Wound == 2) override_ = 6;
    }

    int ToHit(int position, FighterType fighterType) const {
        const GunneryRow& row = game_.Database.GunneryAt(gun_, position);
        return row.Bears && override_ != 0 ? override_ : row.For(fighterType);
    }

  private:
    const Game& game_;
    int gun_;
    int override_ = 0; // the number the gun needs whatever the table says, if any
};

inline int ChartGunnery(const Game& game, int gun, int position, FighterType fighterType) {
    return GunSight(game, gun).ToHit(position, fighterType);
}

// One gun's fire at a fighter of the wave (index into Fighters): the to-hit roll, then the
// damage roll and the fighter's new damage level, reported as one line.
void ChartDefensiveFire(Game& game, int toHit, int gun, int fighter);

// The least 1d6 with which a fighter hits the bomber, 0-6, by its attack position and the
// damage it has taken.
int ChartEnemyToHit(int position, int damageLevel);

} // namespace halvard
