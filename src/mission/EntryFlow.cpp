#include "EntryFlow.h"

#include "Game.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace halvard {

EntryFlow::EntryFlow(Game& game) : game_(game) {}

EntryFlow::EntryFlow(Game& game, Settings settings) : game_(game), settings_(std::move(settings)) {}

void EntryFlow::imgChoice_Click(int index) {
    if (current_ != Screen::Entry) return;
    switch (index) {
    case 0:
        // The dialog is loaded anew each time: random choice selected, list refilled.
        dialog_ = std::make_unique<TargetSelection>(
            game_, [this](bool confirmed) { TargetDialogClosed(confirmed); }, settings_.FixedMissionNumber);
        dialog_->Form_Load();
        current_ = Screen::TargetDialog;
        break;
    case 4: current_ = Screen::Ended; break;
    default: break;
    }
}

TargetSelection& EntryFlow::TargetDialog() {
    if (current_ != Screen::TargetDialog) throw std::logic_error("the target dialog is not open");
    return *dialog_;
}

MissionScreen& EntryFlow::Mission() {
    return const_cast<MissionScreen&>(std::as_const(*this).Mission());
}

const MissionScreen& EntryFlow::Mission() const {
    if (current_ != Screen::Mission) throw std::logic_error("no mission screen is loaded");
    return *mission_;
}

void EntryFlow::FixMissionNumber(std::optional<int> missionNumber) {
    // Outside the chart's range the random choice would find no target to fly.
    if (missionNumber && (*missionNumber < 1 || *missionNumber > 25))
        throw std::invalid_argument("mission number " + std::to_string(*missionNumber) + " outside 1-25");
    settings_.FixedMissionNumber = missionNumber;
}

void EntryFlow::DismissTargetDialog() {
    if (current_ == Screen::TargetDialog) current_ = Screen::Entry;
}

void EntryFlow::TargetDialogClosed(bool confirmed) {
    // Cancel goes on with the last confirmed target; before there was one, there is nothing to
    // fly and the entry screen stays.
    if (!confirmed && !settings_.TargetConfirmed) {
        current_ = Screen::Entry;
        return;
    }
    // The dialog that called in here stays alive until the next one replaces it.
    settings_.TargetConfirmed = true;
    mission_ = std::make_unique<MissionScreen>(game_, [this] { MissionClosed(); });
    if (settings_.CrewNames) mission_->NameTheCrew(*settings_.CrewNames);
    mission_->Form_Load();
    current_ = Screen::Mission;
}

void EntryFlow::MissionClosed() {
    current_ = Screen::Entry;
}

} // namespace halvard
