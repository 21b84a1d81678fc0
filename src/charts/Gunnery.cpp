#include "Gunnery.h"

#include "ChartTable.h"
#include "Game.h"
#include "Names.h"

#include <algorithm>
#include <array>

namespace halvard {
namespace {

struct EnemyToHitRow {
    Results On; // attack positions
    int ToHit;
};

// clang-format off
constexpr EnemyToHitRow EnemyToHitTable[] = {
    {"1-6, 16-18, 20", 5}, // 12, 1:30 and 10:30 o'clock, Vertical Dive
    {"7-9, 13-15, 19", 4}, // 3 and 9 o'clock, Vertical Climb
    {"10-12",          3}, // 6 o'clock
};
// clang-format on
static_assert(CoversEachOnce(EnemyToHitTable, 1, 20));

constexpr int TopTurret = 8;

std::string_view DamageOutcome(int level) {
    static constexpr std::array<std::string_view, 4> outcomes = {"No Damage", "FCA", "FBOA", "KIA"};
    return outcomes[static_cast<std::size_t>(std::clamp(level, 0, 3))];
}

// Levels of damage added by the modified "Damage" roll.
int DamageAdded(int roll) {
    if (roll <= 2) return 1;
    if (roll <= 4) return 2;
    return 3;
}

} // namespace

void ChartDefensiveFire(Game& game, int toHit, int gun, int fighter) {
    const GunName gunName{gun};
    if (game.RollDice("1d6", "To Hit") < toHit) {
        game.AddMessage(gunName, " Misses");
        return;
    }

    FighterRecord& target = game.Fighters[fighter];
    int roll = game.RollDice("1d6", "Damage");
    if (gun >= TopTurret) roll += 1;
    if (target.FighterType == FighterType::FW190) roll -= 1;
    target.DamageLevel += DamageAdded(roll);

    game.AddMessage(gunName, " Hits ", target.FighterType, " at ", PositionName{target.AttackPos}, " - ",
                    DamageOutcome(target.DamageLevel));
}

int ChartEnemyToHit(int position, int damageLevel) {
    const EnemyToHitRow* row = FindRow<EnemyToHitTable>(position);
    if (row == nullptr) return 0;
    return std::min(row->ToHit + std::max(damageLevel, 0), 6);
}

} // namespace halvard
