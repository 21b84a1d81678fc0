#pragma once

// "halvard-cli campaign new | list | show | play | export": tours of 25 missions, kept in the campaign
// store and played with the same commands as a single run.

#include <CLI/CLI.hpp>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace halvard {

class GameDatabase;

class CampaignCommand {
  public:
    explicit CampaignCommand(CLI::App& program);

    bool Chosen() const { return command_->parsed(); }
    void Excludes(CLI::Option* option) { command_->excludes(option); }

    // Runs the chosen subcommand; returns the exit status. The game database lies in the
    // subcommand's --data directory, or else in the given one.
    int Run(const std::filesystem::path& dataDirectory) const;

  private:
    int New() const;
    int List() const;
    int Show() const;
    int Play(const GameDatabase& database) const;
    int Export(const GameDatabase& database) const;
    std::filesystem::path StorePath() const;

    CLI::App* command_;
    CLI::App* new_;
    CLI::App* list_;
    CLI::App* show_;
    CLI::App* play_;
    CLI::App* export_;
    std::string name_;
    std::optional<std::uint64_t> seed_;
    std::optional<std::string> crewFile_;
    std::optional<std::string> store_;
    std::optional<std::string> dataDirectory_;
    bool json_ = false;
    bool trace_ = false;
    std::optional<int> mission_;
    std::string format_;
    std::optional<std::string> output_;
};

} // namespace halvard
