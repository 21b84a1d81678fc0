#include "MissionCharts.h"

#include "TestData.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace halvard {
namespace {

using test::RollLines;
using test::ScriptedGame;
using test::ShippedDatabase;

std::string TargetFor(int missionNo, std::vector<int> faces, std::vector<std::string>* rolls = nullptr) {
    auto game = ScriptedGame(ShippedDatabase(), std::move(faces));
    game->Mission.MissionNo = missionNo;
    std::string target(ChartMissionTarget(*game));
    if (rolls) *rolls = RollLines(*game);
    return target;
}

TEST(ChartMissionTarget, EarlyMissionsRollOneDieOnTheirOwnColumn) {
    const char* missions1To5[] = {"St. Omer", "Cherbourg", "Amiens", "Meaulte", "Abbeville", "Lille"};
    const char* missions6To10[] = {"Abbeville", "Meaulte", "Lille", "Rotterdam", "Antwerp", "Rouen"};
    for (int face = 1; face <= 6; ++face) {
        std::vector<std::string> rolls;
        EXPECT_EQ(TargetFor(1, {face}, &rolls), missions1To5[face - 1]);
        EXPECT_EQ(rolls, std::vector<std::string>{std::to_string(face) + " :Mission Roll: 1-5"});
        EXPECT_EQ(TargetFor(5, {face}), missions1To5[face - 1]);
        EXPECT_EQ(TargetFor(6, {face}, &rolls), missions6To10[face - 1]);
        EXPECT_EQ(rolls, std::vector<std::string>{std::to_string(face) + " :Mission Roll: 6-10"});
        EXPECT_EQ(TargetFor(10, {face}), missions6To10[face - 1]);
    }
}

TEST(ChartMissionTarget, EveryD66ResultNamesOneTargetOfTheChart) {
    const std::map<int, std::string> spotChecks = {
        {11, "St. Omer"},    {16, "Lille"},        {21, "Rotterdam"},     {24, "Paris"},
        {25, "Paris"},       {26, "Romilly-S.S."}, {31, "Romilly-S.S."},  {36, "Lorient"},
        {41, "Lorient"},     {44, "St. Nazaire"},  {46, "Wilhelmshaven"}, {56, "Bremen"},
        {64, "La Rochelle"}, {66, "Kiel"},
    };
    const std::set<std::string_view> chartTargets(MissionChartTargets.begin(), MissionChartTargets.end());
    std::set<std::string> named;
    std::map<std::string, int> ways;
    for (int tens = 1; tens <= 6; ++tens)
        for (int units = 1; units <= 6; ++units) {
            std::vector<std::string> rolls;
            const std::string target = TargetFor(18, {tens, units}, &rolls);
            const int roll = tens * 10 + units;
            EXPECT_EQ(rolls, std::vector<std::string>{std::to_string(roll) + ":Mission Roll: 11-25"});
            EXPECT_TRUE(chartTargets.contains(target)) << roll << " gives '" << target << "'";
            if (spotChecks.contains(roll)) {
                EXPECT_EQ(target, spotChecks.at(roll)) << roll;
            }
            named.insert(target);
            ++ways[target];
        }
    EXPECT_EQ(named.size(), MissionChartTargets.size()) << "every chart target can be rolled";
    EXPECT_EQ(ways["Paris"], 2 * ways["Rouen"]);
}

TEST(ChartMissionTarget, MissionNumbersOutsideTheChartRollNothing) {
    for (int missionNo : {0, -1, 26, 100}) {
        std::vector<std::string> rolls;
        EXPECT_EQ(TargetFor(missionNo, {}, &rolls), "");
        EXPECT_TRUE(rolls.empty());
    }
}

TEST(ChartFormation, FormationRollGivesLeadTailOrMiddle) {
    const struct {
        int first, second;
        const char* position;
    } cases[] = {
        {1, 1, "Lead Bomber"}, {6, 6, "Tail Bomber"}, {1, 2, "Middle"}, {5, 6, "Middle"}, {3, 4, "Middle"}};
    for (const auto& c : cases) {
        auto game = ScriptedGame(ShippedDatabase(), {c.first, c.second});
        game->Mission.MissionNo = 3; // the formation is rolled whatever the mission number
        EXPECT_EQ(ChartFormation(*game, "FORMATION"), c.position);
        EXPECT_EQ(RollLines(*game), std::vector<std::string>{std::to_string(c.first + c.second) +
                                                             std::string(c.first + c.second < 10 ? " " : "") +
                                                             ":Formation Roll"});
    }
}

TEST(ChartFormation, SquadronRollFromMissionSixOnAnyOtherKind) {
    const char* byFace[] = {"High", "High", "Middle", "Middle", "Low", "Low"};
    for (int face = 1; face <= 6; ++face)
        for (const char* kind : {"SQUAD", "formation", ""}) {
            auto game = ScriptedGame(ShippedDatabase(), {face});
            game->Mission.MissionNo = 6;
            EXPECT_EQ(ChartFormation(*game, kind), byFace[face - 1]) << kind;
            EXPECT_EQ(RollLines(*game), std::vector<std::string>{std::to_string(face) + " :Squadron Roll"});
        }

    auto early = ScriptedGame(ShippedDatabase(), {});
    early->Mission.MissionNo = 5;
    EXPECT_EQ(ChartFormation(*early, "SQUAD"), "Middle");
    EXPECT_TRUE(RollLines(*early).empty());
}

} // namespace
} // namespace halvard
