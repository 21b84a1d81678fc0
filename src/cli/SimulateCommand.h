#pragma once

// "halvard-cli simulate": its options, and the run that prints the report.

#include <CLI/CLI.hpp>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace halvard {

class SimulateCommand {
  public:
    // Adds the subcommand and its options to the program's.
    explicit SimulateCommand(CLI::App& program);

    bool Chosen() const { return command_->parsed(); }
    // The playing options mean nothing to a simulation: giving one with it is an error (its own
    // --seed comes after "simulate").
    void Excludes(CLI::Option* option) { command_->excludes(option); }

    // Plays the missions and prints the report; returns the exit status. The game database lies
    // in the subcommand's --data directory, or else in the given one.
    int Run(const std::filesystem::path& dataDirectory) const;

  private:
    CLI::App* command_;
    std::uint64_t missions_ = 0;
    std::optional<std::uint64_t> seed_;
    std::optional<std::string> target_;
    unsigned threads_ = 1;
    bool json_ = false;
    bool csv_ = false;
    std::optional<std::string> dataDirectory_;
    std::optional<std::string> campaign_;
    std::optional<std::string> store_;
};

} // namespace halvard
