#pragma once

// The terminal front-end's player: reads one command per line, does what the player would do
// in the windows, and prints what the windows would show, either for a person or as a trace
// (R, M, S, V and E lines) for replays and scripted tests.

#include "EntryFlow.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace halvard {

class Game;

class CliSession {
  public:
    CliSession(Game& game, std::ostream& out, bool trace);
    ~CliSession();

    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    // Runs one line of input; false once the player has quit or ended the program. A die
    // script that runs out raises DiceExhausted from here.
    bool Execute(std::string_view line);

    // For a person at a terminal: what the next command may be.
    void Prompt();

    const EntryFlow& Flow() const { return flow_; }

    // The commands, for --help.
    static const char* CommandHelp();

  private:
    bool Run(std::string_view command, std::string_view argument);
    void Refuse(std::string_view reason);
    bool NeedsMission(std::string_view command);
    bool NeedsEntry(std::string_view command);
    void SelectTarget(std::string_view command, std::string_view name);
    void MissionLoaded();
    // The wave panel, unless it looks as it did when last shown (always: show it anyway).
    void ShowWave(bool always = false);
    void Print(const std::string& panel, bool always);
    void ShowGuns();
    void ShowCrew();

    Game& game_;
    std::ostream& out_;
    bool trace_;
    EntryFlow flow_;
    std::string lastPanel_;
};

} // namespace halvard
