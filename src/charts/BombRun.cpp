#include "BombRun.h"

#include "ChartTable.h"
#include "Game.h"

#include <span>
#include <string>

namespace halvard {
namespace {

struct PercentageRow {
    Results On;
    int Percentage;
};

constexpr int BonusRoll = -1; // 88 + a "Bom Pct Bonus" 2d6: 90 to 100

// clang-format off
constexpr PercentageRow OnTarget[] = {
    {"2",  75},
    {"3",  60},
    {"4",  30},
    {"5",  20},
    {"6",  30},
    {"7",  40},
    {"8",  30},
    {"9",  20},
    {"10", 30},
    {"11", 50},
    {"12", BonusRoll},
};
static_assert(CoversEachOnce(OnTarget, 2, 12));

constexpr PercentageRow OffTarget[] = {
    {"2, 12", 10},
    {"3, 11", 5},
    {"4-10",  0},
};
static_assert(CoversEachOnce(OffTarget, 2, 12));
// clang-format on

constexpr int Bombardier = 3;

int BombRunModifier(const Game& game, int extraPenalty) {
    const DamageRecord& damage = game.Damage;
    const std::string& weather = game.Mission.Target.WeatherTarget;
    int modifier = 0;
    if (game.Crew[Bombardier].Wound == 2) modifier -= 1;
    // A bombardier of ten missions or more who is at most lightly wounded.
    if (game.Crew[Bombardier].Missions >= 10 && game.Crew[Bombardier].Wound <= 1) modifier += 1;
    if (extraPenalty > 0) modifier -= 1;
    if (weather == "Poor") modifier -= 1;
    if (weather == "Bad") modifier -= 2;
    if (damage.BombControlsOut) modifier -= 3;
    if (damage.BombReleaseOut) modifier -= 3;
    if (damage.AutopilotOut) modifier -= 2;
    return modifier;
}

} // namespace

std::string_view ChartBombRun(Game& game, int extraPenalty) {
    if (game.Damage.NordenSightOut || game.Damage.ControlCableHits >= 2 || game.Crew[Bombardier].Wound >= 3) {
        game.AddMessage("Bomb Run was automatically Off Target");
        return "Off";
    }
    const int total = game.RollDice("1d6", "Bomb Run") + BombRunModifier(game, extraPenalty);
    const std::string_view result = total >= 3 ? "On" : "Off";
    game.AddMessage("Bomb Run was ", result, " Target");
    return result;
}

int ChartBombPercentage(Game& game, std::string_view bombRun) {
    const int roll = game.RollDice("2d6", "Bomb Percentage");
    const PercentageRow& row = bombRun == "On" ? RowFor<OnTarget>(roll) : RowFor<OffTarget>(roll);
    int percentage = row.Percentage;
    if (percentage == BonusRoll) percentage = 88 + game.RollDice("2d6", "Bom Pct Bonus");
    game.AddMessage("Bomb Percentage: ", percentage);
    return percentage;
}

} // namespace halvard
