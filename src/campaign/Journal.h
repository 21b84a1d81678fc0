#pragma once

// The journal: every mission's whole record, without the windows' caps. Each action the screens
// took, the step button's caption it was pressed under, and the roll and message lines it made,
// in order; and the game as the mission took off, so that the screens as they stood after any
// action can be rebuilt by performing the recorded actions again in a fresh game.

#include "CampaignStore.h"
#include "EntryFlow.h"
#include "Game.h"
#include "MissionTape.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvard {

// Where a mission's replay starts: the game and flow just before the action that started it.
struct ReplayStart {
    Game::Snapshot State;
    EntryFlow::Settings Flow;
    bool EndAtLoss = false; // flown under a tour's rule: a bomber lost in flight leaves only OK
};

struct JournalMission {
    int Number = 0;         // as the mission screen shows it
    std::string Target;     // empty until the mission screen loaded
    std::string TargetType;
    std::string Ending;     // the landing's outcome or the loss in flight, as worded; empty if neither
    std::string OnTarget;   // "On", "Off", or empty without a bomb run
    int BombPct = 0;
    bool Concluded = false; // the mission screen's OK ended it
    std::vector<RecordedAction> Actions; // the one that started it first
    std::optional<ReplayStart> Start;    // nothing when it cannot be replayed
    std::string NoReplay;                // why not, then
};

// The record as one list of lines, "R ..." and "M ...", in the order they came.
std::vector<std::string> RecordLines(const JournalMission& mission);

// A place worth jumping to: the take-off, each "[ZONE #n]" out and back, the bomb run, the
// landing.
struct Bookmark {
    std::string Title; // "Take-off", "Zone 2 (out)", "Bomb run", "Zone 2 (back)", "Landing"
    std::size_t Action = 0; // the action whose lines hold it
    std::size_t Line = 0;   // its first line, in RecordLines
};
std::vector<Bookmark> Bookmarks(const JournalMission& mission);

// The single missions of one run, kept in memory as they are played: the run's recorder. Every
// action of the front-end goes through Perform; lines reach the follower as they are made.
class RunJournal {
  public:
    RunJournal(Game& game, EntryFlow& flow);
    RunJournal(const RunJournal&) = delete;
    RunJournal& operator=(const RunJournal&) = delete;

    ActionResult Perform(const Action& action);
    void Follow(std::function<void(std::string_view line)> follower) { tape_.Echo(std::move(follower)); }

    const std::vector<JournalMission>& Missions() const { return missions_; }

  private:
    Game& game_;
    EntryFlow& flow_;
    MissionTape tape_;
    std::vector<JournalMission> missions_;
};

// The journal of a tour, from its store: every mission flown and the one in progress, each
// replayed from the tour's start to find the bomber and crew it took off with. A mission whose
// record does not replay is listed with its record, and it and those after it without replay.
std::vector<JournalMission> TourJournal(CampaignStore& store, const GameDatabase& database, const Campaign& campaign);

// A mission's screens as they stood after any of its actions, rebuilt from its take-off.
class MissionReplay {
  public:
    // The mission must have a Start.
    MissionReplay(const GameDatabase& database, const JournalMission& mission);

    // The moments to look at: after action 1 (the mission screen loaded) to after the last
    // action that left the mission screen showing.
    int Last() const { return last_; }
    int At() const { return at_; }
    // Goes to the screens after action `moment` (clamped to 1..Last). Going back rebuilds the
    // game from the take-off, so Flow() and CurrentGame() may be new objects afterwards.
    void GoTo(int moment);
    // The moment just after the next action that enters a zone, or Last.
    int NextZone() const;

    // Counts the times the game was built: Flow() and CurrentGame() are new objects whenever it
    // changes, even where they happen to sit where the old ones were.
    int Builds() const { return builds_; }

    const EntryFlow& Flow() const { return *flow_; }
    EntryFlow& Flow() { return *flow_; }
    const Game& CurrentGame() const { return *game_; }
    // Why the replay stopped short of the record (the dice ran out, or it does not replay).
    const std::string& Problem() const { return problem_; }

  private:
    void Rebuild();

    const GameDatabase& database_;
    const JournalMission& mission_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<MissionTape> tape_;
    std::unique_ptr<EntryFlow> flow_;
    int at_ = 0;
    int last_ = 0;
    int builds_ = 0;
    std::string problem_;
};

} // namespace halvard
