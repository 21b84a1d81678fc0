// The game's state, its dice and the wounds they deal, and the database it reads.

#include "Dice.h"
#include "GameDatabase.h"
#include "GameState.h"
#include "MissionCharts.h"
#include "TestData.h"
#include "Wounds.h"

#include <gtest/gtest.h>
#include <limits>

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
        EXPECT_EQ(game->Rolls.Lines(), std::vector<std::string>{line});
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
        EXPECT_EQ(game->Rolls.Lines(), std::vector<std::string>{std::to_string(face) + " :Wound"});
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
    EXPECT_EQ(game->Rolls.Lines(), std::vector<std::string>{"4 :Wound"}) << "no roll for the empty position";
}

TEST(GameDatabase, ReadsTheTablesOfAValidFile) {
    test::TempDatabase file(test::ValidSql() + R"(
        INSERT INTO WaveSelection VALUES (43, 'FW190', 11, 'B'), (43, 'Me110', 20, NULL);
        INSERT INTO Gunnery VALUES (10, 11, 4, 3, 5), (10, 11, 2, 6, 1);
        INSERT INTO Targets (TargetName, ZoneCount, TargetType, HeavyFlak, "2Mod", "3Mod", "2Ter", "3Ter")
            VALUES ('Saint-Nazaire''s Pens', 3, 'U-Boat Pens', -1, 1, 2, 'Water', 'Land');)");
    const GameDatabase db = file.Open();

    ASSERT_EQ(db.Targets().size(), 23u);
    EXPECT_EQ(db.TargetNames().front(), "St. Omer");
    const TargetRow* pens = db.FindTarget("Saint-Nazaire's Pens");
    ASSERT_NE(pens, nullptr);
    EXPECT_EQ(std::tuple(pens->ZoneCount, std::string(pens->Ter[3]), pens->Mod[3], pens->HeavyFlak),
              std::tuple(3, std::string("Land"), 2, true))
        << "-1 is True";
    EXPECT_EQ(db.FindTarget("saint-Nazaire's Pens"), nullptr) << "names are compared exactly";

    const auto wave = db.WaveRows(43);
    ASSERT_EQ(wave.size(), 3u);
    EXPECT_EQ(std::tuple(wave[1].Type, wave[1].Special, wave[2].Position, wave[2].Special),
              std::tuple("FW190", "B", 20, FighterSpecial::Unmarked));
    for (int roll : {16, 66, 0, 99, -1, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()})
        EXPECT_TRUE(db.WaveRows(roll).empty()) << roll;

    // The last of two matching rows counts; an unknown type has no column; no row: the gun cannot bear.
    // clang-format off
    for (const auto& [gun, position, type, toHit] : {std::tuple{2, 1, "Me109", 4}, {2, 1, "Me110", 3}, {2, 1, "FW190", 5},
                                                     {2, 1, "Me 10", 0}, {10, 11, "Me109", 2}, {3, 1, "Me109", 0}})
        // clang-format on
        EXPECT_EQ(db.ToHit(gun, position, type), toHit) << gun << " " << position << " " << type;
    EXPECT_EQ(db.Gunnery(2, 21), nullptr);
}

} // namespace
} // namespace halvard
