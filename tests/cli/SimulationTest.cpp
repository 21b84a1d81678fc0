// Many missions on the shipped database: the figures depend on the seed alone, add up, and read
// the same in the text, JSON and CSV reports of halvard-cli simulate.

#include "Simulation.h"

#include "CampaignStore.h"
#include "Program.h"
#include "TestData.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

namespace halvard {
namespace {

using test::Quoted;
using test::RunCliWithInput;

SimulationResult Fly(std::uint64_t missions, std::uint64_t seed, unsigned threads,
                     std::optional<std::string> target = std::nullopt) {
    SimulationOptions options;
    options.Missions = missions;
    options.Seed = seed;
    options.Threads = threads;
    options.Target = std::move(target);
    return Simulate(test::ShippedDatabase(), options);
}

TEST(Simulation, TheSeedAloneDecidesTheFigures) {
    const SimulationResult one = Fly(240, 2024, 1);
    for (unsigned threads : {2u, 3u})
        EXPECT_EQ(Fly(240, 2024, threads), one) << threads << " threads";
    EXPECT_EQ(Fly(240, 2024, 1), one) << "the same seed again";
    EXPECT_NE(Fly(240, 2025, 1).Overall, one.Overall) << "another seed";
}

TEST(Simulation, ANamedTargetIsFlownEveryTime) {
    const SimulationResult result = Fly(60, 5, 2, "Bremen");
    ASSERT_EQ(result.Targets.size(), 1u);
    EXPECT_EQ(result.Targets[0].Name, "Bremen");
    EXPECT_EQ(result.Targets[0].Figures, result.Overall);
    EXPECT_EQ(result.Overall.Missions, 60u);
    EXPECT_THROW(Fly(10, 5, 1, "Atlantis"), std::invalid_argument);
}

TEST(Simulation, TheFiguresAddUp) {
    const SimulationResult result = Fly(600, 77, 2);
    const Tally& all = result.Overall;
    ASSERT_EQ(all.Missions, 600u);
    EXPECT_GT(result.Targets.size(), 10u) << "the mission chart spreads the targets";

    Tally targets;
    for (const TargetTally& target : result.Targets)
        targets += target.Figures;
    EXPECT_EQ(targets, all);

    std::uint64_t outcomes = 0;
    std::uint64_t lost = 0;
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
    for (double share : {all.OnTargetShare(), all.LostShare()}) {
        EXPECT_GE(share, 0.0);
        EXPECT_LE(share, 1.0);
    }
    EXPECT_LE(all.MeanBombPercentage(), 100.0);

    // Over this many missions the cover chases fighters off, the guns shoot some down and
    // bombers are both lost and brought home.
    EXPECT_GT(all.Outcomes[static_cast<std::size_t>(Outcome::Safe)], 0u);
    EXPECT_GT(all.BombersLost, 0u);
    EXPECT_GT(all.OnTarget, 0u);
    EXPECT_GT(all.CrewWounded, 0u);
}

// halvard-cli simulate -----------------------------------------------------------------------

const std::string Data = "--data " + Quoted(test::DataDirectory().string());

test::Run RunSimulate(const std::string& options) {
    return RunCliWithInput("simulate " + Data + " " + options, "");
}

std::string Fixed(double value, int decimals, const char* suffix = "") {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f%s", decimals, value, suffix);
    return text;
}

// The cells of the text report's rows, by the row's name (target names may hold blanks).
std::map<std::string, std::vector<std::string>> TextRows(const std::string& report,
                                                         const std::string& table) {
    std::map<std::string, std::vector<std::string>> rows;
    std::istringstream in(report);
    std::string line;
    while (std::getline(in, line) && line.rfind(table, 0) != 0) {
    }
    while (std::getline(in, line) && !line.empty() && line[0] != ' ') {
        const std::string name = line.substr(0, line.find("  "));
        std::istringstream cells(line.substr(name.size()));
        for (std::string cell; cells >> cell;)
            rows[name].push_back(cell);
    }
    return rows;
}

TEST(SimulateCommand, TextJsonAndCsvCarryTheSameFigures) {
    const std::string options = "--missions 300 --seed 31 --threads 2";
    const test::Run text = RunSimulate(options);
    const test::Run json = RunSimulate(options + " --json");
    const test::Run csv = RunSimulate(options + " --csv");
    for (const test::Run* run : {&text, &json, &csv})
        ASSERT_EQ(run->ExitStatus, 0) << run->Errors;
    EXPECT_NE(text.Output.find("300 missions, seed 31,"), std::string::npos) << text.Output;

    const nlohmann::json report = nlohmann::json::parse(json.Output);
    EXPECT_EQ(report["seed"], 31);
    std::vector<std::pair<std::string, nlohmann::json>> scopes = {{"All targets", report["overall"]}};
    for (const nlohmann::json& target : report["targets"])
        scopes.emplace_back(target["name"], target);

    const auto figures = TextRows(text.Output, "Per mission");
    const auto outcomes = TextRows(text.Output, "Outcomes");
    std::map<std::string, std::vector<std::string>> csvRows;
    std::istringstream lines(csv.Output);
    std::string header;
    std::getline(lines, header);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, ',');)
            cells.push_back(cell);
        ASSERT_GE(cells.size(), 3u) << line;
        EXPECT_EQ(cells[0], "31");
        csvRows[cells[1] == "all" ? "All targets" : cells[2]] = cells;
    }
    ASSERT_EQ(csvRows.size(), scopes.size());
    ASSERT_EQ(figures.size(), scopes.size());

    for (const auto& [name, f] : scopes) {
        SCOPED_TRACE(name);
        const std::vector<std::string> expected = {
            std::to_string(f["missions"].get<int>()),
            std::to_string(f["bomb_runs"].get<int>()),
            Fixed(f["on_target_share"].get<double>() * 100, 1, "%"),
            Fixed(f["mean_bomb_percentage"].get<double>(), 1),
            Fixed(f["crew_wounded_per_mission"].get<double>(), 2),
            Fixed(f["crew_killed_per_mission"].get<double>(), 2),
            Fixed(f["engines_lost_per_mission"].get<double>(), 2),
            Fixed(f["guns_out_per_mission"].get<double>(), 2),
            Fixed(f["bomber_lost_share"].get<double>() * 100, 1, "%"),
        };
        EXPECT_EQ(figures.at(name), expected);

        std::vector<std::string> counts = {std::to_string(f["missions"].get<int>())};
        for (const OutcomeName& outcome : OutcomeNames)
            counts.push_back(std::to_string(f["outcomes"][std::string(outcome.Key)].get<int>()));
        EXPECT_EQ(outcomes.at(name), counts);

        const auto share = [&f](const char* key) { return Fixed(f[key].get<double>(), 6); };
        const std::vector<std::string> csvExpected = {
            counts[0],
            expected[1],
            std::to_string(f["on_target"].get<int>()),
            share("on_target_share"),
            share("mean_bomb_percentage"),
            share("crew_wounded_per_mission"),
            share("crew_killed_per_mission"),
            share("engines_lost_per_mission"),
            share("guns_out_per_mission"),
            std::to_string(f["bombers_lost"].get<int>()),
            share("bomber_lost_share"),
        };
        const std::vector<std::string>& row = csvRows.at(name);
        ASSERT_EQ(row.size(), 3 + csvExpected.size() + OutcomeCount);
        EXPECT_EQ(std::vector<std::string>(row.begin() + 3, row.end() - OutcomeCount), csvExpected);
        EXPECT_EQ(std::vector<std::string>(row.end() - OutcomeCount, row.end()),
                  std::vector<std::string>(counts.begin() + 1, counts.end()));
    }
}

TEST(SimulateCommand, ARunWithoutASeedNamesTheSeedThatRepeatsIt) {
    const test::Run first = RunSimulate("--missions 20");
    ASSERT_EQ(first.ExitStatus, 0) << first.Errors;
    const auto at = first.Output.find(", seed ");
    ASSERT_NE(at, std::string::npos) << first.Output;
    const std::string seed = first.Output.substr(at + 7, first.Output.find(',', at + 7) - at - 7);
    const test::Run again = RunSimulate("--missions 20 --threads 1 --seed " + seed);
    EXPECT_EQ(again.Output, first.Output);
}

struct BadRun {
    const char* name;
    std::string options;
    int exitStatus;
    const char* inErrors;
};

class SimulateRefuses : public ::testing::TestWithParam<BadRun> {};

TEST_P(SimulateRefuses, WithAStatusAndAReason) {
    const BadRun& c = GetParam();
    const test::Run run = RunCliWithInput(c.options, "");
    EXPECT_EQ(run.ExitStatus, c.exitStatus) << run.Errors;
    EXPECT_NE(run.Errors.find(c.inErrors), std::string::npos) << run.Errors;
    EXPECT_EQ(run.Output, "");
}

const test::ScratchDirectory Empty;

// A tour whose bomber limps on: no landing gear, no brakes, a damaged tailwheel, shot-up cables
// and windows; what it takes into the air stays with it all the way to the landing.
class SimulateCampaign : public ::testing::Test {
  protected:
    void SetUp() override {
        CampaignStore store(Store);
        Campaign campaign = NewCampaign("Limping", 3);
        campaign.NextMission = 6;
        DamageRecord& damage = campaign.Damage;
        damage.LandingGearOut = damage.BrakeOut = damage.TailwheelDamaged = true;
        damage.ControlCableHits = damage.WindowHits = 2;
        store.Create(campaign);
        Campaign done = NewCampaign("Done", 4);
        done.NextMission = TourLength + 1;
        store.Create(done);
    }
    const test::ScratchDirectory scratch;
    const std::filesystem::path Store = scratch.Path() / "campaigns.db";
    const std::string Options = "--missions 400 --seed 12 --threads 2 --json";
};

TEST_F(SimulateCampaign, FliesTheBomberAsTheTourLeftIt) {
    const test::Run fresh = RunSimulate(Options);
    const test::Run limping =
        RunSimulate(Options + " --campaign Limping --store " + Quoted(Store.string()));
    ASSERT_EQ(fresh.ExitStatus, 0) << fresh.Errors;
    ASSERT_EQ(limping.ExitStatus, 0) << limping.Errors;
    const double freshLost = nlohmann::json::parse(fresh.Output)["overall"]["bomber_lost_share"];
    const double limpingLost = nlohmann::json::parse(limping.Output)["overall"]["bomber_lost_share"];
    EXPECT_GT(limpingLost, freshLost + 0.2) << "the damaged bomber must come back less often";
}

TEST_F(SimulateCampaign, RefusesATourWithoutANextMissionOrAStoreWithoutTheTour) {
    const struct {
        std::string options;
        const char* inErrors;
    } cases[] = {
        {"--campaign Done --store " + Quoted(Store.string()), "is over"},
        {"--campaign Nobody --store " + Quoted(Store.string()), "no campaign named \"Nobody\""},
        {"--campaign Limping --store " + Quoted((scratch.Path() / "none.db").string()), "no campaign store"},
    };
    for (const auto& c : cases) {
        const test::Run run = RunSimulate("--missions 5 " + c.options);
        EXPECT_EQ(run.ExitStatus, 2) << c.options;
        EXPECT_NE(run.Errors.find(c.inErrors), std::string::npos) << run.Errors;
    }
    EXPECT_FALSE(std::filesystem::exists(scratch.Path() / "none.db")) << "reading odds made a store";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, SimulateRefuses, ::testing::Values(
    BadRun{"NoMissions", "simulate " + Data, 2, "--missions"},
    BadRun{"ZeroMissions", "simulate " + Data + " --missions 0", 2, "--missions"},
    BadRun{"MissionsNotANumber", "simulate " + Data + " --missions many", 2, "many"},
    BadRun{"NegativeMissions", "simulate " + Data + " --missions -4", 2, "not -4"},
    BadRun{"TooManyMissions", "simulate " + Data + " --missions 1000000000000001", 2, "1000000000000001"},
    BadRun{"ZeroThreads", "simulate " + Data + " --missions 5 --threads 0", 2, "--threads"},
    BadRun{"JsonAndCsv", "simulate " + Data + " --missions 5 --json --csv", 2, "--csv"},
    BadRun{"UnknownOption", "simulate " + Data + " --missions 5 --fast", 2, "--fast"},
    BadRun{"TraceIsForPlaying", Data + " --trace simulate --missions 5", 2, "--trace"},
    BadRun{"UnknownTarget", "simulate " + Data + " --missions 5 --target Atlantis", 2, "named \"Atlantis\""},
    BadRun{"MissingDatabase", "simulate --missions 5 --data " + Quoted(Empty.Path().string()), 1,
           "Corvane.db: file not found"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace halvard
