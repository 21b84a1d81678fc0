#include "BombRun.h"

#include "TestData.h"

#include <functional>
#include <gtest/gtest.h>

namespace halvard {
namespace {

using test::MessageLines;
using test::RollLines;
using Lines = std::vector<std::string>;

struct BombRunCase {
    const char* name;
    int bombardierWound;
    int extraPenalty;
    const char* weather;
    bool bombControlsOut, bombReleaseOut, autopilotOut;
    int face;
    const char* result;
};

class BombRun : public ::testing::TestWithParam<BombRunCase> {};

// +1 for a bombardier of ten missions or more who is at most lightly wounded: a 2 is then on.
TEST(BombRun, ASeasonedBombardierAddsOne) {
    struct Case {
        int missions, wound;
        std::string_view result;
    };
    for (const Case c : {Case{10, 1, "On"}, Case{9, 0, "Off"}, Case{25, 2, "Off"}, Case{12, 0, "On"}}) {
        auto game = test::CrewedGame(test::ShippedDatabase(), {c.wound == 2 ? 3 : 2});
        game->Mission.Target.WeatherTarget = "Good";
        game->Crew[3].Missions = c.missions;
        game->Crew[3].Wound = c.wound;
        EXPECT_EQ(ChartBombRun(*game, 0), c.result) << c.missions << " missions, wound " << c.wound;
    }
}

TEST_P(BombRun, ModifiedRollOfThreeOrMoreIsOnTarget) {
    const BombRunCase& c = GetParam();
    auto game = test::CrewedGame(test::ShippedDatabase(), {c.face});
    game->Crew[3].Wound = c.bombardierWound;
    game->Mission.Target.WeatherTarget = c.weather;
    game->Damage.BombControlsOut = c.bombControlsOut;
    game->Damage.BombReleaseOut = c.bombReleaseOut;
    game->Damage.AutopilotOut = c.autopilotOut;
    game->Damage.ControlCableHits = 1; // one hit alone forces nothing

    EXPECT_EQ(ChartBombRun(*game, c.extraPenalty), c.result);
    EXPECT_EQ(RollLines(*game), Lines{std::to_string(c.face) + " :Bomb Run"});
    EXPECT_EQ(MessageLines(*game), Lines{std::string("Bomb Run was ") + c.result + " Target"});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Modifiers, BombRun, ::testing::Values(
    BombRunCase{"ThreeIsOn",                      0, 0, "Good", false, false, false, 3, "On"},
    BombRunCase{"TwoIsOff",                       0, 0, "Good", false, false, false, 2, "Off"},
    BombRunCase{"LightWoundCostsNothing",         1, 0, "Good", false, false, false, 3, "On"},
    BombRunCase{"SecondLightWoundMinusOne",       2, 0, "Good", false, false, false, 3, "Off"},
    BombRunCase{"ExtraPenaltyMinusOne",           0, 1, "Good", false, false, false, 3, "Off"},
    BombRunCase{"ExtraPenaltyOfTwoStillOne",      0, 2, "Good", false, false, false, 4, "On"},
    BombRunCase{"PoorWeatherMinusOne",            0, 0, "Poor", false, false, false, 3, "Off"},
    BombRunCase{"BadWeatherMinusTwo",             0, 0, "Bad",  false, false, false, 5, "On"},
    BombRunCase{"BadWeatherMinusTwoOff",          0, 0, "Bad",  false, false, false, 4, "Off"},
    BombRunCase{"WeatherIsComparedExactly",       0, 0, "bad",  false, false, false, 3, "On"},
    BombRunCase{"BombControlsMinusThree",         0, 0, "Good", true,  false, false, 6, "On"},
    BombRunCase{"BombControlsMinusThreeOff",      0, 0, "Good", true,  false, false, 5, "Off"},
    BombRunCase{"BadWeatherAndReleaseOutNeverOn", 0, 0, "Bad",  false, true,  false, 6, "Off"},
    BombRunCase{"LW2AndAutopilotNeedSix",         2, 0, "Good", false, false, true,  6, "On"},
    BombRunCase{"LW2AndAutopilotFiveIsOff",       2, 0, "Good", false, false, true,  5, "Off"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ChartBombRun, AutomaticallyOffTargetWithoutARoll) {
    const std::function<void(Game&)> causes[] = {
        [](Game& g) { g.Damage.NordenSightOut = true; },
        [](Game& g) { g.Damage.ControlCableHits = 2; },
        [](Game& g) { g.Crew[3].Wound = 3; },
        [](Game& g) { g.Crew[3].Wound = 4; },
    };
    for (const auto& cause : causes) {
        auto game = test::CrewedGame(test::ShippedDatabase(), {});
        cause(*game);
        EXPECT_EQ(ChartBombRun(*game, 0), "Off");
        EXPECT_TRUE(RollLines(*game).empty());
        EXPECT_EQ(MessageLines(*game), Lines{"Bomb Run was automatically Off Target"});
    }
}

struct PercentageCase {
    const char* bombRun;
    std::vector<test::Roll> rolls;
    int percentage;
};

TEST(ChartBombPercentage, OnTargetOffTargetAndTheBonus) {
    const PercentageCase cases[] = {
        {"On", {{"2d6", 2, "Bomb Percentage"}}, 75},
        {"On", {{"2d6", 3, "Bomb Percentage"}}, 60},
        {"On", {{"2d6", 5, "Bomb Percentage"}}, 20},
        {"On", {{"2d6", 7, "Bomb Percentage"}}, 40},
        {"On", {{"2d6", 10, "Bomb Percentage"}}, 30},
        {"On", {{"2d6", 11, "Bomb Percentage"}}, 50},
        {"On", {{"2d6", 12, "Bomb Percentage"}, {"2d6", 2, "Bom Pct Bonus"}}, 90},
        {"On", {{"2d6", 12, "Bomb Percentage"}, {"2d6", 12, "Bom Pct Bonus"}}, 100},
        {"Off", {{"2d6", 2, "Bomb Percentage"}}, 10},
        {"Off", {{"2d6", 12, "Bomb Percentage"}}, 10},
        {"Off", {{"2d6", 3, "Bomb Percentage"}}, 5},
        {"Off", {{"2d6", 11, "Bomb Percentage"}}, 5},
        {"Off", {{"2d6", 4, "Bomb Percentage"}}, 0},
        {"Off", {{"2d6", 10, "Bomb Percentage"}}, 0},
        {"on", {{"2d6", 2, "Bomb Percentage"}}, 10},
        {"", {{"2d6", 7, "Bomb Percentage"}}, 0},
    };
    for (const PercentageCase& c : cases) {
        auto game = test::CrewedGame(test::ShippedDatabase(), test::FacesFor(c.rolls));
        EXPECT_EQ(ChartBombPercentage(*game, c.bombRun), c.percentage)
            << c.bombRun << " " << c.rolls[0].Value;
        EXPECT_EQ(RollLines(*game), test::LinesFor(c.rolls));
        EXPECT_EQ(MessageLines(*game), Lines{"Bomb Percentage: " + std::to_string(c.percentage)});
    }
}

} // namespace
} // namespace halvard
