// Whole missions through halvard-cli against the golden files under tests/golden: the traces,
// the journal's record of them (the trace's roll and message lines), its replay (at every action
// the screen the live mission showed) and its reports. HALVARD_UPDATE_GOLDEN=1 rewrites them, for
// a deliberate change: review the diff.

#include "Journal.h"

#include "CampaignSession.h"
#include "Program.h"
#include "TestData.h"
#include "Views.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace halvard {
namespace {

namespace fs = std::filesystem;

TEST(GoldenTrace, ReplaysLineByLine) {
    // Name, options besides --trace and --data (dice files relative to tests/golden), exit status.
    const std::tuple<const char*, const char*, int> goldens[] = {
        // clang-format off
        {"short_target",           "--seed 7",                            0},
        {"deep_target_heavy_flak", "--seed 12",                           0},
        {"cover_removals",         "--seed 4",                            0},
        {"crew_killed",            "--seed 1 --dice crew_killed.dice",    0},
        {"dice_exhausted",         "--seed 1 --dice dice_exhausted.dice", 3},
        {"two_missions",           "--seed 21",                           0},
        // clang-format on
    };
    for (const auto& [name, options, exitStatus] : goldens) {
        const std::string golden = (test::GoldenDirectory() / name).string(), trace = golden + ".trace";
        const test::Run run =
            test::RunCliWithInput(test::GoldenOptions(options), test::ReadFile(golden + ".commands"));
        EXPECT_EQ(run.ExitStatus, exitStatus) << name << ": " << run.Errors;
        if (std::getenv("HALVARD_UPDATE_GOLDEN")) std::ofstream(trace, std::ios::binary) << run.Output;
        EXPECT_EQ(run.Output, test::ReadFile(trace)) << "the trace of " << trace;
    }
}

// Reports are written whole over older ones, or not at all, in the format their names end in.
TEST(Journal, OfAGoldenMissionRepeatsItsRollsAndMessagesAndItsReportsAreAsPinned) {
    const test::ScratchDirectory scratch;
    const fs::path md = scratch.Path() / "report.md", txt = scratch.Path() / "report.txt",
                   html = scratch.Path() / "report.Htm", missing = scratch.Path() / "missing" / "report.md";
    std::ofstream(md) << "an older report";
    std::string commands;
    for (const std::string& line :
         test::SplitLines(test::ReadFile(test::GoldenDirectory() / "short_target.commands")))
        if (line != "quit") commands += line + '\n';
    for (const fs::path& file : {md, txt, html, missing, scratch.Path() / "report.doc"})
        commands += "export " + file.string() + '\n';
    const test::Run run = test::RunCliWithInput(test::GoldenOptions("--seed 7"), commands + "journal\n");
    ASSERT_EQ(run.ExitStatus, 0) << run.Errors;
    // The trace, then the journal: its roll and message lines again.
    std::vector<std::string> expected =
        test::SplitLines(test::ReadFile(test::GoldenDirectory() / "short_target.trace"));
    expected.insert(expected.end(), {"E export: " + missing.string() + ": No such file or directory",
                                     "E export: a file ending in .md, .txt or .html"});
    for (std::size_t i = 0, traced = expected.size(); i < traced; ++i)
        if (expected[i].starts_with("R ") || expected[i].starts_with("M ")) expected.push_back(expected[i]);
    EXPECT_EQ(test::SplitLines(run.Output), expected);
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.Path()), {}), 3) << "a file left half-written";
    EXPECT_TRUE(test::ReadFile(html).starts_with("<!DOCTYPE html>"));

    for (const fs::path& written : {md, txt}) {
        const fs::path golden =
            test::GoldenDirectory() / ("short_target.report" + written.extension().string());
        if (std::getenv("HALVARD_UPDATE_GOLDEN"))
            fs::copy_file(written, golden, fs::copy_options::overwrite_existing);
        EXPECT_EQ(test::ReadFile(written), test::ReadFile(golden))
            << "compare " << written << " with " << golden;
    }
}

// A tour of three missions, the last in progress. The first leaves the bomber damaged: what the
// second takes off with comes from replaying the first. Each replay, forward and back (which
// rebuilds the game), shows after every action the screen the live mission showed.
TEST(Journal, ATourReplaysEachMissionWithTheBomberAndCrewItTookOffWith) {
    const test::ScratchDirectory scratch;
    CampaignStore store(scratch.Path() / "campaigns.db");
    Campaign campaign = NewCampaign("Replayed", 6);
    store.Create(campaign);
    std::vector<std::vector<std::string>> screens(3);
    const auto seen = [](const CampaignSession& s) {
        std::vector<std::string> all = s.CurrentGame().Rolls.Lines();
        all.insert(all.end(), {ScreenJson(s.Flow(), s.CurrentGame()).dump(),
                               StateJson(s.CurrentGame()).dump(), std::to_string(s.ActionsRecorded())});
        return all;
    };
    std::vector<std::string> left;
    {
        CampaignSession session(store, test::ShippedDatabase(), "Replayed");
        for (std::vector<std::string>& shown : screens) {
            std::vector<Action> actions{{ActionKind::Random}};
            for (int i = 0; i < 200; ++i)
                actions.insert(
                    actions.end(),
                    {{ActionKind::Step}, {ActionKind::Gun, 2 + i % 9}, {ActionKind::Cell, 1 + i % 4}});
            if (&shown != &screens.back()) actions.push_back({ActionKind::Ok});
            for (const Action& action : actions)
                if (session.Perform(action).Accepted && session.Flow().Current() == Screen::Mission)
                    shown.push_back(ScreenJson(session.Flow(), session.CurrentGame()).dump());
        }
        left = seen(session);
    }
    // Reopened, the mission in progress is back as it stood.
    EXPECT_EQ(seen(CampaignSession(store, test::ShippedDatabase(), "Replayed")), left);
    campaign = *store.Load("Replayed");
    const std::vector<JournalMission> tour = TourJournal(store, test::ShippedDatabase(), campaign);
    ASSERT_EQ(tour.size(), 3U);
    EXPECT_TRUE(tour[0].Concluded && tour[1].Concluded && !tour[2].Concluded);
    EXPECT_EQ(campaign.Missions.at(0).Number, 1);
    EXPECT_EQ(tour[0].Ending, campaign.Missions[0].Outcome);
    ASSERT_TRUE(tour[1].Start);
    EXPECT_NE(tour[1].Start->State.State.Damage, DamageRecord{});
    for (std::size_t i = 0; i < tour.size(); ++i) {
        SCOPED_TRACE(i + 1);
        ASSERT_EQ(tour[i].NoReplay, "");
        MissionReplay replay(test::ShippedDatabase(), tour[i]);
        ASSERT_EQ(replay.Last(), static_cast<int>(screens[i].size()));
        // Each way, from one moment beyond the record to the other: out of range is the nearest.
        for (int moment : {0, replay.Last() + 1, 0})
            for (int step = moment ? -1 : 1; moment >= 0 && moment <= replay.Last() + 1; moment += step) {
                replay.GoTo(moment);
                ASSERT_EQ(ScreenJson(replay.Flow(), replay.CurrentGame()).dump(),
                          screens[i][std::clamp(moment, 1, replay.Last()) - 1])
                    << "moment " << moment;
            }
        EXPECT_EQ(replay.Problem(), "");
    }

    // A record changed behind the program's back: the missions are listed as the tour logged
    // them, without replay from there on, and the campaign opens read-only.
    SQLite::Database(store.Path().string(), SQLite::OPEN_READWRITE)
        .exec("UPDATE lines SET text = 'M [ZONE #9]' WHERE text = 'M [ZONE #2]'");
    const std::vector<JournalMission> broken = TourJournal(store, test::ShippedDatabase(), campaign);
    ASSERT_EQ(broken.size(), 3U);
    EXPECT_EQ(broken[0].Ending, campaign.Missions[0].Outcome);
    EXPECT_TRUE(broken[0].NoReplay.starts_with("mission 1 does not replay")) << broken[0].NoReplay;
    EXPECT_EQ(broken[2].NoReplay, broken[0].NoReplay);
    const std::size_t recorded = store.LoadInProgress(campaign)->Actions.size();
    CampaignSession session(store, test::ShippedDatabase(), "Replayed");
    ASSERT_TRUE(session.ReadOnly());
    EXPECT_NE(session.ReadOnly()->find("action "), std::string::npos) << *session.ReadOnly();
    EXPECT_FALSE(session.Perform({ActionKind::Step}).Accepted);
    EXPECT_EQ(store.LoadInProgress(campaign)->Actions.size(), recorded);
}

} // namespace
} // namespace halvard
