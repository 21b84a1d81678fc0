#include "ZoneCharts.h"

#include "TestData.h"

#include <functional>
#include <gtest/gtest.h>

namespace halvard {
namespace {

using test::MessageLines;
using test::RollLines;
using test::ScriptedGame;
using test::ShippedDatabase;

using Lines = std::vector<std::string>;

TEST(IsBadOrPoor, LooksTheWeatherUpInBadSlashPoor) {
    EXPECT_TRUE(IsBadOrPoor("Bad"));
    EXPECT_TRUE(IsBadOrPoor("Poor"));
    EXPECT_TRUE(IsBadOrPoor("")) << "never seen once the weather is rolled";
    EXPECT_FALSE(IsBadOrPoor("Good"));
    EXPECT_FALSE(IsBadOrPoor("bad"));
}

struct WavesCase {
    int zoneModifier;
    const char* squadron;
    bool atTarget;
    const char* weather;
    int face;
    int waves;
};

class WavesAppearing : public ::testing::TestWithParam<WavesCase> {};

TEST_P(WavesAppearing, ModifiedRollReadsTheZoneOrTargetColumn) {
    const WavesCase& c = GetParam();
    auto game = ScriptedGame(ShippedDatabase(), {c.face});
    game->Mission.TargetZone = 5;
    game->Mission.CurrentZone = c.atTarget ? 5 : 3;
    game->Mission.Target.Zone[game->Mission.CurrentZone].Modifier = c.zoneModifier;
    game->Mission.SquadronPos = c.squadron;
    game->Mission.Target.WeatherTarget = c.weather;
    EXPECT_EQ(ChartWavesAppearing(*game), c.waves);
    EXPECT_EQ(RollLines(*game), Lines{std::to_string(c.face) + " :Waves Appearing"});
    EXPECT_TRUE(MessageLines(*game).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, WavesAppearing,
    ::testing::Values(
        // outside the target zone: 2 or less none, 3-5 one, 6 or more two
        WavesCase{0, "High", false, "Bad", 2, 0}, WavesCase{0, "High", false, "Bad", 3, 1},
        WavesCase{0, "High", false, "Good", 5, 1}, WavesCase{0, "High", false, "Good", 6, 2},
        WavesCase{1, "High", false, "Good", 5, 2}, WavesCase{0, "Low", false, "Good", 2, 1},
        WavesCase{0, "Middle", false, "Good", 3, 0}, WavesCase{-3, "Middle", false, "Good", 1, 0},
        // in the target zone: 3 or less one, 4-5 two, 6 or more three; bad or poor weather -1
        WavesCase{-3, "Middle", true, "Good", 1, 1}, WavesCase{0, "High", true, "Good", 3, 1},
        WavesCase{0, "High", true, "Good", 4, 2}, WavesCase{0, "High", true, "Poor", 4, 1},
        WavesCase{0, "High", true, "Bad", 6, 2}, WavesCase{0, "High", true, "Good", 6, 3},
        WavesCase{2, "Low", true, "Good", 3, 3}));

TEST(ChartFighterCover, FarZonesHaveNoneAndEarlyMissionsGoodWithoutARoll) {
    auto game = ScriptedGame(ShippedDatabase(), {});
    game->Mission.MissionNo = 20;
    EXPECT_EQ(ChartFighterCover(*game, 5), "None");
    EXPECT_EQ(ChartFighterCover(*game, 8), "None");
    game->Mission.MissionNo = 4;
    EXPECT_EQ(ChartFighterCover(*game, 3), "Good");
    EXPECT_EQ(ChartFighterCover(*game, 5), "None");
    EXPECT_TRUE(RollLines(*game).empty());
}

TEST(ChartFighterCover, LaterMissionsRollForIt) {
    const char* byFace[] = {"Poor", "Poor", "Fair", "Fair", "Good", "Good"};
    for (int face = 1; face <= 6; ++face) {
        auto game = ScriptedGame(ShippedDatabase(), {face});
        game->Mission.MissionNo = 6;
        EXPECT_EQ(ChartFighterCover(*game, 4), byFace[face - 1]);
        EXPECT_EQ(RollLines(*game), Lines{std::to_string(face) + " :Fighter Cover"});
    }
}

struct CoverResultCase {
    const char* cover;
    int face;
    int fighters;
    int successiveAttacks;
    bool badWeatherAtTarget;
    int chasedOff;
};

class FighterCoverResult : public ::testing::TestWithParam<CoverResultCase> {};

TEST_P(FighterCoverResult, ReadsTheRollLessCoverAndRepeatsCappedByTheWave) {
    const CoverResultCase& c = GetParam();
    auto game = ScriptedGame(ShippedDatabase(), {c.face});
    for (int i = 0; i < c.fighters; ++i)
        game->Fighters.Add();
    game->Mission.SuccessiveAttacks = c.successiveAttacks;
    game->Mission.TargetZone = 4;
    game->Mission.CurrentZone = c.badWeatherAtTarget ? 4 : 2;
    game->Mission.Target.WeatherTarget = "Bad";
    EXPECT_EQ(ChartFighterCoverResult(*game, c.cover), c.chasedOff);
    EXPECT_EQ(RollLines(*game), Lines{std::to_string(c.face) + " :Fighter Cover"});
}

INSTANTIATE_TEST_SUITE_P(
    Table, FighterCoverResult,
    ::testing::Values(CoverResultCase{"Good", 1, 6, 0, false, 1}, CoverResultCase{"Good", 3, 6, 0, false, 2},
                      CoverResultCase{"Good", 4, 6, 0, false, 2}, CoverResultCase{"Good", 6, 3, 0, false, 3},
                      CoverResultCase{"Good", 6, 2, 0, false, 2}, CoverResultCase{"Good", 5, 6, 0, true, 2},
                      CoverResultCase{"Good", 3, 6, 0, true, 1}, CoverResultCase{"Fair", 6, 6, 0, false, 2},
                      CoverResultCase{"Poor", 6, 6, 0, false, 1}, CoverResultCase{"Poor", 1, 6, 1, false, 0},
                      CoverResultCase{"Good", 6, 6, 2, false, 2}, CoverResultCase{"good", 6, 6, 0, false, 3},
                      CoverResultCase{"Good", 6, 0, 0, false, 0}));

TEST(ChartWeather, StoresAndReportsTargetOrBaseWeather) {
    const struct {
        int first, second;
        const char* weather;
    } cases[] = {{1, 1, "Bad"},  {6, 6, "Bad"},  {1, 2, "Poor"},
                 {5, 6, "Poor"}, {1, 3, "Good"}, {4, 6, "Good"}};
    for (const auto& c : cases) {
        auto game = ScriptedGame(ShippedDatabase(), {c.first, c.second, c.first, c.second});
        ChartWeather(*game, 4);
        EXPECT_EQ(game->Mission.Target.WeatherTarget, c.weather);
        EXPECT_EQ(game->Mission.Target.WeatherBase, "");
        ChartWeather(*game, 1);
        EXPECT_EQ(game->Mission.Target.WeatherBase, c.weather);
        EXPECT_EQ(MessageLines(*game), (Lines{std::string("Weather over Target: ") + c.weather,
                                              std::string("Weather over Base: ") + c.weather}));
        EXPECT_EQ(RollLines(*game).size(), 2u);
        EXPECT_EQ(RollLines(*game)[0].substr(2), ":Weather");
    }
}

struct LandingCase {
    const char* name;
    std::vector<int> faces;
    std::function<void(Game&)> setUp;
    const char* outcome;
    std::size_t rolls;
};

class Landing : public ::testing::TestWithParam<LandingCase> {};

TEST_P(Landing, ModifiedRollGivesOneOutcome) {
    const LandingCase& c = GetParam();
    auto game = ScriptedGame(ShippedDatabase(), c.faces);
    game->Mission.Target.WeatherBase = "Good";
    if (c.setUp) c.setUp(*game);
    ChartLanding(*game);
    EXPECT_EQ(MessageLines(*game), Lines{c.outcome});
    const Lines rolls = RollLines(*game);
    ASSERT_EQ(rolls.size(), c.rolls);
    EXPECT_EQ(rolls[0].substr(2), ":Landing on Land");
    if (c.rolls == 2) {
        EXPECT_EQ(rolls[1].substr(2), ":") << "the explosion die has no label";
    }
}

const auto PilotsDown = [](Game& g) {
    g.Crew[1].Wound = 3;
    g.Crew[2].Wound = 4;
};
const auto GearOutBadWeather = [](Game& g) {
    g.Damage.LandingGearOut = true;
    g.Mission.Target.WeatherBase = "Bad";
};
const auto BombsAboard = [](Game& g) {
    g.Damage.BombsAboard = true;
    g.Damage.LandingGearOut = true;
};

INSTANTIATE_TEST_SUITE_P(
    Outcomes, Landing,
    ::testing::Values(
        LandingCase{"Natural12", {6, 6}, GearOutBadWeather, "Crew and Corvane safe.", 1},
        LandingCase{"Safe", {1, 1, 1}, nullptr, "Crew and Corvane safe.", 2},
        LandingCase{"GearOutBadWeather5",
                    {2, 3, 1},
                    GearOutBadWeather,
                    "Crew safe and Corvane irrepairably damaged.",
                    2},
        LandingCase{"GearOut3",
                    {1, 3, 1},
                    [](Game& g) { g.Damage.LandingGearOut = true; },
                    "Crew safe and Corvane repairable by next mission.",
                    2},
        LandingCase{"PilotsDown12", {6, 6}, PilotsDown, "Crew and Corvane safe.", 1},
        LandingCase{"PilotsDown11", {5, 6, 1}, PilotsDown, "Crew safe and Corvane irrepairably damaged.", 2},
        LandingCase{"PilotsDown10", {4, 6, 1}, PilotsDown, "Corvane wrecked", 2},
        LandingCase{"PilotsDown9", {3, 6, 1}, PilotsDown, "Corvane wrecked", 2},
        LandingCase{"PilotsDown8", {2, 6, 1}, PilotsDown, "Crew KIA and Corvane wrecked.", 2},
        LandingCase{
            "OnePilotDown", {1, 1, 1}, [](Game& g) { g.Crew[1].Wound = 4; }, "Crew and Corvane safe.", 2},
        LandingCase{"ExplosionWithBombs",
                    {1, 2, 6},
                    BombsAboard,
                    "Explosion.  Corvane and all remaining crewmen destroyed.",
                    2},
        LandingCase{
            "NoExplosionOnFive", {1, 2, 5}, BombsAboard, "Crew safe and Corvane irrepairably damaged.", 2},
        LandingCase{"NoExplosionAboveZero",
                    {2, 2, 6},
                    BombsAboard,
                    "Crew safe and Corvane repairable by next mission.",
                    2},
        LandingCase{"NoExplosionWithoutBombs",
                    {1, 1, 6},
                    [](Game& g) { g.Damage.LandingGearOut = true; },
                    "Corvane wrecked",
                    2}),
    [](const auto& info) { return std::string(info.param.name); });

struct ModifierCase {
    const char* name;
    std::function<void(Game&)> setUp;
    int modifier; // 0: the condition does not count
};

class LandingModifier : public ::testing::TestWithParam<ModifierCase> {};

// Crew member seat, with these missions flown, sits at his seat (or it is held by occupant), in
// a bomber whose landing gear is out.
void Seasoned(Game& game, int seat, int occupant, int missions) {
    game.Damage.LandingGearOut = true;
    game.CrewPos[seat].Occupant = occupant;
    game.Crew[seat].Missions = missions;
}

// Each modifier on its own, on the roll that brings the total to exactly 1 with it (and to 2 or
// more without): a modifier one off either way reads another outcome.
TEST_P(LandingModifier, ShiftsTheTotalByExactlyItsAmount) {
    const ModifierCase& c = GetParam();
    const int roll = c.modifier == 0 ? 2 : 1 - c.modifier;
    auto game = ScriptedGame(ShippedDatabase(), {1, roll - 1, 1});
    game->Mission.Target.WeatherBase = "Good";
    c.setUp(*game);
    ChartLanding(*game);
    EXPECT_EQ(MessageLines(*game),
              Lines{c.modifier == 0 ? "Crew and Corvane safe."
                                    : "Crew safe and Corvane repairable by next mission."});
}

INSTANTIATE_TEST_SUITE_P(
    EachOnItsOwn, LandingModifier,
    ::testing::Values(
        ModifierCase{"PoorWeather", [](Game& g) { g.Mission.Target.WeatherBase = "Poor"; }, -1},
        ModifierCase{"BadWeather", [](Game& g) { g.Mission.Target.WeatherBase = "Bad"; }, -2},
        ModifierCase{"TwoWindowHits", [](Game& g) { g.Damage.WindowHits = 2; }, -1},
        ModifierCase{"OneWindowHit", [](Game& g) { g.Damage.WindowHits = 1; }, 0},
        ModifierCase{"TwoControlCableHits", [](Game& g) { g.Damage.ControlCableHits = 2; }, -1},
        ModifierCase{"OneControlCableHit", [](Game& g) { g.Damage.ControlCableHits = 1; }, 0},
        ModifierCase{"Tailwheel", [](Game& g) { g.Damage.TailwheelDamaged = true; }, -1},
        ModifierCase{"PortElevator", [](Game& g) { g.Damage.PortElevatorOut = true; }, -1},
        ModifierCase{"StarboardElevatorOnly", [](Game& g) { g.Damage.StarboardElevatorOut = true; }, 0},
        ModifierCase{"BothFlaps", [](Game& g) { g.Damage.PortFlapOut = g.Damage.StarboardFlapOut = true; },
                     -1},
        ModifierCase{"OneFlap", [](Game& g) { g.Damage.StarboardFlapOut = true; }, 0},
        ModifierCase{"BothAilerons",
                     [](Game& g) { g.Damage.PortAileronOut = g.Damage.StarboardAileronOut = true; }, -1},
        ModifierCase{"OneAileron", [](Game& g) { g.Damage.PortAileronOut = true; }, 0},
        ModifierCase{"Brake", [](Game& g) { g.Damage.BrakeOut = true; }, -1},
        ModifierCase{"LandingGear", [](Game& g) { g.Damage.LandingGearOut = true; }, -3},
        ModifierCase{"ThreeRudderHits", [](Game& g) { g.Damage.RudderHits = 3; }, -1},
        ModifierCase{"TwoRudderHits", [](Game& g) { g.Damage.RudderHits = 2; }, 0},
        ModifierCase{"PilotDownOnly", [](Game& g) { g.Crew[1].Wound = 4; }, 0},
        ModifierCase{"CoPilotSeriousOnly", [](Game& g) { g.Crew[2].Wound = 3; }, 0},
        // A seasoned pilot or co-pilot at his own seat: +1 once, against the landing gear's -3.
        ModifierCase{"PilotOfElevenMissions", [](Game& g) { Seasoned(g, 1, 1, 11); }, -2},
        ModifierCase{"PilotOfTenMissions", [](Game& g) { Seasoned(g, 1, 1, 10); }, -3},
        ModifierCase{"CoPilotOfElevenMissions", [](Game& g) { Seasoned(g, 2, 2, 11); }, -2},
        ModifierCase{"SeasonedPilotOutOfHisSeat", [](Game& g) { Seasoned(g, 1, 0, 11); }, -3},
        ModifierCase{"BothSeasonedCountOnce",
                     [](Game& g) {
                         Seasoned(g, 1, 1, 12);
                         Seasoned(g, 2, 2, 12);
                     },
                     -2},
        ModifierCase{"TwoModifiersAddUp",
                     [](Game& g) {
                         g.Damage.BrakeOut = true;
                         g.Mission.Target.WeatherBase = "Bad";
                     },
                     -3}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace halvard
