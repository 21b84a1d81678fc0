#pragma once

// The entry screen and the way through the program's screens: entry screen, target selection
// dialog, mission screen (with the roll window beside it), back to the entry screen after each
// mission, until the player ends the program.

#include "MissionScreen.h"
#include "TargetSelection.h"

#include <memory>
#include <optional>
#include <string>

namespace halvard {

class Game;

enum class Screen {
    Entry,        // the entry screen with its click regions
    TargetDialog, // the target selection dialog, over the entry screen
    Mission,      // the mission screen and the roll window
    Ended,        // the player ended the program
};

class EntryFlow {
  public:
    // What the flow carries from one mission to the next: a fresh flow given these starts the
    // next mission exactly as this one would.
    struct Settings {
        std::optional<int> FixedMissionNumber;
        std::optional<IndexedArray<std::string, 1, CrewCount>> CrewNames;
        bool TargetConfirmed = false; // Cancel then flies the last target again
    };

    explicit EntryFlow(Game& game);
    EntryFlow(Game& game, Settings settings);
    Settings CurrentSettings() const { return settings_; }

    // Click regions of the splash picture: 0 starts a mission, 4 ends the program; 1 to 3 have
    // no action.
    void imgChoice_Click(int index);

    Screen Current() const { return current_; }
    // The dialog while Current() is TargetDialog, and the mission screen while it is Mission.
    TargetSelection& TargetDialog();
    MissionScreen& Mission();
    const MissionScreen& Mission() const;

    // Closes the target dialog as if it had never been opened: no target taken, no mission
    // started. For a front-end that gives up on a selection the dialog refused.
    void DismissTargetDialog();

    // True once a mission has started: the roll window stays on screen from then on.
    bool RollWindowShown() const { return mission_ != nullptr; }

    // From the next target dialog on, OK uses this mission number (1-25, the mission chart's
    // range) instead of the random draw; nullopt draws again.
    void FixMissionNumber(std::optional<int> missionNumber);

    // The names the mission screens show for the crew, from the next mission on.
    void NameTheCrew(const IndexedArray<std::string, 1, CrewCount>& names) { settings_.CrewNames = names; }

  private:
    void TargetDialogClosed(bool confirmed);
    void MissionClosed();

    Game& game_;
    Screen current_ = Screen::Entry;
    std::unique_ptr<TargetSelection> dialog_;
    // Made by the first confirmed target and replaced by each later mission: it exists exactly
    // when a target has been confirmed.
    std::unique_ptr<MissionScreen> mission_;
    Settings settings_;
};

} // namespace halvard
