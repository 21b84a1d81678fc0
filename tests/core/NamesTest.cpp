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
        {5, "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NoToString(c.number, c.mode), c.text) << c.number << " " << c.mode;
}

class ShowWaveTest : public ::testing::Test {
  protected:
    Game game{test::ShippedDatabase()};

    void AddFighter(const char* type, int position, const char* special) {
        game.Fighters.Add() = test::MakeFighter(type, position, 0, special);
    }
};

TEST_F(ShowWaveTest, FillsOneRowPerFighterWithTypeAndMarkedPosition) {
    AddFighter("FW190", 4, "D");
    AddFighter("Me109", 10, " ");
    AddFighter("Me110", 20, "");
    AddFighter("Me109", 1, "E");
    AddFighter("Me109", 2, "B");
    ShowWave(game);
    const auto& rows = game.Waves.Row;
    EXPECT_EQ(rows[1].lblType.Caption, "FW190");
    EXPECT_EQ(rows[1].lblPosition.Caption, "1:30 High (D)");
    EXPECT_EQ(rows[2].lblPosition.Caption, "6 High") << "a blank Special adds no marker";
    EXPECT_EQ(rows[3].lblPosition.Caption, "Vertical Dive");
    EXPECT_EQ(rows[4].lblPosition.Caption, "12 High (E)");
    EXPECT_EQ(rows[5].lblPosition.Caption, "12 Level (B)");
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(rows[i].lblSkill.Caption, "");
    EXPECT_EQ(rows[6].lblType.Caption, "");
}

TEST_F(ShowWaveTest, ClearsLeftoverRowsAndBackgroundsButNotToHitCaptionsOrMarks) {
    for (int i = 1; i <= 6; ++i) {
        game.Waves.Row[i].lblType.Caption = "old";
        game.Waves.Row[i].lblPosition.Caption = "old";
        game.Waves.Row[i].lblToHit.BackColour = Colour::Red;
        game.Waves.Row[i].lblToHit.Caption = "4";
        game.Waves.Row[i].lblToHit.Tag = {Mark::Kind::ChasedOff};
    }
    AddFighter("Me109", 1, " ");
    AddFighter("Me109", 2, " ");
    ShowWave(game);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(game.Waves.Row[i].lblToHit.BackColour, Colour::Normal) << i;
        EXPECT_EQ(game.Waves.Row[i].lblToHit.Caption, "4") << i;
        EXPECT_EQ(game.Waves.Row[i].lblToHit.Tag, "FC") << i;
    }
    for (int i = 3; i <= 6; ++i) {
        EXPECT_EQ(game.Waves.Row[i].lblType.Caption, "") << i;
        EXPECT_EQ(game.Waves.Row[i].lblPosition.Caption, "") << i;
    }

    game.Fighters.Clear();
    ShowWave(game);
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(game.Waves.Row[i].lblType.Caption, "") << "an empty wave clears every row";
}

} // namespace
} // namespace halvard
