#include "ZoneCharts.h"

#include "TestData.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

using namespace test;
using Lines = std::vector<std::string>;

TEST(ChartFighterCoverResult, ReadsTheRollLessCoverAndRepeatsCappedByTheWave) {
    // clang-format off
    for (const auto& [cover, face, fighters, successive, badWeatherAtTarget, chasedOff] : {
             std::tuple{"Good", 2, 6, 0, false, 1}, {"Good", 3, 6, 0, false, 2}, {"Good", 4, 6, 0, false, 2},
             {"Good", 5, 3, 0, false, 3}, {"Good", 6, 2, 0, false, 2}, {"Good", 5, 6, 0, true, 2},
             {"Fair", 6, 6, 0, false, 2}, {"Poor", 6, 6, 0, false, 1}, {"Poor", 1, 6, 0, false, 0},
             {"Good", 6, 6, 1, false, 2}, {"good", 6, 6, 0, false, 3}}) {
        // clang-format on
        auto game = ScriptedGame(ShippedDatabase(), {face});
        for (int i = 0; i < fighters; ++i)
            game->Fighters.Add();
        game->Mission.SuccessiveAttacks = successive;
        game->Mission.TargetZone = 4;
        game->Mission.CurrentZone = badWeatherAtTarget ? 4 : 2;
        game->Mission.Target.WeatherTarget = "Bad";
        EXPECT_EQ(ChartFighterCoverResult(*game, cover), chasedOff) << cover << face << fighters;
        EXPECT_EQ(RollLines(*game), Lines{std::to_string(face) + " :Fighter Cover"});
    }
}

using Prepare = void (*)(Game&);
const char* const Safe = "Crew and Corvane safe.";
const char* const Repairable = "Crew safe and Corvane repairable by next mission.";
const char* const Irreparable = "Crew safe and Corvane irrepairably damaged.";
const char* const Wrecked = "Corvane wrecked";

// The landing roll (and the explosion die after any roll but a natural 12), then one outcome.
TEST(ChartLanding, ModifiedRollGivesOneOutcome) {
    const Prepare pilotsDown = [](Game& g) { g.Crew[1].Wound = 3, g.Crew[2].Wound = 4; };
    const Prepare gearOut = [](Game& g) { g.Damage.LandingGearOut = true; };
    const Prepare gearOutBadWeather = [](Game& g) {
        g.Damage.LandingGearOut = true, g.Mission.Target.WeatherBase = "Bad";
    };
    const Prepare bombsAboard = [](Game& g) { g.Damage.BombsAboard = g.Damage.LandingGearOut = true; };
    // clang-format off
    for (const auto& [faces, prepare, outcome] : std::initializer_list<std::tuple<std::vector<int>, Prepare, const char*>>{
             {{6, 6}, gearOutBadWeather, Safe}, {{1, 3, 1}, gearOut, Repairable}, {{2, 3, 1}, gearOutBadWeather, Irreparable},
             {{5, 6, 1}, pilotsDown, Irreparable}, {{4, 6, 1}, pilotsDown, Wrecked},
             {{3, 6, 1}, pilotsDown, Wrecked}, {{2, 6, 1}, pilotsDown, "Crew KIA and Corvane wrecked."},
             {{1, 2, 6}, bombsAboard, "Explosion.  Corvane and all remaining crewmen destroyed."},
             {{1, 2, 5}, bombsAboard, Irreparable}, {{2, 2, 6}, bombsAboard, Repairable}, {{1, 1, 6}, gearOut, Wrecked}}) {
        // clang-format on
        auto game = ScriptedGame(ShippedDatabase(), faces);
        game->Mission.Target.WeatherBase = "Good";
        prepare(*game);
        ChartLanding(*game);
        EXPECT_EQ(MessageLines(*game), Lines{outcome}) << faces[0] << faces[1];
        Lines rolls = LinesFor({{"2d6", faces[0] + faces[1], "Landing on Land"}});
        if (faces.size() == 3) rolls.push_back(std::to_string(faces[2]) + " :");
        EXPECT_EQ(RollLines(*game), rolls) << "the explosion die has no label";
    }
}

// Each modifier on its own, on the roll that brings the total to exactly 1 with it (and to 2 or
// more without): a modifier one off either way reads another outcome.
TEST(ChartLanding, EachModifierShiftsTheTotalByExactlyItsAmount) {
    // A crew member of these missions at his seat (or someone else there), with the landing gear out.
    static constexpr auto seasoned = [](Game& g, int seat, int occupant, int missions) {
        g.Damage.LandingGearOut = true, g.CrewPos[seat].Occupant = occupant, g.Crew[seat].Missions = missions;
    };
    // clang-format off
    const std::pair<Prepare, int> cases[] = {
        {[](Game& g) { g.Mission.Target.WeatherBase = "Poor"; }, -1}, {[](Game& g) { g.Mission.Target.WeatherBase = "Bad"; }, -2},
        {[](Game& g) { g.Damage.WindowHits = 2; }, -1},               {[](Game& g) { g.Damage.ControlCableHits = 2; }, -1},
        {[](Game& g) { g.Damage.TailwheelDamaged = true; }, -1},      {[](Game& g) { g.Damage.BrakeOut = true; }, -1},
        {[](Game& g) { g.Damage.PortElevatorOut = true; }, -1},       {[](Game& g) { g.Damage.LandingGearOut = true; }, -3},
        {[](Game& g) { g.Damage.PortFlapOut = g.Damage.StarboardFlapOut = true; }, -1},
        {[](Game& g) { g.Damage.PortAileronOut = g.Damage.StarboardAileronOut = true; }, -1},
        {[](Game& g) { g.Damage.RudderHits = 3; }, -1},               {[](Game& g) { seasoned(g, 1, 1, 11); }, -2},
        // Each of these one short of counting: any one that counted would shift the total.
        {[](Game& g) { g.Damage.WindowHits = g.Damage.ControlCableHits = 1, g.Damage.RudderHits = 2;
                       g.Damage.StarboardElevatorOut = g.Damage.PortAileronOut = true, g.Crew[1].Wound = 4; }, 0},
        {[](Game& g) { seasoned(g, 1, 1, 10); }, -3},                 {[](Game& g) { seasoned(g, 2, 2, 11); }, -2},
        {[](Game& g) { seasoned(g, 1, 0, 11); }, -3},                 {[](Game& g) { seasoned(g, 1, 1, 12), seasoned(g, 2, 2, 12); }, -2}};
    // clang-format on
    for (const auto& c : cases) {
        const auto& [prepare, modifier] = c;
        const int roll = modifier == 0 ? 2 : 1 - modifier;
        auto game = ScriptedGame(ShippedDatabase(), {1, roll - 1, 1});
        game->Mission.Target.WeatherBase = "Good";
        prepare(*game);
        ChartLanding(*game);
        EXPECT_EQ(MessageLines(*game), Lines{modifier == 0 ? Safe : Repairable}) << "case " << &c - cases;
    }
}

} // namespace
} // namespace halvard
