#include "WaveCharts.h"

#include "Names.h"
#include "TestData.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

using test::MakeFighter;
using test::MessageLines;
using test::RollLines;
using test::ScriptedGame;
using Lines = std::vector<std::string>;

// Roll 12 brings three fighters (one of every kind of Special), the rest one Me109 each.
const GameDatabase& WaveDatabase() {
    static const test::TempDatabase file(test::ValidSql() + R"(
INSERT INTO WaveSelection VALUES (12, 'FW190', 4, 'D');
INSERT INTO WaveSelection VALUES (12, 'Me110', 19, 'B');
)");
    static const GameDatabase database = file.Open();
    return database;
}

struct Fighter {
    const char* type;
    int position;
    const char* special;
    const char* shownPosition;
};

void ExpectWave(const Game& game, const std::vector<Fighter>& wave) {
    ASSERT_EQ(game.Fighters.UpperBound(), static_cast<int>(wave.size()));
    for (int i = 1; i <= WaveRows; ++i) {
        if (i > game.Fighters.UpperBound()) {
            EXPECT_EQ(ShownType(game, i), "") << "row " << i;
            EXPECT_EQ(ShownPosition(game, i), "") << "row " << i;
            continue;
        }
        const Fighter& expected = wave[static_cast<std::size_t>(i - 1)];
        const FighterRecord& fighter = game.Fighters[i];
        EXPECT_EQ(fighter.FighterType, expected.type) << "fighter " << i;
        EXPECT_EQ(fighter.AttackPos, expected.position) << "fighter " << i;
        EXPECT_EQ(fighter.DamageLevel, 0) << "fighter " << i;
        EXPECT_EQ(fighter.Special, expected.special) << "fighter " << i;
        EXPECT_EQ(ShownType(game, i), expected.type) << "row " << i;
        EXPECT_EQ(ShownPosition(game, i), expected.shownPosition) << "row " << i;
    }
}

struct FormationCase {
    const char* formation;
    std::vector<Fighter> wave;
};

class WaveGeneration : public ::testing::TestWithParam<FormationCase> {};

TEST_P(WaveGeneration, ReadsTheRollsRowsAfterTheExtraFighter) {
    auto game = ScriptedGame(WaveDatabase(), {1, 2});
    game->Mission.FormationPos = GetParam().formation;
    ChartWaveGeneration(*game);
    EXPECT_EQ(RollLines(*game), Lines{"12:Wave Generation"});
    EXPECT_TRUE(MessageLines(*game).empty());
    ExpectWave(*game, GetParam().wave);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Formation, WaveGeneration, ::testing::Values(
    FormationCase{"Middle", {{"Me109", 1, " ", "12 High"}, {"FW190", 4, "D", "1:30 High (D)"},
                             {"Me110", 19, "B", "Vertical Climb (B)"}}},
    FormationCase{"Tail Bomber", {{"Me109", 10, "", "6 High"}, {"Me109", 1, " ", "12 High"},
                                  {"FW190", 4, "D", "1:30 High (D)"}, {"Me110", 19, "B", "Vertical Climb (B)"}}},
    FormationCase{"Lead Bomber", {{"Me109", 1, "", "12 High"}, {"Me109", 1, " ", "12 High"},
                                  {"FW190", 4, "D", "1:30 High (D)"}, {"Me110", 19, "B", "Vertical Climb (B)"}}}));
// clang-format on

TEST(ChartWaveGeneration, SixtySixRollsAgainAndTheNoAttackerRollsBringNone) {
    for (int tens = 1; tens <= 5; ++tens) {
        auto game = ScriptedGame(WaveDatabase(), {6, 6, tens, 6});
        game->Mission.FormationPos = "Lead Bomber"; // no extra fighter without a wave
        // A wave left on the panel from before is cleared.
        game->Fighters.Add() = MakeFighter("FW190", 3, 0, " ");
        game->Waves.PositionsWithoutMarkers = true;
        game->Waves.Row[1].ToHit.BackColour = Colour::Blue;

        ChartWaveGeneration(*game);

        const std::string roll = std::to_string(tens * 10 + 6);
        EXPECT_EQ(RollLines(*game), (Lines{"66:Wave Generation", roll + ":Wave Generation"}));
        EXPECT_EQ(MessageLines(*game), Lines{"No Attackers"});
        EXPECT_EQ(game->Waves.lblMiscWave.Caption, "No Attackers");
        ExpectWave(*game, {});
        EXPECT_EQ(game->Waves.Row[1].ToHit.BackColour, Colour::Normal);
        EXPECT_FALSE(game->Waves.PositionsWithoutMarkers);
    }
}

TEST(ChartWaveGeneration, ANewWaveReplacesTheOldAndLeavesTheInstructionLine) {
    auto game = ScriptedGame(WaveDatabase(), {1, 2, 3, 1});
    game->Waves.lblMiscWave.Caption = "Select Fighters";
    ChartWaveGeneration(*game);
    ChartWaveGeneration(*game);
    ExpectWave(*game, {{"Me109", 1, " ", "12 High"}});
    EXPECT_EQ(game->Waves.lblMiscWave.Caption, "Select Fighters");
}

TEST(ChartSuccessiveAttack, EveryFighterInTurnTakesThePositionOfItsRoll) {
    // One fighter per 2d6 total, 2 to 12, each with the type and special it keeps: two full waves.
    const int newPosition[] = {10, 11, 14, 2, 17, 1, 5, 2, 8, 13, 7};
    for (const auto& [first, last] : {std::pair{2, 7}, std::pair{8, 12}}) {
        std::vector<int> faces;
        for (int total = first; total <= last; ++total)
            faces.insert(faces.end(), {total <= 7 ? 1 : total - 6, total <= 7 ? total - 1 : 6});
        auto game = ScriptedGame(WaveDatabase(), faces);
        for (int total = first; total <= last; ++total)
            game->Fighters.Add() = MakeFighter("FW190", 3, 1, "E");

        ChartSuccessiveAttack(*game);

        Lines rolls;
        for (int total = first; total <= last; ++total) {
            const int i = total - first + 1;
            EXPECT_EQ(game->Fighters[i], MakeFighter("FW190", newPosition[total - 2], 1, "E"))
                << "roll " << total;
            rolls.push_back((total < 10 ? std::to_string(total) + " " : std::to_string(total)) +
                            ":Successive Att. Position");
        }
        EXPECT_EQ(RollLines(*game), rolls);
        EXPECT_TRUE(MessageLines(*game).empty());
    }
}

TEST(ChartSuccessiveAttack, AnEmptyWaveRollsNothing) {
    auto game = ScriptedGame(WaveDatabase(), {});
    ChartSuccessiveAttack(*game);
    EXPECT_TRUE(RollLines(*game).empty());
}

TEST(ChartShellHits, ByPositionGroupThenType) {
    // Rows: 2d6 totals 2..12. Columns: 12/1:30/10:30 o'clock, 3 and 9, 6 o'clock, climb, dive.
    const int table[11][5] = {
        {3, 4, 6, 4, 3}, {2, 3, 5, 4, 2}, {2, 3, 4, 3, 2}, {2, 3, 3, 2, 1}, {1, 2, 2, 2, 1}, {1, 1, 2, 1, 1},
        {1, 2, 2, 2, 1}, {2, 3, 3, 2, 1}, {2, 3, 4, 3, 2}, {2, 3, 5, 4, 2}, {4, 5, 7, 5, 4},
    };
    const int groupOf[21] = {-1, 0, 0, 0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 1, 1, 1, 0, 0, 0, 3, 4};
    const int fw190[8] = {0, 1, 3, 4, 6, 7, 9, 10}; // the whole part of 1.5 times the hits

    for (int position = 1; position <= 20; ++position)
        for (int total = 2; total <= 12; ++total) {
            const int hits = table[total - 2][groupOf[position]];
            for (const auto& [type, expected] :
                 {std::pair{"Me109", hits}, std::pair{"Me110", hits + 1}, std::pair{"FW190", fw190[hits]}}) {
                auto game = ScriptedGame(WaveDatabase(), test::FacesFor({{"2d6", total, "Shell Hits"}}));
                game->Fighters.Add() = MakeFighter(type, position, 0, " ");
                EXPECT_EQ(ChartShellHits(*game, 1), expected)
                    << type << " at " << position << ", roll " << total;
                EXPECT_EQ(RollLines(*game), test::LinesFor({{"2d6", total, "Shell Hits"}}));
            }
        }
}

TEST(ChartShellHits, APositionOutsideTheTableGivesNoHitsBeyondTheMe110s) {
    for (const auto& [type, expected] :
         {std::pair{"Me109", 0}, std::pair{"Me110", 1}, std::pair{"FW190", 0}}) {
        auto game = ScriptedGame(WaveDatabase(), {6, 6});
        game->Fighters.Add() = MakeFighter(type, 0, 0, " ");
        EXPECT_EQ(ChartShellHits(*game, 1), expected) << type;
    }
}

} // namespace
} // namespace halvard
