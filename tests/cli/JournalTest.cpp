// The journal against the golden missions: its record is the trace's roll and message lines, its
// replay shows at every action the screen the live mission showed, and its reports are pinned
// as golden files (HALVARD_UPDATE_GOLDEN=1 rewrites them).

#include "CampaignSession.h"
#include "Journal.h"
#include "Program.h"
#include "TestData.h"
#include "Views.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace halvard {
namespace {

namespace fs = std::filesystem;

// A golden mission's commands up to its quit, then these.
std::string CommandsThen(const std::string& golden, const std::string& more) {
    std::string commands;
    for (const std::string& line : test::SplitLines(test::ReadFile(test::GoldenDirectory() / (golden + ".commands"))))
        if (line != "quit") commands += line + '\n';
    return commands + more;
}

struct Case {
    std::string Name;
    std::string Options;
};
const Case Missions[] = {
    {"short_target", "--seed 7"},
    {"deep_target_heavy_flak", "--seed 12"},
    {"cover_removals", "--seed 4"},
    {"crew_killed", "--seed 1 --dice crew_killed.dice"},
};

std::string Options(const Case& mission) {
    std::string options = "--trace --data " + test::Quoted(test::DataDirectory().string());
    std::istringstream words(mission.Options);
    for (std::string word; words >> word;)
        options += ' ' + (word.ends_with(".dice") ? test::Quoted((test::GoldenDirectory() / word).string()) : word);
    return options;
}

TEST(Journal, OfAGoldenMissionIsItsTracesRollsAndMessages) {
    for (const Case& mission : Missions) {
        SCOPED_TRACE(mission.Name);
        const std::vector<std::string> trace = test::SplitLines(test::ReadFile(test::GoldenDirectory() / (mission.Name + ".trace")));
        std::vector<std::string> expected = trace;
        std::erase_if(expected, [](const std::string& line) { return !line.starts_with("R ") && !line.starts_with("M "); });
        const test::Run run = test::RunCliWithInput(Options(mission), CommandsThen(mission.Name, "journal\n"));
        ASSERT_EQ(run.ExitStatus, 0) << run.Errors;
        const std::vector<std::string> output = test::SplitLines(run.Output);
        ASSERT_GE(output.size(), trace.size());
        EXPECT_EQ(std::vector(output.begin(), output.begin() + static_cast<std::ptrdiff_t>(trace.size())), trace);
        EXPECT_EQ(std::vector(output.begin() + static_cast<std::ptrdiff_t>(trace.size()), output.end()), expected);
    }
}

TEST(Journal, ReportsOfAGoldenMissionAreAsPinned) {
    const test::ScratchDirectory scratch;
    const fs::path md = scratch.Path() / "report.md", txt = scratch.Path() / "report.txt";
    const test::Run run = test::RunCliWithInput(
        Options(Missions[0]), CommandsThen("short_target", "export " + md.string() + "\nexport " + txt.string() + "\n"));
    ASSERT_EQ(run.ExitStatus, 0) << run.Errors;
    for (const fs::path& written : {md, txt}) {
        const fs::path golden = test::GoldenDirectory() / ("short_target.report" + written.extension().string());
        if (std::getenv("HALVARD_UPDATE_GOLDEN")) fs::copy_file(written, golden, fs::copy_options::overwrite_existing);
        EXPECT_EQ(test::ReadFile(written), test::ReadFile(golden)) << "compare " << written << " with " << golden;
    }
}

// Plays the commands that are actions, keeping the screen after each one the screens took.
// A campaign's flow is new with each mission: it is asked for after every action.
std::vector<std::string> PlayAndWatch(const std::vector<std::string>& commands,
                                      const std::function<ActionResult(const Action&)>& perform,
                                      const std::function<const EntryFlow&()>& flow, const Game& game) {
    std::vector<std::string> screens;
    for (const std::string& command : commands)
        if (const std::optional<Action> action = ParseAction(command);
            action && perform(*action).Accepted && flow().Current() == Screen::Mission)
            screens.push_back(ScreenJson(flow(), game).dump());
    return screens;
}

// Forward to every moment, then back to the first and on again, which rebuilds the game.
void ExpectReplayShows(const GameDatabase& database, const JournalMission& mission,
                       const std::vector<std::string>& screens) {
    MissionReplay replay(database, mission);
    ASSERT_EQ(replay.Last(), static_cast<int>(screens.size()));
    for (int pass = 0; pass < 2; ++pass)
        for (int moment = pass == 0 ? 1 : replay.Last(); moment >= 1 && moment <= replay.Last();
             moment += pass == 0 ? 1 : -1) {
            replay.GoTo(moment);
            ASSERT_EQ(ScreenJson(replay.Flow(), replay.CurrentGame()).dump(), screens[static_cast<std::size_t>(moment - 1)])
                << "moment " << moment << ", pass " << pass;
        }
    EXPECT_EQ(replay.Problem(), "");
}

TEST(Journal, ReplayShowsTheLiveScreenAfterEveryAction) {
    for (const auto& [name, seed] : {std::pair{"short_target", 7}, std::pair{"two_missions", 21}}) {
        SCOPED_TRACE(name);
        Game game(test::ShippedDatabase(), static_cast<std::uint64_t>(seed));
        EntryFlow flow(game);
        RunJournal journal(game, flow);
        // Each mission's screens; a run's later mission takes off with the bomber the first left.
        std::vector<std::vector<std::string>> screens(1);
        for (const std::string& command : test::SplitLines(test::ReadFile(test::GoldenDirectory() / (std::string(name) + ".commands")))) {
            if (command == "ok") screens.emplace_back();
            std::vector<std::string> more = PlayAndWatch(
                {command}, [&](const Action& a) { return journal.Perform(a); }, [&]() -> const EntryFlow& { return flow; }, game);
            screens.back().insert(screens.back().end(), more.begin(), more.end());
        }
        std::erase_if(screens, [](const auto& s) { return s.empty(); });
        ASSERT_EQ(journal.Missions().size(), screens.size());
        for (std::size_t i = 0; i < screens.size(); ++i)
            ExpectReplayShows(test::ShippedDatabase(), journal.Missions()[i], screens[i]);
    }
}

TEST(Journal, ATourReplaysEachMissionWithTheBomberAndCrewItTookOffWith) {
    const test::ScratchDirectory scratch;
    CampaignStore store(scratch.Path() / "campaigns.db");
    // Its first mission leaves the bomber damaged and a crew member gone: what the second takes
    // off with comes from replaying the first.
    Campaign campaign = NewCampaign("Replayed", 6);
    store.Create(campaign);
    std::vector<std::vector<std::string>> screens;
    {
        CampaignSession session(store, test::ShippedDatabase(), "Replayed");
        for (int mission = 0; mission < 3; ++mission) {
            std::vector<std::string> commands{"random"};
            for (int i = 0; i < 200; ++i)
                commands.insert(commands.end(), {"step", "gun " + std::to_string(2 + i % 9), "cell " + std::to_string(1 + i % 4)});
            // The last one is not ended by OK: it is the mission in progress.
            if (mission < 2) commands.push_back("ok");
            screens.push_back(PlayAndWatch(
                commands, [&](const Action& a) { return session.Perform(a); },
                [&]() -> const EntryFlow& { return session.Flow(); }, session.CurrentGame()));
        }
    }
    campaign = *store.Load("Replayed");
    const std::vector<JournalMission> tour = TourJournal(store, test::ShippedDatabase(), campaign);
    ASSERT_EQ(tour.size(), 3U);
    EXPECT_TRUE(tour[0].Concluded && tour[1].Concluded && !tour[2].Concluded);
    ASSERT_TRUE(tour[1].Start);
    EXPECT_NE(tour[1].Start->State.State.Damage, DamageRecord{});
    for (std::size_t i = 0; i < tour.size(); ++i) {
        SCOPED_TRACE(i + 1);
        ASSERT_EQ(tour[i].NoReplay, "");
        ExpectReplayShows(test::ShippedDatabase(), tour[i], screens[i]);
    }
}

} // namespace
} // namespace halvard
