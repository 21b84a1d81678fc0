#include "Wounds.h"

#include "TestData.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

using namespace test;

// The tail gunner, or whoever sits at his position, rolls one die: the levels it adds, and the
// guns and the position a serious wound or death leaves.
TEST(ResolveWound, AddsTheRolledLevelsAndUnmansOnSeriousWounds) {
    // clang-format off
    for (const auto& [before, face, text, after] : {std::tuple{0, 3, "LW", 1}, {1, 3, "LW2", 2}, {2, 1, "SW", 3},
             {0, 4, "SW", 3}, {0, 5, "SW", 3}, {1, 5, "KIA", 4}, {0, 6, "KIA", 4}, {3, 1, "KIA", 4}}) {
        // clang-format on
        auto game = CrewedGame(ShippedDatabase(), {face});
        game->Crew[10].Wound = before;
        GameState expected = *game;
        expected.Crew[10].Wound = after;
        if (after >= 3) expected.Guns[10].Gunner = 0;
        if (after == 4) expected.CrewPos[10].Occupant = 0;
        EXPECT_EQ(ResolveWound(*game, 10), text);
        EXPECT_EQ(Describe(*game), Describe(expected)) << before << " then " << face;
        EXPECT_EQ(RollLines(*game), std::vector<std::string>{std::to_string(face) + " :Wound"});
    }
}

TEST(ResolveWound, WoundsTheOccupantWithHisGunsAndNobodyAtAnEmptyPosition) {
    auto game = CrewedGame(ShippedDatabase(), {4});
    game->CrewPos[8].Occupant = 9;
    game->Guns[8].Gunner = 9;
    game->CrewPos[3].Occupant = 0;
    GameState expected = *game;
    expected.Crew[9].Wound = 3;
    expected.Guns[8].Gunner = expected.Guns[9].Gunner = 0;
    EXPECT_EQ(ResolveWound(*game, 3), "No Crew Member at Position");
    EXPECT_EQ(ResolveWound(*game, 8), "SW");
    EXPECT_EQ(Describe(*game), Describe(expected));
    EXPECT_EQ(RollLines(*game), std::vector<std::string>{"4 :Wound"}) << "no roll for the empty position";
}

} // namespace
} // namespace halvard
