#include "EntryFlow.h"

#include "MissionCharts.h"
#include "MissionSetup.h"
#include "Names.h"
#include "TestData.h"

#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace halvard {
namespace {

using test::FacesFor;
using test::LinesFor;
using test::MakeFighter;
using test::MessageLines;
using test::Roll;
using test::RollLines;
using Lines = std::vector<std::string>;

// Every target of the mission chart in chart order (not sorted): Kiel lies two zones out,
// Cherbourg three, Abbeville six, Rotterdam eight.
const GameDatabase& FlowDatabase() {
    static const test::TempDatabase file(test::ValidSql());
    static const GameDatabase database = file.Open();
    return database;
}

const Roll Formation{"2d6", 7, "Formation Roll"};
const Roll Squadron{"1d6", 3, "Squadron Roll"};
const Roll Cover{"1d6", 4, "Fighter Cover"};

class EntryFlowTest : public ::testing::Test {
  protected:
    void Dice(const std::vector<Roll>& rolls) { game->UseDiceScript(FaceScript(FacesFor(rolls))); }

    // Opens the dialog and confirms a target named by the player. Below mission 6 the set-up
    // rolls the formation only.
    void FlyOwnTarget(const std::string& name, int missionNo) {
        flow.FixMissionNumber(missionNo);
        flow.imgChoice_Click(0);
        TargetSelection& dialog = flow.TargetDialog();
        dialog.optTargetChoice_Click(1);
        dialog.cboTargetList.Text = name;
        Dice({Formation});
        dialog.cmdOK_Click();
        ASSERT_EQ(flow.Current(), Screen::Mission);
    }

    std::unique_ptr<Game> game = test::ScriptedGame(FlowDatabase(), {});
    EntryFlow flow{*game};
};

TEST_F(EntryFlowTest, OnlyTheFirstAndLastRegionsOfTheEntryScreenAct) {
    const Screen expected[] = {Screen::TargetDialog, Screen::Entry, Screen::Entry, Screen::Entry,
                               Screen::Ended};
    for (int region = 0; region <= 4; ++region) {
        SCOPED_TRACE("region " + std::to_string(region));
        EntryFlow entry(*game);
        entry.imgChoice_Click(region);
        EXPECT_EQ(entry.Current(), expected[region]);
        EXPECT_FALSE(entry.RollWindowShown());
        EXPECT_THROW(entry.Mission(), std::logic_error);
        if (expected[region] == Screen::Entry) continue;
        // The entry screen is covered or gone: its regions take no further clicks.
        entry.imgChoice_Click(region == 4 ? 0 : 4);
        EXPECT_EQ(entry.Current(), expected[region]);
    }
    EXPECT_TRUE(RollLines(*game).empty());
}

TEST_F(EntryFlowTest, TheDialogOpensAnewWithTheRandomChoiceAndTheTargetsInTableOrder) {
    for (int opening = 1; opening <= 2; ++opening) {
        SCOPED_TRACE("opening " + std::to_string(opening));
        flow.imgChoice_Click(0);
        TargetSelection& dialog = flow.TargetDialog();
        EXPECT_EQ(dialog.optTargetChoice[0].Caption, "Random Mission Selection");
        EXPECT_EQ(dialog.optTargetChoice[1].Caption, "Choose Your Own Target");
        EXPECT_TRUE(dialog.optTargetChoice[0].Value);
        EXPECT_FALSE(dialog.optTargetChoice[1].Value);
        EXPECT_FALSE(dialog.cboTargetList.Enabled);
        EXPECT_EQ(Lines(dialog.cboTargetList.List.begin(), dialog.cboTargetList.List.end()),
                  Lines(MissionChartTargets.begin(), MissionChartTargets.end()));
        EXPECT_EQ(dialog.cboTargetList.Text, "");

        // Leave the dialog changed; the next opening must not show it.
        dialog.optTargetChoice_Click(1);
        dialog.cboTargetList.Text = "Kiel";
        dialog.cmdCancel_Click();
        ASSERT_EQ(flow.Current(), Screen::Entry);
    }
}

TEST_F(EntryFlowTest, TheTwoOptionsFormOneGroupAndOnlyTheSecondOpensTheList) {
    flow.imgChoice_Click(0);
    TargetSelection& dialog = flow.TargetDialog();
    for (int option : {1, 0, 1, 1, 0}) {
        dialog.optTargetChoice_Click(option);
        EXPECT_EQ(dialog.optTargetChoice[option].Value, true);
        EXPECT_EQ(dialog.optTargetChoice[1 - option].Value, false);
        EXPECT_EQ(dialog.cboTargetList.Enabled, option == 1);
    }
}

TEST_F(EntryFlowTest, TheRandomChoiceRollsTheTargetOfTheMissionNumberAndIgnoresTheList) {
    struct Case {
        std::optional<int> fixed;
        std::vector<Roll> rolls;
        const char* target;
        int lowest, highest; // mission number
    };
    const Case cases[] = {
        {std::nullopt,
         {{"d66", 12, "Mission Roll: 11-25"}, Squadron, Formation, Cover, Cover, Cover, Cover},
         "Cherbourg",
         11,
         25},
        {4, {{"1d6", 2, "Mission Roll: 1-5"}, Formation}, "Cherbourg", 4, 4},
        {9,
         {{"1d6", 1, "Mission Roll: 6-10"}, Squadron, Formation, Cover, Cover, Cover, Cover, Cover, Cover},
         "Abbeville",
         9,
         9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target + std::string(" on mission ") + std::to_string(c.lowest));
        auto run = test::ScriptedGame(FlowDatabase(), FacesFor(c.rolls));
        EntryFlow entry(*run);
        entry.FixMissionNumber(c.fixed);
        entry.imgChoice_Click(0);
        TargetSelection& dialog = entry.TargetDialog();
        dialog.optTargetChoice_Click(1);
        dialog.cboTargetList.Text = "Kiel";
        dialog.optTargetChoice_Click(0);
        dialog.cmdOK_Click();

        ASSERT_EQ(entry.Current(), Screen::Mission);
        EXPECT_TRUE(entry.RollWindowShown());
        EXPECT_EQ(run->SelectedTarget, c.target);
        EXPECT_GE(run->Mission.MissionNo, c.lowest);
        EXPECT_LE(run->Mission.MissionNo, c.highest);
        EXPECT_EQ(RollLines(*run), LinesFor(c.rolls));
        EXPECT_EQ(entry.Mission().lblTarget.Caption, c.target);
        EXPECT_EQ(entry.Mission().lblMissionNo.Caption, std::to_string(run->Mission.MissionNo));
    }
}

TEST_F(EntryFlowTest, AFixedMissionNumberMustBeOneTheChartKnows) {
    // Beyond 1-25 the random choice has no target, and the mission screen would load nothing.
    for (int outside : {0, 26, -3})
        EXPECT_THROW(flow.FixMissionNumber(outside), std::invalid_argument) << outside;
    flow.FixMissionNumber(1);
    flow.FixMissionNumber(25);
    flow.FixMissionNumber(std::nullopt);
}

TEST_F(EntryFlowTest, AnOwnTargetMustBeNamedAndKnown) {
    flow.FixMissionNumber(17);
    flow.imgChoice_Click(0);
    TargetSelection& dialog = flow.TargetDialog();
    dialog.optTargetChoice_Click(1);
    // Only the last press starts a mission: the refused ones roll nothing.
    const std::vector<Roll> setup = {Squadron, Formation, Cover, Cover};
    Dice(setup);

    struct Press {
        const char* text;
        const char* refusal;
    };
    const Press presses[] = {
        {"", ""}, {"Berlin", "Unknown target: Berlin"}, {"", ""}, {"kiel", "Unknown target: kiel"}};
    for (const Press& press : presses) {
        SCOPED_TRACE(std::string("\"") + press.text + "\"");
        game->Mission.MissionNo = 0;
        dialog.cboTargetList.Text = press.text;
        dialog.cmdOK_Click();
        EXPECT_EQ(flow.Current(), Screen::TargetDialog);
        EXPECT_EQ(dialog.Refusal, press.refusal);
        EXPECT_EQ(game->Mission.MissionNo, 17) << "every press draws the mission number";
        EXPECT_EQ(game->SelectedTarget, "");
    }

    dialog.cboTargetList.Text = "Kiel";
    dialog.cmdOK_Click();
    ASSERT_EQ(flow.Current(), Screen::Mission);
    EXPECT_EQ(game->SelectedTarget, "Kiel");
    EXPECT_EQ(game->Mission.TargetZone, 2);
    EXPECT_EQ(RollLines(*game), LinesFor(setup));
}

TEST_F(EntryFlowTest, CancelBeforeAnyConfirmedTargetStaysOnTheEntryScreen) {
    flow.FixMissionNumber(17);
    flow.imgChoice_Click(0);
    flow.TargetDialog().optTargetChoice_Click(1);
    flow.TargetDialog().cboTargetList.Text = "Berlin";
    flow.TargetDialog().cmdOK_Click();
    flow.TargetDialog().cmdCancel_Click();

    EXPECT_EQ(flow.Current(), Screen::Entry);
    EXPECT_FALSE(flow.RollWindowShown());
    EXPECT_THROW(flow.Mission(), std::logic_error);
    EXPECT_EQ(game->SelectedTarget, "");
    EXPECT_EQ(game->Mission.Target, TargetRecord{}) << "nothing is loaded";
    EXPECT_TRUE(RollLines(*game).empty());
}

TEST_F(EntryFlowTest, CancelAfterAConfirmedTargetFliesItWithTheNumbersAsTheyStand) {
    FlyOwnTarget("Kiel", 4);
    flow.Mission().cmdOK_Click();
    ASSERT_EQ(flow.Current(), Screen::Entry);

    flow.FixMissionNumber(20);
    flow.imgChoice_Click(0);
    TargetSelection& dialog = flow.TargetDialog();
    dialog.optTargetChoice_Click(1);
    dialog.cboTargetList.Text = "Berlin";
    dialog.cmdOK_Click();
    Dice({Squadron, Formation, Cover, Cover});
    dialog.cmdCancel_Click();

    ASSERT_EQ(flow.Current(), Screen::Mission);
    EXPECT_EQ(game->SelectedTarget, "Kiel");
    EXPECT_EQ(flow.Mission().lblTarget.Caption, "Kiel");
    EXPECT_EQ(flow.Mission().lblMissionNo.Caption, "20");

    // A dialog the front-end gives up on starts nothing, target or not.
    flow.Mission().cmdOK_Click();
    flow.imgChoice_Click(0);
    flow.DismissTargetDialog();
    EXPECT_EQ(flow.Current(), Screen::Entry);
    EXPECT_THROW(flow.Mission(), std::logic_error);
}

TEST_F(EntryFlowTest, ASecondMissionStartsCleanButKeepsTheRollsAndTheDamage) {
    FlyOwnTarget("Rotterdam", 3);
    MissionScreen& first = flow.Mission();
    first.cmdNextStep_Click();
    Dice({{"1d6", 1, "Waves Appearing"}});
    first.cmdNextStep_Click();
    ASSERT_EQ(MessageLines(*game), (Lines{"", "[ZONE #2]", "Enemy Waves Appearing: 0"}));

    // The player ends it with OK in the middle of a wave, the bomber hurt.
    game->Fighters.Add() = MakeFighter("Me109", 1);
    game->Fighters.Add() = MakeFighter("FW190", 10);
    ShowWave(*game);
    game->Waves.Visible = true;
    game->Waves.Row[1].ToHit.Tag = {Mark::Kind::Missed};
    game->Mission.SuccessiveAttacks = 1;
    game->Damage.RudderHits = 2;
    game->Damage.BombsAboard = false;
    game->Guns[10].Status = "Out";
    game->Guns[4].Ammo = 0;
    game->Crew[3].Wound = 4;
    game->Crew[5].Wound = 2;
    first.RefreshDisplay();
    ASSERT_FALSE(first.lblCrewPos[3].Visible);
    first.cmdOK_Click();
    ASSERT_EQ(flow.Current(), Screen::Entry);
    const Lines firstRolls = RollLines(*game);

    FlyOwnTarget("Cherbourg", 2);
    Lines rolls = firstRolls;
    rolls.push_back("7 :Formation Roll");
    EXPECT_EQ(RollLines(*game), rolls) << "the roll window keeps the first mission's lines";
    EXPECT_TRUE(MessageLines(*game).empty());
    EXPECT_EQ(game->Fighters.UpperBound(), 0);
    EXPECT_EQ(game->Mission.SuccessiveAttacks, 0);
    EXPECT_EQ(game->Waves, WavePanel{});
    GameState manned;
    ManTheBomber(manned);
    EXPECT_EQ(game->Guns, manned.Guns);
    EXPECT_EQ(game->Crew, manned.Crew);
    EXPECT_EQ(game->CrewPos, manned.CrewPos);
    EXPECT_EQ(game->Damage.RudderHits, 2) << "damage carries over";
    EXPECT_TRUE(game->Damage.BombsAboard);

    MissionScreen& second = flow.Mission();
    EXPECT_EQ(second.nPhase, phase::EnterNextZone);
    EXPECT_EQ(second.cmdNextStep, (CommandButton{"Enter Next Zone", true}));
    EXPECT_TRUE(second.lblCrewPos[3].Visible);
    EXPECT_EQ(second.lblCrewWound[5], Label{});
    EXPECT_EQ(second.lblGun[10].ForeColour, Colour::Default);
    EXPECT_EQ(second.lblTarget.Caption, "Cherbourg");
    EXPECT_EQ(second.lblMissionNo.Caption, "2");

    second.cmdOK_Click();
    flow.imgChoice_Click(4);
    EXPECT_EQ(flow.Current(), Screen::Ended);
    EXPECT_TRUE(flow.RollWindowShown());
}

} // namespace
} // namespace halvard
