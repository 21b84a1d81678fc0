// The terminal front-end: its player refusing what does not fit, the program's exits, and many
// missions on the shipped database, whose figures depend on the seed alone, add up, and read the
// same in the text, JSON and CSV reports of halvard-cli simulate.
//
// Whole missions through halvard-cli against the golden files under tests/golden: the traces,
// the journal's record of them (the trace's roll and message lines), its replay (at every action
// the screen the live mission showed) and its reports. HALVARD_UPDATE_GOLDEN=1 rewrites them, for
// a deliberate change: review the diff.

#include "Program.h"

#include "CampaignSession.h"
#include "CampaignStore.h"
#include "CliSession.h"
#include "Journal.h"
#include "MissionSetup.h"
#include "Simulation.h"
#include "SimulationReport.h"
#include "TestData.h"
#include "Views.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace halvard {
namespace {

using test::Quoted;

// Waiting for the player to mark the fighters the cover chased off, a command that does not fit
// prints one error line and changes nothing.
TEST(CliSession, ARefusedCommandPrintsOneErrorLineAndChangesNothing) {
    Game game(test::ShippedDatabase(), 5);
    std::ostringstream out;
    CliSession session(game, out, true);
    const auto type = [&](const std::vector<std::string_view>& lines) {
        out.str("");
        for (std::string_view line : lines)
            EXPECT_TRUE(session.Execute(line)) << line;
        return out.str();
    };
    type({"mission 11", "choose Paris", "step", "step", "step", "step", "step", "step"});
    ASSERT_EQ(session.Flow().Mission().nPhase, phase::RemoveEnemyFighters);
    const std::string before = type({"state", "screen"});
    for (std::string_view command :
         {"step", "cell 0", "cell 7", "cell", "gun", "gun 11", "gun two", "random", "choose Bremen", "cancel",
          "mission 26", "ok now", "fly", "step 2", "STEP"}) {
        const std::string printed = type({command});
        EXPECT_TRUE(printed.starts_with("E ") && std::count(printed.begin(), printed.end(), '\n') == 1)
            << command << " printed: " << printed;
        EXPECT_EQ(type({"state", "screen"}), before) << command;
    }
}

TEST(Program, ExitsWithItsStatusAndMessages) {
    const test::ScratchDirectory files;
    const std::filesystem::path none = files.Path() / "none.db", seven = files.Path() / "seven";
    test::WriteFile(seven, "1, 2, 7");
    const std::string data = "--data " + Quoted(test::DataDirectory().string()),
                      sim = "simulate " + data + " --missions ";
    const struct {
        std::string options, input;
        int exitStatus;
        const char *inErrors, *inOutput;
    } cases[] = {
        // clang-format off
        {"--version", "", 0, "", "halvard-cli " HALVARD_VERSION "\n"},
        {data + " --dice " + Quoted(none.string()), "", 2, "none.db", ""},
        {data + " --dice " + Quoted(seven.string()), "", 2, "'7'", ""},
        {"--data " + Quoted(files.Path().string()), "", 1, "Corvane.db: file not found", ""},
        {data + " --seed 3", "choose Nowhere\ncancel\nscreen\n", 0, "",
         "E choose: Unknown target: Nowhere\nV {\"rolls\":0,\"window\":\"entry\"}\n"},
        {sim + "-4", "", 2, "not -4", ""},
        {sim + "1000000000000001", "", 2, "1000000000000001", ""},
        {sim + "5 --json --csv", "", 2, "--csv", ""},
        {data + " --trace simulate --missions 5", "", 2, "--trace", ""},
        {sim + "5 --target Atlantis", "", 2, "named \"Atlantis\"", ""},
        {sim + "5 --campaign Tour --store " + Quoted(none.string()), "", 2, "no campaign store", ""},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        const test::Run run = test::RunCliWithInput(c.options, c.input);
        EXPECT_EQ(run.ExitStatus, c.exitStatus) << run.Errors;
        EXPECT_NE(run.Errors.find(c.inErrors), std::string::npos) << run.Errors;
        EXPECT_NE(run.Output.find(c.inOutput), std::string::npos) << run.Output;
        EXPECT_TRUE(c.exitStatus != 2 || run.Output.empty())
            << "a refused command line played " << run.Output;
    }
}

SimulationResult Fly(std::uint64_t missions, std::uint64_t seed, unsigned threads,
                     std::optional<std::string> target = std::nullopt) {
    return Simulate(test::ShippedDatabase(),
                    {.Missions = missions, .Seed = seed, .Target = std::move(target), .Threads = threads});
}

TEST(Simulation, TheSeedAloneDecidesTheFiguresAndTheyAddUp) {
    const SimulationResult result = Fly(600, 77, 2);
    EXPECT_EQ(Fly(600, 77, 3), result) << "on three threads"; // one, by the program, below
    EXPECT_NE(Fly(600, 78, 2).Overall, result.Overall) << "another seed";
    const Tally& all = result.Overall;
    ASSERT_EQ(all.Missions, 600u);
    EXPECT_GT(result.Targets.size(), 10u) << "the mission chart spreads the targets";
    Tally targets;
    for (const TargetTally& target : result.Targets)
        targets += target.Figures;
    EXPECT_EQ(targets, all);
    std::uint64_t outcomes = 0, lost = 0;
    for (std::size_t i = 0; i < OutcomeCount; ++i) {
        outcomes += all.Outcomes[i];
        if (BomberLost(static_cast<Outcome>(i))) lost += all.Outcomes[i];
    }
    EXPECT_EQ(outcomes, all.Missions);
    EXPECT_EQ(lost, all.BombersLost);
    EXPECT_TRUE(all.OnTarget > 0 && all.OnTarget <= all.BombRuns && all.BombRuns <= all.Missions &&
                all.EnginesLost <= 4 * all.Missions &&
                all.GunsOut <= (LastGun - FirstGun + 1) * all.Missions);

    const SimulationResult bremen = Fly(60, 5, 2, "Bremen");
    EXPECT_EQ(bremen.Targets, (std::vector<TargetTally>{{"Bremen", bremen.Overall}}));
    EXPECT_EQ(bremen.Overall.Missions, 60u);
}

TEST(Simulation, AnEveryTargetRunTellsOfEachTargetOnceItIsDone) {
    std::vector<TargetTally> told;
    SimulationCalls calls{.OnTargetFinished = [&](const TargetTally& target) { told.push_back(target); }};
    SimulationResult result = Simulate(test::ShippedDatabase(),
                                       {.Missions = 3, .Seed = 8, .EveryTarget = true, .Threads = 2}, calls);
    EXPECT_EQ(result.Targets.size(), test::ShippedDatabase().Targets().size());
    for (const TargetTally& target : result.Targets)
        EXPECT_EQ(target.Figures.Missions, 3u) << target.Name;
    std::ranges::sort(told, {}, &TargetTally::Name);
    std::ranges::sort(result.Targets, {}, &TargetTally::Name);
    EXPECT_EQ(told, result.Targets);
}

TEST(Simulation, FliesAtMostMostMissions) {
    std::stop_source stopped;
    stopped.request_stop();
    SimulationOptions options{.Missions = MostMissions, .Target = "Bremen"};
    EXPECT_TRUE(Simulate(test::ShippedDatabase(), options, {.Stop = stopped.get_token()}).Stopped);
    ++options.Missions;
    EXPECT_EQ(test::MessageOf<std::invalid_argument>([&] { Simulate(test::ShippedDatabase(), options); }),
              "more than 1000000000000000 missions");
}

test::Run RunSimulate(const std::string& options) {
    return test::RunCliWithInput("simulate --data " + Quoted(test::DataDirectory().string()) + " " + options,
                                 "");
}

// The program prints the figures of the same run as the simulator gives them, in each format;
// a run without a seed names the seed that repeats it.
TEST(SimulateCommand, PrintsTheRunsFiguresAsTextJsonAndCsv) {
    const std::string text = RunSimulate("--missions 300 --threads 2").Output;
    const auto at = text.find(", seed ") + 7;
    ASSERT_GT(at, 7u) << text;
    const std::string seed = text.substr(at, text.find(',', at) - at),
                      options = "--missions 300 --threads 1 --seed " + seed;
    const SimulationResult result = Fly(300, std::stoull(seed), 2);
    EXPECT_EQ(text, ReportText(result));
    EXPECT_EQ(nlohmann::json::parse(RunSimulate(options + " --json").Output), ReportJson(result));
    const std::string csv = RunSimulate(options + " --csv").Output;
    EXPECT_EQ(csv, ReportCsv(result));
    // Read by spreadsheets by the names of its columns.
    EXPECT_TRUE(csv.starts_with(
        "seed,scope,target,missions,bomb_runs,on_target,on_target_share,mean_bomb_percentage,"
        "crew_wounded_per_mission,crew_killed_per_mission,engines_lost_per_mission,guns_out_per_mission,"
        "bombers_lost,bomber_lost_share,safe,repairable,irreparable,wrecked,crew_killed_wrecked,"
        "landing_explosion,bombs_detonated,fuel_tank_exploded,bailed_out,crew_killed\n" +
        seed + ",all,,300,"));
}

// A tour whose bomber limps on (no landing gear, no brakes, a damaged tailwheel, shot-up cables
// and windows) takes what it has into the air on every mission flown.
TEST(SimulateCampaign, FliesTheBomberAsTheTourLeftIt) {
    const test::ScratchDirectory scratch;
    Campaign limping = NewCampaign("Limping", 3);
    limping.NextMission = 6;
    DamageRecord& damage = limping.Damage;
    damage.LandingGearOut = damage.BrakeOut = damage.TailwheelDamaged = true;
    damage.ControlCableHits = damage.WindowHits = 2;
    CampaignStore(scratch.Path() / "campaigns.db").Create(limping);
    const auto lost = [](const std::string& options) {
        const test::Run run = RunSimulate("--missions 400 --seed 12 --threads 2 --json " + options);
        return nlohmann::json::parse(run.Output)["overall"]["bomber_lost_share"].get<double>();
    };
    EXPECT_GT(lost("--campaign Limping --store " + Quoted((scratch.Path() / "campaigns.db").string())),
              lost("") + 0.2);
}

// Whole missions against the golden files under tests/golden.
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
        if (std::getenv("HALVARD_UPDATE_GOLDEN")) test::WriteFile(trace, run.Output);
        EXPECT_EQ(run.Output, test::ReadFile(trace)) << "the trace of " << trace;
    }
}

// Reports are written whole over older ones, or not at all, in the format their names end in.
TEST(Journal, OfAGoldenMissionRepeatsItsRollsAndMessagesAndItsReportsAreAsPinned) {
    const test::ScratchDirectory scratch;
    const fs::path md = scratch.Path() / "report.md", txt = scratch.Path() / "report.txt",
                   html = scratch.Path() / "report.Htm", missing = scratch.Path() / "missing" / "report.md";
    test::WriteFile(md, "an older report");
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
