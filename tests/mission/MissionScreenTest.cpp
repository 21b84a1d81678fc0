#include "MissionScreen.h"

#include "Names.h"
#include "TestData.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <tuple>
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

// A background colour as one letter, so that a row of cells reads as one word.
char Letter(Colour c) {
    return "?NHRBYO"[static_cast<int>(c)];
}

// Meaulte lies five zones out, without heavy flak. Besides the nose gun at 12 High, the top turret
// bears on 12 High and 6 High and the tail guns on 6 High.
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

// Where a test puts the mission before it presses or clicks.
struct Situation {
    int phase;
    int zone = 2;
    std::vector<FighterRecord> wave = {};
    Lines marks = {};                                   // to-hit cells' marks, from row 1
    std::vector<std::pair<int, std::string>> aims = {}; // gun counters' assignments
    std::string cover = "None", flak = "None";
    int waves = 0, successive = 0, current = 0;
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
        game->Mission.Target.Direction = "Out";
        game->Mission.Target.WeatherTarget = "Good";
        game->Mission.SuccessiveAttacks = s.successive;
        game->Fighters.Clear();
        for (const FighterRecord& fighter : s.wave)
            game->Fighters.Add() = fighter;
        ShowWave(*game);
        for (int i = 1; i <= WaveRows; ++i)
            waves.Row[i].ToHit = {.Tag = test::MarkFrom(i <= int(s.marks.size()) ? s.marks[i - 1] : "")};
        for (GunCounter& counter : screen->GunCounters)
            counter = GunCounter{};
        for (const auto& [gun, aim] : s.aims)
            screen->GunCounters[gun].Tag = test::MarkFrom(aim);
        screen->nPhase = s.phase;
        screen->sCover = s.cover;
        screen->sFlakDensity = s.flak;
        screen->nWavesAppearing = s.waves;
        screen->nCurrentFighter = s.current;
        screen->nSelectedGun = 0;
        screen->cmdNextStep = {"", true}; // so that only the press names the next step
    }

    // Presses the step button, expects exactly these rolls made and returns the messages written.
    Lines Press(const std::vector<Roll>& rolls = {}, int presses = 1) {
        Script(rolls);
        log->Rolls.clear();
        log->Messages.clear();
        for (int press = 1; press <= presses; ++press)
            screen->cmdNextStep_Click();
        EXPECT_EQ(log->Rolls, LinesFor(rolls));
        return log->Messages;
    }

    std::unique_ptr<Game> game = test::ScriptedGame(ScreenDatabase(), {});
    std::shared_ptr<test::Transcript> log = test::Record(*game);
    std::unique_ptr<MissionScreen> screen = std::make_unique<MissionScreen>(*game);
    WavePanel& waves = game->Waves;
    // The first three to-hit cells (number and colour), the gun selected, and the nose, radio, top
    // turret and tail counters (colour and aim).
    std::string Board() const {
        std::string text;
        for (int i = 1; i <= 3; ++i)
            text += screen->lblToHit[i].Caption.Text() + Letter(screen->lblToHit[i].BackColour) + " ";
        text += "| " + std::to_string(screen->nSelectedGun) + " |";
        for (int g : {2, 5, 8, 10})
            text +=
                " " + std::to_string(g) + Letter(screen->lblGun[g].BackColour) + screen->lblGun[g].Tag.Text();
        return text;
    }
    // The button; the fighters in the wave, the successive attack and the fighter firing; the zone;
    // the cover; and the guns that have a shot.
    std::string State() const {
        std::string text =
            screen->cmdNextStep.Caption.Text() + (screen->cmdNextStep.Enabled ? ": " : " (off): ");
        const MissionRecord& m = game->Mission;
        for (int n : {game->Fighters.UpperBound(), m.SuccessiveAttacks, screen->nCurrentFighter})
            text += std::to_string(n) + " ";
        text += "| " + std::to_string(m.CurrentZone) + " " + m.Target.Direction + ", " + screen->sCover +
                ", guns";
        for (int g = FirstGun; g <= LastGun; ++g)
            if (screen->lblGun[g].BackColour == Colour::Highlight) text += " " + std::to_string(g);
        return text;
    }
};

const Roll EnemyMisses{"1d6", 2, "Enemy to Hit"}, NewPosition12High{"2d6", 7, "Successive Att. Position"},
    FlakMisses{"2d6", 7, "Flak To Hit"};

TEST_F(MissionScreenTest, EachStepIsPerformedThenTheNextOneNamed) {
    using namespace phase;
    struct Case {
        Situation from;
        std::vector<Roll> rolls;
        std::string messages, state; // written by the step; State() after it
    };
    // clang-format off
    const Case cases[] = {
        {{.phase = IncomingWave, .zone = 5, .waves = 1}, {{"d66", 11, "Wave Generation"}},
         "", "Assign Corvane Guns: 1 0 0 | 5 Out, None, guns 2 8"},
        {{.phase = IncomingWave, .waves = 1}, {{"d66", 11, "Wave Generation"}},
         "", "Roll for Fighter Cover: 1 0 0 | 2 Out, None, guns"},
        {{.phase = RollForFighterCover, .wave = {AtTwelveHigh}}, {},
         "Fighter Cover: Good|", "Roll for Cover Results: 1 0 0 | 2 Out, Good, guns"},
        {{.phase = RollForCoverResults, .wave = {Escort, LeadExtra}, .cover = "Good"}, {{"1d6", 6, "Fighter Cover"}},
         "Fighter cover chased off 0 enemy fighters|", "Assign Corvane Guns: 2 0 0 | 2 Out, Good, guns 2 8"},
        {{.phase = RemoveEnemyFighters, .wave = {AtTwelveHigh, AtSixHigh}, .marks = {"FC", "FC"}}, {},
         "", "Exit Wave: 0 0 0 | 2 Out, None, guns"},
        {{.phase = CorvaneFire, .wave = {AtTwelveHigh}, .aims = {{2, "1/4"}}}, {{"1d6", 6, "To Hit"}, {"1d6", 6, "Damage"}},
         "Nose Gun Hits Me109 at 12 High - KIA|", "Exit Wave: 0 0 0 | 2 Out, None, guns"},
        {{.phase = EnemyFire, .wave = {AtTwelveHigh, AtSixHigh}, .successive = 2, .current = 2}, {EnemyMisses},
         "Me109 at 6 High misses|", "Exit Wave: 1 0 3 | 2 Out, None, guns"},
        {{.phase = EnemyFire, .wave = {AtTwelveHigh, AtSixHigh}, .marks = {"XXX"}, .current = 2}, {EnemyMisses},
         "Me109 at 6 High misses|", "Exit Wave: 0 0 3 | 2 Out, None, guns"},
        {{.phase = SuccessiveAttack, .wave = {AtSixHigh}, .cover = "Poor", .successive = 1}, {{"2d6", 2, "Successive Att. Position"}},
         "", "Assign Corvane Guns: 1 1 0 | 2 Out, Poor, guns 8 10"},
        {{.phase = SuccessiveAttack, .wave = {AtSixHigh}, .cover = "Good", .successive = 1}, {NewPosition12High},
         "", "Roll for Cover Results: 1 1 0 | 2 Out, Good, guns"},
        {{.phase = WaveResolved, .zone = 5, .waves = 1}, {}, "|", "Incoming Wave!: 0 0 0 | 5 Out, None, guns"},
        {{.phase = EnterTarget, .zone = 5}, {{"1d6", 2, "Flak Over Target"}},
         "|[COMMENCING BOMB RUN]|Flak Over Target: Light|", "Flak Results: 0 0 0 | 5 Out, None, guns"},
        {{.phase = LeavingTheZone, .zone = 3, .cover = "Good"}, {}, "", "Enter Next Zone: 0 0 0 | 3 Out, None, guns"},
        // The target zone is left through "Exit Target": its outbound cover stays behind too.
        {{.phase = ExitTarget, .zone = 3, .cover = "Good"}, {}, "", "Enter Next Zone: 0 0 0 | 4 Back, None, guns"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        Enter(c.from);
        // Red cells of the cover mean nothing to the guns.
        for (WaveRow& row : waves.Row)
            row.ToHit.BackColour = Colour::Red;
        EXPECT_EQ(Joined(Press(c.rolls)), c.messages);
        EXPECT_EQ(State(), c.state);
        if (screen->nPhase == AssignGuns) {
            for (const WaveRow& row : waves.Row)
                EXPECT_EQ(row.ToHit.BackColour, Colour::Normal);
        }
    }
}

TEST_F(MissionScreenTest, AMissionToZoneFiveFliesOutAndBackAndLandsOnce) {
    const Roll noWaves{"1d6", 1, "Waves Appearing"}, noAttackers{"d66", 16, "Wave Generation"};
    // Zones 2-4 see no wave either way; zone 5 sees one wave without attackers each way.
    // clang-format off
    const std::vector<Roll> rolls = {
        noWaves, noWaves, noWaves, {"2d6", 7, "Weather"}, noWaves, noAttackers, {"1d6", 1, "Flak Over Target"},
        {"1d6", 6, "Bomb Run"}, {"2d6", 7, "Bomb Percentage"}, noWaves, noAttackers, noWaves, noWaves, noWaves,
        {"2d6", 7, "Weather"}, {"2d6", 12, "Landing on Land"}};
    // clang-format on
    EXPECT_EQ(Joined(Press(rolls, 32)),
              "|[ZONE #2]|Enemy Waves Appearing: 0||[ZONE #3]|Enemy Waves Appearing: 0||[ZONE #4]|"
              "Enemy Waves Appearing: 0||[ZONE #5]|Weather over Target: Good|Enemy Waves Appearing: 1|"
              "No Attackers|||[COMMENCING BOMB RUN]|Flak Over Target: None|Bomb Run was On Target|"
              "Bomb Percentage: 40||[ZONE #5]|Enemy Waves Appearing: 1|No Attackers|||[ZONE #4]|"
              "Enemy Waves Appearing: 0||[ZONE #3]|Enemy Waves Appearing: 0||[ZONE #2]|"
              "Enemy Waves Appearing: 0||[ZONE #1]|Weather over Base: Good|Crew and Corvane safe.|");
    // The landing is over: a further press rolls nothing (an empty script would throw).
    EXPECT_EQ(Press(), Lines{});
    EXPECT_EQ(screen->nPhase, phase::LandingAtBase);
    EXPECT_EQ(screen->cmdNextStep, (CommandButton{"Landing at Base", false}));
}

TEST_F(MissionScreenTest, TheBombRunEmptiesTheBayUnlessItsDoorsAreOut) {
    // The doors out, the rolls for the run and the percentage, and the two labels after them.
    const std::tuple<bool, int, int, const char*> cases[] = {
        {false, 6, 11, "On 50%"}, {false, 2, 12, "Off 10%"}, {true, 6, 7, "On 40%"}};
    for (const auto& [doorsOut, onTarget, percentage, labels] : cases) {
        Enter({.phase = phase::BombRun, .zone = 5});
        game->Damage.BombsAboard = true;
        game->Damage.BombBayDoorsOut = doorsOut;
        Press({{"1d6", onTarget, "Bomb Run"}, {"2d6", percentage, "Bomb Percentage"}});
        EXPECT_EQ(screen->lblOnTarget.Caption.Text() + " " + screen->lblBombPct.Caption.Text(), labels);
        EXPECT_EQ(game->Damage.BombsAboard, doorsOut) << labels;
    }
}

TEST_F(MissionScreenTest, AFlakWoundShowsOnTheCrewPanelRightAfterThePress) {
    Enter({.phase = phase::FlakResults, .zone = 5, .flak = "Light"});
    // One burst of one hit, on the radio room's crew: the radio operator is seriously wounded.
    // clang-format off
    EXPECT_EQ(Press({{"2d6", 2, "Flak To Hit"}, FlakMisses, FlakMisses, {"2d6", 3, "Effect of Flak"},
                     {"2d6", 4, "Area Hit by Flak"}, {"2d6", 6, "Damage Radio Room"}, {"1d6", 4, "Wound"}}),
              (Lines{"Flak Bursts Hitting Corvane: 1", "Total # of Flak Hits: 1",
                     "  RADIO ROOM: Crew - Radio operator: SW"}));
    // clang-format on
    EXPECT_EQ(screen->cmdNextStep.Caption, "Bomb Run");
    EXPECT_EQ(screen->lblCrewWound[5].Caption, "SW");
    EXPECT_EQ(screen->lblCrewPos[5].ForeColour, Colour::Red);
    EXPECT_EQ(screen->lblGun[5].ForeColour, Colour::Blue) << "the radio gun lost its gunner";
}

TEST_F(MissionScreenTest, APressThatLeavesNoOneAliveEndsTheMissionUnlessALossCameFirst) {
    using Ending = std::optional<Outcome>;
    // The ending before, the tail gunner's wound (the others are dead), the ending after the press.
    const std::tuple<Ending, int, Ending> cases[] = {{Ending{}, 3, Ending{}},
                                                     {Ending{}, Killed, Outcome::CrewKilled},
                                                     {Outcome::BailedOut, Killed, Outcome::BailedOut}};
    for (const auto& [before, tail, after] : cases) {
        Enter({.phase = phase::LeavingTheZone, .zone = 3});
        game->Mission.Ending = before;
        for (int member = 1; member <= CrewCount; ++member)
            game->Crew[member].Wound = member == CrewCount ? tail : Killed;
        Press();
        EXPECT_EQ(game->Mission.Ending, after) << "tail gunner's wound " << tail;
    }
}

TEST_F(MissionScreenTest, EachFighterFiresInTurnThenTheMissesLeave) {
    const FighterRecord damaged = MakeFighter("Me109", 1, 1), fw190 = MakeFighter("FW190", 17);
    Enter({.phase = phase::CorvaneFire,
           .wave = {AtTwelveHigh, damaged, AtSixHigh, fw190, MakeFighter("Me110", 19, 0, "B")}});
    Press();
    const auto area = [](int roll) { return Roll{"2d6", roll, "Area Damage"}; };
    const std::string superficial = "  Superficial Damage|";
    // clang-format off
    EXPECT_EQ(Joined(Press({{"1d6", 4, "Enemy to Hit"}, {"1d6", 5, "Enemy to Hit"}}, 2)),
              "Me109 at 12 High misses|Me109 at 12 High misses|");
    EXPECT_EQ(waves.Row[2].ToHit.Tag, "XXX") << "a miss stays marked until the attack is over";
    EXPECT_EQ(Joined(Press({{"1d6", 3, "Enemy to Hit"}, {"2d6", 7, "Shell Hits"}, area(2), area(3),
                            {"1d6", 6, "Enemy to Hit"}, {"2d6", 3, "Shell Hits"}, area(3), area(4), area(5),
                            {"1d6", 3, "Enemy to Hit"}}, 3)),
              "Me109 at 6 High registers 2 hits|" + superficial + superficial + "FW190 at 10:30 Level registers 3 hits|" +
              superficial + superficial + superficial + "Me110 at Vertical Climb misses|");
    // clang-format on
    EXPECT_EQ(State(), "Successive Attack: 2 1 6 | 2 Out, None, guns");
    EXPECT_EQ(game->Fighters[1], AtSixHigh);
    EXPECT_EQ(game->Fighters[2], fw190);
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
    // The count left, the step button, and the first four cells' colours and marks.
    const auto marks = [this] {
        std::string text =
            waves.lblMiscWave.Caption.Text() + (screen->cmdNextStep.Enabled ? " (on):" : " (off):");
        for (int i = 1; i <= 4; ++i)
            text += std::string(" ") + Letter(waves.Row[i].ToHit.BackColour) + waves.Row[i].ToHit.Tag.Text();
        return text;
    };
    Press({{"1d6", 3, "Fighter Cover"}});
    Press(); // disabled: nothing happens
    EXPECT_EQ(marks(), "Remove 1 Enemy Fighters (off): N N N R");
    const std::pair<int, const char*> clicks[] = {
        {4, "Remove 1 Enemy Fighters (off): N N N R"},      // cannot be chased off
        {5, "Remove 1 Enemy Fighters (off): N N N R"},      // below the last fighter
        {7, "Remove 1 Enemy Fighters (off): N N N R"},      // no such cell
        {1, "Remove 0 Enemy Fighters (on): BFC N N R"},     //
        {2, "Remove -1 Enemy Fighters (off): BFC BFC N R"}, // one too many
        {1, "Remove 0 Enemy Fighters (on): N BFC N R"},     // taken back
    };
    for (const auto& [cell, after] : clicks) {
        screen->lblToHit_Click(cell);
        EXPECT_EQ(marks(), after) << "cell " << cell;
        EXPECT_EQ(screen->cmdNextStep.Caption, "Remove Enemy Fighters");
    }
    Press();
    EXPECT_EQ(marks(), " (on): N N N N");
    EXPECT_EQ(screen->cmdNextStep.Caption, "Assign Corvane Guns");
    ASSERT_EQ(game->Fighters.UpperBound(), 3);
    EXPECT_EQ(game->Fighters[2], AtSixLevel);
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
    // clang-format off
    const std::tuple<bool, int, const char*> clicks[] = { // on a gun or a cell, and the board after it
        {true, 8,  "4N 5N 6N | 8 | 2H 5N 8Y 10H"},
        {false, 2, "4N 5Y 6N | 8 | 2H 5N 8Y2/5 10H"},
        {false, 3, "4N 5N 6Y | 8 | 2H 5N 8Y3/6 10H"},
        {false, 2, "4N 5Y 6N | 8 | 2H 5N 8Y2/5 10H"},
        {true, 2,  "N 4N 5N | 2 | 2Y 5N 8H2/5 10H"},
        {false, 1, "N 4N 5N | 2 | 2Y 5N 8H2/5 10H"}, // no shot there
        {false, 3, "N 4N 5Y | 2 | 2Y3/5 5N 8H2/5 10H"},
        {true, 8,  "4N 5Y 6N | 8 | 2H3/5 5N 8Y2/5 10H"},
        {true, 5,  "N Y N | 8 | 2H3/5 5N 8H2/5 10H"}, // ready, but without a shot: no selection
    };
    // clang-format on
    for (const auto& [gun, index, board] : clicks) {
        gun ? screen->lblGun_Click(index) : screen->lblToHit_Click(index);
        EXPECT_EQ(Board(), board) << (gun ? "gun " : "cell ") << index;
    }
    Press();
    EXPECT_EQ(Board(), "N N N | 0 | 2N3/5 5N 8N2/5 10N") << "the aims stay for the fire";
    EXPECT_EQ(Press({{"1d6", 5, "To Hit"}, {"1d6", 4, "Damage"}, {"1d6", 4, "To Hit"}}),
              (Lines{"Nose Gun Hits FW190 at 12 High - FBOA", "Top Turret Misses"}));
    EXPECT_EQ(screen->lblGun[2].Caption, "14");
    EXPECT_EQ(screen->lblGun[8].Caption, "15");
    EXPECT_EQ(screen->lblGun[10].Caption, "23") << "a gun without an aim keeps its ammunition";
    EXPECT_EQ(Board(), "N N N | 0 | 2N 5N 8N 10N");
    EXPECT_EQ(screen->cmdNextStep.Caption, "Enemy Fire");
}

// Two guns on one fighter add their damage; the kill goes to the gunner of the shot that brought it
// down, once: a second gun on a fighter already down takes nothing.
TEST_F(MissionScreenTest, AFighterDownIsCreditedOnceToTheGunnerWhoseShotDownedIt) {
    // The nose gunner, the nose gun's damage roll, what the nose gun did, who has the kill and who not.
    const std::tuple<int, int, const char*, int, int> cases[] = {{2, 3, "FBOA", 8, 2}, {3, 6, "KIA", 3, 8}};
    for (const auto& [noseGunner, noseDamage, noseResult, credited, notCredited] : cases) {
        SCOPED_TRACE(noseResult);
        Enter({.phase = phase::CorvaneFire, .wave = {AtTwelveHigh}, .aims = {{8, "1/5"}, {2, "1/4"}}});
        game->Guns[2].Gunner = noseGunner;
        screen->FightersDestroyedBy = {};
        const Roll toHit{"1d6", 4, "To Hit"}, sixToHit{"1d6", 6, "To Hit"};
        EXPECT_EQ(Joined(Press({toHit, {"1d6", noseDamage, "Damage"}, sixToHit, {"1d6", 2, "Damage"}})),
                  "Nose Gun Hits Me109 at 12 High - " + std::string(noseResult) +
                      "|Top Turret Hits Me109 at 12 High - KIA|");
        EXPECT_EQ(screen->FightersDestroyedBy[credited], 1);
        EXPECT_EQ(screen->FightersDestroyedBy[notCredited], 0);
    }
}

} // namespace
} // namespace halvard
