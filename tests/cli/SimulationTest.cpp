// Many missions on the shipped database: the figures depend on the seed alone, add up, and read
// the same in the text, JSON and CSV reports of halvard-cli simulate.

#include "Simulation.h"

#include "CampaignStore.h"
#include "Program.h"
#include "SimulationReport.h"
#include "TestData.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace halvard {
namespace {

using test::Quoted;

SimulationResult Fly(std::uint64_t missions, std::uint64_t seed, unsigned threads,
                     std::optional<std::string> target = std::nullopt) {
    return Simulate(test::ShippedDatabase(),
                    {.Missions = missions, .Seed = seed, .Target = std::move(target), .Threads = threads});
}

TEST(Simulation, ANamedTargetIsFlownEveryTime) {
    const SimulationResult result = Fly(60, 5, 2, "Bremen");
    ASSERT_EQ(result.Targets.size(), 1u);
    EXPECT_EQ(result.Targets[0].Name, "Bremen");
    EXPECT_EQ(result.Targets[0].Figures, result.Overall);
    EXPECT_EQ(result.Overall.Missions, 60u);
    EXPECT_THROW(Fly(10, 5, 1, "Atlantis"), std::invalid_argument);
}

TEST(Simulation, TheSeedAloneDecidesTheFiguresAndTheyAddUp) {
    const SimulationResult result = Fly(600, 77, 2);
    for (unsigned threads : {1u, 2u, 3u})
        EXPECT_EQ(Fly(600, 77, threads), result) << threads << " threads";
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
    EXPECT_LE(all.OnTarget, all.BombRuns);
    EXPECT_LE(all.BombRuns, all.Missions);
    EXPECT_LE(all.CrewWounded + all.CrewKilled, CrewCount * all.Missions);
    EXPECT_LE(all.EnginesLost, 4 * all.Missions);
    EXPECT_LE(all.GunsOut, (LastGun - FirstGun + 1) * all.Missions);
    EXPECT_LE(all.MeanBombPercentage(), 100.0);
    // Over this many missions bombers are both lost and brought home, on target and wounded.
    for (std::uint64_t some : {all.Outcomes[static_cast<std::size_t>(Outcome::Safe)], all.BombersLost,
                               all.OnTarget, all.CrewWounded})
        EXPECT_GT(some, 0u);
}

TEST(Simulation, AnEveryTargetRunTellsOfEachTargetOnceItIsDone) {
    std::vector<TargetTally> told;
    SimulationCalls calls{.OnTargetFinished = [&](const TargetTally& target) { told.push_back(target); }};
    SimulationResult result = Simulate(test::ShippedDatabase(),
                                       {.Missions = 3, .Seed = 8, .EveryTarget = true, .Threads = 2}, calls);
    EXPECT_EQ(result.Targets.size(), test::ShippedDatabase().Targets().size());
    for (const TargetTally& target : result.Targets)
        EXPECT_EQ(target.Figures.Missions, 3u) << target.Name;
    const auto byName = [](const TargetTally& a, const TargetTally& b) { return a.Name < b.Name; };
    std::sort(told.begin(), told.end(), byName);
    std::sort(result.Targets.begin(), result.Targets.end(), byName);
    EXPECT_EQ(told, result.Targets);
}

TEST(Simulation, FliesAtMostMostMissions) {
    std::stop_source stop;
    stop.request_stop();
    SimulationOptions options{.Missions = MostMissions, .Target = "Bremen"};
    const SimulationResult stopped = Simulate(test::ShippedDatabase(), options, {.Stop = stop.get_token()});
    EXPECT_TRUE(stopped.Stopped);
    EXPECT_EQ(stopped.Overall.Missions, 0u);
    ++options.Missions;
    try {
        Simulate(test::ShippedDatabase(), options);
        ADD_FAILURE() << "flew more than the most";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "more than 1000000000000000 missions");
    }
}

// halvard-cli simulate -----------------------------------------------------------------------

const std::string Data = "--data " + Quoted(test::DataDirectory().string());

test::Run RunSimulate(const std::string& options) {
    return test::RunCliWithInput("simulate " + Data + " " + options, "");
}

// The program prints the figures of the same run as the simulator gives them, in each format.
TEST(SimulateCommand, PrintsTheRunsFiguresAsTextJsonAndCsv) {
    const std::string options = "--missions 300 --seed 31 --threads 2";
    const SimulationResult result = Fly(300, 31, 2);
    const test::Run text = RunSimulate(options), json = RunSimulate(options + " --json"),
                    csv = RunSimulate(options + " --csv");
    EXPECT_EQ(text.Output, ReportText(result));
    EXPECT_TRUE(text.Output.starts_with(
        "Halvard simulation: 300 missions, seed 31, targets drawn by the mission chart\n"));
    const nlohmann::json report = nlohmann::json::parse(json.Output);
    EXPECT_EQ(report, ReportJson(result));
    EXPECT_EQ(report["overall"]["outcomes"]["safe"], result.Overall.Outcomes[0]);
    EXPECT_EQ(csv.Output, ReportCsv(result));
    // Read by spreadsheets by the names of its columns.
    EXPECT_TRUE(csv.Output.starts_with(
        "seed,scope,target,missions,bomb_runs,on_target,on_target_share,mean_bomb_percentage,"
        "crew_wounded_per_mission,crew_killed_per_mission,engines_lost_per_mission,guns_out_per_mission,"
        "bombers_lost,bomber_lost_share,safe,repairable,irreparable,wrecked,crew_killed_wrecked,"
        "landing_explosion,bombs_detonated,fuel_tank_exploded,bailed_out,crew_killed\n31,all,,300,"));
}

TEST(SimulateCommand, ARunWithoutASeedNamesTheSeedThatRepeatsIt) {
    const test::Run first = RunSimulate("--missions 20");
    const auto at = first.Output.find(", seed ");
    ASSERT_NE(at, std::string::npos) << first.Output << first.Errors;
    const std::string seed = first.Output.substr(at + 7, first.Output.find(',', at + 7) - at - 7);
    EXPECT_EQ(RunSimulate("--missions 20 --threads 1 --seed " + seed).Output, first.Output);
}

// A tour whose bomber limps on: no landing gear, no brakes, a damaged tailwheel, shot-up cables
// and windows; what it takes into the air stays with it all the way to the landing.
TEST(SimulateCampaign, FliesTheBomberAsTheTourLeftItAndRefusesWhatItCannotFly) {
    const test::ScratchDirectory scratch;
    const std::string store = " --store " + Quoted((scratch.Path() / "campaigns.db").string());
    {
        CampaignStore made(scratch.Path() / "campaigns.db");
        Campaign limping = NewCampaign("Limping", 3), done = NewCampaign("Done", 4);
        limping.NextMission = 6;
        DamageRecord& damage = limping.Damage;
        damage.LandingGearOut = damage.BrakeOut = damage.TailwheelDamaged = true;
        damage.ControlCableHits = damage.WindowHits = 2;
        done.NextMission = TourLength + 1;
        made.Create(limping);
        made.Create(done);
    }
    const std::string options = "--missions 400 --seed 12 --threads 2 --json";
    const test::Run fresh = RunSimulate(options),
                    limping = RunSimulate(options + " --campaign Limping" + store);
    ASSERT_EQ(fresh.ExitStatus + limping.ExitStatus, 0) << fresh.Errors << limping.Errors;
    const double freshLost = nlohmann::json::parse(fresh.Output)["overall"]["bomber_lost_share"];
    const double limpingLost = nlohmann::json::parse(limping.Output)["overall"]["bomber_lost_share"];
    EXPECT_GT(limpingLost, freshLost + 0.2) << "the damaged bomber must come back less often";

    for (const auto& [more, inErrors] :
         {std::pair<std::string, const char*>{"--campaign Done" + store, "is over"},
          {"--campaign Nobody" + store, "no campaign named \"Nobody\""},
          {"--campaign Limping --store " + Quoted((scratch.Path() / "none.db").string()),
           "no campaign store"}}) {
        const test::Run run = RunSimulate("--missions 5 " + more);
        EXPECT_EQ(run.ExitStatus, 2) << more;
        EXPECT_NE(run.Errors.find(inErrors), std::string::npos) << run.Errors;
    }
    EXPECT_FALSE(std::filesystem::exists(scratch.Path() / "none.db")) << "reading odds made a store";
}

} // namespace
} // namespace halvard
