// halvard-cli: the game in a terminal, on the same engine as the desktop program. Plays
// interactively, or from a command script with a seed or a script of die faces, printing a
// trace that replays exactly.

#include "CliSession.h"
#include "Game.h"
#include "MissionSetup.h"

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

constexpr int ExitUnusableDatabase = 1;
constexpr int ExitBadOptions = 2;
constexpr int ExitDiceExhausted = 3;

fs::path ExecutableDirectory() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path() : exe.parent_path();
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
    app.add_option("--seed", seed, "Seed of the random generator (default: from the clock)");
    app.add_option("--dice", diceFile, "File of die faces 1-6 that every die takes in turn");
    app.add_option("--data", dataDirectory, "Directory holding Corvane.db (default: the program's own)");
    app.add_flag("--trace", trace, "Machine-readable output: R, M, S, V and E lines");
    app.footer(CliSession::CommandHelp());
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return ExitBadOptions;
    }

    std::optional<FaceScript> dice;
    if (diceFile) {
        dice = ReadDiceScript(*diceFile);
        if (!dice) return ExitBadOptions;
    }

    std::optional<GameDatabase> database;
    try {
        database.emplace(OpenGameDatabase(dataDirectory ? fs::path(*dataDirectory) : ExecutableDirectory()));
    } catch (const GameDataError& e) {
        std::cerr << "halvard-cli: " << e.what() << '\n';
        return ExitUnusableDatabase;
    }

    const auto clockSeed =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    Game game(*database, seed.value_or(clockSeed));
    if (dice) game.UseDiceScript(std::move(*dice));

    CliSession session(game, std::cout, trace);
    const bool interactive = ::isatty(STDIN_FILENO) != 0;
    std::string line;
    try {
        if (interactive) session.Prompt();
        while (std::getline(std::cin, line)) {
            if (!session.Execute(line)) break;
            // A program driving the game through a pipe sees each answer at once.
            std::cout.flush();
            if (interactive) session.Prompt();
        }
    } catch (const DiceExhausted&) {
        std::cout << "E dice script exhausted" << std::endl;
        return ExitDiceExhausted;
    }
    return 0;
}
