#include "CampaignStore.h"

#include "CampaignSession.h"
#include "TestData.h"

#include <SQLiteCpp/Database.h>
#include <fstream>
#include <gtest/gtest.h>

namespace halvard {
namespace {

namespace fs = std::filesystem;

void Exec(const fs::path& file, const std::string& sql) {
    SQLite::Database(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE).exec(sql);
}

template <class Work> std::string Said(Work&& work) {
    try {
        work();
        return "";
    } catch (const std::exception& e) {
        return e.what();
    }
}

class CampaignStoreTest : public ::testing::Test {
  protected:
    test::ScratchDirectory scratch;
    fs::path file = scratch.Path() / "sub" / "campaigns.db";

    // Opening the store and reading every campaign in it.
    std::string Opening() {
        return Said([&] { CampaignStore(file).LoadAll(); });
    }
    Campaign MakeTour(const std::string& name = "Tour") {
        Campaign campaign = NewCampaign(name, 21);
        campaign.Damage.Engine2Status = "Out";
        CampaignStore(file).Create(campaign);
        return campaign;
    }
};

TEST_F(CampaignStoreTest, KeepsACampaignAndItsMissionsWhole) {
    Campaign campaign = MakeTour("Tour of \"O'Neill\"");
    CampaignStore store(file);
    EXPECT_THROW(store.Create(campaign), CampaignNameError);
    EXPECT_EQ(store.Load(campaign.Name), campaign);
    EXPECT_FALSE(store.Load("Tour"));
    EXPECT_EQ(SQLite::Database(file.string()).execAndGet("PRAGMA journal_mode").getString(), "wal");

    const RecordedAction first{"random", "", {"R 2 :Mission Roll: 1-5", "M "}},
        step{"step", "Enter", {"M [ZONE #2]"}};
    store.BeginMission(campaign, 1, "Kiel", "2026-01-01T00:00:00Z", first);
    store.Record(campaign, 1, 1, step);
    const std::optional<MissionInProgress> progress = store.LoadInProgress(campaign);
    ASSERT_TRUE(progress);
    EXPECT_EQ(progress->Target, "Kiel");
    EXPECT_EQ(progress->Actions, (std::vector<RecordedAction>{first, step}));
    MissionReport report{.Target = "Kiel",
                         .Started = "2026-01-01T00:00:00Z",
                         .Ended = "2026-01-01T01:00:00Z",
                         .Ending = Outcome::Safe};
    report.Wounds[4] = 4;
    ConcludeMission(campaign, report);
    store.Conclude(campaign, 2, {"ok", "Enter", {}});
    EXPECT_FALSE(store.LoadInProgress(campaign));
    EXPECT_EQ(store.Load(campaign.Name), campaign);
}

// A file that is not ours, is damaged, is newer, or cannot be made is named with its problem and
// left alone.
TEST_F(CampaignStoreTest, RefusesEveryKindOfBadFileWithoutTouchingIt) {
    fs::create_directories(file.parent_path());
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[&] { std::ofstream(file) << "ten names, one a line\n"; },
         "not a campaign store (not an SQLite database)"},
        {[&] { std::ofstream{file}; }, "is empty: not a campaign store"},
        {[&] { Exec(file, "CREATE TABLE t(x)"); }, "not a campaign store of Halvard"},
        {[&] { MakeTour(), Exec(file, "PRAGMA user_version = 99"); },
         "made by a newer version of Halvard (store version 99; this version reads up to 2)"},
        {[&] { MakeTour(), Exec(file, "UPDATE crew SET position = 11 WHERE position = 10"); },
         "damaged (campaign \"Tour\" lacks crew)"},
        {[&] {
             for (int i = 0; i < 40; ++i)
                 MakeTour("Tour " + std::to_string(i));
             std::string bytes = test::ReadFile(file);
             for (std::size_t i = 4096 + 100; i < bytes.size(); i += 7)
                 bytes[i] = '\x5a';
             test::WriteFile(file, bytes);
         },
         "damaged"},
        {[&] { fs::remove(file.parent_path()), std::ofstream(file.parent_path()) << "not a directory"; },
         "its directory cannot be made"},
    };
    for (const auto& [make, problem] : cases) {
        fs::remove(file);
        make();
        const std::string before = test::ReadFile(file), said = Opening();
        EXPECT_TRUE(said.starts_with(file.string() + ": ")) << said;
        EXPECT_NE(said.find(problem), std::string::npos) << said;
        EXPECT_EQ(test::ReadFile(file), before) << problem;
    }
}

TEST_F(CampaignStoreTest, MigratesAStoreOfTheFirstVersion) {
    Campaign campaign = MakeTour();
    CampaignStore(file).BeginMission(campaign, 1, "Kiel", "2026-01-01T00:00:00Z", {"random", "", {}});
    // The first version's actions had no caption.
    Exec(file, "ALTER TABLE actions DROP COLUMN caption; PRAGMA user_version = 1");
    CampaignStore store(file);
    EXPECT_EQ(SQLite::Database(file.string()).execAndGet("PRAGMA user_version").getInt(), 2);
    EXPECT_EQ(store.LoadInProgress(campaign)->Actions.at(0).Caption, "");
}

TEST_F(CampaignStoreTest, TheFirstMissionsUseTheirOwnChartsAndCover) {
    MakeTour();
    CampaignStore store(file);
    CampaignSession session(store, test::ShippedDatabase(), "Tour");
    EXPECT_FALSE(session.OpenTargetDialog());
    EXPECT_EQ(session.Flow().Current(), Screen::TargetDialog);
    ASSERT_TRUE(session.Perform({ActionKind::Random}).Accepted);
    const Game& game = session.CurrentGame();
    EXPECT_EQ(game.Mission.MissionNo, 1);
    EXPECT_EQ(game.Rolls.Line(0).substr(3), "Mission Roll: 1-5");
    EXPECT_EQ(game.Mission.SquadronPos, "Middle"); // no squadron roll below mission 6
    for (int zone = 2; zone <= std::min(4, game.Mission.TargetZone); ++zone)
        EXPECT_EQ(game.Mission.Target.Zone[zone].CoverOut.View(), "Good");
    EXPECT_EQ(session.Flow().Mission().lblCrewName[1].Caption, session.State().Crew[1].Name);
    session.Rename(3, "Zed");
    EXPECT_EQ(session.Flow().Mission().lblCrewName[3].Caption, "Zed");
    EXPECT_EQ(store.Load("Tour")->Crew[3].Name, "Zed");
}

TEST_F(CampaignStoreTest, AfterTheTourNoMissionStarts) {
    MakeTour();
    Exec(file, "UPDATE campaigns SET next_mission = 26");
    CampaignStore store(file);
    EXPECT_EQ(CampaignSession(store, test::ShippedDatabase(), "Tour").Perform({ActionKind::Random}).Refusal,
              "random: the tour of 25 missions is over");
}

TEST_F(CampaignStoreTest, ACampaignIsPlayedByOneHolderAtATime) {
    MakeTour();
    CampaignStore store(file), second(file);
    CampaignSession first(store, test::ShippedDatabase(), "Tour");
    EXPECT_EQ(Said([&] { CampaignSession(second, test::ShippedDatabase(), "Tour"); }),
              "campaign \"Tour\" is open in another program");
    EXPECT_THROW(CampaignSession(second, test::ShippedDatabase(), "Nobody"), CampaignNameError);
}

TEST(CampaignStorePath, FollowsXdgDataHomeWhenItIsAbsolute) {
    const auto env = [](const char* name) { return std::string(std::getenv(name) ? std::getenv(name) : ""); };
    const std::string xdg = env("XDG_DATA_HOME"), home = env("HOME");
    ::setenv("HOME", "/home/pilot", 1);
    for (const char* value : {"/tmp/xdg", "relative", "", static_cast<const char*>(nullptr)}) {
        value ? ::setenv("XDG_DATA_HOME", value, 1) : ::unsetenv("XDG_DATA_HOME");
        EXPECT_EQ(CampaignStore::DefaultPath(),
                  fs::path(value && value[0] == '/' ? "/tmp/xdg" : "/home/pilot/.local/share") / "halvard" /
                      "campaigns.db");
    }
    ::setenv("XDG_DATA_HOME", xdg.c_str(), 1);
    ::setenv("HOME", home.c_str(), 1);
}

} // namespace
} // namespace halvard
