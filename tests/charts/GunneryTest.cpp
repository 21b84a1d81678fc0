#include "Gunnery.h"

#include "TestData.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

using Lines = std::vector<std::string>;

// Rows this test relies on, beyond the nose gun at 12 High (4, 3, 5) of the test database.
const GameDatabase& GunneryDatabase() {
    static const test::TempDatabase file(test::ValidSql() + R"(
INSERT INTO Gunnery VALUES (10, 10, 6, 4, 3), (5, 7, 3, 0, 2), (6, 13, 2, 2, 2), (6, 13, 5, 4, 3);)");
    static const GameDatabase database = file.Open();
    return database;
}

// The table's number, then six (five for the tail guns) with the intercom out, then six for a
// gunner with a second light wound; a gun without a row for the position cannot fire.
TEST(ChartGunnery, TableNumberThenIntercomThenSecondLightWound) {
    // A wound of -1: nobody at the gun's own position.
    // clang-format off
    for (const auto& [gun, position, type, intercomOut, wound, toHit] : {
             std::tuple{2, 1, "Me109", false, 0, 4}, {2, 1, "Me110", false, 0, 3}, {2, 1, "FW190", false, 0, 5},
             {6, 13, "Me109", false, 0, 5}, {2, 1, "Me262", false, 0, 0}, {2, 10, "Me109", true, 0, 0},
             {9, 1, "Me109", false, 2, 0}, {10, 10, "Me109", true, 0, 5}, {2, 1, "Me110", true, 0, 6},
             {2, 1, "Me262", true, 0, 6}, {5, 7, "Me109", false, 2, 6}, {10, 10, "Me110", true, 2, 6},
             {5, 7, "Me109", false, 1, 3}, {5, 7, "FW190", false, 3, 2}, {5, 7, "Me109", false, -1, 3}}) {
        // clang-format on
        auto game = test::CrewedGame(GunneryDatabase(), {});
        game->Damage.IntercomOut = intercomOut;
        game->Crew[gun].Wound = wound < 0 ? 2 : wound;
        if (wound < 0) game->CrewPos[gun].Occupant = 0;
        const FighterType fighter = FighterType::Find(type).value_or(FighterType::None);
        EXPECT_EQ(ChartGunnery(*game, gun, position, fighter), toHit) << gun << position << type << wound;
    }
}

TEST(ChartDefensiveFire, ToHitThenDamageThenOneLine) {
    const struct {
        int toHit, gun;
        const char* type;
        int position, damageBefore;
        std::vector<int> faces; // "To Hit", then "Damage" when it hits
        int damageAfter;
        const char* message;
    } cases[] = {{5, 10, "FW190", 10, 0, {4}, 0, "Tail Guns Misses"},
                 {0, 3, "Me109", 4, 0, {1, 1}, 1, "Port Cheek Gun Hits Me109 at 1:30 High - FCA"},
                 {6, 9, "Me109", 12, 0, {6, 6}, 3, "Ball Turret Hits Me109 at 6 Low - KIA"},
                 {2, 8, "Me109", 1, 0, {2, 2}, 2, "Top Turret Hits Me109 at 12 High - FBOA"},
                 {2, 7, "Me109", 8, 0, {2, 2}, 1, "Starboard Waist Gun Hits Me109 at 3 Level - FCA"},
                 {5, 10, "FW190", 10, 0, {5, 3}, 2, "Tail Guns Hits FW190 at 6 High - FBOA"},
                 {1, 5, "Me110", 19, 2, {2, 5}, 5, "Radio Gun Hits Me110 at Vertical Climb - KIA"}};
    for (const auto& c : cases) {
        auto game = test::CrewedGame(GunneryDatabase(), c.faces);
        game->Fighters.Add();
        game->Fighters.Add() = test::MakeFighter(c.type, c.position, c.damageBefore);
        ChartDefensiveFire(*game, c.toHit, c.gun, 2);
        EXPECT_EQ(game->Fighters[2].DamageLevel, c.damageAfter) << c.message;
        EXPECT_EQ(game->Fighters[1].DamageLevel, 0) << "only the fighter fired at is damaged";
        EXPECT_EQ(test::MessageLines(*game), Lines{c.message});
        Lines rolls = {std::to_string(c.faces[0]) + " :To Hit"};
        if (c.faces.size() > 1) rolls.push_back(std::to_string(c.faces[1]) + " :Damage");
        EXPECT_EQ(test::RollLines(*game), rolls) << c.message;
    }
}

} // namespace
} // namespace halvard
