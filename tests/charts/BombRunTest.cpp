#include "BombRun.h"

#include "TestData.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

using test::MessageLines;
using test::RollLines;
using Lines = std::vector<std::string>;

// The bomb run on one die: on target at 3 or more after the modifiers, or off without a roll.
TEST(ChartBombRun, ModifiedRollOfThreeOrMoreIsOnTarget) {
    struct Case {
        int missions, wound, penalty;
        const char* weather;
        bool controlsOut, releaseOut, autopilotOut;
        int face; // 0: no roll, automatically off
        const char* result;
    };
    // clang-format off
    const Case cases[] = {
        {0, 0, 0, "Good", false, false, false, 3, "On"},  {0, 0, 0, "Good", false, false, false, 2, "Off"},
        {0, 1, 0, "Good", false, false, false, 3, "On"},  {0, 2, 0, "Good", false, false, false, 3, "Off"},
        {10, 1, 0, "Good", false, false, false, 2, "On"}, {9, 0, 0, "Good", false, false, false, 2, "Off"},
        {25, 2, 0, "Good", false, false, false, 3, "Off"},
        {0, 0, 1, "Good", false, false, false, 3, "Off"}, {0, 0, 2, "Good", false, false, false, 4, "On"},
        {0, 0, 0, "Poor", false, false, false, 3, "Off"}, {0, 0, 0, "Bad", false, false, false, 5, "On"},
        {0, 0, 0, "Bad", false, false, false, 4, "Off"},  {0, 0, 0, "bad", false, false, false, 3, "On"},
        {0, 0, 0, "Good", true, false, false, 6, "On"},   {0, 0, 0, "Good", true, false, false, 5, "Off"},
        {0, 0, 0, "Good", false, true, false, 6, "On"},   {0, 0, 0, "Good", false, true, false, 5, "Off"},
        {0, 2, 0, "Good", false, false, true, 6, "On"},   {0, 2, 0, "Good", false, false, true, 5, "Off"},
        {0, 3, 0, "Good", false, false, false, 0, "Off"}, {0, 4, 0, "Good", false, false, false, 0, "Off"}
    };
    // clang-format on
    for (const Case& c : cases) {
        auto game =
            test::CrewedGame(test::ShippedDatabase(), c.face == 0 ? std::vector<int>{} : std::vector{c.face});
        game->Crew[3].Missions = c.missions;
        game->Crew[3].Wound = c.wound;
        game->Mission.Target.WeatherTarget = c.weather;
        game->Damage.BombControlsOut = c.controlsOut;
        game->Damage.BombReleaseOut = c.releaseOut;
        game->Damage.AutopilotOut = c.autopilotOut;
        game->Damage.ControlCableHits = 1; // one hit alone forces nothing
        const std::string what = std::to_string(c.missions) + " missions, wound " + std::to_string(c.wound) +
                                 ", " + c.weather + ", face " + std::to_string(c.face);

        EXPECT_EQ(ChartBombRun(*game, c.penalty), c.result) << what;
        EXPECT_EQ(RollLines(*game), c.face == 0 ? Lines{} : Lines{std::to_string(c.face) + " :Bomb Run"})
            << what;
        EXPECT_EQ(MessageLines(*game), Lines{std::string("Bomb Run was ") +
                                             (c.face == 0 ? "automatically " : "") + c.result + " Target"})
            << what;
    }
}

TEST(ChartBombPercentage, OnTargetOffTargetAndTheBonus) {
    const struct {
        const char* bombRun;
        int total, bonus, percentage; // bonus 0: no bonus roll
    } cases[] = {{"On", 2, 0, 75},  {"On", 3, 0, 60},   {"On", 5, 0, 20},  {"On", 7, 0, 40},
                 {"On", 10, 0, 30}, {"On", 11, 0, 50},  {"On", 12, 2, 90}, {"On", 12, 12, 100},
                 {"Off", 2, 0, 10}, {"Off", 12, 0, 10}, {"Off", 3, 0, 5},  {"Off", 11, 0, 5},
                 {"Off", 4, 0, 0},  {"Off", 10, 0, 0},  {"on", 2, 0, 10},  {"", 7, 0, 0}};
    for (const auto& c : cases) {
        std::vector<test::Roll> rolls = {{"2d6", c.total, "Bomb Percentage"}};
        if (c.bonus != 0) rolls.push_back({"2d6", c.bonus, "Bom Pct Bonus"});
        auto game = test::CrewedGame(test::ShippedDatabase(), test::FacesFor(rolls));
        EXPECT_EQ(ChartBombPercentage(*game, c.bombRun), c.percentage) << c.bombRun << " " << c.total;
        EXPECT_EQ(RollLines(*game), test::LinesFor(rolls));
        EXPECT_EQ(MessageLines(*game), Lines{"Bomb Percentage: " + std::to_string(c.percentage)});
    }
}

} // namespace
} // namespace halvard
