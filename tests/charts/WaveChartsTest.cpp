#include "WaveCharts.h"

#include "Names.h"
#include "TestData.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

using namespace test;
using Lines = std::vector<std::string>;

TEST(ChartWaveGeneration, SixtySixRollsAgainAndTheNoAttackerRollsClearThePanel) {
    for (int tens = 1; tens <= 5; ++tens) {
        auto game = ScriptedGame(ShippedDatabase(), {6, 6, tens, 6});
        game->Mission.FormationPos = "Lead Bomber"; // no extra fighter without a wave
        game->Fighters.Add() = MakeFighter("FW190", 3, 0, " ");
        game->Waves.PositionsWithoutMarkers = true;
        game->Waves.Row[1].ToHit.BackColour = Colour::Blue;
        game->Waves.Row[1].ToHit.Tag = {Mark::Kind::ChasedOff};

        ChartWaveGeneration(*game);

        EXPECT_EQ(RollLines(*game),
                  (Lines{"66:Wave Generation", std::to_string(tens) + "6:Wave Generation"}));
        EXPECT_EQ(MessageLines(*game), Lines{"No Attackers"});
        EXPECT_EQ(game->Waves.lblMiscWave.Caption, "No Attackers");
        EXPECT_EQ(game->Fighters.UpperBound(), 0);
        EXPECT_EQ(ShownType(*game, 1), "");
        EXPECT_EQ(game->Waves.Row[1].ToHit.BackColour, Colour::Normal);
        EXPECT_EQ(game->Waves.Row[1].ToHit.Tag, "FC") << "the redraw keeps the marks";
        EXPECT_FALSE(game->Waves.PositionsWithoutMarkers);
    }
}

// A full wave, rolling 7 to 12 in turn: each fighter keeps its type, damage and special.
TEST(ChartSuccessiveAttack, EveryFighterInTurnTakesThePositionOfItsRoll) {
    const int newPosition[] = {1, 5, 2, 8, 13, 7};
    std::vector<Roll> rolls;
    for (int total = 7; total <= 12; ++total)
        rolls.push_back({"2d6", total, "Successive Att. Position"});
    auto game = ScriptedGame(ShippedDatabase(), FacesFor(rolls));
    for (int i = 1; i <= 6; ++i)
        game->Fighters.Add() = MakeFighter("FW190", 3, 1, "E");

    ChartSuccessiveAttack(*game);

    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(game->Fighters[i], MakeFighter("FW190", newPosition[i - 1], 1, "E")) << "roll " << i + 6;
    EXPECT_EQ(RollLines(*game), LinesFor(rolls));
}

// A roll of 2 reads 3 hits from 12, 1:30 and 10:30 o'clock, 4 from 3 and 9 o'clock and the
// climb, 6 from 6 o'clock and 3 from the dive; an Me110 scores one more, an FW190 half as many more.
TEST(ChartShellHits, ByPositionGroupThenType) {
    // clang-format off
    for (const auto& [type, position, total, hits] : {
             std::tuple{"Me109", 1, 2, 3}, {"Me109", 6, 2, 3}, {"Me109", 7, 2, 4}, {"Me109", 9, 2, 4}, {"Me109", 10, 2, 6},
             {"Me109", 12, 2, 6}, {"Me109", 13, 2, 4}, {"Me109", 15, 2, 4}, {"Me109", 16, 2, 3}, {"Me109", 18, 2, 3},
             {"Me109", 19, 2, 4}, {"Me109", 20, 2, 3}, {"Me109", 0, 2, 0}, {"Me109", 1, 7, 1}, {"Me109", 10, 12, 7},
             {"Me110", 10, 12, 8}, {"Me110", 0, 2, 1}, {"FW190", 10, 12, 10}, {"FW190", 1, 3, 3}, {"FW190", 1, 7, 1}}) {
        // clang-format on
        auto game = ScriptedGame(ShippedDatabase(), FacesFor({{"2d6", total, "Shell Hits"}}));
        game->Fighters.Add() = MakeFighter(type, position, 0, " ");
        EXPECT_EQ(ChartShellHits(*game, 1), hits) << type << " at " << position << ", roll " << total;
        EXPECT_EQ(RollLines(*game), LinesFor({{"2d6", total, "Shell Hits"}}));
    }
}

} // namespace
} // namespace halvard
