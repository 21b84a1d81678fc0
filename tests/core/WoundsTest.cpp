#include "Wounds.h"

#include "MissionSetup.h"
#include "TestData.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

// A crew as at take-off: everyone at his own position, every gun manned by its own gunner.
std::unique_ptr<Game> FreshCrew(std::vector<int> faces) {
    auto game = test::ScriptedGame(test::ShippedDatabase(), std::move(faces));
    for (int i = 1; i <= 10; ++i)
        game->CrewPos[i].Occupant = i;
    for (int g = 2; g <= 10; ++g)
        game->Guns[g].Gunner = g;
    return game;
}

struct WoundCase {
    int before;
    int face;
    const char* text;
    int after;
};

class ResolveWoundTest : public ::testing::TestWithParam<WoundCase> {};

TEST_P(ResolveWoundTest, AddsTheRolledLevelsAndUnmansOnSeriousWounds) {
    const WoundCase& c = GetParam();
    auto game = FreshCrew({c.face});
    game->Crew[10].Wound = c.before;
    EXPECT_EQ(ResolveWound(*game, 10), c.text);
    EXPECT_EQ(game->Crew[10].Wound, c.after);
    EXPECT_EQ(test::RollLines(*game), std::vector<std::string>{std::to_string(c.face) + " :Wound"});
    EXPECT_EQ(game->Guns[10].Gunner, c.after >= 3 ? 0 : 10);
    EXPECT_EQ(game->CrewPos[10].Occupant, c.after == 4 ? 0 : 10);
    for (int g = 2; g <= 9; ++g)
        EXPECT_EQ(game->Guns[g].Gunner, g) << "other guns stay manned";
}

INSTANTIATE_TEST_SUITE_P(Levels, ResolveWoundTest,
                         ::testing::Values(WoundCase{0, 2, "LW", 1}, WoundCase{1, 3, "LW2", 2},
                                           WoundCase{2, 1, "SW", 3}, WoundCase{0, 5, "SW", 3},
                                           WoundCase{0, 4, "SW", 3}, WoundCase{1, 5, "KIA", 4},
                                           WoundCase{0, 6, "KIA", 4}, WoundCase{3, 1, "KIA", 4},
                                           WoundCase{3, 6, "KIA", 4}));

TEST(ResolveWound, AnEmptyPositionRollsNothingAndChangesNothing) {
    auto game = FreshCrew({6});
    EXPECT_EQ(ResolveWound(*game, 3), "KIA");
    const GameState before = *game;
    EXPECT_EQ(ResolveWound(*game, 3), "No Crew Member at Position");
    EXPECT_EQ(test::RollLines(*game).size(), 1u) << "no second Wound roll";
    EXPECT_TRUE(static_cast<const GameState&>(*game) == before);
}

TEST(ResolveWound, WoundsTheOccupantNotThePositionNumber) {
    // A crew member who moved to another position takes his wounds and his guns with him.
    auto game = FreshCrew({4});
    game->CrewPos[8].Occupant = 9;
    game->Guns[8].Gunner = 9;
    EXPECT_EQ(ResolveWound(*game, 8), "SW");
    EXPECT_EQ(game->Crew[9].Wound, 3);
    EXPECT_EQ(game->Crew[8].Wound, 0);
    EXPECT_EQ(game->Guns[8].Gunner, 0);
    EXPECT_EQ(game->Guns[9].Gunner, 0) << "every gun crew member 9 mans is unmanned";
}

} // namespace
} // namespace halvard
