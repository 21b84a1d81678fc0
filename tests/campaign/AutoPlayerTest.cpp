// The simulator's player flown through whole missions with scripted dice, on the small test
// database (one Me109 at 12 High in every wave; only the nose gun can fire at it, needing 4):
// the marks it makes for the cover, the gun it aims, where it stops and what it reports.

#include "AutoPlayer.h"

#include "TestData.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace halvard {
namespace {

using Rolls = std::vector<test::Roll>;

// Outbound to St. Omer (two zones: the target zone is zone 2), squadron and formation in the
// middle, one wave over the target, met by the cover of the way out.
Rolls Outbound(int coverOut, int coverBack, int coverResult) {
    return {
        {"1d6", 3, "Squadron Roll"},
        {"2d6", 7, "Formation Roll"},
        {"1d6", coverOut, "Fighter Cover"},
        {"1d6", coverBack, "Fighter Cover"},
        {"2d6", 7, "Weather"},
        {"1d6", 1, "Waves Appearing"},
        {"d66", 11, "Wave Generation"},
        {"1d6", coverResult, "Fighter Cover"},
    };
}

Rolls Join(std::initializer_list<Rolls> parts) {
    Rolls all;
    for (const Rolls& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

class AutoPlayerTest : public ::testing::Test {
  protected:
    // Plays St. Omer on these dice, and checks that the mission took every face.
    MissionResult Fly(const Rolls& rolls) {
        game = test::ScriptedGame(database, test::FacesFor(rolls));
        transcript = test::Record(*game);
        const MissionResult result = PlayMission(*game, "St. Omer");
        EXPECT_THROW(game->RollDice("1d6"), DiceExhausted) << "faces left over";
        return result;
    }
    bool Said(std::string_view message) const {
        return std::find(transcript->Messages.begin(), transcript->Messages.end(), message) !=
               transcript->Messages.end();
    }

    static const GameDatabase& TestDatabase() {
        static const test::TempDatabase file(test::ValidSql());
        static const GameDatabase database = file.Open();
        return database;
    }

    const GameDatabase& database = TestDatabase();
    std::unique_ptr<Game> game;
    std::shared_ptr<test::Transcript> transcript;
};

TEST_F(AutoPlayerTest, MarksForTheCoverAimsTheGunAndLands) {
    const Rolls rolls = Join({
        // Good cover out (6) chases the wave's one fighter off: the player marks it.
        Outbound(6, 1, 6),
        {{"1d6", 1, "Flak Over Target"}, {"1d6", 5, "Bomb Run"}, {"2d6", 7, "Bomb Percentage"}},
        // Home through zone 2 again: poor cover back (1) chases nobody off, so the nose gun is
        // aimed, hits (6) and destroys (6) the fighter.
        {{"1d6", 1, "Waves Appearing"},
         {"d66", 11, "Wave Generation"},
         {"1d6", 1, "Fighter Cover"},
         {"1d6", 6, "To Hit"},
         {"1d6", 6, "Damage"}},
        // Bad weather over the base takes 2 off a landing roll of 3.
        {{"2d6", 2, "Weather"}, {"2d6", 3, "Landing on Land"}, {"1d6", 1, ""}},
    });
    const MissionResult result = Fly(rolls);

    EXPECT_TRUE(Said("Fighter cover chased off 1 enemy fighters"));
    EXPECT_TRUE(Said("Fighter cover chased off 0 enemy fighters"));
    EXPECT_TRUE(Said("Nose Gun Hits Me109 at 12 High - KIA"));
    EXPECT_EQ(game->Guns[2].Ammo, 14) << "the nose gun fired once";
    EXPECT_EQ(transcript->Messages.back(), "Crew safe and Corvane repairable by next mission.");

    EXPECT_EQ(result.Target, 0u);
    EXPECT_EQ(result.End, Outcome::Repairable);
    EXPECT_TRUE(result.BombRun);
    EXPECT_TRUE(result.OnTarget);
    EXPECT_EQ(result.BombPercentage, 40);
    EXPECT_EQ(result.CrewWounded + result.CrewKilled + result.EnginesLost + result.GunsOut, 0);
}

TEST_F(AutoPlayerTest, StopsWhenTheBombsGoOffAndCountsTheCrewLost) {
    const Rolls rolls = Join({
        // Poor cover out (1) chases nobody off; the nose gun misses (1).
        Outbound(1, 1, 1),
        {{"1d6", 1, "To Hit"}},
        // The fighter hits (6) with one shell (7) in the bomb bay (11 from 12 High), on the bombs
        // (3), which go off (5).
        {{"1d6", 6, "Enemy to Hit"},
         {"2d6", 7, "Shell Hits"},
         {"2d6", 11, "Area Damage"},
         {"2d6", 3, "Damage Bomb Bay"},
         {"1d6", 5, "Damage Bomb Bay: 3,9,11"}},
    });
    const MissionResult result = Fly(rolls);

    EXPECT_EQ(transcript->Messages.back(),
              "  BOMB BAY: Bombs - BOMBS DETONATE - Corvane DESTROYED AND ENTIRE CREW KIA");
    EXPECT_EQ(result.End, Outcome::BombsDetonated);
    EXPECT_TRUE(BomberLost(result.End));
    EXPECT_EQ(result.CrewKilled, CrewCount);
    EXPECT_EQ(result.CrewWounded, 0);
    EXPECT_FALSE(result.BombRun);
}

TEST_F(AutoPlayerTest, RefusesATargetTheDialogRefuses) {
    game = test::ScriptedGame(database, {});
    EXPECT_THROW(PlayMission(*game, "Atlantis"), std::invalid_argument);
}

} // namespace
} // namespace halvard
