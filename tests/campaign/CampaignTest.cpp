// A tour's rules, the store that keeps it and the session that plays it from there, and the
// simulator's player that flies its missions.

#include "AutoPlayer.h"
#include "CampaignSession.h"
#include "CampaignStore.h"
#include "TestData.h"
#include "Tour.h"

#include <SQLiteCpp/Database.h>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace halvard {
namespace {

using Rolls = std::vector<test::Roll>;

namespace fs = std::filesystem;

struct EndCase {
    const char* name;
    std::optional<Outcome> ending;
    std::array<int, CrewCount> wounds; // by position
    bool complete;
    const char* fate;  // by position: Active, KIA, sent Home, Missing
    int missionsAfter; // of a flyer who stays or is sent home, from 5
    bool damageKept;
};

// clang-format off
const EndCase Ends[] = {
    {"SafeLanding",                Outcome::Safe,              {}, true,  "AAAAAAAAAA", 6, true},
    {"RepairedBetweenMissions",    Outcome::Repairable,        {}, true,  "AAAAAAAAAA", 6, false},
    {"IrreparableGivesANewBomber", Outcome::Irreparable,       {}, true,  "AAAAAAAAAA", 6, false},
    {"WreckedGivesANewBomber",     Outcome::Wrecked,           {}, true,  "AAAAAAAAAA", 6, false},
    {"CrewKilledInTheWreck",       Outcome::CrewKilledWrecked, {}, true,  "KKKKKKKKKK", 0, false},
    {"LandingExplosion",           Outcome::LandingExplosion,  {}, true,  "KKKKKKKKKK", 0, false},
    {"BombsDetonate",              Outcome::BombsDetonated,    {}, false, "KKKKKKKKKK", 0, false},
    {"BailOutLeavesTheDeadDead",   Outcome::BailedOut, {4, 0, 0, 0, 0, 0, 0, 0, 0, 3}, false, "KMMMMMMMMM", 5, false},
    {"WoundsOnALanding",           Outcome::Safe,      {1, 2, 0, 4, 0, 3, 0, 0, 0, 2}, true,  "AAAKAHAAAA", 6, true},
    {"AbandonedCountsNoMission",   std::nullopt,       {0, 0, 3, 0, 0, 0, 0, 0, 0, 0}, false, "AAHAAAAAAA", 5, true},
};
// clang-format on

// Each way a mission ends, on a crew of five missions each and a bomber with one hit.
TEST(MissionEnd, CreditsReplacesAndRepairsAsTheOutcomeSays) {
    for (const EndCase& c : Ends) {
        SCOPED_TRACE(c.name);
        Campaign campaign = NewCampaign("Tour", 3);
        for (CrewMember& member : campaign.Crew)
            member.Missions = 5;
        campaign.NextMission = 7;
        MissionReport report{.Target = "Kiel", .Ending = c.ending};
        report.Damage.WindowHits = 1;
        for (int member = 1; member <= CrewCount; ++member)
            report.Wounds[member] = c.wounds[static_cast<std::size_t>(member - 1)];
        report.Kills[6] = 2;
        ConcludeMission(campaign, report);
        MissionLog log{.Number = 7, .Target = "Kiel", .Complete = c.complete, .Wounds = c.wounds};
        if (c.ending) log.Outcome = NameOf(*c.ending).Label;
        EXPECT_EQ(campaign.Missions, std::vector{log});
        EXPECT_EQ(campaign.NextMission, 8);
        EXPECT_EQ(campaign.Damage.WindowHits, c.damageKept ? 1 : 0);
        std::size_t former = 0;
        for (int position = 1; position <= CrewCount; ++position) {
            const char fate = c.fate[position - 1];
            const CrewMember& now = campaign.Crew[position];
            if (fate == 'A') {
                EXPECT_EQ(now.Missions, c.missionsAfter) << position;
                continue;
            }
            ASSERT_LT(former, campaign.Former.size());
            const CrewMember& gone = campaign.Former[former++];
            EXPECT_EQ(std::tuple(gone.Position, gone.Status, gone.Missions, gone.Kills),
                      std::tuple(position, static_cast<MemberStatus>(std::string_view("AKHM").find(fate)),
                                 fate == 'H' ? c.missionsAfter : 5, position == 6 ? 2 : 0));
            EXPECT_TRUE(now.Missions == 0 && now.Name != gone.Name) << position;
        }
        EXPECT_EQ(former, campaign.Former.size());
    }
}

TEST(Tour, NewCrewsHaveTenDifferentNamesFromTheSeedAndFlyTwentyFiveMissions) {
    Campaign one = NewCampaign("A", 11);
    EXPECT_EQ(one.Crew, NewCampaign("B", 11).Crew);
    EXPECT_NE(one.Crew, NewCampaign("A", 12).Crew);
    std::set<std::string> names;
    for (const CrewMember& member : one.Crew)
        names.insert(member.Name);
    EXPECT_EQ(names.size(), 10u);
    one.NextMission = 25;
    EXPECT_FALSE(one.Finished());
    ConcludeMission(one, MissionReport{});
    EXPECT_TRUE(one.Finished());
}

TEST(Tour, NamesAreOneToSixtyCharactersWithoutControls) {
    for (const std::string& good : {std::string("O'Brien \"Lucky\" <&>"), std::string(60, 'x'),
                                    "Ærø " + std::string(56, 'y')}) // 60 characters, more bytes
        EXPECT_FALSE(NameProblem(good)) << good;
    for (const std::string& bad : {std::string(), std::string(61, 'x'), std::string("two\nlines")})
        EXPECT_TRUE(NameProblem(bad)) << bad;
}

void Exec(const fs::path& file, const std::string& sql) {
    SQLite::Database(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE).exec(sql);
}

class CampaignStoreTest : public ::testing::Test {
  protected:
    test::ScratchDirectory scratch;
    fs::path file = scratch.Path() / "sub" / "campaigns.db";
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
        {[&] { test::WriteFile(file, "ten names, one a line\n"); },
         "not a campaign store (not an SQLite database)"},
        {[&] { test::WriteFile(file, ""); }, "is empty: not a campaign store"},
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
        {[&] { fs::remove(file.parent_path()), test::WriteFile(file.parent_path(), "not a directory"); },
         "its directory cannot be made"},
    };
    for (const auto& [make, problem] : cases) {
        fs::remove(file);
        make();
        const std::string before = test::ReadFile(file),
                          said = test::MessageOf([&] { CampaignStore(file).LoadAll(); });
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
    EXPECT_EQ(test::MessageOf([&] { CampaignSession(second, test::ShippedDatabase(), "Tour"); }),
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

// The simulator's player flown through whole missions with scripted dice, on the small test
// database (one Me109 at 12 High in every wave; only the nose gun can fire at it, needing 4).
// Outbound to St. Omer (two zones: the target zone is zone 2), squadron and formation in the
// middle, one wave over the target, met by the cover of the way out; then the rest.
Rolls Outbound(int coverOut, int coverBack, int coverResult, const Rolls& then) {
    // clang-format off
    Rolls all = {{"1d6", 3, "Squadron Roll"}, {"2d6", 7, "Formation Roll"}, {"1d6", coverOut, "Fighter Cover"},
                 {"1d6", coverBack, "Fighter Cover"}, {"2d6", 7, "Weather"}, {"1d6", 1, "Waves Appearing"},
                 {"d66", 11, "Wave Generation"}, {"1d6", coverResult, "Fighter Cover"}};
    // clang-format on
    all.insert(all.end(), then.begin(), then.end());
    return all;
}

const struct {
    Rolls rolls;
    std::vector<std::string> said; // among the messages, the last one last
    std::string result;            // target, ending, bomb run, losses and the nose gun's ammunition
} Flights[] = {
    // clang-format off
    // Good cover out (6) chases the wave's one fighter off: the player marks it. Home through
    // zone 2 again, poor cover back (1) chases nobody off, so the nose gun is aimed, hits (6)
    // and destroys (6) the fighter. Bad weather over the base takes 2 off a landing roll of 3.
    {Outbound(6, 1, 6, {{"1d6", 1, "Flak Over Target"}, {"1d6", 5, "Bomb Run"}, {"2d6", 7, "Bomb Percentage"},
                        {"1d6", 1, "Waves Appearing"}, {"d66", 11, "Wave Generation"}, {"1d6", 1, "Fighter Cover"},
                        {"1d6", 6, "To Hit"}, {"1d6", 6, "Damage"}, {"2d6", 2, "Weather"},
                        {"2d6", 3, "Landing on Land"}, {"1d6", 1, ""}}),
     {"Fighter cover chased off 1 enemy fighters", "Fighter cover chased off 0 enemy fighters",
      "Nose Gun Hits Me109 at 12 High - KIA", "Crew safe and Corvane repairable by next mission."},
     "0 repairable run on 40% wounded 0 killed 0 engines 0 guns 0 ammo 14"},
    // Poor cover out chases nobody off and the nose gun misses (1); the fighter hits (6) with one
    // shell (7) in the bomb bay (11 from 12 High), on the bombs (3), which go off (5).
    {Outbound(1, 1, 1, {{"1d6", 1, "To Hit"}, {"1d6", 6, "Enemy to Hit"}, {"2d6", 7, "Shell Hits"},
                        {"2d6", 11, "Area Damage"}, {"2d6", 3, "Damage Bomb Bay"},
                        {"1d6", 5, "Damage Bomb Bay: 3,9,11"}}),
     {"  BOMB BAY: Bombs - BOMBS DETONATE - Corvane DESTROYED AND ENTIRE CREW KIA"},
     "0 bombs_detonated 0% wounded 0 killed 10 engines 0 guns 0 ammo 14"},
    // clang-format on
};

TEST(AutoPlayer, FliesTheMissionAsTheDiceSay) {
    const test::TempDatabase file(test::ValidSql());
    const GameDatabase database = file.Open();
    EXPECT_THROW(PlayMission(*test::ScriptedGame(database, {}), "Atlantis"), std::invalid_argument);
    for (const auto& [rolls, said, result] : Flights) {
        const std::unique_ptr<Game> game = test::ScriptedGame(database, test::FacesFor(rolls));
        const std::shared_ptr<test::Transcript> transcript = test::Record(*game);
        const MissionResult r = PlayMission(*game, "St. Omer");
        EXPECT_THROW(game->RollDice("1d6"), DiceExhausted) << "faces left over";
        for (const std::string& message : said)
            EXPECT_NE(std::ranges::find(transcript->Messages, message), transcript->Messages.end())
                << message;
        EXPECT_EQ(transcript->Messages.back(), said.back());
        EXPECT_EQ(std::to_string(r.Target) + " " + std::string(NameOf(r.End).Key) +
                      (r.BombRun ? " run " : " ") + (r.OnTarget ? "on " : "") +
                      std::to_string(r.BombPercentage) + "% wounded " + std::to_string(r.CrewWounded) +
                      " killed " + std::to_string(r.CrewKilled) + " engines " +
                      std::to_string(r.EnginesLost) + " guns " + std::to_string(r.GunsOut) + " ammo " +
                      std::to_string(game->Guns[2].Ammo),
                  result);
    }
}

} // namespace
} // namespace halvard
