#include "GameState.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

TEST(FixedText, HoldsNulsUntilAssignedThenPadsOrCutsToItsWidth) {
    FixedText<4> cover;
    EXPECT_EQ(cover.View(), std::string_view("\0\0\0\0", 4));
    EXPECT_EQ(cover.WithoutNul(), "");
    for (const char* value : {"Good", "Fair", "Poor", "None"}) {
        cover = value;
        EXPECT_EQ(cover, value) << "all four cover values fit exactly";
    }
    FixedText<5> type;
    type = "Me10";
    EXPECT_EQ(type.View(), "Me10 ");
    type = "FW190A";
    EXPECT_EQ(type.View(), "FW190");
    type = "";
    EXPECT_EQ(type.View(), "     ");
    EXPECT_FALSE(type == "");
}

TEST(TextValue, ReadsAsItsTextStartsAtTheFirstKindAndRefusesAnyOtherText) {
    EXPECT_EQ(FighterRecord().FighterType, "");
    EXPECT_EQ(FighterRecord().Special, FighterSpecial::Extra) << "an unset marking is the extra fighter's";
    EXPECT_EQ(FighterType("FW190"), FighterType::FW190);
    EXPECT_FALSE(FighterType::Find("me109")) << "texts are compared exactly";
    EXPECT_THROW(FighterType("Me262"), std::invalid_argument);
    EXPECT_THROW(FighterSpecial("BD"), std::invalid_argument);
}

TEST(IndexedArray, ReachesOnlyTheGamesOwnNumbers) {
    IndexedArray<int, 2, 10> guns;
    guns[2] = 15;
    guns[10] = 23;
    EXPECT_EQ(guns[2], 15);
    EXPECT_EQ(guns[10], 23);
    EXPECT_THROW(guns[1], std::out_of_range);
    EXPECT_THROW(guns[11], std::out_of_range);
    EXPECT_EQ(decltype(guns)::Size, 9u);
}

TEST(FighterList, NumbersFightersFromOne) {
    FighterList wave;
    EXPECT_EQ(wave.UpperBound(), 0);
    wave.Add().AttackPos = 1;
    wave.Add().AttackPos = 10;
    wave.Add().AttackPos = 20;
    EXPECT_EQ(wave.UpperBound(), 3);
    EXPECT_EQ(wave[1].AttackPos, 1);
    EXPECT_EQ(wave[3].AttackPos, 20);
    EXPECT_THROW(wave[0], std::out_of_range);
    EXPECT_THROW(wave[4], std::out_of_range);
    wave.Truncate(1);
    EXPECT_EQ(wave.UpperBound(), 1);
    EXPECT_EQ(wave[1].AttackPos, 1);
    // A wave fills at most the panel's rows.
    while (wave.UpperBound() < WaveRows)
        wave.Add();
    EXPECT_THROW(wave.Add(), std::length_error);
}

TEST(GameState, AtTargetComparesTheCurrentAndTargetZones) {
    GameState state;
    state.Mission.TargetZone = 5;
    state.Mission.CurrentZone = 4;
    EXPECT_FALSE(state.AtTarget());
    state.Mission.CurrentZone = 5;
    EXPECT_TRUE(state.AtTarget());
    state.Mission.CurrentZone = 6; // briefly, after leaving the target
    EXPECT_FALSE(state.AtTarget());
}

} // namespace
} // namespace halvard
