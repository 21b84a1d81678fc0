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

} // namespace
} // namespace halvard
