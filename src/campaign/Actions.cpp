#include "Actions.h"

#include "EntryFlow.h"

#include <charconv>

namespace halvard {
namespace {

constexpr std::string_view Words[] = {"random", "choose", "cancel", "step", "cell", "gun", "ok"};

std::string_view Word(ActionKind kind) {
    return Words[static_cast<std::size_t>(kind)];
}

// What a click can change on the mission screen, to tell a click that acted from one the
// screen ignored.
struct ClickableState {
    WavePanel Waves;
    IndexedArray<GunCounter, FirstGun, LastGun> Guns;
    CommandButton Step;
    int Removals;
    int SelectedGun;

    explicit ClickableState(const MissionScreen& screen)
        : Waves(screen.fraWaves()), Guns(screen.GunCounters), Step(screen.cmdNextStep),
          Removals(screen.nRemovals), SelectedGun(screen.nSelectedGun) {}
    friend bool operator==(const ClickableState&, const ClickableState&) = default;
};

ActionResult Refused(std::string reason) {
    return {false, std::move(reason)};
}

ActionResult ConfirmTarget(EntryFlow& flow, const Action& action) {
    const std::string word(Word(action.Kind));
    if (flow.Current() == Screen::Entry) flow.imgChoice_Click(0);
    if (flow.Current() != Screen::TargetDialog) return Refused(word + ": only on the entry screen");
    TargetSelection& dialog = flow.TargetDialog();
    if (action.Kind == ActionKind::Choose) {
        dialog.optTargetChoice_Click(1);
        dialog.cboTargetList.Text = action.Target;
    } else {
        dialog.optTargetChoice_Click(0);
    }
    dialog.cmdOK_Click();
    if (flow.Current() == Screen::Mission) return {true, {}};
    return Refused(word + ": " + (dialog.Refusal.empty() ? "a target name is needed" : dialog.Refusal));
}

} // namespace

std::string ActionText(const Action& action) {
    std::string text(Word(action.Kind));
    switch (action.Kind) {
    case ActionKind::Choose: text += ' ' + action.Target; break;
    case ActionKind::Cell:
    case ActionKind::Gun: text += ' ' + std::to_string(action.Number); break;
    default: break;
    }
    return text;
}

std::optional<Action> ParseAction(std::string_view text) {
    const auto space = text.find(' ');
    const std::string_view word = text.substr(0, space);
    const std::string_view argument = space == std::string_view::npos ? "" : text.substr(space + 1);
    for (std::size_t i = 0; i < std::size(Words); ++i) {
        if (Words[i] != word) continue;
        Action action{static_cast<ActionKind>(i)};
        switch (action.Kind) {
        case ActionKind::Choose:
            if (argument.empty()) return std::nullopt;
            action.Target = argument;
            return action;
        case ActionKind::Cell:
        case ActionKind::Gun: {
            const auto [end, error] = std::from_chars(argument.data(), argument.data() + argument.size(), action.Number);
            if (error != std::errc() || end != argument.data() + argument.size()) return std::nullopt;
            return action;
        }
        default: return argument.empty() ? std::optional(action) : std::nullopt;
        }
    }
    return std::nullopt;
}

ActionResult PerformAction(EntryFlow& flow, const Action& action) {
    const std::string word(Word(action.Kind));
    switch (action.Kind) {
    case ActionKind::Random:
    case ActionKind::Choose: return ConfirmTarget(flow, action);
    case ActionKind::Cancel:
        if (flow.Current() == Screen::Entry) flow.imgChoice_Click(0);
        if (flow.Current() != Screen::TargetDialog) return Refused(word + ": only on the entry screen");
        flow.TargetDialog().cmdCancel_Click();
        // Cancel flies the last confirmed target again, when there was one.
        return {flow.Current() == Screen::Mission, {}};
    default: break;
    }

    if (flow.Current() != Screen::Mission) return Refused(word + ": no mission screen is loaded");
    MissionScreen& screen = flow.Mission();
    switch (action.Kind) {
    case ActionKind::Step:
        if (!screen.cmdNextStep.Enabled) return Refused("step: the step button is disabled");
        screen.cmdNextStep_Click();
        return {true, {}};
    case ActionKind::Cell:
    case ActionKind::Gun: {
        if (action.Kind == ActionKind::Cell && !screen.fraWaves().Visible)
            return Refused("cell: the wave panel is hidden");
        const ClickableState before(screen);
        if (action.Kind == ActionKind::Cell)
            screen.lblToHit_Click(action.Number);
        else
            screen.lblGun_Click(action.Number);
        return {!(ClickableState(screen) == before), {}};
    }
    case ActionKind::Ok: screen.cmdOK_Click(); return {true, {}};
    default: return {};
    }
}

} // namespace halvard
