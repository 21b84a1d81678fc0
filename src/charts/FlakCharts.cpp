#include "FlakCharts.h"

#include "ChartTable.h"
#include "Game.h"
#include "HitLocation.h"
#include "ZoneCharts.h"

#include <string>

namespace halvard {
namespace {

struct FlakDensityRow {
    std::string_view Density;
    Results Hitting; // the "Flak To Hit" rolls with which a burst hits
};

struct FlakHitsRow {
    Results On;
    int Hits;
};

struct FlakAreaRow {
    Results On;
    HitArea Area;
};

// clang-format off
constexpr FlakDensityRow FlakToHitTable[] = {
    {"Light",  "2, 12"},
    {"Medium", "2, 3, 7, 12"},
    {"Heavy",  "2, 3, 5, 7, 9, 11, 12"},
};

constexpr FlakHitsRow EffectOfFlakTable[] = {
    {"2",         0},
    {"3, 7, 11",  1},
    {"6, 8",      2},
    {"5, 9",      3},
    {"4, 10, 12", 4},
};
static_assert(CoversEachOnce(EffectOfFlakTable, 2, 12));

constexpr FlakAreaRow AreaHitByFlakTable[] = {
    {"2",  HitArea::BombBay},
    {"3",  HitArea::PortWing},
    {"4",  HitArea::RadioRoom},
    {"5",  HitArea::Tail},
    {"6",  HitArea::PortWing},
    {"7",  HitArea::Tail},
    {"8",  HitArea::StarboardWing},
    {"9",  HitArea::Waist},
    {"10", HitArea::Nose},
    {"11", HitArea::StarboardWing},
    {"12", HitArea::PilotCompartment},
};
static_assert(CoversEachOnce(AreaHitByFlakTable, 2, 12));
// clang-format on

constexpr int BurstsPerCascade = 3;

} // namespace

std::string_view ChartFlakOverTarget(Game& game) {
    int total = game.RollDice("1d6", "Flak Over Target");
    if (IsBadOrPoor(game.Mission.Target.WeatherTarget)) total -= 1;
    if (game.Mission.Target.HeavyFlak) total += 1;

    const std::string_view density = total <= 1   ? "None"
                                     : total <= 3 ? "Light"
                                     : total <= 5 ? "Medium"
                                                  : "Heavy";
    game.AddMessage("Flak Over Target: ", density);
    return density;
}

int ChartFlakToHit(Game& game, std::string_view density) {
    const FlakDensityRow* row = nullptr; // none for "None" or any other text: no roll hits
    for (const FlakDensityRow& candidate : FlakToHitTable)
        if (candidate.Density == density) row = &candidate;

    int bursts = 0;
    for (int i = 0; i < BurstsPerCascade; ++i) {
        const int roll = game.RollDice("2d6", "Flak To Hit");
        if (row != nullptr && row->Hitting.Has(roll)) ++bursts;
    }
    game.AddMessage("Flak Bursts Hitting Corvane: ", bursts);
    return bursts;
}

int ChartEffectOfFlak(Game& game) {
    const int hits = RowFor<EffectOfFlakTable>(game.RollDice("2d6", "Effect of Flak")).Hits;
    game.AddMessage("Total # of Flak Hits: ", hits);
    return hits;
}

void ChartAreaHitByFlak(Game& game) {
    StrikeArea(game, RowFor<AreaHitByFlakTable>(game.RollDice("2d6", "Area Hit by Flak")).Area);
}

} // namespace halvard
