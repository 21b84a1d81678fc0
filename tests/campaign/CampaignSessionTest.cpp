#include "CampaignSession.h"
#include "TestData.h"
#include "Views.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

class CampaignSessionTest : public ::testing::Test {
  protected:
    test::ScratchDirectory scratch;
    CampaignStore store{scratch.Path() / "campaigns.db"};

    void SetUp() override {
        Campaign campaign = NewCampaign("Tour", 21);
        store.Create(campaign);
    }
    std::unique_ptr<CampaignSession> Open() {
        return std::make_unique<CampaignSession>(store, test::ShippedDatabase(), "Tour");
    }
};

TEST_F(CampaignSessionTest, TheFirstMissionsUseTheirOwnChartsAndCover) {
    auto session = Open();
    ASSERT_TRUE(session->Perform({ActionKind::Random}).Accepted);
    const Game& game = session->CurrentGame();
    EXPECT_EQ(game.Mission.MissionNo, 1);
    EXPECT_EQ(game.Rolls.Line(0).substr(3), "Mission Roll: 1-5");
    EXPECT_EQ(game.Mission.SquadronPos, "Middle"); // no squadron roll below mission 6
    for (int zone = 2; zone <= std::min(4, game.Mission.TargetZone); ++zone)
        EXPECT_EQ(game.Mission.Target.Zone[zone].CoverOut.View(), "Good");
    EXPECT_EQ(session->Flow().Mission().lblCrewName[1].Caption, session->State().Crew[1].Name);
}

TEST_F(CampaignSessionTest, ReopeningPutsTheMissionBackAsItStood) {
    auto session = Open();
    session->Perform({ActionKind::Choose, 0, "Kiel"});
    for (int i = 0; i < 12; ++i) {
        session->Perform({ActionKind::Step});
        session->Perform({ActionKind::Gun, 2 + i % 9});
        session->Perform({ActionKind::Cell, 1 + i % 3});
    }
    const std::string screen = OneLine(ScreenJson(session->Flow(), session->CurrentGame()));
    const std::string state = OneLine(StateJson(session->CurrentGame()));
    const auto rolls = session->CurrentGame().Rolls.Lines();
    const int actions = session->ActionsRecorded();
    session.reset();

    session = Open();
    EXPECT_FALSE(session->ReadOnly());
    EXPECT_EQ(session->ActionsRecorded(), actions);
    EXPECT_EQ(OneLine(ScreenJson(session->Flow(), session->CurrentGame())), screen);
    EXPECT_EQ(OneLine(StateJson(session->CurrentGame())), state);
    EXPECT_EQ(session->CurrentGame().Rolls.Lines(), rolls);

    ASSERT_TRUE(session->Perform({ActionKind::Ok}).Accepted);
    EXPECT_EQ(session->State().NextMission, 2);
    EXPECT_EQ(session->State().Missions.at(0).Target, "Kiel");
    EXPECT_FALSE(session->State().Missions.at(0).Complete);
}

TEST_F(CampaignSessionTest, ARecordThatNoLongerReplaysIsShownReadOnly) {
    {
        auto session = Open();
        session->Perform({ActionKind::Random});
        session->Perform({ActionKind::Step});
    }
    {
        SQLite::Database db(store.Path().string(), SQLite::OPEN_READWRITE);
        db.exec("UPDATE lines SET text = 'M [ZONE #9]' WHERE text = 'M [ZONE #2]'");
    }
    auto session = Open();
    ASSERT_TRUE(session->ReadOnly());
    EXPECT_NE(session->ReadOnly()->find("action 2"), std::string::npos) << *session->ReadOnly();
    EXPECT_FALSE(session->Perform({ActionKind::Step}).Accepted);
    EXPECT_EQ(store.LoadInProgress(session->State())->Actions.size(), 2u);
}

TEST_F(CampaignSessionTest, AfterTheTourNoMissionStarts) {
    {
        SQLite::Database db(store.Path().string(), SQLite::OPEN_READWRITE);
        db.exec("UPDATE campaigns SET next_mission = 26");
    }
    auto session = Open();
    const ActionResult result = session->Perform({ActionKind::Random});
    EXPECT_FALSE(result.Accepted);
    EXPECT_EQ(result.Refusal, "random: the tour of 25 missions is over");
}

} // namespace
} // namespace halvard
