// The game's state, its dice and the wounds they deal.

#include "Dice.h"
#include "GameState.h"
#include "TestData.h"
#include "Wounds.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

using namespace test;

TEST(GameState, TextsKeepTheirWidthsAndNumbersTheirRanges) {
    FixedText<5> type; // NULs until assigned, then padded or cut to its width
    EXPECT_EQ(type.View(), std::string_view("\0\0\0\0\0", 5));
    EXPECT_EQ(type.WithoutNul(), "");
    for (const auto& [text, stored] : {std::pair{"Me10", "Me10 "}, {"FW190A", "FW190"}, {"", "     "}}) {
        type = text;
        EXPECT_EQ(type.View(), stored);
    }
    EXPECT_EQ(GunRecord().Status.View(), "") << "a gun's status before it is set";
    ShortText<8> status = "Out";
    EXPECT_EQ(status.View(), "Out");
    EXPECT_THROW(status = "longer than eight", std::length_error);

    IndexedArray<int, 2, 10> guns;
    guns[2] = 15, guns[10] = 23;
    EXPECT_EQ(guns[2] + guns[10], 38);
    EXPECT_THROW(guns[1], std::out_of_range);
    EXPECT_THROW(guns[11], std::out_of_range);

    FighterList wave; // numbered from 1, as many as the panel has rows
    wave.Add().AttackPos = 10;
    EXPECT_EQ(wave[1].AttackPos, 10);
    EXPECT_THROW(wave[0], std::out_of_range);
    EXPECT_THROW(wave[2], std::out_of_range);
    while (wave.UpperBound() < WaveRows)
        wave.Add();
    EXPECT_THROW(wave.Add(), std::length_error);
    wave.Truncate(1);
    EXPECT_EQ(wave.UpperBound(), 1);
}

TEST(FaceScript, ParsesCommasAndWhitespaceAndRejectsBadFaces) {
    FaceScript script = FaceScript::Parse("1, 2\n3\t4,,5 6\r\n");
    for (int face = 1; face <= 6; ++face)
        EXPECT_EQ(script.NextFace(), face);
    EXPECT_THROW(script.NextFace(), DiceExhausted);
    for (const char* bad : {"0", "7", "x", "3,4a", "-1", "2.5"})
        EXPECT_THROW(FaceScript::Parse(bad), std::invalid_argument) << bad;
    EXPECT_EQ(FaceScript::Parse("  ").Remaining(), 0u);
}

TEST(RollDice, ReturnsTheTotalAndLogsOneLineUsingEveryFaceGiven) {
    // clang-format off
    const std::tuple<const char*, std::vector<int>, int, const char*> cases[] = {{"1d6", {5}, 5, "5 :Label"},
        {"2d6", {6, 6}, 12, "12:Label"}, {"d66", {4, 3}, 43, "43:Label"}, {"3d6", {}, -1, "-1:Label"}, {"1D6", {}, -1, "-1:Label"}};
    // clang-format on
    for (const auto& [die, faces, result, line] : cases) {
        auto game = ScriptedGame(ShippedDatabase(), faces);
        EXPECT_EQ(game->RollDice(die, "Label"), result) << line;
        EXPECT_EQ(RollLines(*game), std::vector<std::string>{line});
        EXPECT_THROW(game->RollDice("1d6"), DiceExhausted) << line;
    }
}

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
