#include "Gunnery.h"

#include "TestData.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

using test::MessageLines;
using test::RollLines;
using Lines = std::vector<std::string>;

// Rows this test relies on, beyond the nose gun at 12 High (4, 3, 5) of the test database.
const GameDatabase& GunneryDatabase() {
    static const test::TempDatabase file(test::ValidSql() + R"(
INSERT INTO Gunnery VALUES (10, 10, 6, 4, 3);
INSERT INTO Gunnery VALUES (5, 7, 3, 0, 2);
INSERT INTO Gunnery VALUES (6, 13, 2, 2, 2);
INSERT INTO Gunnery VALUES (6, 13, 5, 4, 3);
)");
    static const GameDatabase database = file.Open();
    return database;
}

struct GunneryCase {
    const char* name;
    int gun;
    int position;
    const char* type;
    bool intercomOut;
    int gunnerWound; // of the crew member at the gun's own position
    bool positionEmpty;
    int toHit;
};

class Gunnery : public ::testing::TestWithParam<GunneryCase> {};

TEST_P(Gunnery, TableNumberThenIntercomThenSecondLightWound) {
    const GunneryCase& c = GetParam();
    auto game = test::CrewedGame(GunneryDatabase(), {});
    game->Damage.IntercomOut = c.intercomOut;
    game->Crew[c.gun].Wound = c.gunnerWound;
    if (c.positionEmpty) game->CrewPos[c.gun].Occupant = 0;
    EXPECT_EQ(ChartGunnery(*game, c.gun, c.position, FighterType::Find(c.type).value_or(FighterType::None)),
              c.toHit);
    EXPECT_TRUE(RollLines(*game).empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, Gunnery, ::testing::Values(
    GunneryCase{"TableMe109",                     2, 1,  "Me109", false, 0, false, 4},
    GunneryCase{"TableMe110",                     2, 1,  "Me110", false, 0, false, 3},
    GunneryCase{"TableFW190",                     2, 1,  "FW190", false, 0, false, 5},
    GunneryCase{"LastOfTwoMatchingRowsCounts",    6, 13, "Me109", false, 0, false, 5},
    GunneryCase{"OtherTypeReadsNoColumn",         2, 1,  "Me262", false, 0, false, 0},
    GunneryCase{"TypeIsComparedExactly",          2, 1,  "me109", false, 0, false, 0},
    GunneryCase{"NoRowForThePosition",            2, 10, "Me109", false, 0, false, 0},
    GunneryCase{"NoRowStaysZeroWithIntercomOut",  2, 10, "Me109", true,  0, false, 0},
    GunneryCase{"NoRowStaysZeroForLW2Gunner",     9, 1,  "Me109", false, 2, false, 0},
    GunneryCase{"IntercomOutTailGunsNeedFive",    10, 10, "Me109", true, 0, false, 5},
    GunneryCase{"IntercomOutTailGunsEvenFromThree", 10, 10, "FW190", true, 0, false, 5},
    GunneryCase{"IntercomOutOtherGunsNeedSix",    2, 1,  "Me110", true,  0, false, 6},
    GunneryCase{"IntercomOutZeroInTheRowIsSix",   5, 7,  "Me110", true,  0, false, 6},
    GunneryCase{"IntercomOutOtherTypeWithRowIsSix", 2, 1, "Me262", true, 0, false, 6},
    GunneryCase{"LW2GunnerNeedsSix",              5, 7,  "Me109", false, 2, false, 6},
    GunneryCase{"LW2TailGunnerSixOverIntercom",   10, 10, "Me110", true, 2, false, 6},
    GunneryCase{"LW1GunnerKeepsTheTable",         5, 7,  "Me109", false, 1, false, 3},
    GunneryCase{"SWGunnerKeepsTheTable",          5, 7,  "FW190", false, 3, false, 2},
    GunneryCase{"EmptyPositionSkipsTheWoundRule", 5, 7,  "Me109", false, 2, true,  3}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct FireCase {
    const char* name;
    int toHit;
    int gun;
    const char* type;
    int position;
    int damageBefore;
    std::vector<int> faces; // "To Hit", then "Damage" when it hits
    int damageAfter;
    const char* message;
};

class DefensiveFire : public ::testing::TestWithParam<FireCase> {};

TEST_P(DefensiveFire, ToHitThenDamageThenOneLine) {
    const FireCase& c = GetParam();
    auto game = test::CrewedGame(GunneryDatabase(), c.faces);
    game->Fighters.Add();
    game->Fighters.Add() = test::MakeFighter(c.type, c.position, c.damageBefore);

    ChartDefensiveFire(*game, c.toHit, c.gun, 2);

    EXPECT_EQ(game->Fighters[2].DamageLevel, c.damageAfter);
    EXPECT_EQ(MessageLines(*game), Lines{c.message});
    Lines rolls = {std::to_string(c.faces[0]) + " :To Hit"};
    if (c.faces.size() > 1) rolls.push_back(std::to_string(c.faces[1]) + " :Damage");
    EXPECT_EQ(RollLines(*game), rolls);
    EXPECT_EQ(game->Fighters[1].DamageLevel, 0) << "only the fighter fired at is damaged";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, DefensiveFire, ::testing::Values(
    FireCase{"BelowTheNumberMisses",        5, 10, "FW190", 10, 0, {4},    0, "Tail Guns Misses"},
    FireCase{"ZeroAlwaysHits",              0, 3,  "Me109", 4,  0, {1, 1}, 1, "Port Cheek Gun Hits Me109 at 1:30 High - FCA"},
    FireCase{"NumberItselfHits",            4, 2,  "Me110", 2,  0, {4, 3}, 2, "Nose Gun Hits Me110 at 12 Level - FBOA"},
    FireCase{"BallTurretPlusOneKills",      6, 9,  "Me109", 12, 0, {6, 6}, 3, "Ball Turret Hits Me109 at 6 Low - KIA"},
    FireCase{"TopTurretPlusOneMakesThree",  2, 8,  "Me109", 1,  0, {2, 2}, 2, "Top Turret Hits Me109 at 12 High - FBOA"},
    FireCase{"WaistGunHasNoBonus",          2, 7,  "Me109", 8,  0, {2, 2}, 1, "Starboard Waist Gun Hits Me109 at 3 Level - FCA"},
    FireCase{"FW190MinusOne",               3, 2,  "FW190", 1,  0, {3, 3}, 1, "Nose Gun Hits FW190 at 12 High - FCA"},
    FireCase{"DamageAddsToEarlierDamage",   3, 2,  "FW190", 1,  2, {3, 3}, 3, "Nose Gun Hits FW190 at 12 High - KIA"},
    FireCase{"TailGunsOnFW190Cancel",       5, 10, "FW190", 10, 0, {5, 3}, 2, "Tail Guns Hits FW190 at 6 High - FBOA"},
    FireCase{"BeyondThreeStillKIA",         1, 5,  "Me110", 19, 2, {2, 5}, 5, "Radio Gun Hits Me110 at Vertical Climb - KIA"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ChartEnemyToHit, BaseByPositionPlusDamageCappedAtSix) {
    struct Case {
        int position, damage, toHit;
    };
    const Case cases[] = {
        {1, 0, 5},   {6, 0, 5},  {16, 0, 5}, {18, 0, 5}, {20, 0, 5}, // 12, 1:30, 10:30, Vertical Dive
        {7, 0, 4},   {9, 0, 4},  {13, 0, 4}, {15, 0, 4}, {19, 0, 4}, // 3 and 9 o'clock, Vertical Climb
        {10, 0, 3},  {11, 0, 3}, {12, 0, 3},                         // 6 o'clock
        {12, 2, 5},  {1, 2, 6},  {7, 1, 5},  {10, 3, 6}, {11, 9, 6}, // damage added, capped
        {10, -1, 3},                                                 // only damage above 0 counts
        {0, 0, 0},   {21, 2, 0},                                     // no such position
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChartEnemyToHit(c.position, c.damage), c.toHit)
            << c.position << " with damage " << c.damage;
}

} // namespace
} // namespace halvard
