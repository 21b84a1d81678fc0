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

} // namespace
} // namespace halvard
