// The simulator's player flown through whole missions with scripted dice, on the small test
// database (one Me109 at 12 High in every wave; only the nose gun can fire at it, needing 4).

#include "AutoPlayer.h"

#include "TestData.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace halvard {
namespace {

using Rolls = std::vector<test::Roll>;

// Outbound to St. Omer (two zones: the target zone is zone 2), squadron and formation in the
// middle, one wave over the target, met by the cover of the way out; then the rest.
Rolls Outbound(int coverOut, int coverBack, int coverResult, const Rolls& then) {
    // clang-format off
    Rolls all = {{"1d6", 3, "Squadron Roll"}, {"2d6", 7, "Formation Roll"}, {"1d6", coverOut, "Fighter Cover"},
                 {"1d6", coverBack, "Fighter Cover"}, {"2d6", 7, "Weather"}, {"1d6", 1, "Waves Appearing"},
                 {"d66", 11, "Wave Generation"}, {"1d6", coverResult, "Fighter Cover"}};
    // clang-format on
    all.insert(all.end(), then.begin(), then.end());
    return all;
}

const struct {
    Rolls rolls;
    std::vector<std::string> said; // among the messages, the last one last
    std::string result;            // target, ending, bomb run, losses and the nose gun's ammunition
} Flights[] = {
    // clang-format off
    // Good cover out (6) chases the wave's one fighter off: the player marks it. Home through
    // zone 2 again, poor cover back (1) chases nobody off, so the nose gun is aimed, hits (6)
    // and destroys (6) the fighter. Bad weather over the base takes 2 off a landing roll of 3.
    {Outbound(6, 1, 6, {{"1d6", 1, "Flak Over Target"}, {"1d6", 5, "Bomb Run"}, {"2d6", 7, "Bomb Percentage"},
                        {"1d6", 1, "Waves Appearing"}, {"d66", 11, "Wave Generation"}, {"1d6", 1, "Fighter Cover"},
                        {"1d6", 6, "To Hit"}, {"1d6", 6, "Damage"}, {"2d6", 2, "Weather"},
                        {"2d6", 3, "Landing on Land"}, {"1d6", 1, ""}}),
     {"Fighter cover chased off 1 enemy fighters", "Fighter cover chased off 0 enemy fighters",
      "Nose Gun Hits Me109 at 12 High - KIA", "Crew safe and Corvane repairable by next mission."},
     "0 repairable run on 40% wounded 0 killed 0 engines 0 guns 0 ammo 14"},
    // Poor cover out chases nobody off and the nose gun misses (1); the fighter hits (6) with one
    // shell (7) in the bomb bay (11 from 12 High), on the bombs (3), which go off (5).
    {Outbound(1, 1, 1, {{"1d6", 1, "To Hit"}, {"1d6", 6, "Enemy to Hit"}, {"2d6", 7, "Shell Hits"},
                        {"2d6", 11, "Area Damage"}, {"2d6", 3, "Damage Bomb Bay"},
                        {"1d6", 5, "Damage Bomb Bay: 3,9,11"}}),
     {"  BOMB BAY: Bombs - BOMBS DETONATE - Corvane DESTROYED AND ENTIRE CREW KIA"},
     "0 bombs_detonated 0% wounded 0 killed 10 engines 0 guns 0 ammo 14"},
    // clang-format on
};

TEST(AutoPlayer, FliesTheMissionAsTheDiceSay) {
    const test::TempDatabase file(test::ValidSql());
    const GameDatabase database = file.Open();
    EXPECT_THROW(PlayMission(*test::ScriptedGame(database, {}), "Atlantis"), std::invalid_argument);
    for (const auto& [rolls, said, result] : Flights) {
        const std::unique_ptr<Game> game = test::ScriptedGame(database, test::FacesFor(rolls));
        const std::shared_ptr<test::Transcript> transcript = test::Record(*game);
        const MissionResult r = PlayMission(*game, "St. Omer");
        EXPECT_THROW(game->RollDice("1d6"), DiceExhausted) << "faces left over";
        for (const std::string& message : said)
            EXPECT_NE(std::ranges::find(transcript->Messages, message), transcript->Messages.end())
                << message;
        EXPECT_EQ(transcript->Messages.back(), said.back());
        EXPECT_EQ(std::to_string(r.Target) + " " + std::string(NameOf(r.End).Key) +
                      (r.BombRun ? " run " : " ") + (r.OnTarget ? "on " : "") +
                      std::to_string(r.BombPercentage) + "% wounded " + std::to_string(r.CrewWounded) +
                      " killed " + std::to_string(r.CrewKilled) + " engines " +
                      std::to_string(r.EnginesLost) + " guns " + std::to_string(r.GunsOut) + " ammo " +
                      std::to_string(game->Guns[2].Ammo),
                  result);
    }
}

} // namespace
} // namespace halvard
