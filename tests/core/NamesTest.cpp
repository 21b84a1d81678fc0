#include "Names.h"

#include "TestData.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

TEST(NoToString, NamesPositionsAndGunsAndNothingElse) {
    const struct {
        int number;
        const char* mode;
        const char* text;
    } cases[] = {
        {1, "PosNoToString", "12 High"},
        {4, "PosNoToString", "1:30 High"},
        {11, "PosNoToString", "6 Level"},
        {18, "PosNoToString", "10:30 Low"},
        {19, "PosNoToString", "Vertical Climb"},
        {20, "PosNoToString", "Vertical Dive"},
        {0, "PosNoToString", ""},
        {21, "PosNoToString", ""},
        {2, "GunNoToString", "Nose Gun"},
        {4, "GunNoToString", "Starboard Cheek Gun"},
        {10, "GunNoToString", "Tail Guns"},
        {1, "GunNoToString", ""},
        {11, "GunNoToString", ""},
        {5, "posnotostring", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NoToString(c.number, c.mode), c.text) << c.number << " " << c.mode;
}

TEST(ShowWave, EachRowShowsItsFighterAndTheRedrawClearsBackgroundsButNotMarks) {
    Game game{test::ShippedDatabase()};
    for (const auto& [type, position, special] : {std::tuple{"FW190", 4, "D"},
                                                  {"Me109", 10, " "},
                                                  {"Me110", 20, ""},
                                                  {"Me109", 1, "E"},
                                                  {"Me109", 2, "B"}})
        game.Fighters.Add() = test::MakeFighter(type, position, 0, special);
    for (int i = 1; i <= 6; ++i) {
        game.Waves.Row[i].ToHit.BackColour = Colour::Red;
        game.Waves.Row[i].ToHit.Tag = {Mark::Kind::ChasedOff};
    }
    const char* const positions[] = {
        "", "1:30 High (D)", "6 High", "Vertical Dive", "12 High (E)", "12 Level (B)", ""};
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(ShownPosition(game, i), positions[i]) << "row " << i;
    EXPECT_EQ(ShownType(game, 1), "FW190");
    EXPECT_EQ(ShownType(game, 6), "") << "a row beyond the wave is empty";

    // A successive attack names the new positions alone, until the panel is redrawn.
    game.Waves.PositionsWithoutMarkers = true;
    EXPECT_EQ(ShownPosition(game, 1), "1:30 High");
    ShowWave(game);
    EXPECT_EQ(ShownPosition(game, 1), "1:30 High (D)");
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(game.Waves.Row[i].ToHit.BackColour, Colour::Normal) << i;
        EXPECT_EQ(game.Waves.Row[i].ToHit.Tag, "FC") << i;
    }
}

} // namespace
} // namespace halvard
