#include "CampaignSession.h"
#include "CampaignStore.h"
#include "TestData.h"

#include <SQLiteCpp/Database.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace halvard {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Write(const fs::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

class CampaignStoreTest : public ::testing::Test {
  protected:
    test::ScratchDirectory scratch;
    fs::path file = scratch.Path() / "sub" / "campaigns.db";

    // What opening the file says, or "" when it opens.
    std::string Opening() {
        try {
            CampaignStore store(file);
            return "";
        } catch (const StoreError& e) {
            return e.what();
        }
    }
};

TEST_F(CampaignStoreTest, MakesItsFileAndKeepsACampaignWhole) {
    Campaign made = NewCampaign("Tour of \"O'Neill\"", 9);
    made.Damage.Engine2Status = "Out";
    {
        CampaignStore store(file);
        store.Create(made);
        EXPECT_THROW(store.Create(made), CampaignNameError);
    }
    CampaignStore store(file);
    const std::optional<Campaign> loaded = store.Load(made.Name);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(*loaded, made);
    EXPECT_FALSE(store.Load("Tour"));
    EXPECT_EQ(SQLite::Database(file.string()).execAndGet("PRAGMA journal_mode").getString(), "wal");
}

TEST_F(CampaignStoreTest, AMissionRecordedThenConcludedReadsBack) {
    CampaignStore store(file);
    Campaign campaign = NewCampaign("Tour", 9);
    store.Create(campaign);
    const RecordedAction first{"random", "", {"R 2 :Mission Roll: 1-5", "M "}};
    const RecordedAction step{"step", "Enter Next Zone", {"M [ZONE #2]"}};
    store.BeginMission(campaign, 1, "Kiel", "2026-01-01T00:00:00Z", first);
    store.Record(campaign, 1, 1, step);
    const std::optional<MissionInProgress> progress = store.LoadInProgress(campaign);
    ASSERT_TRUE(progress);
    EXPECT_EQ(progress->Target, "Kiel");
    EXPECT_EQ(progress->Actions, (std::vector<RecordedAction>{first, step}));

    MissionReport report{.Target = "Kiel", .Started = "2026-01-01T00:00:00Z", .Ended = "2026-01-01T01:00:00Z"};
    report.Ending = Outcome::Safe;
    report.Wounds[4] = 4;
    ConcludeMission(campaign, report);
    store.Conclude(campaign, 2, {"ok", "Enter Next Zone", {}});
    EXPECT_FALSE(store.LoadInProgress(campaign));
    EXPECT_EQ(store.Load("Tour"), campaign);
}

// A file that is not ours, is damaged, or is newer is named with its problem and left alone.
TEST_F(CampaignStoreTest, RefusesEveryKindOfBadFileWithoutTouchingIt) {
    fs::create_directories(file.parent_path());
    struct Case {
        const char* name;
        std::function<void()> make;
        const char* problem;
    };
    const Case cases[] = {
        {"text", [&] { Write(file, "ten names, one a line\n"); }, "not a campaign store (not an SQLite database)"},
        {"empty", [&] { Write(file, ""); }, "is empty: not a campaign store"},
        {"foreign",
         [&] { SQLite::Database(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE).exec("CREATE TABLE t(x)"); },
         "not a campaign store of Halvard"},
        {"newer",
         [&] {
             { CampaignStore store(file); }
             SQLite::Database(file.string(), SQLite::OPEN_READWRITE).exec("PRAGMA user_version = 99");
         },
         "made by a newer version of Halvard (store version 99; this version reads up to 2)"},
        {"damaged",
         [&] {
             {
                 CampaignStore store(file);
                 for (int i = 0; i < 40; ++i) {
                     Campaign campaign = NewCampaign("Tour " + std::to_string(i), 1);
                     store.Create(campaign);
                 }
             }
             std::string bytes = Bytes(file);
             for (std::size_t i = 4096 + 100; i < bytes.size(); i += 7)
                 bytes[i] = '\x5a';
             Write(file, bytes);
         },
         "damaged"},
    };
    for (const Case& c : cases) {
        fs::remove(file);
        c.make();
        const std::string before = Bytes(file);
        const std::string said = Opening();
        EXPECT_NE(said.find(file.string() + ": "), std::string::npos) << c.name << ": " << said;
        EXPECT_NE(said.find(c.problem), std::string::npos) << c.name << ": " << said;
        EXPECT_EQ(Bytes(file), before) << c.name;
    }
}

TEST_F(CampaignStoreTest, MigratesAStoreOfTheFirstVersion) {
    {
        CampaignStore store(file);
        Campaign campaign = NewCampaign("Old", 2);
        store.Create(campaign);
        store.BeginMission(campaign, 1, "Kiel", "2026-01-01T00:00:00Z", {"random", "", {}});
    }
    {
        // The first version's actions had no caption.
        SQLite::Database db(file.string(), SQLite::OPEN_READWRITE);
        db.exec("ALTER TABLE actions DROP COLUMN caption");
        db.exec("PRAGMA user_version = 1");
    }
    CampaignStore store(file);
    EXPECT_EQ(SQLite::Database(file.string()).execAndGet("PRAGMA user_version").getInt(), 2);
    const std::optional<Campaign> old = store.Load("Old");
    ASSERT_TRUE(old);
    EXPECT_EQ(store.LoadInProgress(*old)->Actions.at(0).Caption, "");
}

TEST_F(CampaignStoreTest, AStoreWhoseDirectoryCannotBeMadeSaysSo) {
    Write(scratch.Path() / "sub", "a file where the directory would be");
    EXPECT_NE(Opening().find("its directory cannot be made"), std::string::npos) << Opening();
}

TEST_F(CampaignStoreTest, AReadOnlyDirectorySaysSoAndKeepsTheLastSave) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only directories";
    {
        CampaignStore store(file);
        Campaign campaign = NewCampaign("Tour", 2);
        store.Create(campaign);
    }
    fs::permissions(file.parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
    const std::string said = Opening();
    fs::permissions(file.parent_path(), fs::perms::owner_all);
    EXPECT_NE(said.find("cannot be"), std::string::npos) << said;
    EXPECT_TRUE(CampaignStore(file).Load("Tour"));
}

TEST_F(CampaignStoreTest, ACampaignIsPlayedByOneHolderAtATime) {
    CampaignStore store(file);
    Campaign campaign = NewCampaign("Tour", 2);
    store.Create(campaign);
    CampaignSession first(store, test::ShippedDatabase(), "Tour");
    CampaignStore second(file);
    EXPECT_THROW(CampaignSession(second, test::ShippedDatabase(), "Tour"), CampaignBusy);
    EXPECT_THROW(CampaignSession(second, test::ShippedDatabase(), "Nobody"), CampaignNameError);
}

TEST(CampaignStorePath, FollowsXdgDataHome) {
    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string restore = saved ? saved : "";
    ::setenv("XDG_DATA_HOME", "/tmp/halvard-xdg", 1);
    EXPECT_EQ(CampaignStore::DefaultPath(), fs::path("/tmp/halvard-xdg/halvard/campaigns.db"));
    if (saved)
        ::setenv("XDG_DATA_HOME", restore.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace halvard
