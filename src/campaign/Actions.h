#pragma once

// What a player does to the screens, as values: the target dialog's OK with its choice, the step
// button, a click on a to-hit cell or a gun counter, the mission screen's OK. A mission is its
// seed plus these, so they are what a recorder keeps and a replay performs again.

#include <optional>
#include <string>
#include <string_view>

namespace halvard {

class EntryFlow;

enum class ActionKind {
    Random, // the dialog's OK with "Random Mission Selection"
    Choose, // the dialog's OK with "Choose Your Own Target" and a name
    Cancel, // the dialog's Cancel
    Step,   // cmdNextStep
    Cell,   // lblToHit(Number)
    Gun,    // lblGun(Number)
    Ok,     // the mission screen's OK
};

struct Action {
    ActionKind Kind = ActionKind::Step;
    int Number = 0;     // the cell's row or the gun's number
    std::string Target; // the name chosen

    friend bool operator==(const Action&, const Action&) = default;
};

// As a terminal player types it: "random", "choose Kiel", "cell 3", "gun 10", "step", "ok".
std::string ActionText(const Action& action);
// The reverse, for what a store kept; nothing for a text no action reads as.
std::optional<Action> ParseAction(std::string_view text);

struct ActionResult {
    bool Accepted = false; // the screens took it and something changed
    std::string Refusal;   // why not, in words, when the screens would not take it at all
};

// Performs the action on the screens as the windows would. The dialog's OK opens the dialog
// first when the entry screen shows; a dialog that refuses the choice stays open. A click that
// the screen ignores in its phase is not accepted, and has no refusal either.
ActionResult PerformAction(EntryFlow& flow, const Action& action);

} // namespace halvard
