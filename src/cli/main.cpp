// halvard-cli: the game in a terminal, on the same engine as the desktop program. Plays
// interactively, or from a command script with a seed or a script of die faces, printing a
// trace that replays exactly; or flies many missions with a built-in player ("simulate").

#include "CampaignCommand.h"
#include "CliSession.h"
#include "ExitStatus.h"
#include "Game.h"
#include "MissionSetup.h"
#include "SimulateCommand.h"

#include <CLI/CLI.hpp>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace halvard;

// Beside the program in a build tree, ../share/halvard once installed.
fs::path DefaultDataDirectory() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return FindDataDirectory(error ? fs::current_path() : exe.parent_path());
}

std::optional<FaceScript> ReadDiceScript(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::cerr << "halvard-cli: " << file.string() << ": cannot be read\n";
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    try {
        return FaceScript::Parse(text.str());
    } catch (const std::invalid_argument& e) {
        std::cerr << "halvard-cli: " << file.string() << ": " << e.what() << '\n';
        return std::nullopt;
    }
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"Fly a Halvard mission in a terminal: commands come from standard input.", "halvard-cli"};
    std::optional<std::uint64_t> seed;
    std::optional<std::string> diceFile;
    std::optional<std::string> dataDirectory;
    bool trace = false;
    CLI::Option* seedOption =
        app.add_option("--seed", seed, "Seed of the random generator (default: from the clock)");
    CLI::Option* diceOption =
        app.add_option("--dice", diceFile, "File of die faces 1-6 that every die takes in turn");
    app.add_option("--data", dataDirectory, "Directory holding Corvane.db (default: beside the program, or ../share/halvard installed)");
    CLI::Option* traceOption =
        app.add_flag("--trace", trace, "Machine-readable output: R, M, S, V and E lines");
    app.set_version_flag("--version", "halvard-cli " HALVARD_VERSION, "Print the version and exit");
    app.footer(CliSession::CommandHelp());
    SimulateCommand simulate(app);
    CampaignCommand campaign(app);
    for (CLI::Option* option : {seedOption, diceOption, traceOption}) {
        simulate.Excludes(option);
        campaign.Excludes(option);
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) { // --help or --version
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return exit_status::BadOptions;
    }
    if (simulate.Chosen())
        return simulate.Run(dataDirectory ? fs::path(*dataDirectory) : DefaultDataDirectory());
    if (campaign.Chosen())
        return campaign.Run(dataDirectory ? fs::path(*dataDirectory) : DefaultDataDirectory());

    std::optional<FaceScript> dice;
    if (diceFile) {
        dice = ReadDiceScript(*diceFile);
        if (!dice) return exit_status::BadOptions;
    }

    std::optional<GameDatabase> database;
    try {
        database.emplace(OpenGameDatabase(dataDirectory ? fs::path(*dataDirectory) : DefaultDataDirectory()));
    } catch (const GameDataError& e) {
        std::cerr << "halvard-cli: " << e.what() << '\n';
        return exit_status::UnusableDatabase;
    }

    const auto clockSeed =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    Game game(*database, seed.value_or(clockSeed));
    if (dice) game.UseDiceScript(std::move(*dice));

    CliSession session(game, std::cout, trace);
    try {
        session.ReadCommands(std::cin, ::isatty(STDIN_FILENO) != 0);
    } catch (const DiceExhausted&) {
        std::cout << "E dice script exhausted" << std::endl;
        return exit_status::DiceExhausted;
    }
    return 0;
}
