#include "BombRun.h"

#include "TestData.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

using namespace test;
using Lines = std::vector<std::string>;

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
        EXPECT_EQ(RollLines(*game), face == 0 ? Lines{} : Lines{std::to_string(face) + " :Bomb Run"});
        EXPECT_EQ(MessageLines(*game), Lines{std::string("Bomb Run was ") +
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
        EXPECT_EQ(RollLines(*game), LinesFor(rolls));
        EXPECT_EQ(MessageLines(*game), Lines{"Bomb Percentage: " + std::to_string(percentage)});
    }
}

} // namespace
} // namespace halvard
