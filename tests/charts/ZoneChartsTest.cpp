#include "ZoneCharts.h"

#include "TestData.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

using test::MessageLines;
using test::RollLines;
using test::ScriptedGame;
using test::ShippedDatabase;
using Lines = std::vector<std::string>;
using Prepare = void (*)(Game&);

TEST(ChartWavesAppearing, ModifiedRollReadsTheZoneOrTargetColumn) {
    // clang-format off
    const struct {
        int zoneModifier;
        const char* squadron;
        bool atTarget;
        const char* weather;
        int face, waves;
    } cases[] = {
        // outside the target zone: 2 or less none, 3-5 one, 6 or more two
        {0, "High", false, "Bad", 2, 0},    {0, "High", false, "Bad", 3, 1},    {0, "High", false, "Good", 5, 1},
        {0, "High", false, "Good", 6, 2},   {1, "High", false, "Good", 5, 2},   {0, "Low", false, "Good", 2, 1},
        {0, "Middle", false, "Good", 3, 0}, {-3, "Middle", false, "Good", 1, 0},
        // in the target zone: 3 or less one, 4-5 two, 6 or more three; bad or poor weather -1
        {-3, "Middle", true, "Good", 1, 1}, {0, "High", true, "Good", 3, 1},    {0, "High", true, "Good", 4, 2},
        {0, "High", true, "Poor", 4, 1},    {0, "High", true, "Bad", 6, 2},     {0, "High", true, "Good", 6, 3},
        {2, "Low", true, "Good", 3, 3}};
    // clang-format on
    for (const auto& c : cases) {
        auto game = ScriptedGame(ShippedDatabase(), {c.face});
        game->Mission.TargetZone = 5;
        game->Mission.CurrentZone = c.atTarget ? 5 : 3;
        game->Mission.Target.Zone[game->Mission.CurrentZone].Modifier = c.zoneModifier;
        game->Mission.SquadronPos = c.squadron;
        game->Mission.Target.WeatherTarget = c.weather;
        EXPECT_EQ(ChartWavesAppearing(*game), c.waves)
            << c.zoneModifier << c.squadron << c.atTarget << c.face;
        EXPECT_EQ(RollLines(*game), Lines{std::to_string(c.face) + " :Waves Appearing"});
    }
}

TEST(ChartFighterCoverResult, ReadsTheRollLessCoverAndRepeatsCappedByTheWave) {
    const struct {
        const char* cover;
        int face, fighters, successiveAttacks;
        bool badWeatherAtTarget;
        int chasedOff;
    } cases[] = {{"Good", 1, 6, 0, false, 1}, {"Good", 3, 6, 0, false, 2}, {"Good", 4, 6, 0, false, 2},
                 {"Good", 6, 3, 0, false, 3}, {"Good", 6, 2, 0, false, 2}, {"Good", 5, 6, 0, true, 2},
                 {"Good", 3, 6, 0, true, 1},  {"Fair", 6, 6, 0, false, 2}, {"Poor", 6, 6, 0, false, 1},
                 {"Poor", 1, 6, 1, false, 0}, {"Good", 6, 6, 2, false, 2}, {"good", 6, 6, 0, false, 3},
                 {"Good", 6, 0, 0, false, 0}};
    for (const auto& c : cases) {
        auto game = ScriptedGame(ShippedDatabase(), {c.face});
        for (int i = 0; i < c.fighters; ++i)
            game->Fighters.Add();
        game->Mission.SuccessiveAttacks = c.successiveAttacks;
        game->Mission.TargetZone = 4;
        game->Mission.CurrentZone = c.badWeatherAtTarget ? 4 : 2;
        game->Mission.Target.WeatherTarget = "Bad";
        EXPECT_EQ(ChartFighterCoverResult(*game, c.cover), c.chasedOff) << c.cover << c.face << c.fighters;
        EXPECT_EQ(RollLines(*game), Lines{std::to_string(c.face) + " :Fighter Cover"});
    }
}

const char* const Safe = "Crew and Corvane safe.";
const char* const Repairable = "Crew safe and Corvane repairable by next mission.";
const char* const Irreparable = "Crew safe and Corvane irrepairably damaged.";

// The landing roll (and the explosion die after any roll but a natural 12), then one outcome.
TEST(ChartLanding, ModifiedRollGivesOneOutcome) {
    const Prepare pilotsDown = [](Game& g) { g.Crew[1].Wound = 3, g.Crew[2].Wound = 4; };
    const Prepare gearOut = [](Game& g) { g.Damage.LandingGearOut = true; };
    const Prepare bombsAboard = [](Game& g) { g.Damage.BombsAboard = g.Damage.LandingGearOut = true; };
    // clang-format off
    const struct {
        std::vector<int> faces;
        Prepare prepare;
        const char* outcome;
    } cases[] = {
        {{6, 6}, [](Game& g) { g.Damage.LandingGearOut = true, g.Mission.Target.WeatherBase = "Bad"; }, Safe},
        {{1, 1, 1}, [](Game& g) { g.Crew[1].Wound = 4; }, Safe},
        {{1, 3, 1}, gearOut, Repairable},
        {{2, 3, 1}, [](Game& g) { g.Damage.LandingGearOut = true, g.Mission.Target.WeatherBase = "Bad"; }, Irreparable},
        {{6, 6}, pilotsDown, Safe},                  {{5, 6, 1}, pilotsDown, Irreparable},
        {{4, 6, 1}, pilotsDown, "Corvane wrecked"},  {{3, 6, 1}, pilotsDown, "Corvane wrecked"},
        {{2, 6, 1}, pilotsDown, "Crew KIA and Corvane wrecked."},
        {{1, 2, 6}, bombsAboard, "Explosion.  Corvane and all remaining crewmen destroyed."},
        {{1, 2, 5}, bombsAboard, Irreparable},       {{2, 2, 6}, bombsAboard, Repairable},
        {{1, 1, 6}, gearOut, "Corvane wrecked"}
    };
    // clang-format on
    for (const auto& c : cases) {
        auto game = ScriptedGame(ShippedDatabase(), c.faces);
        game->Mission.Target.WeatherBase = "Good";
        c.prepare(*game);
        ChartLanding(*game);
        EXPECT_EQ(MessageLines(*game), Lines{c.outcome}) << c.faces[0] << c.faces[1];
        Lines rolls = test::LinesFor({{"2d6", c.faces[0] + c.faces[1], "Landing on Land"}});
        if (c.faces.size() == 3) rolls.push_back(std::to_string(c.faces[2]) + " :");
        EXPECT_EQ(RollLines(*game), rolls) << "the explosion die has no label";
    }
}

// Each modifier on its own, on the roll that brings the total to exactly 1 with it (and to 2 or
// more without): a modifier one off either way reads another outcome.
TEST(ChartLanding, EachModifierShiftsTheTotalByExactlyItsAmount) {
    // A crew member of these missions at his seat (or someone else there), with the landing gear out.
    static constexpr auto seasoned = [](Game& g, int seat, int occupant, int missions) {
        g.Damage.LandingGearOut = true;
        g.CrewPos[seat].Occupant = occupant;
        g.Crew[seat].Missions = missions;
    };
    // clang-format off
    const struct {
        Prepare prepare;
        int modifier; // 0: the condition does not count
    } cases[] = {
        {[](Game& g) { g.Mission.Target.WeatherBase = "Poor"; }, -1}, {[](Game& g) { g.Mission.Target.WeatherBase = "Bad"; }, -2},
        {[](Game& g) { g.Damage.WindowHits = 2; }, -1},               {[](Game& g) { g.Damage.WindowHits = 1; }, 0},
        {[](Game& g) { g.Damage.ControlCableHits = 2; }, -1},         {[](Game& g) { g.Damage.ControlCableHits = 1; }, 0},
        {[](Game& g) { g.Damage.TailwheelDamaged = true; }, -1},      {[](Game& g) { g.Damage.BrakeOut = true; }, -1},
        {[](Game& g) { g.Damage.PortElevatorOut = true; }, -1},       {[](Game& g) { g.Damage.StarboardElevatorOut = true; }, 0},
        {[](Game& g) { g.Damage.PortFlapOut = g.Damage.StarboardFlapOut = true; }, -1},
        {[](Game& g) { g.Damage.StarboardFlapOut = true; }, 0},
        {[](Game& g) { g.Damage.PortAileronOut = g.Damage.StarboardAileronOut = true; }, -1},
        {[](Game& g) { g.Damage.PortAileronOut = true; }, 0},
        {[](Game& g) { g.Damage.LandingGearOut = true; }, -3},
        {[](Game& g) { g.Damage.RudderHits = 3; }, -1},               {[](Game& g) { g.Damage.RudderHits = 2; }, 0},
        {[](Game& g) { g.Crew[1].Wound = 4; }, 0},                    {[](Game& g) { g.Crew[2].Wound = 3; }, 0},
        {[](Game& g) { seasoned(g, 1, 1, 11); }, -2},                 {[](Game& g) { seasoned(g, 1, 1, 10); }, -3},
        {[](Game& g) { seasoned(g, 2, 2, 11); }, -2},                 {[](Game& g) { seasoned(g, 1, 0, 11); }, -3},
        {[](Game& g) { seasoned(g, 1, 1, 12), seasoned(g, 2, 2, 12); }, -2},
        {[](Game& g) { g.Damage.BrakeOut = true, g.Mission.Target.WeatherBase = "Bad"; }, -3}
    };
    // clang-format on
    for (const auto& c : cases) {
        const int roll = c.modifier == 0 ? 2 : 1 - c.modifier;
        auto game = ScriptedGame(ShippedDatabase(), {1, roll - 1, 1});
        game->Mission.Target.WeatherBase = "Good";
        c.prepare(*game);
        ChartLanding(*game);
        EXPECT_EQ(MessageLines(*game), Lines{c.modifier == 0 ? Safe : Repairable}) << "case " << &c - cases;
    }
}

} // namespace
} // namespace halvard
