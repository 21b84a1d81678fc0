// The charts a mission's route rolls on: target, formation, waves, cover, flak, bomb run, landing.

#include "MissionCharts.h"

#include "BombRun.h"
#include "FlakCharts.h"
#include "Names.h"
#include "TestData.h"
#include "WaveCharts.h"
#include "ZoneCharts.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace halvard {
namespace {

using namespace test;
using Lines = std::vector<std::string>;

std::string TargetFor(int missionNo, std::vector<int> faces, Lines* rolls) {
    auto game = ScriptedGame(ShippedDatabase(), std::move(faces));
    game->Mission.MissionNo = missionNo;
    std::string target(ChartMissionTarget(*game));
    *rolls = game->Rolls.Lines();
    return target;
}

TEST(ChartMissionTarget, EarlyMissionsRollOneDieOnTheirColumnAndLaterOnesAD66) {
    const char* missions1To5[] = {"St. Omer", "Cherbourg", "Amiens", "Meaulte", "Abbeville", "Lille"};
    const char* missions6To10[] = {"Abbeville", "Meaulte", "Lille", "Rotterdam", "Antwerp", "Rouen"};
    Lines rolls;
    for (int face = 1; face <= 6; ++face)
        for (int mission : {1, 5, 6, 10}) {
            const bool later = mission > 5;
            EXPECT_EQ(TargetFor(mission, {face}, &rolls), (later ? missions6To10 : missions1To5)[face - 1]);
            EXPECT_EQ(rolls, Lines{std::to_string(face) + " :Mission Roll: " + (later ? "6-10" : "1-5")});
        }

    // clang-format off
    const std::map<int, std::string> spotChecks = {{11, "St. Omer"}, {24, "Paris"}, {25, "Paris"}, {26, "Romilly-S.S."},
        {36, "Lorient"}, {44, "St. Nazaire"}, {56, "Bremen"}, {61, "Hamm"}, {64, "La Rochelle"}, {66, "Kiel"}};
    // clang-format on
    const std::set<std::string_view> chartTargets(MissionChartTargets.begin(), MissionChartTargets.end());
    std::map<std::string, int> ways;
    for (int tens = 1; tens <= 6; ++tens)
        for (int units = 1; units <= 6; ++units) {
            const int roll = 10 * tens + units;
            const std::string target = TargetFor(18, {tens, units}, &rolls);
            EXPECT_EQ(rolls, Lines{std::to_string(roll) + ":Mission Roll: 11-25"});
            EXPECT_TRUE(chartTargets.contains(target)) << roll << " gives '" << target << "'";
            if (spotChecks.contains(roll)) {
                EXPECT_EQ(target, spotChecks.at(roll)) << roll;
            }
            ++ways[target];
        }
    EXPECT_EQ(ways.size(), MissionChartTargets.size()) << "every chart target can be rolled";
    EXPECT_EQ(ways["Paris"], 2 * ways["Rouen"]);

    for (int missionNo : {0, -1, 26}) {
        EXPECT_EQ(TargetFor(missionNo, {}, &rolls), "");
        EXPECT_TRUE(rolls.empty());
    }
}

// The formation roll (2d6) gives lead on 2 and tail on 12; any other kind asks the squadron roll
// (1d6), from mission six only.
TEST(ChartFormation, FormationRollGivesLeadTailOrMiddleAndTheSquadronRollHighMiddleOrLow) {
    // clang-format off
    using Case = std::tuple<int, const char*, std::vector<int>, const char*, Lines>;
    for (const auto& [missionNo, kind, faces, position, roll] : std::initializer_list<Case>{
             {3, "FORMATION", {1, 1}, "Lead Bomber", {"2 :Formation Roll"}}, {3, "FORMATION", {6, 6}, "Tail Bomber", {"12:Formation Roll"}},
             {3, "FORMATION", {1, 2}, "Middle", {"3 :Formation Roll"}}, {3, "FORMATION", {5, 6}, "Middle", {"11:Formation Roll"}},
             {6, "SQUAD", {2}, "High", {"2 :Squadron Roll"}}, {6, "formation", {3}, "Middle", {"3 :Squadron Roll"}},
             {6, "", {4}, "Middle", {"4 :Squadron Roll"}}, {6, "SQUAD", {5}, "Low", {"5 :Squadron Roll"}},
             {5, "SQUAD", {}, "Middle", {}}}) {
        // clang-format on
        auto game = ScriptedGame(ShippedDatabase(), faces);
        game->Mission.MissionNo = missionNo;
        EXPECT_EQ(ChartFormation(*game, kind), position) << missionNo << kind << faces.size();
        EXPECT_EQ(game->Rolls.Lines(), roll);
    }
}

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
        EXPECT_EQ(game->Rolls.Lines(), Lines{std::to_string(face) + " :Fighter Cover"});
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
        EXPECT_EQ(game->Messages.Lines(), Lines{outcome}) << faces[0] << faces[1];
        Lines rolls = LinesFor({{"2d6", faces[0] + faces[1], "Landing on Land"}});
        if (faces.size() == 3) rolls.push_back(std::to_string(faces[2]) + " :");
        EXPECT_EQ(game->Rolls.Lines(), rolls) << "the explosion die has no label";
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
        EXPECT_EQ(game->Messages.Lines(), Lines{modifier == 0 ? Safe : Repairable}) << "case " << &c - cases;
    }
}

TEST(ChartWaveGeneration, SixtySixRollsAgainAndTheNoAttackerRollsClearThePanel) {
    for (int tens = 1; tens <= 5; ++tens) {
        auto game = ScriptedGame(ShippedDatabase(), {6, 6, tens, 6});
        game->Mission.FormationPos = "Lead Bomber"; // no extra fighter without a wave
        game->Fighters.Add() = MakeFighter("FW190", 3, 0, " ");
        game->Waves.PositionsWithoutMarkers = true;
        game->Waves.Row[1].ToHit.BackColour = Colour::Blue;
        game->Waves.Row[1].ToHit.Tag = {Mark::Kind::ChasedOff};

        ChartWaveGeneration(*game);

        EXPECT_EQ(game->Rolls.Lines(),
                  (Lines{"66:Wave Generation", std::to_string(tens) + "6:Wave Generation"}));
        EXPECT_EQ(game->Messages.Lines(), Lines{"No Attackers"});
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
    EXPECT_EQ(game->Rolls.Lines(), LinesFor(rolls));
}

TEST(ChartFlakToHit, EachDensityHitsWithItsOwnRollsOfThree) {
    // How many of the first burst's 36 throws hit; the other two bursts roll 6 and 8, which never hit.
    for (const auto& [density, ways] :
         {std::pair{"Light", 2}, std::pair{"Medium", 10}, std::pair{"Heavy", 20}, std::pair{"heavy", 0}}) {
        int hitting = 0;
        for (int first = 1; first <= 6; ++first)
            for (int second = 1; second <= 6; ++second)
                hitting +=
                    ChartFlakToHit(*ScriptedGame(ShippedDatabase(), {first, second, 3, 3, 4, 4}), density);
        EXPECT_EQ(hitting, ways) << density;
    }
}

TEST(ChartAreaHitByFlak, EachTotalGivesTheHitsOfABurstAndTheCompartmentAHitStrikes) {
    const int hitsByTotal[] = {0, 1, 4, 3, 2, 1, 2, 3, 4, 1, 4}; // totals 2..12
    const char* tableByTotal[] = {
        "Damage Bomb Bay",  "Damage Port Wing",      "Damage Radio Room",       "Damage Tail",
        "Damage Port Wing", "Damage Tail",           "Damage Starboard Wing",   "Damage Waist",
        "Damage Nose",      "Damage Starboard Wing", "Damage Pilot Compartment"};
    for (int total = 2; total <= 12; ++total) {
        EXPECT_EQ(ChartEffectOfFlak(*ScriptedGame(ShippedDatabase(), FacesFor({{"2d6", total, ""}}))),
                  hitsByTotal[total - 2])
            << total;
        // The damage table then rolls 7, with no sub-roll and no wound in any of them.
        auto game = CrewedGame(ShippedDatabase(), FacesFor({{"2d6", total, ""}, {"2d6", 7, ""}}));
        auto transcript = Record(*game);
        ChartAreaHitByFlak(*game);
        EXPECT_EQ(transcript->RollLabels(), (Lines{"Area Hit by Flak", tableByTotal[total - 2]})) << total;
        EXPECT_EQ(transcript->Messages.size(), 1u) << total;
    }
}

constexpr int ControlsOut = 1, ReleaseOut = 2, AutopilotOut = 4;

// The bomb run on one die: on target at 3 or more after the modifiers, or off without a roll
// (face 0) for a seriously wounded or dead bombardier.
TEST(ChartBombRun, ModifiedRollOfThreeOrMoreIsOnTarget) {
    // clang-format off
    for (const auto& [missions, wound, penalty, weather, out, face, result] : {
             std::tuple{0, 0, 0, "Good", 0, 3, "On"}, {0, 0, 0, "Good", 0, 2, "Off"}, {0, 1, 0, "Good", 0, 3, "On"},
             {0, 2, 0, "Good", 0, 3, "Off"}, {10, 1, 0, "Good", 0, 2, "On"}, {9, 0, 0, "Good", 0, 2, "Off"},
             {25, 2, 0, "Good", 0, 3, "Off"}, {0, 0, 1, "Good", 0, 3, "Off"}, {0, 0, 2, "Good", 0, 4, "On"},
             {0, 0, 0, "Poor", 0, 3, "Off"}, {0, 0, 0, "Bad", 0, 5, "On"}, {0, 0, 0, "Bad", 0, 4, "Off"},
             {0, 0, 0, "bad", 0, 3, "On"}, {0, 0, 0, "Good", ControlsOut, 6, "On"}, {0, 0, 0, "Good", ControlsOut, 5, "Off"},
             {0, 0, 0, "Good", ReleaseOut, 6, "On"}, {0, 0, 0, "Good", ReleaseOut, 5, "Off"},
             {0, 2, 0, "Good", AutopilotOut, 6, "On"}, {0, 2, 0, "Good", AutopilotOut, 5, "Off"},
             {0, 3, 0, "Good", 0, 0, "Off"}, {0, 4, 0, "Good", 0, 0, "Off"}}) {
        // clang-format on
        auto game = CrewedGame(ShippedDatabase(), face == 0 ? std::vector<int>{} : std::vector{face});
        game->Crew[3].Missions = missions;
        game->Crew[3].Wound = wound;
        game->Mission.Target.WeatherTarget = weather;
        game->Damage.BombControlsOut = (out & ControlsOut) != 0;
        game->Damage.BombReleaseOut = (out & ReleaseOut) != 0;
        game->Damage.AutopilotOut = (out & AutopilotOut) != 0;
        game->Damage.ControlCableHits = 1; // one hit alone forces nothing

        EXPECT_EQ(ChartBombRun(*game, penalty), result)
            << missions << wound << penalty << weather << out << face;
        EXPECT_EQ(game->Rolls.Lines(), face == 0 ? Lines{} : Lines{std::to_string(face) + " :Bomb Run"});
        EXPECT_EQ(game->Messages.Lines(), Lines{std::string("Bomb Run was ") +
                                                (face == 0 ? "automatically " : "") + result + " Target"});
    }
}

TEST(ChartBombPercentage, OnTargetOffTargetAndTheBonus) {
    // A bonus of 0 is no bonus roll.
    // clang-format off
    for (const auto& [bombRun, total, bonus, percentage] : {
             std::tuple{"On", 2, 0, 75}, {"On", 11, 0, 50}, {"On", 12, 2, 90}, {"On", 12, 12, 100},
             {"Off", 2, 0, 10}, {"Off", 3, 0, 5}, {"Off", 4, 0, 0}, {"on", 2, 0, 10}}) {
        // clang-format on
        std::vector<Roll> rolls = {{"2d6", total, "Bomb Percentage"}};
        if (bonus != 0) rolls.push_back({"2d6", bonus, "Bom Pct Bonus"});
        auto game = CrewedGame(ShippedDatabase(), FacesFor(rolls));
        EXPECT_EQ(ChartBombPercentage(*game, bombRun), percentage) << bombRun << " " << total;
        EXPECT_EQ(game->Rolls.Lines(), LinesFor(rolls));
        EXPECT_EQ(game->Messages.Lines(), Lines{"Bomb Percentage: " + std::to_string(percentage)});
    }
}

} // namespace
} // namespace halvard
