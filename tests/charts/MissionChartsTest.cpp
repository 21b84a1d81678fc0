#include "MissionCharts.h"

#include "TestData.h"

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
    *rolls = RollLines(*game);
    return target;
}

TEST(ChartMissionTarget, EarlyMissionsRollOneDieOnTheirColumnAndLaterOnesAD66) {
    const char* missions1To5[] = {"St. Omer", "Cherbourg", "Amiens", "Meaulte", "Abbeville", "Lille"};
    const char* missions6To10[] = {"Abbeville", "Meaulte", "Lille", "Rotterdam", "Antwerp", "Rouen"};
    Lines rolls;
    for (int face = 1; face <= 6; ++face)
        for (const auto& [mission, column, targets] : {std::tuple{1, "1-5", missions1To5},
                                                       {5, "1-5", missions1To5},
                                                       {6, "6-10", missions6To10},
                                                       {10, "6-10", missions6To10}}) {
            EXPECT_EQ(TargetFor(mission, {face}, &rolls), targets[face - 1]) << mission << " " << face;
            EXPECT_EQ(rolls, Lines{std::to_string(face) + " :Mission Roll: " + column});
        }

    // clang-format off
    const std::map<int, std::string> spotChecks = {{11, "St. Omer"}, {24, "Paris"}, {25, "Paris"}, {26, "Romilly-S.S."},
        {36, "Lorient"}, {44, "St. Nazaire"}, {56, "Bremen"}, {61, "Hamm"}, {64, "La Rochelle"}, {66, "Kiel"}};
    // clang-format on
    const std::set<std::string_view> chartTargets(MissionChartTargets.begin(), MissionChartTargets.end());
    std::map<std::string, int> ways;
    for (int roll = 11; roll <= 66; ++roll) {
        if (roll % 10 < 1 || roll % 10 > 6) continue;
        const std::string target = TargetFor(18, {roll / 10, roll % 10}, &rolls);
        EXPECT_EQ(rolls, Lines{std::to_string(roll) + ":Mission Roll: 11-25"});
        EXPECT_TRUE(chartTargets.contains(target)) << roll << " gives '" << target << "'";
        if (spotChecks.contains(roll)) EXPECT_EQ(target, spotChecks.at(roll)) << roll;
        ++ways[target];
    }
    EXPECT_EQ(ways.size(), MissionChartTargets.size()) << "every chart target can be rolled";
    EXPECT_EQ(ways["Paris"], 2 * ways["Rouen"]);

    for (int missionNo : {0, -1, 26}) {
        EXPECT_EQ(TargetFor(missionNo, {}, &rolls), "");
        EXPECT_TRUE(rolls.empty());
    }
}

TEST(ChartFormation, FormationRollGivesLeadTailOrMiddleAndTheSquadronRollHighMiddleOrLow) {
    for (const auto& [first, second, position] :
         {std::tuple{1, 1, "Lead Bomber"}, {6, 6, "Tail Bomber"}, {1, 2, "Middle"}, {5, 6, "Middle"}}) {
        auto game = ScriptedGame(ShippedDatabase(), {first, second});
        game->Mission.MissionNo = 3; // the formation is rolled whatever the mission number
        EXPECT_EQ(ChartFormation(*game, "FORMATION"), position);
        EXPECT_EQ(RollLines(*game), test::LinesFor({{"2d6", first + second, "Formation Roll"}}));
    }
    const char* byFace[] = {"High", "High", "Middle", "Middle", "Low", "Low"};
    for (int face = 1; face <= 6; ++face)
        for (const char* kind : {"SQUAD", "formation", ""}) {
            auto game = ScriptedGame(ShippedDatabase(), {face});
            game->Mission.MissionNo = 6;
            EXPECT_EQ(ChartFormation(*game, kind), byFace[face - 1]) << kind;
            EXPECT_EQ(RollLines(*game), Lines{std::to_string(face) + " :Squadron Roll"});
        }
    auto early = ScriptedGame(ShippedDatabase(), {});
    early->Mission.MissionNo = 5;
    EXPECT_EQ(ChartFormation(*early, "SQUAD"), "Middle") << "no squadron roll before mission six";
    EXPECT_TRUE(RollLines(*early).empty());
}

} // namespace
} // namespace halvard
