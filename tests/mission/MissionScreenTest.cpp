#include "MissionScreen.h"

#include "Names.h"
#include "TestData.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace halvard {
namespace {

using test::FacesFor;
using test::LinesFor;
using test::MakeFighter;
using test::Roll;
using Lines = std::vector<std::string>;

// Meaulte lies five zones out, without heavy flak. Besides the nose gun at 12 High, the top
// turret bears on 12 High and 6 High and the tail guns on 6 High.
const GameDatabase& ScreenDatabase() {
    static const test::TempDatabase file(test::ValidSql() + R"(
INSERT INTO Gunnery VALUES (8, 1, 5, 5, 6);
INSERT INTO Gunnery VALUES (8, 10, 4, 4, 5);
INSERT INTO Gunnery VALUES (10, 10, 3, 3, 4);
)");
    static const GameDatabase database = file.Open();
    return database;
}

// Fighters by where they attack from; the bomber is hit on 5 from 12 High, on 3 from 6 o'clock.
const FighterRecord AtTwelveHigh = MakeFighter("Me109", 1);
const FighterRecord AtSixHigh = MakeFighter("Me109", 10);
const FighterRecord AtSixLevel = MakeFighter("Me109", 11);
// Fighters that no cover chases off: an escort and the extra fighter of a lead bomber.
const FighterRecord Escort = MakeFighter("FW190", 4, 0, "D");
const FighterRecord LeadExtra = MakeFighter("Me109", 1, 0, "");

Lines Since(const Lines& all, std::size_t from) {
    return Lines(all.begin() + static_cast<std::ptrdiff_t>(from), all.end());
}

// Where a test puts the mission before it presses or clicks.
struct Situation {
    int phase;
    int zone = 2;
    std::string direction = "Out";
    std::vector<FighterRecord> wave = {};
    Lines marks = {};                                   // to-hit cells' marks, from row 1
    std::vector<std::pair<int, std::string>> aims = {}; // gun counters' assignments
    std::string cover = "None";
    std::string flak = "None";
    int waves = 0;
    int successive = 0;
    int current = 0;
};

// Meaulte on mission 3: squadron "Middle", cover "Good" in zones 2-4 both ways, "None" in 5.
class MissionScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game->SelectedTarget = "Meaulte";
        game->Mission.MissionNo = 3;
        Script({{"2d6", 7, "Formation Roll"}});
        screen->Form_Load();
    }

    void Script(const std::vector<Roll>& rolls) { game->UseDiceScript(FaceScript(FacesFor(rolls))); }

    void SetWave(const std::vector<FighterRecord>& wave) {
        game->Fighters.Clear();
        for (const FighterRecord& fighter : wave)
            game->Fighters.Add() = fighter;
        ShowWave(*game);
    }

    void Enter(const Situation& s) {
        game->Mission.CurrentZone = s.zone;
        game->Mission.Target.Direction = s.direction;
        game->Mission.Target.WeatherTarget = "Good";
        game->Mission.SuccessiveAttacks = s.successive;
        SetWave(s.wave);
        for (WaveRow& row : waves.Row)
            row.ToHit = ToHitCell{};
        for (GunCounter& counter : screen->GunCounters)
            counter = GunCounter{};
        for (std::size_t i = 0; i < s.marks.size(); ++i)
            waves.Row[static_cast<int>(i) + 1].ToHit.Tag = test::MarkFrom(s.marks[i]);
        for (const auto& [gun, aim] : s.aims)
            screen->GunCounters[gun].Tag = test::MarkFrom(aim);
        screen->nPhase = s.phase;
        screen->sCover = s.cover;
        screen->sFlakDensity = s.flak;
        screen->nWavesAppearing = s.waves;
        screen->nCurrentFighter = s.current;
        screen->nSelectedGun = 0;
    }

    // Presses the step button with exactly these rolls to come, expects every one of them made
    // and returns the messages the press wrote.
    Lines Press(const std::vector<Roll>& rolls = {}) {
        Script(rolls);
        const std::size_t rolled = log->Rolls.size(), written = log->Messages.size();
        screen->cmdNextStep_Click();
        EXPECT_EQ(Since(log->Rolls, rolled), LinesFor(rolls));
        return Since(log->Messages, written);
    }

    std::unique_ptr<Game> game = test::ScriptedGame(ScreenDatabase(), {});
    std::shared_ptr<test::Transcript> log = test::Record(*game);
    std::unique_ptr<MissionScreen> screen = std::make_unique<MissionScreen>(*game);
    WavePanel& waves = game->Waves;
};

TEST_F(MissionScreenTest, LoadingClearsWhatAMissionLeftByOkBehindAndShowsTheNewOne) {
    game->AddMessage("old line");
    SetWave({AtTwelveHigh, AtSixHigh});
    waves.Visible = true;
    waves.lblMiscWave.Caption = "Remove 1 Enemy Fighters";
    waves.Row[1].ToHit.Tag = {Mark::Kind::ChasedOff};
    game->Mission.SuccessiveAttacks = 2;
    game->Mission.Ending = Outcome::BailedOut;
    game->SelectedTarget = "Cherbourg";
    game->Mission.MissionNo = 8;
    const std::vector<Roll> setup = {{"1d6", 5, "Squadron Roll"}, {"2d6", 2, "Formation Roll"},
                                     {"1d6", 1, "Fighter Cover"}, {"1d6", 3, "Fighter Cover"},
                                     {"1d6", 5, "Fighter Cover"}, {"1d6", 6, "Fighter Cover"}};
    Script(setup);
    const std::size_t rolled = log->Rolls.size();

    MissionScreen fresh(*game);
    fresh.Form_Load();

    EXPECT_EQ(Since(log->Rolls, rolled), LinesFor(setup));
    EXPECT_EQ(game->Messages.Count(), 0u);
    EXPECT_EQ(game->Mission.Ending, std::nullopt);
    EXPECT_EQ(waves, WavePanel{});
    EXPECT_EQ(game->Fighters.UpperBound(), 0);
    EXPECT_EQ(game->Mission.SuccessiveAttacks, 0);
    EXPECT_EQ(fresh.nPhase, phase::EnterNextZone);
    EXPECT_EQ(fresh.cmdNextStep, (CommandButton{"Enter Next Zone", true}));
    EXPECT_EQ(fresh.lblMissionNo.Caption, "8");
    EXPECT_EQ(fresh.lblTarget.Caption, "Cherbourg");
    EXPECT_EQ(fresh.lblTargetType.Caption, "Airfield");
    EXPECT_EQ(fresh.lblSquadronPos.Caption, "Low");
    EXPECT_EQ(fresh.lblFormationPos.Caption, "Lead Bomber");
    const char* ammo[] = {"15", "10", "10", "10", "20", "20", "16", "20", "23"};
    for (int g = FirstGun; g <= LastGun; ++g) {
        EXPECT_EQ(fresh.lblGun[g].Caption, ammo[g - 2]) << "gun " << g;
    }
}

struct TransitionCase {
    const char* name;
    Situation from;
    std::vector<Roll> rolls;
    Lines messages; // written by the step
    int phase;
    const char* caption;
    bool enabled = true;
    // The rest as the situation had it unless given.
    std::optional<int> fighters = {};
    std::optional<int> successive = {};
    std::optional<int> current = {};
    std::optional<int> zone = {};
    std::optional<std::string> direction = {};
    std::optional<std::string> cover = {};

    friend void PrintTo(const TransitionCase& c, std::ostream* os) { *os << c.name; }
};

class PhaseTransition : public MissionScreenTest, public ::testing::WithParamInterface<TransitionCase> {};

TEST_P(PhaseTransition, PerformsTheStepThenNamesTheNextOne) {
    const TransitionCase& c = GetParam();
    Enter(c.from);
    EXPECT_EQ(Press(c.rolls), c.messages);
    EXPECT_EQ(screen->nPhase, c.phase);
    EXPECT_EQ(screen->cmdNextStep, (CommandButton{std::string_view(c.caption), c.enabled}));
    EXPECT_EQ(game->Fighters.UpperBound(), c.fighters.value_or(static_cast<int>(c.from.wave.size())));
    EXPECT_EQ(game->Mission.SuccessiveAttacks, c.successive.value_or(c.from.successive));
    EXPECT_EQ(screen->nCurrentFighter, c.current.value_or(c.from.current));
    EXPECT_EQ(game->Mission.CurrentZone, c.zone.value_or(c.from.zone));
    EXPECT_EQ(game->Mission.Target.Direction, c.direction.value_or(c.from.direction));
    EXPECT_EQ(screen->sCover, c.cover.value_or(c.from.cover));
}

const Roll WavesRoll3{"1d6", 3, "Waves Appearing"};
const Roll EnemyMisses{"1d6", 2, "Enemy to Hit"};
const Roll NewPosition12High{"2d6", 7, "Successive Att. Position"};
const Roll FlakMisses{"2d6", 7, "Flak To Hit"};

// clang-format off
using T = TransitionCase;
using namespace phase;
INSTANTIATE_TEST_SUITE_P(MissionScreen, PhaseTransition, ::testing::Values(
    T{.name = "NoWaveLeavesTheZone", .from = {.phase = CheckForWaves},
      .rolls = {WavesRoll3}, .messages = {"Enemy Waves Appearing: 0"},
      .phase = LeavingTheZone, .caption = "Leaving the Zone"},
    T{.name = "WithoutCoverTheGunsComeFirst", .from = {.phase = IncomingWave, .zone = 5, .waves = 1},
      .rolls = {{"d66", 11, "Wave Generation"}}, .messages = {},
      .phase = AssignGuns, .caption = "Assign Corvane Guns", .fighters = 1},
    T{.name = "WithCoverItIsShownFirst", .from = {.phase = IncomingWave, .waves = 1},
      .rolls = {{"d66", 11, "Wave Generation"}}, .messages = {},
      .phase = RollForFighterCover, .caption = "Roll for Fighter Cover", .fighters = 1},
    T{.name = "TheCoverOfTheLegIsShown", .from = {.phase = RollForFighterCover, .wave = {AtTwelveHigh}},
      .rolls = {}, .messages = {"Fighter Cover: Good"},
      .phase = RollForCoverResults, .caption = "Roll for Cover Results", .cover = "Good"},
    T{.name = "NoFighterChasedOff",
      .from = {.phase = RollForCoverResults, .wave = {AtTwelveHigh}, .cover = "Poor"},
      .rolls = {{"1d6", 1, "Fighter Cover"}}, .messages = {"Fighter cover chased off 0 enemy fighters"},
      .phase = AssignGuns, .caption = "Assign Corvane Guns"},
    T{.name = "NoFighterCanBeChasedOff",
      .from = {.phase = RollForCoverResults, .wave = {Escort, LeadExtra}, .cover = "Good"},
      .rolls = {{"1d6", 6, "Fighter Cover"}}, .messages = {"Fighter cover chased off 0 enemy fighters"},
      .phase = AssignGuns, .caption = "Assign Corvane Guns"},
    T{.name = "TheCoverChasesOffAsManyAsCanGo",
      .from = {.phase = RollForCoverResults, .wave = {AtTwelveHigh, Escort}, .cover = "Good"},
      .rolls = {{"1d6", 3, "Fighter Cover"}}, .messages = {"Fighter cover chased off 1 enemy fighters"},
      .phase = RemoveEnemyFighters, .caption = "Remove Enemy Fighters", .enabled = false},
    T{.name = "EveryFighterChasedOff",
      .from = {.phase = RemoveEnemyFighters, .wave = {AtTwelveHigh, AtSixHigh}, .marks = {"FC", "FC"}},
      .rolls = {}, .messages = {}, .phase = WaveResolved, .caption = "Exit Wave", .fighters = 0},
    T{.name = "FightersStayAfterTheCover",
      .from = {.phase = RemoveEnemyFighters, .wave = {AtTwelveHigh, AtSixHigh}, .marks = {"FC", ""}},
      .rolls = {}, .messages = {}, .phase = AssignGuns, .caption = "Assign Corvane Guns", .fighters = 1},
    T{.name = "TheGunsFireOnceAssigned", .from = {.phase = AssignGuns, .wave = {AtTwelveHigh}},
      .rolls = {}, .messages = {}, .phase = CorvaneFire, .caption = "Corvane Fire"},
    T{.name = "TheFirstFighterFiresAfterTheBomber", .from = {.phase = CorvaneFire, .wave = {AtTwelveHigh}},
      .rolls = {}, .messages = {}, .phase = EnemyFire, .caption = "Enemy Fire", .current = 1},
    T{.name = "TheGunsDestroyTheWholeWave",
      .from = {.phase = CorvaneFire, .wave = {AtTwelveHigh}, .aims = {{2, "1/4"}}},
      .rolls = {{"1d6", 6, "To Hit"}, {"1d6", 6, "Damage"}},
      .messages = {"Nose Gun Hits Me109 at 12 High - KIA"},
      .phase = WaveResolved, .caption = "Exit Wave", .fighters = 0},
    T{.name = "TheNextFighterFires",
      .from = {.phase = EnemyFire, .wave = {AtTwelveHigh, AtSixHigh, AtSixLevel}, .current = 1},
      .rolls = {{"1d6", 4, "Enemy to Hit"}}, .messages = {"Me109 at 12 High misses"},
      .phase = EnemyFire, .caption = "Enemy Fire", .current = 2},
    T{.name = "AfterTheLastFighterTheWaveAttacksAgain",
      .from = {.phase = EnemyFire, .wave = {AtTwelveHigh, AtSixHigh}, .current = 2},
      .rolls = {EnemyMisses}, .messages = {"Me109 at 6 High misses"}, .phase = SuccessiveAttack,
      .caption = "Successive Attack", .fighters = 1, .successive = 1, .current = 3},
    T{.name = "ASecondSuccessiveAttack",
      .from = {.phase = EnemyFire, .wave = {AtTwelveHigh, AtSixHigh}, .successive = 1, .current = 2},
      .rolls = {EnemyMisses}, .messages = {"Me109 at 6 High misses"}, .phase = SuccessiveAttack,
      .caption = "Successive Attack", .fighters = 1, .successive = 2, .current = 3},
    T{.name = "TheThirdAttackIsTheLast",
      .from = {.phase = EnemyFire, .wave = {AtTwelveHigh, AtSixHigh}, .successive = 2, .current = 2},
      .rolls = {EnemyMisses}, .messages = {"Me109 at 6 High misses"}, .phase = WaveResolved,
      .caption = "Exit Wave", .fighters = 1, .successive = 0, .current = 3},
    T{.name = "EveryFighterMissed",
      .from = {.phase = EnemyFire, .wave = {AtTwelveHigh, AtSixHigh}, .marks = {"XXX"}, .current = 2},
      .rolls = {EnemyMisses}, .messages = {"Me109 at 6 High misses"}, .phase = WaveResolved,
      .caption = "Exit Wave", .fighters = 0, .current = 3},
    T{.name = "PoorCoverIsNotRolledAgain",
      .from = {.phase = SuccessiveAttack, .wave = {AtSixHigh}, .cover = "Poor", .successive = 1},
      .rolls = {NewPosition12High}, .messages = {}, .phase = AssignGuns, .caption = "Assign Corvane Guns"},
    T{.name = "GoodCoverIsRolledAgain",
      .from = {.phase = SuccessiveAttack, .wave = {AtSixHigh}, .cover = "Good", .successive = 1},
      .rolls = {NewPosition12High}, .messages = {},
      .phase = RollForCoverResults, .caption = "Roll for Cover Results"},
    T{.name = "FairCoverIsRolledAgain",
      .from = {.phase = SuccessiveAttack, .wave = {AtSixHigh}, .cover = "Fair", .successive = 1},
      .rolls = {NewPosition12High}, .messages = {},
      .phase = RollForCoverResults, .caption = "Roll for Cover Results"},
    T{.name = "AnyOtherZoneIsLeftAfterItsLastWave", .from = {.phase = WaveResolved, .zone = 3},
      .rolls = {}, .messages = {""}, .phase = LeavingTheZone, .caption = "Exit Zone"},
    T{.name = "TheNextWaveOfTheZone", .from = {.phase = WaveResolved, .zone = 5, .waves = 1},
      .rolls = {}, .messages = {""}, .phase = IncomingWave, .caption = "Incoming Wave!"},
    T{.name = "FlakIsResolvedBeforeTheBombRun", .from = {.phase = EnterTarget, .zone = 5},
      .rolls = {{"1d6", 2, "Flak Over Target"}},
      .messages = {"", "[COMMENCING BOMB RUN]", "Flak Over Target: Light"},
      .phase = FlakResults, .caption = "Flak Results"},
    T{.name = "TheBombRunFollowsTheFlak", .from = {.phase = FlakResults, .zone = 5, .flak = "Light"},
      .rolls = {FlakMisses, FlakMisses, FlakMisses}, .messages = {"Flak Bursts Hitting Corvane: 0"},
      .phase = BombRun, .caption = "Bomb Run"},
    T{.name = "TheTargetZoneOutboundBringsItsWeather", .from = {.phase = EnterNextZone, .zone = 4},
      .rolls = {{"2d6", 3, "Weather"}}, .messages = {"", "[ZONE #5]", "Weather over Target: Poor"},
      .phase = CheckForWaves, .caption = "Check for Waves", .zone = 5},
    T{.name = "LeavingAZoneDropsItsCover", .from = {.phase = LeavingTheZone, .zone = 3, .cover = "Good"},
      .rolls = {}, .messages = {}, .phase = EnterNextZone, .caption = "Enter Next Zone", .cover = "None"},
    // The target zone is left through "Exit Target": its outbound cover stays behind too.
    T{.name = "LeavingTheTargetDropsItsCover", .from = {.phase = ExitTarget, .zone = 3, .cover = "Good"},
      .rolls = {}, .messages = {}, .phase = EnterNextZone, .caption = "Enter Next Zone", .zone = 4,
      .direction = "Back", .cover = "None"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(MissionScreenTest, AMissionToZoneFiveFliesOutAndBackAndLandsOnce) {
    struct Step {
        std::vector<Roll> rolls;
        int phase;
        const char* caption;
    };
    std::vector<Step> steps;
    // Zones 2-4 out and back: no wave comes.
    const auto quietZones = [&steps] {
        for (int zone = 1; zone <= 3; ++zone) {
            steps.push_back({{}, phase::CheckForWaves, "Check for Waves"});
            steps.push_back({{{"1d6", 1, "Waves Appearing"}}, phase::LeavingTheZone, "Leaving the Zone"});
            steps.push_back({{}, phase::EnterNextZone, "Enter Next Zone"});
        }
    };
    quietZones();
    // Zone 5 out: weather, an empty wave, the bomb run; zone 5 back: an empty wave.
    const std::vector<Step> target = {
        {{{"2d6", 7, "Weather"}}, phase::CheckForWaves, "Check for Waves"},
        {{{"1d6", 1, "Waves Appearing"}}, phase::IncomingWave, "Incoming Wave"},
        {{{"d66", 16, "Wave Generation"}}, phase::WaveResolved, "Wave Resolved"},
        {{}, phase::EnterTarget, "Enter Target"},
        {{{"1d6", 1, "Flak Over Target"}}, phase::BombRun, "Bomb Run"},
        {{{"1d6", 6, "Bomb Run"}, {"2d6", 7, "Bomb Percentage"}}, phase::ExitTarget, "Exit Target"},
        {{}, phase::EnterNextZone, "Enter Next Zone"},
        {{}, phase::CheckForWaves, "Check for Waves"},
        {{{"1d6", 1, "Waves Appearing"}}, phase::IncomingWave, "Incoming Wave"},
        {{{"d66", 16, "Wave Generation"}}, phase::WaveResolved, "Wave Resolved"},
        {{}, phase::LeavingTheZone, "Exit Zone"},
        {{}, phase::EnterNextZone, "Enter Next Zone"},
    };
    steps.insert(steps.end(), target.begin(), target.end());
    quietZones();
    steps.push_back({{}, phase::LandingAtBase, "Landing at Base"});
    steps.push_back(
        {{{"2d6", 7, "Weather"}, {"2d6", 12, "Landing on Land"}}, phase::LandingAtBase, "Landing at Base"});

    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE("press " + std::to_string(i + 1));
        Press(steps[i].rolls);
        ASSERT_EQ(screen->nPhase, steps[i].phase);
        ASSERT_EQ(screen->cmdNextStep.Caption, steps[i].caption);
    }

    Lines zones, weather;
    for (const std::string& line : log->Messages) {
        if (line.starts_with("[ZONE #")) zones.push_back(line);
        if (line.starts_with("Weather")) weather.push_back(line);
    }
    EXPECT_EQ(zones, (Lines{"[ZONE #2]", "[ZONE #3]", "[ZONE #4]", "[ZONE #5]", "[ZONE #5]", "[ZONE #4]",
                            "[ZONE #3]", "[ZONE #2]", "[ZONE #1]"}));
    EXPECT_EQ(Lines(log->Messages.begin(), log->Messages.begin() + 2), (Lines{"", "[ZONE #2]"}));
    EXPECT_EQ(weather, (Lines{"Weather over Target: Good", "Weather over Base: Good"}));
    EXPECT_EQ(log->Messages.back(), "Crew and Corvane safe.");
    EXPECT_EQ(screen->lblOnTarget.Caption, "On");
    EXPECT_EQ(screen->lblBombPct.Caption, "40%");
    EXPECT_FALSE(game->Damage.BombsAboard);

    // The landing is over: a further press rolls nothing (an empty script would throw).
    const std::size_t written = log->Messages.size();
    EXPECT_FALSE(screen->cmdNextStep.Enabled);
    EXPECT_EQ(Press(), Lines{});
    EXPECT_EQ(screen->nPhase, phase::LandingAtBase);
    EXPECT_EQ(screen->cmdNextStep, (CommandButton{"Landing at Base", false}));
    EXPECT_EQ(log->Messages.size(), written);
}

TEST_F(MissionScreenTest, TheBombRunEmptiesTheBayUnlessItsDoorsAreOut) {
    struct Case {
        bool doorsOut;
        std::vector<Roll> rolls;
        const char* onTarget;
        const char* percentage;
    };
    const Case cases[] = {
        {false, {{"1d6", 6, "Bomb Run"}, {"2d6", 11, "Bomb Percentage"}}, "On", "50%"},
        {false, {{"1d6", 2, "Bomb Run"}, {"2d6", 12, "Bomb Percentage"}}, "Off", "10%"},
        {true, {{"1d6", 6, "Bomb Run"}, {"2d6", 7, "Bomb Percentage"}}, "On", "40%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.onTarget + std::string(c.doorsOut ? " with the doors out" : ""));
        Enter({.phase = phase::BombRun, .zone = 5});
        game->Damage.BombsAboard = true;
        game->Damage.BombBayDoorsOut = c.doorsOut;
        Press(c.rolls);
        EXPECT_EQ(screen->lblOnTarget.Caption, c.onTarget);
        EXPECT_EQ(screen->lblBombPct.Caption, c.percentage);
        EXPECT_EQ(game->Damage.BombsAboard, c.doorsOut);
    }
}

TEST_F(MissionScreenTest, AFlakWoundShowsOnTheCrewPanelRightAfterThePress) {
    Enter({.phase = phase::FlakResults, .zone = 5, .flak = "Light"});
    // One burst of one hit, on the radio room's crew: the radio operator is seriously wounded.
    const Lines messages = Press({{"2d6", 2, "Flak To Hit"},
                                  FlakMisses,
                                  FlakMisses,
                                  {"2d6", 3, "Effect of Flak"},
                                  {"2d6", 4, "Area Hit by Flak"},
                                  {"2d6", 6, "Damage Radio Room"},
                                  {"1d6", 4, "Wound"}});
    EXPECT_EQ(messages, (Lines{"Flak Bursts Hitting Corvane: 1", "Total # of Flak Hits: 1",
                               "  RADIO ROOM: Crew - Radio operator: SW"}));
    EXPECT_EQ(screen->lblCrewWound[5].Caption, "SW");
    EXPECT_EQ(screen->lblCrewPos[5].ForeColour, Colour::Red);
    EXPECT_EQ(screen->lblGun[5].ForeColour, Colour::Blue) << "the radio gun lost its gunner";
}

TEST_F(MissionScreenTest, APressThatLeavesNoOneAliveEndsTheMissionUnlessALossCameFirst) {
    const std::optional<Outcome> before[] = {std::nullopt, Outcome::BailedOut};
    for (const std::optional<Outcome> ending : before) {
        Enter({.phase = phase::LeavingTheZone, .zone = 3});
        game->Mission.Ending = ending;
        for (int member = 1; member <= CrewCount; ++member)
            game->Crew[member].Wound = member == CrewCount && !ending ? 3 : Killed;
        if (!ending) {
            Press();
            EXPECT_EQ(game->Mission.Ending, std::nullopt) << "the tail gunner lives";
            game->Crew[CrewCount].Wound = Killed;
        }
        Press();
        EXPECT_EQ(game->Mission.Ending, ending.value_or(Outcome::CrewKilled));
    }
}

TEST_F(MissionScreenTest, TheWavePanelShowsOnlyWhileAWaveIsFought) {
    Enter({.phase = phase::IncomingWave, .waves = 2});
    Press({{"d66", 26, "Wave Generation"}});
    EXPECT_TRUE(waves.Visible);
    EXPECT_EQ(screen->nWavesAppearing, 1);
    EXPECT_EQ(waves.lblMiscWave.Caption, "No Attackers");

    // Whatever the wave left behind goes with it.
    game->Mission.SuccessiveAttacks = 1;
    screen->nCurrentFighter = 2;
    waves.Row[3].ToHit.Tag = {Mark::Kind::Missed};
    EXPECT_EQ(Press(), Lines{""});
    EXPECT_FALSE(waves.Visible);
    EXPECT_EQ(waves.lblMiscWave.Caption, "");
    EXPECT_EQ(waves.Row[3].ToHit.Tag, "");
    EXPECT_EQ(game->Mission.SuccessiveAttacks, 0);
    EXPECT_EQ(screen->nCurrentFighter, 0);
    EXPECT_EQ(screen->cmdNextStep.Caption, "Incoming Wave!");
}

TEST_F(MissionScreenTest, EachFighterFiresInTurnThenTheMissesLeave) {
    Enter({.phase = phase::CorvaneFire, .wave = {AtTwelveHigh, AtSixHigh, AtSixLevel}});
    Press();
    EXPECT_EQ(Press({{"1d6", 4, "Enemy to Hit"}}), Lines{"Me109 at 12 High misses"});
    EXPECT_EQ(screen->cmdNextStep.Caption, "Enemy Fire");
    EXPECT_EQ(Press({{"1d6", 3, "Enemy to Hit"},
                     {"2d6", 7, "Shell Hits"},
                     {"2d6", 2, "Area Damage"},
                     {"2d6", 3, "Area Damage"}}),
              (Lines{"Me109 at 6 High registers 2 hits", "  Superficial Damage", "  Superficial Damage"}));
    EXPECT_EQ(screen->cmdNextStep.Caption, "Enemy Fire");
    EXPECT_EQ(Press({EnemyMisses}), Lines{"Me109 at 6 Level misses"});

    EXPECT_EQ(screen->cmdNextStep.Caption, "Successive Attack");
    ASSERT_EQ(game->Fighters.UpperBound(), 1);
    EXPECT_EQ(game->Fighters[1], AtSixHigh) << "only the fighter that hit stays";
    EXPECT_EQ(ShownPosition(*game, 1), "6 High");
    EXPECT_EQ(ShownType(*game, 2), "");

    // Its next attack shows the new position without the mark of a special fighter.
    game->Fighters[1].Special = "B";
    Press({{"2d6", 12, "Successive Att. Position"}});
    EXPECT_EQ(ShownPosition(*game, 1), "3 High");
}

TEST_F(MissionScreenTest, MarkingFightersForTheCoverEnablesTheStepOnlyAtTheRightCount) {
    Enter({.phase = phase::RollForCoverResults,
           .wave = {AtTwelveHigh, AtSixHigh, AtSixLevel, MakeFighter("Me110", 19, 0, "B")},
           .cover = "Fair"});
    Press({{"1d6", 3, "Fighter Cover"}});
    ASSERT_EQ(screen->nPhase, phase::RemoveEnemyFighters);
    EXPECT_EQ(waves.lblMiscWave.Caption, "Remove 1 Enemy Fighters");
    EXPECT_EQ(waves.Row[4].ToHit.BackColour, Colour::Red);
    Press(); // disabled: nothing happens
    EXPECT_EQ(screen->nPhase, phase::RemoveEnemyFighters);

    struct Click {
        int cell;
        int removals;
        Colour colour; // of the clicked cell
        const char* mark;
    };
    const Click clicks[] = {
        {4, 1, Colour::Red, ""},     // cannot be chased off
        {5, 1, Colour::Normal, ""},  // below the last fighter
        {1, 0, Colour::Blue, "FC"},  //
        {2, -1, Colour::Blue, "FC"}, // one too many
        {1, 0, Colour::Normal, ""},  // taken back
    };
    for (const Click& click : clicks) {
        SCOPED_TRACE("cell " + std::to_string(click.cell));
        screen->lblToHit_Click(click.cell);
        EXPECT_EQ(screen->nRemovals, click.removals);
        EXPECT_EQ(screen->cmdNextStep, (CommandButton{"Remove Enemy Fighters", click.removals == 0}));
        EXPECT_EQ(waves.lblMiscWave.Caption, "Remove " + std::to_string(click.removals) + " Enemy Fighters");
        EXPECT_EQ(waves.Row[click.cell].ToHit.BackColour, click.colour);
        EXPECT_EQ(waves.Row[click.cell].ToHit.Tag, click.mark);
    }

    Press();
    EXPECT_EQ(screen->cmdNextStep.Caption, "Assign Corvane Guns");
    EXPECT_EQ(waves.lblMiscWave.Caption, "");
    ASSERT_EQ(game->Fighters.UpperBound(), 3);
    EXPECT_EQ(game->Fighters[2], AtSixLevel);
    for (const WaveRow& row : waves.Row)
        EXPECT_EQ(row.ToHit.Tag, "");
}

struct GunEntryCase {
    const char* name;
    Situation from;
    std::vector<Roll> rolls;
    std::vector<int> highlighted;

    friend void PrintTo(const GunEntryCase& c, std::ostream* os) { *os << c.name; }
};

class GunAssignmentEntry : public MissionScreenTest, public ::testing::WithParamInterface<GunEntryCase> {};

TEST_P(GunAssignmentEntry, HighlightsTheReadyGunsWithAShotAndClearsTheCells) {
    Enter(GetParam().from);
    for (WaveRow& row : waves.Row)
        row.ToHit.BackColour = Colour::Red;
    Press(GetParam().rolls);
    ASSERT_EQ(screen->nPhase, phase::AssignGuns);
    for (int g = FirstGun; g <= LastGun; ++g) {
        const bool expected = std::ranges::count(GetParam().highlighted, g) == 1;
        EXPECT_EQ(screen->lblGun[g].BackColour, expected ? Colour::Highlight : Colour::Normal) << "gun " << g;
    }
    for (int i = 1; i <= WaveRows; ++i)
        EXPECT_EQ(waves.Row[i].ToHit.BackColour, Colour::Normal) << "cell " << i;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(MissionScreen, GunAssignmentEntry, ::testing::Values(
    GunEntryCase{"FromAWaveWithoutCover", {.phase = IncomingWave, .zone = 5, .waves = 1},
                 {{"d66", 11, "Wave Generation"}}, {2, 8}},
    GunEntryCase{"FromCoverThatChasesNone",
                 {.phase = RollForCoverResults, .wave = {Escort, LeadExtra}, .cover = "Good"},
                 {{"1d6", 6, "Fighter Cover"}}, {2, 8}},
    GunEntryCase{"FromTheRemoval",
                 {.phase = RemoveEnemyFighters, .wave = {AtTwelveHigh, AtSixHigh}, .marks = {"FC"}},
                 {}, {8, 10}},
    GunEntryCase{"FromASuccessiveAttack",
                 {.phase = SuccessiveAttack, .wave = {AtTwelveHigh}, .cover = "Poor"},
                 {{"2d6", 2, "Successive Att. Position"}}, {8, 10}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(MissionScreenTest, AGunThatIsNotReadyIsNeitherHighlightedNorSelected) {
    struct Case {
        const char* name;
        GunRecord tail;
        bool ready;
    };
    const Case cases[] = {
        {"ready", {"OK", 1, 10}, true},
        {"no ammunition", {"OK", 0, 10}, false},
        {"out of action", {"Out", 5, 10}, false},
        {"no gunner", {"OK", 5, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Enter({.phase = phase::AssignGuns, .wave = {AtTwelveHigh, AtSixHigh}});
        game->Guns[10] = c.tail;
        screen->PreAssignGuns();
        EXPECT_EQ(screen->lblGun[10].BackColour, c.ready ? Colour::Highlight : Colour::Normal);
        screen->lblGun_Click(10);
        EXPECT_EQ(screen->nSelectedGun, c.ready ? 10 : 0);
        EXPECT_EQ(screen->lblToHit[2].Caption, c.ready ? "3" : "");
    }
}

TEST_F(MissionScreenTest, AimingGunsMovesTheirTargetsAndTheGunsFireInOrder) {
    const FighterRecord fw190 = MakeFighter("FW190", 1);
    Enter({.phase = phase::AssignGuns, .wave = {AtSixHigh, AtTwelveHigh, fw190}});
    screen->PreAssignGuns();

    constexpr Colour N = Colour::Normal, Y = Colour::Yellow, H = Colour::Highlight;
    struct Step {
        const char* click;
        int index;
        std::array<const char*, 3> captions; // cells 1-3
        std::array<Colour, 3> cells;
        int selected;
        std::array<Colour, 4> guns;      // nose, radio, top turret, tail
        std::array<const char*, 2> aims; // nose, top turret
    };
    // clang-format off
    const Step steps[] = {
        {"gun", 8,  {"4", "5", "6"}, {N, N, N}, 8, {H, N, Y, H}, {"", ""}},
        {"cell", 2, {"4", "5", "6"}, {N, Y, N}, 8, {H, N, Y, H}, {"", "2/5"}},
        {"cell", 3, {"4", "5", "6"}, {N, N, Y}, 8, {H, N, Y, H}, {"", "3/6"}},
        {"cell", 2, {"4", "5", "6"}, {N, Y, N}, 8, {H, N, Y, H}, {"", "2/5"}},
        {"gun", 2,  {"", "4", "5"},  {N, N, N}, 2, {Y, N, H, H}, {"", "2/5"}},
        {"cell", 1, {"", "4", "5"},  {N, N, N}, 2, {Y, N, H, H}, {"", "2/5"}}, // no shot there
        {"cell", 3, {"", "4", "5"},  {N, N, Y}, 2, {Y, N, H, H}, {"3/5", "2/5"}},
        {"gun", 8,  {"4", "5", "6"}, {N, Y, N}, 8, {H, N, Y, H}, {"3/5", "2/5"}},
        // The radio gun is ready but has no shot: the top turret stays selected.
        {"gun", 5,  {"", "", ""},    {N, Y, N}, 8, {H, N, H, H}, {"3/5", "2/5"}},
    };
    // clang-format on
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string(step.click) + " " + std::to_string(step.index));
        if (step.click == std::string_view("gun"))
            screen->lblGun_Click(step.index);
        else
            screen->lblToHit_Click(step.index);
        for (int i = 1; i <= 3; ++i) {
            EXPECT_EQ(screen->lblToHit[i].Caption, step.captions[i - 1]) << "cell " << i;
            EXPECT_EQ(waves.Row[i].ToHit.BackColour, step.cells[i - 1]) << "cell " << i;
        }
        EXPECT_EQ(screen->nSelectedGun, step.selected);
        const int guns[] = {2, 5, 8, 10};
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(screen->lblGun[guns[k]].BackColour, step.guns[k]) << "gun " << guns[k];
        EXPECT_EQ(screen->lblGun[2].Tag, step.aims[0]);
        EXPECT_EQ(screen->lblGun[8].Tag, step.aims[1]);
    }

    Press();
    EXPECT_EQ(screen->nSelectedGun, 0);
    for (const Label& counter : screen->lblGun)
        EXPECT_EQ(counter.BackColour, Colour::Normal);
    for (const Label& cell : screen->lblToHit)
        EXPECT_EQ(cell, (Label{}));
    EXPECT_EQ(screen->lblGun[2].Tag, "3/5") << "the aims stay for the fire";
    EXPECT_EQ(screen->lblGun[8].Tag, "2/5");

    EXPECT_EQ(Press({{"1d6", 5, "To Hit"}, {"1d6", 4, "Damage"}, {"1d6", 4, "To Hit"}}),
              (Lines{"Nose Gun Hits FW190 at 12 High - FBOA", "Top Turret Misses"}));
    EXPECT_EQ(game->Fighters[3].DamageLevel, 2);
    EXPECT_EQ(screen->lblGun[2].Caption, "14");
    EXPECT_EQ(screen->lblGun[8].Caption, "15");
    EXPECT_EQ(screen->lblGun[10].Caption, "23") << "a gun without an aim keeps its ammunition";
    EXPECT_EQ(screen->lblGun[2].Tag, "");
    EXPECT_EQ(screen->lblGun[8].Tag, "");
    EXPECT_EQ(screen->cmdNextStep.Caption, "Enemy Fire");
}

TEST_F(MissionScreenTest, CellsAndCountersTakeNoClicksOutsideTheirPhases) {
    for (int p : {1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 15, 17, 18, 19}) {
        SCOPED_TRACE("phase " + std::to_string(p));
        Enter({.phase = p, .wave = {AtTwelveHigh, AtSixHigh}});
        screen->nRemovals = 1;
        const WavePanel panel = waves;
        screen->lblToHit_Click(1);
        screen->lblGun_Click(8);
        EXPECT_EQ(waves, panel);
        EXPECT_EQ(screen->nRemovals, 1);
        EXPECT_EQ(screen->nSelectedGun, 0);
        EXPECT_EQ(screen->lblGun[2].Tag, "");
        EXPECT_EQ(screen->lblGun[8].BackColour, Colour::Normal);
    }
}

TEST_F(MissionScreenTest, RemoveFightersMovesTheKeptOnesUpInOrder) {
    const FighterRecord damaged = MakeFighter("Me110", 19, 2, "B");
    const FighterRecord destroyed = MakeFighter("FW190", 4, 3, "D");
    struct Case {
        std::vector<FighterRecord> wave;
        Lines marks;
        std::vector<FighterRecord> kept;
    };
    const Case cases[] = {
        {{AtTwelveHigh, AtSixHigh, destroyed}, {"XXX", "", ""}, {AtSixHigh}},
        {{AtTwelveHigh, damaged, AtSixLevel, AtSixHigh}, {"FC", "", "FC", ""}, {damaged, AtSixHigh}},
        {{damaged, AtSixLevel}, {}, {damaged, AtSixLevel}},
        {{AtTwelveHigh, destroyed}, {"XXX"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.wave.size()) + " fighters, " + std::to_string(c.kept.size()) + " kept");
        Enter({.phase = phase::EnemyFire, .wave = c.wave, .marks = c.marks});
        screen->RemoveFighters();
        ASSERT_EQ(game->Fighters.UpperBound(), static_cast<int>(c.kept.size()));
        for (int i = 1; i <= WaveRows; ++i)
            EXPECT_EQ(waves.Row[i].ToHit.Tag, "") << "row " << i;
        for (int i = 1; i <= game->Fighters.UpperBound(); ++i)
            EXPECT_EQ(game->Fighters[i], c.kept[static_cast<std::size_t>(i - 1)]) << "fighter " << i;
    }
}

TEST_F(MissionScreenTest, CorvaneFireWithoutAimsStillRemovesTheDestroyedAndRefreshes) {
    Enter({.phase = phase::CorvaneFire, .wave = {MakeFighter("Me109", 1, 3), AtSixHigh}});
    game->Guns[3].Ammo = 0;
    const auto guns = game->Guns;
    Script({});
    screen->CorvaneFire();
    EXPECT_EQ(game->Guns, guns);
    ASSERT_EQ(game->Fighters.UpperBound(), 1);
    EXPECT_EQ(game->Fighters[1], AtSixHigh);
    EXPECT_EQ(screen->lblGun[3].Caption, "0");
    EXPECT_EQ(screen->lblGun[3].ForeColour, Colour::Orange);
}

TEST_F(MissionScreenTest, TwoGunsOnOneFighterAddTheirDamageBeforeItCanFire) {
    Enter({.phase = phase::CorvaneFire, .wave = {AtTwelveHigh}, .aims = {{8, "1/5"}, {2, "1/4"}}});
    Script({{"1d6", 4, "To Hit"}, {"1d6", 3, "Damage"}, {"1d6", 6, "To Hit"}, {"1d6", 2, "Damage"}});
    screen->CorvaneFire();
    EXPECT_EQ(log->Messages,
              (Lines{"Nose Gun Hits Me109 at 12 High - FBOA", "Top Turret Hits Me109 at 12 High - KIA"}));
    EXPECT_EQ(game->Fighters.UpperBound(), 0);
    EXPECT_EQ(game->Guns[2].Ammo, 14);
    EXPECT_EQ(game->Guns[8].Ammo, 15);
    EXPECT_EQ(screen->lblGun[2].Tag, "");
    EXPECT_EQ(screen->lblGun[8].Tag, "");
    // The shot that brought it down is the top turret's: its gunner has the kill.
    EXPECT_EQ(screen->FightersDestroyedBy[8], 1);
    EXPECT_EQ(screen->FightersDestroyedBy[2], 0);
}

TEST_F(MissionScreenTest, AFighterDownIsCreditedOnceToTheFirstGunThatDowned) {
    Enter({.phase = phase::CorvaneFire, .wave = {AtTwelveHigh}, .aims = {{8, "1/5"}, {2, "1/4"}}});
    Script({{"1d6", 4, "To Hit"}, {"1d6", 6, "Damage"}, {"1d6", 6, "To Hit"}, {"1d6", 6, "Damage"}});
    game->Guns[2].Gunner = 3; // the bombardier took over the nose gun
    screen->CorvaneFire();
    EXPECT_EQ(screen->FightersDestroyedBy[3], 1);
    EXPECT_EQ(screen->FightersDestroyedBy[8], 0);
}

TEST_F(MissionScreenTest, TheLastRoundLeavesTheGunOrangeAndNotReady) {
    Enter({.phase = phase::CorvaneFire, .wave = {AtTwelveHigh}, .aims = {{2, "1/4"}}});
    game->Guns[2].Ammo = 1;
    Script({{"1d6", 3, "To Hit"}});
    screen->CorvaneFire();
    EXPECT_EQ(log->Messages.back(), "Nose Gun Misses");
    EXPECT_EQ(screen->lblGun[2].Caption, "0");
    EXPECT_EQ(screen->lblGun[2].ForeColour, Colour::Orange);
    EXPECT_EQ(screen->lblGunName[2].ForeColour, Colour::Orange);
    EXPECT_FALSE(screen->GunReady(2));
}

struct EnemyFireCase {
    const char* name;
    FighterRecord fighter;
    std::vector<Roll> rolls;
    Lines messages;
    const char* mark;

    friend void PrintTo(const EnemyFireCase& c, std::ostream* os) { *os << c.name; }
};

class FighterFire : public MissionScreenTest, public ::testing::WithParamInterface<EnemyFireCase> {};

TEST_P(FighterFire, TheCurrentFighterFiresAndIsMarkedWhenItMisses) {
    const EnemyFireCase& c = GetParam();
    Enter({.phase = phase::EnemyFire, .wave = {AtSixHigh, c.fighter}, .current = 2});
    Script(c.rolls);
    const std::size_t rolled = log->Rolls.size();
    screen->EnemyFire();
    EXPECT_EQ(Since(log->Rolls, rolled), LinesFor(c.rolls));
    EXPECT_EQ(log->Messages, c.messages);
    EXPECT_EQ(waves.Row[2].ToHit.Tag, c.mark);
    EXPECT_EQ(waves.Row[1].ToHit.Tag, "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(MissionScreen, FighterFire, ::testing::Values(
    EnemyFireCase{"BelowTheNumberMisses", AtTwelveHigh, {{"1d6", 4, "Enemy to Hit"}},
                  {"Me109 at 12 High misses"}, "XXX"},
    EnemyFireCase{"TheNumberItselfHits", AtTwelveHigh,
                  {{"1d6", 5, "Enemy to Hit"}, {"2d6", 7, "Shell Hits"}, {"2d6", 2, "Area Damage"}},
                  {"Me109 at 12 High registers 1 hits", "  Superficial Damage"}, ""},
    EnemyFireCase{"DamageRaisesTheNumber", MakeFighter("Me109", 1, 1), {{"1d6", 5, "Enemy to Hit"}},
                  {"Me109 at 12 High misses"}, "XXX"},
    EnemyFireCase{"ABadlyDamagedFighterStillFires", MakeFighter("Me109", 10, 2),
                  {{"1d6", 5, "Enemy to Hit"}, {"2d6", 7, "Shell Hits"}, {"2d6", 2, "Area Damage"},
                   {"2d6", 3, "Area Damage"}},
                  {"Me109 at 6 High registers 2 hits", "  Superficial Damage", "  Superficial Damage"}, ""},
    EnemyFireCase{"ThreeShellsThreeAreas", MakeFighter("FW190", 17),
                  {{"1d6", 6, "Enemy to Hit"}, {"2d6", 3, "Shell Hits"}, {"2d6", 3, "Area Damage"},
                   {"2d6", 4, "Area Damage"}, {"2d6", 5, "Area Damage"}},
                  {"FW190 at 10:30 Level registers 3 hits", "  Superficial Damage", "  Superficial Damage",
                   "  Superficial Damage"}, ""},
    EnemyFireCase{"ASpecialFighterIsNamedWithoutItsMark", MakeFighter("Me110", 19, 0, "B"),
                  {{"1d6", 3, "Enemy to Hit"}}, {"Me110 at Vertical Climb misses"}, "XXX"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(MissionScreenTest, TheGunPanelShowsTheWorstOfEachGun) {
    struct Case {
        GunRecord gun;
        Colour colour;
    };
    const Case cases[] = {
        {{"OK", 7, 6}, Colour::Default}, {{"OK", 0, 6}, Colour::Orange}, {{"Out", 0, 0}, Colour::Orange},
        {{"Out", 7, 6}, Colour::Red},    {{"Out", 7, 0}, Colour::Red},   {{"OK", 7, 0}, Colour::Blue},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.gun.Status.View()) + " ammo " + std::to_string(c.gun.Ammo) + " gunner " +
                     std::to_string(c.gun.Gunner));
        MissionScreen fresh(*game);
        game->Guns[6] = c.gun;
        fresh.RefreshDisplay();
        EXPECT_EQ(fresh.lblGun[6].Caption, std::to_string(c.gun.Ammo));
        EXPECT_EQ(fresh.lblGun[6].ForeColour, c.colour);
        EXPECT_EQ(fresh.lblGunName[6].ForeColour, c.colour);
        EXPECT_EQ(fresh.lblGun[7].ForeColour, Colour::Default);
    }
}

TEST_F(MissionScreenTest, TheCrewPanelShowsEachWound) {
    struct Case {
        int wound;
        const char* caption;
        Colour colour;
        bool bold;
        bool visible;
    };
    const Case cases[] = {
        {0, "", Colour::Default, false, true},  {1, "LW", Colour::Blue, false, true},
        {2, "LW2", Colour::Blue, true, true},   {3, "SW", Colour::Red, true, true},
        {4, "", Colour::Default, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("wound " + std::to_string(c.wound));
        MissionScreen fresh(*game);
        game->Crew[7].Wound = c.wound;
        fresh.RefreshDisplay();
        for (const auto* row : {&fresh.lblCrewWound, &fresh.lblCrewPos, &fresh.lblCrewName}) {
            EXPECT_EQ((*row)[7].ForeColour, c.colour);
            EXPECT_EQ((*row)[7].Visible, c.visible);
            EXPECT_TRUE((*row)[6].Visible);
        }
        EXPECT_EQ(fresh.lblCrewWound[7].Caption, c.caption);
        EXPECT_EQ(fresh.lblCrewWound[7].Bold, c.bold);
        EXPECT_EQ(fresh.lblCrewWound[6], (Label{}));
    }
}

TEST_F(MissionScreenTest, FighterCoverFollowsTheLegFlown) {
    game->Mission.CurrentZone = 3;
    game->Mission.Target.Zone[3].CoverOut = "None";
    game->Mission.Target.Zone[3].CoverBack = "Poor";
    game->Mission.Target.Direction = "Out";
    EXPECT_FALSE(screen->FighterCoverAvailable());
    game->Mission.Target.Direction = "Back";
    EXPECT_TRUE(screen->FighterCoverAvailable());
}

} // namespace
} // namespace halvard
