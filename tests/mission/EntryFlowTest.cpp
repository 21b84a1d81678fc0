#include "EntryFlow.h"

#include "MissionCharts.h"
#include "MissionSetup.h"
#include "TestData.h"

#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace halvard {
namespace {

using test::LinesFor;
using test::Roll;
using Lines = std::vector<std::string>;

// Every target of the mission chart in chart order (not sorted): Kiel lies two zones out,
// Cherbourg three, Abbeville six, Rotterdam eight.
const GameDatabase& FlowDatabase() {
    static const test::TempDatabase file(test::ValidSql());
    static const GameDatabase database = file.Open();
    return database;
}

const Roll Formation{"2d6", 7, "Formation Roll"}, Squadron{"1d6", 3, "Squadron Roll"},
    Cover{"1d6", 4, "Fighter Cover"};

class EntryFlowTest : public ::testing::Test {
  protected:
    void Dice(const std::vector<Roll>& rolls) { game->UseDiceScript(FaceScript(test::FacesFor(rolls))); }

    // Opens the dialog on the player's own choice and names a target.
    TargetSelection& OwnChoice(std::optional<int> missionNo, const char* target) {
        flow.FixMissionNumber(missionNo);
        flow.imgChoice_Click(0);
        flow.TargetDialog().optTargetChoice_Click(1);
        flow.TargetDialog().cboTargetList.Text = target;
        return flow.TargetDialog();
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
        // The entry screen is covered or gone: its regions take no further clicks.
        entry.imgChoice_Click(region == 4 ? 0 : 4);
        if (expected[region] != Screen::Entry) {
            EXPECT_EQ(entry.Current(), expected[region]);
        }
    }
    EXPECT_TRUE(game->Rolls.Lines().empty());
}

TEST_F(EntryFlowTest, TheDialogOpensAnewWithTheRandomChoiceAndTheTargetsInTableOrder) {
    // The two options (the chosen one starred), the list's text and whether the list is open.
    const auto shown = [](const TargetSelection& d) {
        std::string text;
        for (int option : {0, 1})
            text += std::string(d.optTargetChoice[option].Caption) +
                    (d.optTargetChoice[option].Value ? "* " : " ");
        return text + "'" + d.cboTargetList.Text + (d.cboTargetList.Enabled ? "' open" : "' shut");
    };
    const std::string random = "Random Mission Selection* Choose Your Own Target '' shut",
                      own = "Random Mission Selection Choose Your Own Target* '' open";
    for (int opening = 1; opening <= 2; ++opening) {
        flow.imgChoice_Click(0);
        TargetSelection& dialog = flow.TargetDialog();
        EXPECT_EQ(shown(dialog), random) << "opening " << opening;
        EXPECT_EQ(Lines(dialog.cboTargetList.List.begin(), dialog.cboTargetList.List.end()),
                  Lines(MissionChartTargets.begin(), MissionChartTargets.end()));
        // The two options form one group, and only the second opens the list.
        for (int option : {1, 0, 1, 1}) {
            dialog.optTargetChoice_Click(option);
            EXPECT_EQ(shown(dialog), option == 1 ? own : random);
        }
        // Leave the dialog changed; the next opening must not show it.
        dialog.cboTargetList.Text = "Kiel";
        dialog.cmdCancel_Click();
        ASSERT_EQ(flow.Current(), Screen::Entry);
    }
}

TEST_F(EntryFlowTest, TheRandomChoiceRollsTheTargetOfTheMissionNumberAndIgnoresTheList) {
    // The mission number fixed or not, the rolls, the target, and the range of the mission number.
    using Case = std::tuple<std::optional<int>, std::vector<Roll>, const char*, int, int>;
    // clang-format off
    const Case cases[] = {
        {{}, {{"d66", 12, "Mission Roll: 11-25"}, Squadron, Formation, Cover, Cover, Cover, Cover}, "Cherbourg", 11, 25},
        {4, {{"1d6", 2, "Mission Roll: 1-5"}, Formation}, "Cherbourg", 4, 4},
        {9, {{"1d6", 1, "Mission Roll: 6-10"}, Squadron, Formation, Cover, Cover, Cover, Cover, Cover, Cover},
         "Abbeville", 9, 9},
    };
    // clang-format on
    for (const auto& [fixed, rolls, target, lowest, highest] : cases) {
        auto run = test::ScriptedGame(FlowDatabase(), test::FacesFor(rolls));
        EntryFlow entry(*run);
        entry.FixMissionNumber(fixed);
        entry.imgChoice_Click(0);
        TargetSelection& dialog = entry.TargetDialog();
        dialog.optTargetChoice_Click(1);
        dialog.cboTargetList.Text = "Kiel";
        dialog.optTargetChoice_Click(0);
        dialog.cmdOK_Click();

        ASSERT_EQ(entry.Current(), Screen::Mission);
        const int missionNo = run->Mission.MissionNo;
        EXPECT_TRUE(missionNo >= lowest && missionNo <= highest) << missionNo;
        EXPECT_EQ(run->Rolls.Lines(), LinesFor(rolls));
        const MissionScreen& screen = entry.Mission();
        EXPECT_EQ(screen.lblTarget.Caption.Text() + " " + screen.lblMissionNo.Caption.Text(),
                  target + (" " + std::to_string(missionNo)));
    }
}

TEST_F(EntryFlowTest, AFixedMissionNumberMustBeOneTheChartKnows) {
    // Beyond 1-25 the random choice has no target, and the mission screen would load nothing.
    for (int outside : {0, 26}) {
        try {
            flow.FixMissionNumber(outside);
            ADD_FAILURE() << outside << " was taken";
        } catch (const std::invalid_argument& e) {
            EXPECT_EQ(e.what(), "mission number " + std::to_string(outside) + " outside 1-25");
        }
    }
    for (std::optional<int> inside : {std::optional(1), std::optional(25), std::optional<int>()})
        EXPECT_NO_THROW(flow.FixMissionNumber(inside));
}

TEST_F(EntryFlowTest, ASecondMissionStartsCleanButKeepsTheRollsAndTheDamage) {
    // A name the database does not know (it is case-sensitive) keeps the dialog open and rolls nothing.
    OwnChoice(3, "rotterdam").cmdOK_Click();
    EXPECT_EQ(flow.TargetDialog().Refusal, "Unknown target: rotterdam");
    EXPECT_TRUE(game->Rolls.Lines().empty());
    Dice({Formation, {"1d6", 1, "Waves Appearing"}});
    OwnChoice(3, "Rotterdam").cmdOK_Click();
    MissionScreen& first = flow.Mission();
    first.cmdNextStep_Click();
    first.cmdNextStep_Click();
    ASSERT_EQ(game->Messages.Lines(), (Lines{"", "[ZONE #2]", "Enemy Waves Appearing: 0"}));

    // The player ends it with OK in the middle of a wave, the bomber hurt.
    game->Fighters.Add() = test::MakeFighter("Me109", 1);
    game->Waves.Visible = true;
    game->Mission.SuccessiveAttacks = 1;
    game->Mission.Ending = Outcome::BailedOut;
    game->Damage.RudderHits = 2;
    game->Damage.BombsAboard = false;
    game->Guns[10].Status = "Out";
    game->Guns[4].Ammo = 0;
    game->Crew[3].Wound = Killed;
    game->Crew[5].Wound = 2;
    first.RefreshDisplay();
    // The panels show the worst of each gun and each crew member.
    EXPECT_EQ(first.lblGun[10].ForeColour, Colour::Red);
    EXPECT_EQ(first.lblGunName[4].ForeColour, Colour::Orange);
    EXPECT_FALSE(first.lblCrewPos[3].Visible);
    EXPECT_EQ(first.lblCrewWound[5], (Label{"LW2", Colour::Blue, Colour::Normal, true}));
    first.cmdOK_Click();
    ASSERT_EQ(flow.Current(), Screen::Entry);
    Lines rolls = game->Rolls.Lines();

    Dice({Formation});
    OwnChoice(2, "Cherbourg").cmdOK_Click();
    rolls.push_back("7 :Formation Roll");
    EXPECT_EQ(game->Rolls.Lines(), rolls) << "the roll window keeps the first mission's lines";
    EXPECT_TRUE(game->Messages.Lines().empty());
    EXPECT_EQ(game->Fighters.UpperBound() + game->Mission.SuccessiveAttacks, 0);
    EXPECT_EQ(game->Mission.Ending, std::nullopt);
    EXPECT_EQ(game->Waves, WavePanel{});
    GameState manned;
    ManTheBomber(manned);
    EXPECT_EQ(game->Guns, manned.Guns);
    EXPECT_EQ(game->Crew, manned.Crew);
    EXPECT_EQ(game->Damage.RudderHits, 2) << "damage carries over";
    EXPECT_TRUE(game->Damage.BombsAboard);

    MissionScreen& second = flow.Mission();
    EXPECT_EQ(second.cmdNextStep, (CommandButton{"Enter Next Zone", true}));
    EXPECT_TRUE(second.lblCrewPos[3].Visible);
    EXPECT_EQ(second.lblCrewWound[5], Label{});
    EXPECT_EQ(second.lblTargetType.Caption, "Airfield");
}

TEST(FindDataDirectory, BesideTheExecutableOrInstalled) {
    test::ScratchDirectory root;
    const std::filesystem::path bin = root.Path() / "bin", share = root.Path() / "share" / "halvard";
    std::filesystem::create_directories(bin);
    // Neither: the executable's own directory, so a message names the file there.
    EXPECT_EQ(FindDataDirectory(bin), bin);
    std::filesystem::create_directories(share);
    EXPECT_EQ(FindDataDirectory(bin), share);
    // A build tree has the database beside the program, and that wins.
    test::WriteFile(bin / GameDatabase::FileName, "x");
    EXPECT_EQ(FindDataDirectory(bin), bin);
}

} // namespace
} // namespace halvard
