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
        EXPECT_EQ(RollLines(*game), roll);
    }
}

} // namespace
} // namespace halvard
