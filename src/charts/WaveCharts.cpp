#include "WaveCharts.h"

#include "ChartTable.h"
#include "Game.h"
#include "Names.h"

#include <array>

namespace halvard {
namespace {

struct NewPositionRow {
    Results On;
    int Position;
};

struct PositionGroup {
    Results On; // attack positions
};

struct ShellHitsRow {
    Results On;
    std::array<int, 5> ByGroup; // hits, by the groups of ShellHitGroups
};

// clang-format off
constexpr NewPositionRow SuccessiveAttackTable[] = {
    {"2",  10}, // 6 High
    {"3",  11}, // 6 Level
    {"4",  14}, // 9 Level
    {"5",  2},  // 12 Level
    {"6",  17}, // 10:30 Level
    {"7",  1},  // 12 High
    {"8",  5},  // 1:30 Level
    {"9",  2},  // 12 Level
    {"10", 8},  // 3 Level
    {"11", 13}, // 9 High
    {"12", 7},  // 3 High
};
static_assert(CoversEachOnce(SuccessiveAttackTable, 2, 12));

constexpr PositionGroup ShellHitGroups[] = {
    {"1-6, 16-18"}, // 12, 1:30 and 10:30 o'clock
    {"7-9, 13-15"}, // 3 and 9 o'clock
    {"10-12"},      // 6 o'clock
    {"19"},         // Vertical Climb
    {"20"},         // Vertical Dive
};
static_assert(CoversEachOnce(ShellHitGroups, 1, 20));

constexpr ShellHitsRow ShellHitsTable[] = {
    //       front side six climb dive
    {"2",  {3,    4,   6,  4,    3}},
    {"3",  {2,    3,   5,  4,    2}},
    {"4",  {2,    3,   4,  3,    2}},
    {"5",  {2,    3,   3,  2,    1}},
    {"6",  {1,    2,   2,  2,    1}},
    {"7",  {1,    1,   2,  1,    1}},
    {"8",  {1,    2,   2,  2,    1}},
    {"9",  {2,    3,   3,  2,    1}},
    {"10", {2,    3,   4,  3,    2}},
    {"11", {2,    3,   5,  4,    2}},
    {"12", {4,    5,   7,  5,    4}},
};
static_assert(CoversEachOnce(ShellHitsTable, 2, 12));
// clang-format on

void AddFighter(Game& game, FighterType type, int position, FighterSpecial special) {
    FighterRecord& fighter = game.Fighters.Add();
    fighter.FighterType = type;
    fighter.AttackPos = position;
    fighter.DamageLevel = 0;
    fighter.Special = special;
}

} // namespace

void ChartWaveGeneration(Game& game) {
    game.Fighters.Clear();
    int roll;
    do {
        roll = game.RollDice("d66", "Wave Generation");
    } while (roll == 66);

    if (IsNoAttackerRoll(roll)) {
        game.Waves.lblMiscWave.Caption = "No Attackers";
        game.AddMessage("No Attackers");
    } else {
        // A bomber at the head or the tail of the formation draws one more fighter.
        if (Is(game.Mission.FormationPos, "Lead Bomber"))
            AddFighter(game, FighterType::Me109, 1, FighterSpecial::Extra);
        if (Is(game.Mission.FormationPos, "Tail Bomber"))
            AddFighter(game, FighterType::Me109, 10, FighterSpecial::Extra);
        for (const WaveSelectionRow& row : game.Database.WaveRows(roll))
            AddFighter(game, row.Type, row.Position, row.Special);
    }
    ShowWave(game);
}

void ChartSuccessiveAttack(Game& game) {
    for (FighterRecord& fighter : game.Fighters)
        fighter.AttackPos =
            RowFor<SuccessiveAttackTable>(game.RollDice("2d6", "Successive Att. Position")).Position;
}

int ChartShellHits(Game& game, int fighter) {
    const int position = game.Fighters[fighter].AttackPos;
    const FighterType type = game.Fighters[fighter].FighterType;

    const ShellHitsRow& row = RowFor<ShellHitsTable>(game.RollDice("2d6", "Shell Hits"));
    int hits = 0;
    if (const PositionGroup* group = FindRow<ShellHitGroups>(position))
        hits = row.ByGroup[static_cast<std::size_t>(group - std::begin(ShellHitGroups))];

    if (type == FighterType::Me110) hits += 1;
    if (type == FighterType::FW190) hits = hits * 3 / 2;
    return hits;
}

} // namespace halvard
