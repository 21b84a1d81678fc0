#pragma once

// Performs the player's actions on a game's screens and takes down what each one made: the step
// button's caption it was pressed under and the roll and message lines in the order they came. The
// recorder of a campaign, the journal of a run and every replay act
// through one, so that they cannot come to differ.

#include "Actions.h"
#include "CampaignStore.h"
#include "Outcome.h"
#include "Tour.h"

#include <functional>
#include <string_view>

namespace halvard {

class EntryFlow;
class Game;

class MissionTape {
  public:
    // Takes the game's log listeners for as long as it lives. A campaign's tape ends a mission
    // where the bomber is lost: the step button goes off and only OK is left.
    MissionTape(Game& game, bool endAtLoss);
    ~MissionTape();
    MissionTape(const MissionTape&) = delete;
    MissionTape& operator=(const MissionTape&) = delete;

    // Performs the action and puts its text, caption and lines in made. Lines made before an
    // exception are in made too.
    ActionResult Apply(EntryFlow& flow, const Action& action, RecordedAction& made);

    // Performs a recorded action again: true when the screens take it and it makes exactly the
    // lines it made when it was recorded.
    bool Replay(EntryFlow& flow, const RecordedAction& recorded);

    // Each line, "R ..." or "M ...", the moment it is made.
    void Echo(std::function<void(std::string_view line)> echo) { echo_ = std::move(echo); }

    // What the mission left, read off its screen while it is still loaded.
    MissionReport Report(const EntryFlow& flow) const;

  private:
    Game& game_;
    bool endAtLoss_;
    RecordedAction* made_ = nullptr;
    std::function<void(std::string_view)> echo_;
};

// Starts mission NextMission of a tour in the game: its dice, the bomber and crew it takes off
// with, the crew's names and the mission number fixed. The flow opens the target dialog next.
std::unique_ptr<EntryFlow> StartTourMission(const Campaign& campaign, Game& game);

} // namespace halvard
