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

using test::LinesFor;
using test::MakeFighter;
using test::Roll;
using Lines = std::vector<std::string>;

// Lines as one text, so that a long transcript compares at once and reads compactly.
std::string Joined(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "|";
    return text;
}

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

struct TransitionCase;

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

    void Script(const std::vector<Roll>& rolls) { game->UseDiceScript(FaceScript(test::FacesFor(rolls))); }

    void Enter(const Situation& s) {
        game->Mission.CurrentZone = s.zone;
        game->Mission.Target.Direction = s.direction;
        game->Mission.Target.WeatherTarget = "Good";
        game->Mission.SuccessiveAttacks = s.successive;
        game->Fighters.Clear();
        for (const FighterRecord& fighter : s.wave)
            game->Fighters.Add() = fighter;
        ShowWave(*game);
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
        screen->cmdNextStep.Enabled = true;
    }

    // Presses the step button with exactly these rolls to come, expects every one of them made
    // and returns the messages the press wrote.
    Lines Press(const std::vector<Roll>& rolls = {}) {
        Script(rolls);
        const auto rolled = static_cast<std::ptrdiff_t>(log->Rolls.size());
        const auto written = static_cast<std::ptrdiff_t>(log->Messages.size());
        screen->cmdNextStep_Click();
        EXPECT_EQ(Lines(log->Rolls.begin() + rolled, log->Rolls.end()), LinesFor(rolls));
        return Lines(log->Messages.begin() + written, log->Messages.end());
    }

    std::unique_ptr<Game> game = test::ScriptedGame(ScreenDatabase(), {});
    std::shared_ptr<test::Transcript> log = test::Record(*game);
    std::unique_ptr<MissionScreen> screen = std::make_unique<MissionScreen>(*game);
    WavePanel& waves = game->Waves;
    void Transition(const TransitionCase& c);
};

struct TransitionCase {
    const char* name;
    Situation from;
    std::vector<Roll> rolls = {};
    Lines messages = {}; // written by the step
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
    std::vector<int> highlighted = {}; // guns with a shot, on entering the gun assignment
};

void MissionScreenTest::Transition(const TransitionCase& c) {
    SCOPED_TRACE(c.name);
    Enter(c.from);
    // Red cells of the cover mean nothing to the guns.
    if (c.phase == phase::AssignGuns && c.from.phase != phase::RollForCoverResults)
        for (WaveRow& row : waves.Row)
            row.ToHit.BackColour = Colour::Red;
    EXPECT_EQ(Press(c.rolls), c.messages);
    EXPECT_EQ(screen->nPhase, c.phase);
    EXPECT_EQ(screen->cmdNextStep, (CommandButton{std::string_view(c.caption), c.enabled}));
    EXPECT_EQ(game->Fighters.UpperBound(), c.fighters.value_or(static_cast<int>(c.from.wave.size())));
    EXPECT_EQ(game->Mission.SuccessiveAttacks, c.successive.value_or(c.from.successive));
    EXPECT_EQ(screen->nCurrentFighter, c.current.value_or(c.from.current));
    EXPECT_EQ(game->Mission.CurrentZone, c.zone.value_or(c.from.zone));
    EXPECT_EQ(game->Mission.Target.Direction, c.direction.value_or(c.from.direction));
    EXPECT_EQ(screen->sCover, c.cover.value_or(c.from.cover));
    if (c.phase != phase::AssignGuns) return;
    for (int g = FirstGun; g <= LastGun; ++g)
        EXPECT_EQ(screen->lblGun[g].BackColour,
                  std::ranges::count(c.highlighted, g) ? Colour::Highlight : Colour::Normal)
            << "gun " << g;
    for (int i = 1; i <= WaveRows; ++i)
        EXPECT_EQ(waves.Row[i].ToHit.BackColour, Colour::Normal) << "cell " << i;
}

const Roll EnemyMisses{"1d6", 2, "Enemy to Hit"};
const Roll NewPosition12High{"2d6", 7, "Successive Att. Position"};
const Roll FlakMisses{"2d6", 7, "Flak To Hit"};
const Roll GoodCover6{"1d6", 6, "Fighter Cover"};

// clang-format off
using T = TransitionCase;
using namespace phase;
TEST_F(MissionScreenTest, EachStepIsPerformedThenTheNextOneNamed) {
  for (const T& c : {
    T{.name = "WithoutCoverTheGunsComeFirst", .from = {.phase = IncomingWave, .zone = 5, .waves = 1},
      .rolls = {{"d66", 11, "Wave Generation"}}, .phase = AssignGuns,
      .caption = "Assign Corvane Guns", .fighters = 1, .highlighted = {2, 8}},
    T{.name = "WithCoverItIsShownFirst", .from = {.phase = IncomingWave, .waves = 1},
      .rolls = {{"d66", 11, "Wave Generation"}},
      .phase = RollForFighterCover, .caption = "Roll for Fighter Cover", .fighters = 1},
    T{.name = "TheCoverOfTheLegIsShown", .from = {.phase = RollForFighterCover, .wave = {AtTwelveHigh}},
      .messages = {"Fighter Cover: Good"},
      .phase = RollForCoverResults, .caption = "Roll for Cover Results", .cover = "Good"},
    T{.name = "NoFighterCanBeChasedOff",
      .from = {.phase = RollForCoverResults, .wave = {Escort, LeadExtra}, .cover = "Good"},
      .rolls = {GoodCover6}, .messages = {"Fighter cover chased off 0 enemy fighters"},
      .phase = AssignGuns, .caption = "Assign Corvane Guns", .highlighted = {2, 8}},
    T{.name = "TheCoverChasesOffAsManyAsCanGo",
      .from = {.phase = RollForCoverResults, .wave = {AtTwelveHigh, Escort}, .cover = "Good"},
      .rolls = {{"1d6", 3, "Fighter Cover"}}, .messages = {"Fighter cover chased off 1 enemy fighters"},
      .phase = RemoveEnemyFighters, .caption = "Remove Enemy Fighters", .enabled = false},
    T{.name = "EveryFighterChasedOff",
      .from = {.phase = RemoveEnemyFighters, .wave = {AtTwelveHigh, AtSixHigh}, .marks = {"FC", "FC"}},
      .phase = WaveResolved, .caption = "Exit Wave", .fighters = 0},
    T{.name = "FightersStayAfterTheCover",
      .from = {.phase = RemoveEnemyFighters, .wave = {AtTwelveHigh, AtSixHigh}, .marks = {"FC", ""}},
      .phase = AssignGuns, .caption = "Assign Corvane Guns", .fighters = 1,
      .highlighted = {8, 10}},
    T{.name = "TheGunsDestroyTheWholeWave",
      .from = {.phase = CorvaneFire, .wave = {AtTwelveHigh}, .aims = {{2, "1/4"}}},
      .rolls = {{"1d6", 6, "To Hit"}, {"1d6", 6, "Damage"}}, .messages = {"Nose Gun Hits Me109 at 12 High - KIA"},
      .phase = WaveResolved, .caption = "Exit Wave", .fighters = 0},
    T{.name = "AfterTheLastFighterTheWaveAttacksAgain",
      .from = {.phase = EnemyFire, .wave = {AtTwelveHigh, AtSixHigh}, .current = 2},
      .rolls = {EnemyMisses}, .messages = {"Me109 at 6 High misses"}, .phase = SuccessiveAttack,
      .caption = "Successive Attack", .fighters = 1, .successive = 1, .current = 3},
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
      .rolls = {{"2d6", 2, "Successive Att. Position"}}, .phase = AssignGuns,
      .caption = "Assign Corvane Guns", .highlighted = {8, 10}},
    T{.name = "GoodCoverIsRolledAgain",
      .from = {.phase = SuccessiveAttack, .wave = {AtSixHigh}, .cover = "Good", .successive = 1},
      .rolls = {NewPosition12High},
      .phase = RollForCoverResults, .caption = "Roll for Cover Results"},
    T{.name = "FairCoverIsRolledAgain",
      .from = {.phase = SuccessiveAttack, .wave = {AtSixHigh}, .cover = "Fair", .successive = 1},
      .rolls = {NewPosition12High},
      .phase = RollForCoverResults, .caption = "Roll for Cover Results"},
    T{.name = "TheNextWaveOfTheZone", .from = {.phase = WaveResolved, .zone = 5, .waves = 1},
      .messages = {""}, .phase = IncomingWave, .caption = "Incoming Wave!"},
    T{.name = "FlakIsResolvedBeforeTheBombRun", .from = {.phase = EnterTarget, .zone = 5},
      .rolls = {{"1d6", 2, "Flak Over Target"}},
      .messages = {"", "[COMMENCING BOMB RUN]", "Flak Over Target: Light"},
      .phase = FlakResults, .caption = "Flak Results"},
    T{.name = "LeavingAZoneDropsItsCover", .from = {.phase = LeavingTheZone, .zone = 3, .cover = "Good"},
      .phase = EnterNextZone, .caption = "Enter Next Zone", .cover = "None"},
    // The target zone is left through "Exit Target": its outbound cover stays behind too.
    T{.name = "LeavingTheTargetDropsItsCover", .from = {.phase = ExitTarget, .zone = 3, .cover = "Good"},
      .phase = EnterNextZone, .caption = "Enter Next Zone", .zone = 4,
      .direction = "Back", .cover = "None"}})
    Transition(c);
}
// clang-format on

TEST_F(MissionScreenTest, AMissionToZoneFiveFliesOutAndBackAndLandsOnce) {
    const Roll noWaves{"1d6", 1, "Waves Appearing"}, noAttackers{"d66", 16, "Wave Generation"};
    // Zones 2-4 see no wave either way; zone 5 sees one wave without attackers each way.
    // clang-format off
    const std::vector<Roll> rolls = {
        noWaves, noWaves, noWaves, {"2d6", 7, "Weather"}, noWaves, noAttackers, {"1d6", 1, "Flak Over Target"},
        {"1d6", 6, "Bomb Run"}, {"2d6", 7, "Bomb Percentage"}, noWaves, noAttackers, noWaves, noWaves, noWaves,
        {"2d6", 7, "Weather"}, {"2d6", 12, "Landing on Land"}};
    // clang-format on
    Script(rolls);
    Lines captions;
    for (int press = 1; press <= 32; ++press) {
        screen->cmdNextStep_Click();
        captions.push_back(screen->cmdNextStep.Caption.Text());
    }
    std::string quiet;
    for (int zone = 1; zone <= 3; ++zone)
        quiet += "Check for Waves|Leaving the Zone|Enter Next Zone|";
    EXPECT_EQ(Joined(captions),
              quiet +
                  "Check for Waves|Incoming Wave|Wave Resolved|Enter Target|Bomb Run|Exit Target|"
                  "Enter Next Zone|Check for Waves|Incoming Wave|Wave Resolved|Exit Zone|"
                  "Enter Next Zone|" +
                  quiet + "Landing at Base|Landing at Base|");
    EXPECT_EQ(Lines(log->Rolls.begin() + 1, log->Rolls.end()), LinesFor(rolls)); // after the formation
    EXPECT_EQ(Joined(log->Messages),
              "|[ZONE #2]|Enemy Waves Appearing: 0||[ZONE #3]|Enemy Waves Appearing: 0||[ZONE #4]|"
              "Enemy Waves Appearing: 0||[ZONE #5]|Weather over Target: Good|Enemy Waves Appearing: 1|"
              "No Attackers|||[COMMENCING BOMB RUN]|Flak Over Target: None|Bomb Run was On Target|"
              "Bomb Percentage: 40||[ZONE #5]|Enemy Waves Appearing: 1|No Attackers|||[ZONE #4]|"
              "Enemy Waves Appearing: 0||[ZONE #3]|Enemy Waves Appearing: 0||[ZONE #2]|"
              "Enemy Waves Appearing: 0||[ZONE #1]|Weather over Base: Good|Crew and Corvane safe.|");
    EXPECT_EQ(screen->lblOnTarget.Caption, "On");
    EXPECT_EQ(screen->lblBombPct.Caption, "40%");
    EXPECT_FALSE(game->Damage.BombsAboard);

    // The landing is over: a further press rolls nothing (an empty script would throw).
    EXPECT_EQ(Press(), Lines{});
    EXPECT_EQ(screen->nPhase, phase::LandingAtBase);
    EXPECT_EQ(screen->cmdNextStep, (CommandButton{"Landing at Base", false}));
}

TEST_F(MissionScreenTest, TheBombRunEmptiesTheBayUnlessItsDoorsAreOut) {
    struct Case {
        bool doorsOut;
        int onTargetRoll, percentageRoll;
        const char *onTarget, *percentage;
    };
    for (const Case& c :
         {Case{false, 6, 11, "On", "50%"}, Case{false, 2, 12, "Off", "10%"}, Case{true, 6, 7, "On", "40%"}}) {
        SCOPED_TRACE(c.onTarget + std::string(c.doorsOut ? " with the doors out" : ""));
        Enter({.phase = phase::BombRun, .zone = 5});
        game->Damage.BombsAboard = true;
        game->Damage.BombBayDoorsOut = c.doorsOut;
        Press({{"1d6", c.onTargetRoll, "Bomb Run"}, {"2d6", c.percentageRoll, "Bomb Percentage"}});
        EXPECT_EQ(screen->lblOnTarget.Caption, c.onTarget);
        EXPECT_EQ(screen->lblBombPct.Caption, c.percentage);
        EXPECT_EQ(game->Damage.BombsAboard, c.doorsOut);
    }
}

TEST_F(MissionScreenTest, AFlakWoundShowsOnTheCrewPanelRightAfterThePress) {
    Enter({.phase = phase::FlakResults, .zone = 5, .flak = "Light"});
    // One burst of one hit, on the radio room's crew: the radio operator is seriously wounded.
    EXPECT_EQ(Press({{"2d6", 2, "Flak To Hit"},
                     FlakMisses,
                     FlakMisses,
                     {"2d6", 3, "Effect of Flak"},
                     {"2d6", 4, "Area Hit by Flak"},
                     {"2d6", 6, "Damage Radio Room"},
                     {"1d6", 4, "Wound"}}),
              (Lines{"Flak Bursts Hitting Corvane: 1", "Total # of Flak Hits: 1",
                     "  RADIO ROOM: Crew - Radio operator: SW"}));
    EXPECT_EQ(screen->cmdNextStep.Caption, "Bomb Run");
    EXPECT_EQ(screen->lblCrewWound[5].Caption, "SW");
    EXPECT_EQ(screen->lblCrewPos[5].ForeColour, Colour::Red);
    EXPECT_EQ(screen->lblGun[5].ForeColour, Colour::Blue) << "the radio gun lost its gunner";
}

TEST_F(MissionScreenTest, APressThatLeavesNoOneAliveEndsTheMissionUnlessALossCameFirst) {
    for (const std::optional<Outcome> ending :
         {std::optional<Outcome>{}, std::optional{Outcome::BailedOut}}) {
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

TEST_F(MissionScreenTest, EachFighterFiresInTurnThenTheMissesLeave) {
    const FighterRecord damaged = MakeFighter("Me109", 1, 1), fw190 = MakeFighter("FW190", 17);
    Enter({.phase = phase::CorvaneFire,
           .wave = {AtTwelveHigh, damaged, AtSixHigh, fw190, MakeFighter("Me110", 19, 0, "B")}});
    Press();
    const Lines superficial(3, "  Superficial Damage");
    const auto area = [](int roll) { return Roll{"2d6", roll, "Area Damage"}; };
    const std::pair<std::vector<Roll>, Lines> shots[] = {
        {{{"1d6", 4, "Enemy to Hit"}}, {"Me109 at 12 High misses"}},
        {{{"1d6", 5, "Enemy to Hit"}}, {"Me109 at 12 High misses"}},
        {{{"1d6", 3, "Enemy to Hit"}, {"2d6", 7, "Shell Hits"}, area(2), area(3)},
         {"Me109 at 6 High registers 2 hits", superficial[0], superficial[1]}},
        {{{"1d6", 6, "Enemy to Hit"}, {"2d6", 3, "Shell Hits"}, area(3), area(4), area(5)},
         {"FW190 at 10:30 Level registers 3 hits", superficial[0], superficial[1], superficial[2]}},
        {{{"1d6", 3, "Enemy to Hit"}}, {"Me110 at Vertical Climb misses"}},
    };
    for (const auto& [rolls, messages] : shots) {
        EXPECT_EQ(screen->cmdNextStep.Caption, "Enemy Fire");
        EXPECT_EQ(Press(rolls), messages);
        if (screen->nCurrentFighter == 3) EXPECT_EQ(waves.Row[2].ToHit.Tag, "XXX");
    }

    EXPECT_EQ(screen->cmdNextStep.Caption, "Successive Attack");
    ASSERT_EQ(game->Fighters.UpperBound(), 2);
    EXPECT_EQ(game->Fighters[1], AtSixHigh);
    EXPECT_EQ(game->Fighters[2], fw190);
    EXPECT_EQ(ShownPosition(*game, 1), "6 High");
    EXPECT_EQ(ShownType(*game, 3), "");

    // The next attack shows the new positions without the mark of a special fighter.
    game->Fighters[1].Special = "B";
    Press({{"2d6", 12, "Successive Att. Position"}, NewPosition12High});
    EXPECT_EQ(ShownPosition(*game, 1), "3 High");
    EXPECT_EQ(ShownPosition(*game, 2), "12 High");
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
        {7, 1, Colour::Normal, ""},  // no such cell
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
        if (click.cell > WaveRows) continue;
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

TEST_F(MissionScreenTest, AGunThatIsNotReadyIsNeitherHighlightedNorSelected) {
    const std::pair<GunRecord, bool> tails[] = {
        {{"OK", 1, 10}, true}, {{"OK", 0, 10}, false}, {{"Out", 5, 10}, false}, {{"OK", 5, 0}, false}};
    for (const auto& [tail, ready] : tails) {
        SCOPED_TRACE(std::string(tail.Status.View()) + " ammo " + std::to_string(tail.Ammo));
        Enter({.phase = phase::AssignGuns, .wave = {AtTwelveHigh, AtSixHigh}});
        game->Guns[10] = tail;
        screen->PreAssignGuns();
        EXPECT_EQ(screen->lblGun[10].BackColour, ready ? Colour::Highlight : Colour::Normal);
        screen->lblGun_Click(10);
        EXPECT_EQ(screen->nSelectedGun, ready ? 10 : 0);
        EXPECT_EQ(screen->lblToHit[2].Caption, ready ? "3" : "");
    }
}

TEST_F(MissionScreenTest, AimingGunsMovesTheirTargetsAndTheGunsFireInOrder) {
    Enter({.phase = phase::AssignGuns, .wave = {AtSixHigh, AtTwelveHigh, MakeFighter("FW190", 1)}});
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

// Two guns on one fighter add their damage; the kill goes to the gunner of the shot that
// brought it down, once.
TEST_F(MissionScreenTest, AFighterDownIsCreditedOnceToTheGunnerWhoseShotDownedIt) {
    struct Case {
        int noseGunner;
        int noseDamage, turretDamage;
        Lines messages;
        int credited, notCredited;
    };
    const Case cases[] = {
        {2, 3, 2, {"Nose Gun Hits Me109 at 12 High - FBOA", "Top Turret Hits Me109 at 12 High - KIA"}, 8, 2},
        // The bombardier took over the nose gun.
        {3, 6, 6, {"Nose Gun Hits Me109 at 12 High - KIA", "Top Turret Hits Me109 at 12 High - KIA"}, 3, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("nose damage " + std::to_string(c.noseDamage));
        Enter({.phase = phase::CorvaneFire, .wave = {AtTwelveHigh}, .aims = {{8, "1/5"}, {2, "1/4"}}});
        game->Guns[2].Gunner = c.noseGunner;
        screen->FightersDestroyedBy = {};
        const std::size_t written = log->Messages.size();
        Script({{"1d6", 4, "To Hit"},
                {"1d6", c.noseDamage, "Damage"},
                {"1d6", 6, "To Hit"},
                {"1d6", c.turretDamage, "Damage"}});
        screen->CorvaneFire();
        EXPECT_EQ(Lines(log->Messages.begin() + static_cast<std::ptrdiff_t>(written), log->Messages.end()),
                  c.messages);
        EXPECT_EQ(game->Fighters.UpperBound(), 0);
        EXPECT_EQ(screen->FightersDestroyedBy[c.credited], 1);
        EXPECT_EQ(screen->FightersDestroyedBy[c.notCredited], 0);
    }
}

} // namespace
} // namespace halvard
