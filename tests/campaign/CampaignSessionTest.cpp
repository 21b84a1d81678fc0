#include "CampaignSession.h"

#include "TestData.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

class CampaignSessionTest : public ::testing::Test {
  protected:
    test::ScratchDirectory scratch;
    CampaignStore store{scratch.Path() / "campaigns.db"};
    void SetUp() override {
        Campaign tour = NewCampaign("Tour", 21);
        store.Create(tour);
    }
    std::unique_ptr<CampaignSession> Open() {
        return std::make_unique<CampaignSession>(store, test::ShippedDatabase(), "Tour");
    }
};

TEST_F(CampaignSessionTest, TheFirstMissionsUseTheirOwnChartsAndCover) {
    auto session = Open();
    EXPECT_FALSE(session->OpenTargetDialog());
    EXPECT_EQ(session->Flow().Current(), Screen::TargetDialog);
    ASSERT_TRUE(session->Perform({ActionKind::Random}).Accepted);
    const Game& game = session->CurrentGame();
    EXPECT_EQ(game.Mission.MissionNo, 1);
    EXPECT_EQ(game.Rolls.Line(0).substr(3), "Mission Roll: 1-5");
    EXPECT_EQ(game.Mission.SquadronPos, "Middle"); // no squadron roll below mission 6
    for (int zone = 2; zone <= std::min(4, game.Mission.TargetZone); ++zone)
        EXPECT_EQ(game.Mission.Target.Zone[zone].CoverOut.View(), "Good");
    EXPECT_EQ(session->Flow().Mission().lblCrewName[1].Caption, session->State().Crew[1].Name);
    session->Rename(3, "Zed");
    EXPECT_EQ(session->Flow().Mission().lblCrewName[3].Caption, "Zed");
    EXPECT_EQ(store.Load("Tour")->Crew[3].Name, "Zed");
}

TEST_F(CampaignSessionTest, AfterTheTourNoMissionStarts) {
    SQLite::Database(store.Path().string(), SQLite::OPEN_READWRITE)
        .exec("UPDATE campaigns SET next_mission = 26");
    EXPECT_EQ(Open()->Perform({ActionKind::Random}).Refusal, "random: the tour of 25 missions is over");
}

} // namespace
} // namespace halvard
