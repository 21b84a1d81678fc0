#include "HitLocation.h"

#include "ChartTable.h"
#include "DamageTables.h"
#include "Game.h"

#include <array>

namespace halvard {
namespace {

struct AreaDamageRow {
    Results On;                     // attack positions
    std::array<HitArea, 11> ByRoll; // 2d6 totals 2..12
};

// clang-format off
constexpr HitArea S = HitArea::Superficial, N = HitArea::Nose, P = HitArea::PilotCompartment,
                  B = HitArea::BombBay, R = HitArea::RadioRoom, W = HitArea::Waist, T = HitArea::Tail,
                  PW = HitArea::PortWing, SW = HitArea::StarboardWing, WL = HitArea::EitherWing,
                  WA = HitArea::WalkingHitsA, WB = HitArea::WalkingHitsB;

constexpr AreaDamageRow AreaDamageTable[] = {
    // attack positions 2   3   4   5   6   7   8   9   10  11  12
    {"1, 4, 16",      {S,  S,  S,  R,  N,  P,  WL, W,  T,  B,  WA}}, // 12, 1:30, 10:30 High
    {"2, 5, 17",      {PW, S,  S,  S,  PW, N,  SW, P,  S,  S,  SW}}, // 12, 1:30, 10:30 Level
    {"3, 6, 18",      {S,  S,  S,  R,  N,  B,  WL, W,  T,  P,  WA}}, // 12, 1:30, 10:30 Low
    {"7, 13",         {WB, N,  P,  B,  PW, T,  SW, R,  W,  S,  WA}}, // 3 High, 9 High
    {"8, 14",         {B,  PW, N,  W,  PW, S,  S,  T,  R,  P,  S }}, // 3 Level, 9 Level
    {"9, 15",         {WB, N,  B,  R,  T,  PW, SW, S,  W,  P,  WA}}, // 3 Low, 9 Low
    {"10",            {S,  S,  R,  B,  PW, T,  SW, W,  P,  WA, N }}, // 6 High
    {"11",            {S,  S,  T,  T,  PW, T,  SW, T,  T,  W,  S }}, // 6 Level
    {"12",            {N,  S,  S,  B,  PW, T,  SW, W,  R,  WA, N }}, // 6 Low
    {"19",            {S,  S,  B,  T,  PW, R,  SW, WA, P,  W,  N }}, // Vertical Climb
    {"20",            {S,  S,  B,  R,  PW, WA, SW, P,  T,  W,  N }}, // Vertical Dive
};
// clang-format on
static_assert(CoversEachOnce(AreaDamageTable, 1, 20));

} // namespace

void StrikeArea(Game& game, HitArea area) {
    switch (area) {
    case HitArea::Superficial: game.AddMessage("  Superficial Damage"); break;
    case HitArea::Nose: DamageNose(game); break;
    case HitArea::PilotCompartment: DamagePilotCompartment(game); break;
    case HitArea::BombBay: DamageBombBay(game); break;
    case HitArea::RadioRoom: DamageRadioRoom(game); break;
    case HitArea::Waist: DamageWaist(game); break;
    case HitArea::Tail: DamageTail(game); break;
    case HitArea::PortWing: DamageWing(game, WingSide::Port); break;
    case HitArea::StarboardWing: DamageWing(game, WingSide::Starboard); break;
    case HitArea::EitherWing:
        DamageWing(game, game.RollDice("1d6", "Wing Location") <= 3 ? WingSide::Port : WingSide::Starboard);
        break;
    case HitArea::WalkingHitsA: ChartWalkingHits(game, "A"); break;
    case HitArea::WalkingHitsB: ChartWalkingHits(game, "B"); break;
    }
}

void ChartAreaDamage(Game& game, int attackPos) {
    const int roll = game.RollDice("2d6", "Area Damage");
    if (const AreaDamageRow* row = FindRow<AreaDamageTable>(attackPos))
        StrikeArea(game, row->ByRoll[static_cast<std::size_t>(roll - 2)]);
}

void ChartWalkingHits(Game& game, std::string_view kind) {
    game.AddMessage("Walking Hits");
    if (kind == "A") {
        DamageNose(game);
        DamagePilotCompartment(game);
        DamageBombBay(game);
        DamageRadioRoom(game);
        DamageWaist(game);
        DamageTail(game);
    } else if (kind == "B") {
        DamageWing(game, WingSide::Port);
        DamageWing(game, WingSide::Port);
        DamageWing(game, WingSide::Starboard);
        DamageWing(game, WingSide::Starboard);
    }
}

} // namespace halvard
