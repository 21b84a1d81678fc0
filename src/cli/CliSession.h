#pragma once

// The terminal front-end's player: reads one command per line, does what the player would do
// in the windows, and prints what the windows would show, either for a person or as a trace
// (R, M, S, V and E lines) for replays and scripted tests.

#include "Actions.h"
#include "EntryFlow.h"

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace halvard {

class CampaignSession;
class Game;
class RunJournal;
struct JournalMission;

class CliSession {
  public:
    // A run of single missions in one game.
    CliSession(Game& game, std::ostream& out, bool trace);
    // A campaign's missions, each recorded as it is played.
    CliSession(CampaignSession& campaign, std::ostream& out, bool trace);
    ~CliSession();

    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    // Runs one line of input; false once the player has quit or ended the program. A die
    // script that runs out raises DiceExhausted from here.
    bool Execute(std::string_view line);

    // For a person at a terminal: what the next command may be.
    void Prompt();

    // Executes the lines of the input until it ends or the player quits, flushing after each
    // so that a program driving the game through a pipe sees each answer at once; prompts
    // when the input is a terminal.
    void ReadCommands(std::istream& in, bool interactive);

    const EntryFlow& Flow() const;

    // The commands, for --help.
    static const char* CommandHelp();

  private:
    EntryFlow& flow();
    void Follow(std::string_view line);
    // The action on the screens, or on the campaign that records it; a refusal is printed.
    ActionResult Perform(const Action& action);
    bool RunCampaignCommand(std::string_view command, std::string_view argument);
    void ShowRoster();
    bool Run(std::string_view command, std::string_view argument);
    void Refuse(std::string_view reason);
    bool NeedsMission(std::string_view command);
    bool NeedsEntry(std::string_view command);
    void SelectTarget(const Action& action);
    void MissionLoaded();
    // The wave panel, unless it looks as it did when last shown (always: show it anyway).
    void ShowWave(bool always = false);
    void Print(const std::string& panel, bool always);
    void ShowGuns();
    void ShowCrew();
    // The mission being flown, or the last one flown: the run's, or the campaign's from its store.
    std::optional<JournalMission> CurrentMission() const;
    void ShowJournal();
    void Export(std::string_view file);

    Game& game_;
    std::ostream& out_;
    bool trace_;
    CampaignSession* campaign_ = nullptr;
    std::unique_ptr<EntryFlow> ownFlow_; // a run's own; a campaign has one per mission
    std::unique_ptr<RunJournal> journal_; // a run's; a campaign's store keeps its own
    std::string lastPanel_;
};

} // namespace halvard
