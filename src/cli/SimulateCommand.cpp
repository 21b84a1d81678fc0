#include "SimulateCommand.h"

#include "CampaignStore.h"
#include "ExitStatus.h"
#include "MissionSetup.h"
#include "Simulation.h"
#include "SimulationReport.h"

#include <charconv>
#include <chrono>
#include <iostream>
#include <nlohmann/json.hpp>
#include <thread>
#include <unistd.h>

namespace halvard {
namespace {

// A bar on standard error for runs long enough to wonder about, wiped when the run ends so
// that only the report stays on the terminal.
class ProgressBar {
  public:
    void Show(std::uint64_t done, std::uint64_t total) {
        using namespace std::chrono;
        if (!shown_ && steady_clock::now() - start_ < seconds(1)) return;
        shown_ = true;
        constexpr std::uint64_t Width = 40;
        const std::uint64_t filled = total == 0 ? Width : done * Width / total;
        std::cerr << "\r[" << std::string(filled, '#') << std::string(Width - filled, '.') << "] " << done
                  << '/' << total << " missions" << std::flush;
    }
    ~ProgressBar() {
        if (shown_) std::cerr << '\r' << std::string(80, ' ') << '\r' << std::flush;
    }

  private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    bool shown_ = false;
};

// A number of missions written in digits: an unsigned option would otherwise take "-4" as a
// huge number.
const CLI::Validator MissionCount(
    [](const std::string& text) -> std::string {
        std::uint64_t value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > MostMissions)
            return "a whole number from 1 to " + std::to_string(MostMissions) + " is needed, not " + text;
        return {};
    },
    "1 to " + std::to_string(MostMissions));

std::string TargetList(const GameDatabase& database) {
    std::string list;
    for (const TargetRow& target : database.Targets())
        list += (list.empty() ? "" : ", ") + target.TargetName;
    return list;
}

} // namespace

SimulateCommand::SimulateCommand(CLI::App& program)
    : command_(program.add_subcommand("simulate", "Fly many missions with the built-in player and report "
                                                  "the outcomes, overall and per target")) {
    threads_ = std::max(1u, std::thread::hardware_concurrency());
    command_->add_option("--missions", missions_, "Number of missions to fly")
        ->required()
        ->check(MissionCount);
    command_->add_option("--seed", seed_,
                         "Seed of the run; mission i is seeded from it and i (default: the clock)");
    command_->add_option("--target", target_,
                         "Fly every mission against this target (default: the mission chart)");
    command_->add_option("--threads", threads_, "Threads to fly on (default: the hardware's)")
        ->check(CLI::Range(1, 1024));
    CLI::Option* json = command_->add_flag("--json", json_, "Report as JSON");
    CLI::Option* csv = command_->add_flag("--csv", csv_, "Report as CSV");
    json->excludes(csv);
    command_->add_option("--campaign", campaign_,
                         "Fly the campaign's next mission, with its bomber's damage and its crew's missions "
                         "(default: a fresh bomber and crew)");
    command_->add_option("--store", store_, "The campaign store (default: $XDG_DATA_HOME/halvard/campaigns.db)")
        ->needs("--campaign");
    command_->add_option("--data", dataDirectory_,
                         "Directory holding Corvane.db (default: beside the program, or ../share/halvard installed)");
    command_->footer(
        "Mission i of a run is seeded from the run's seed and i, so a seed gives the same report on "
        "any number of threads. A run of more than a second shows its progress on standard error "
        "when that is a terminal.");
}

int SimulateCommand::Run(const std::filesystem::path& dataDirectory) const {
    std::optional<GameDatabase> database;
    try {
        database.emplace(
            OpenGameDatabase(dataDirectory_ ? std::filesystem::path(*dataDirectory_) : dataDirectory));
    } catch (const GameDataError& e) {
        std::cerr << "halvard-cli: " << e.what() << '\n';
        return exit_status::UnusableDatabase;
    }
    if (target_ && !database->FindTarget(*target_)) {
        std::cerr << "halvard-cli: simulate: no target named \"" << *target_
                  << "\" in the game database; the targets are: " << TargetList(*database) << '\n';
        return exit_status::BadOptions;
    }

    SimulationOptions options;
    if (campaign_) {
        const std::filesystem::path path = store_ ? std::filesystem::path(*store_) : CampaignStore::DefaultPath();
        // Reading the odds must not leave a store behind where there was none.
        if (!std::filesystem::exists(path)) {
            std::cerr << "halvard-cli: simulate: no campaign named \"" << *campaign_ << "\": there is no campaign store "
                      << path.string() << '\n';
            return exit_status::BadOptions;
        }
        try {
            CampaignStore store(path);
            const std::optional<Campaign> campaign = store.Load(*campaign_);
            if (!campaign || campaign->Finished()) {
                std::cerr << "halvard-cli: simulate: "
                          << (campaign ? "the tour of \"" + *campaign_ + "\" is over: it has no next mission"
                                       : "no campaign named \"" + *campaign_ + "\" in " + path.string())
                          << '\n';
                return exit_status::BadOptions;
            }
            options.From = NextTakeOff(*campaign);
        } catch (const StoreError& e) {
            std::cerr << "halvard-cli: " << e.what() << '\n';
            return exit_status::UnusableStore;
        }
    }
    options.Missions = missions_;
    options.Seed = seed_.value_or(
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    options.Target = target_;
    options.Threads = threads_;

    SimulationResult result;
    if (::isatty(STDERR_FILENO)) {
        ProgressBar bar;
        SimulationCalls calls;
        calls.OnProgress = [&bar](std::uint64_t done, std::uint64_t total) { bar.Show(done, total); };
        result = Simulate(*database, options, calls);
    } else {
        result = Simulate(*database, options);
    }

    if (json_)
        std::cout << ReportJson(result).dump(2) << '\n';
    else if (csv_)
        std::cout << ReportCsv(result);
    else
        std::cout << ReportText(result);
    return 0;
}

} // namespace halvard
