#include "TargetSelection.h"

#include "Game.h"
#include "MissionCharts.h"

namespace halvard {

TargetSelection::TargetSelection(Game& game, std::function<void(bool confirmed)> unload,
                                 std::optional<int> fixedMissionNumber)
    : game_(game), unload_(std::move(unload)), fixedMissionNumber_(fixedMissionNumber) {
    optTargetChoice[0] = {"Random Mission Selection", true};
    optTargetChoice[1] = {"Choose Your Own Target", false};
    cboTargetList.Enabled = false;
}

void TargetSelection::Form_Load() {
    cboTargetList.List = game_.Database.TargetNames();
}

void TargetSelection::optTargetChoice_Click(int index) {
    if (index != 0 && index != 1) return;
    optTargetChoice[index].Value = true;
    optTargetChoice[1 - index].Value = false;
    cboTargetList.Enabled = index == 1;
}

void TargetSelection::cmdOK_Click() {
    Refusal.clear();
    // Every press draws, also one that the dialog then refuses.
    game_.Mission.MissionNo = fixedMissionNumber_ ? *fixedMissionNumber_ : game_.Random.MissionNumber();

    std::string_view target;
    if (optTargetChoice[0].Value) {
        target = ChartMissionTarget(game_);
    } else {
        target = cboTargetList.Text;
        if (target.empty()) return;
        // Only a target of the database can be flown: keep the dialog open for another name.
        if (!game_.Database.FindTarget(target)) {
            Refusal = "Unknown target: " + std::string(target);
            return;
        }
    }
    game_.SelectedTarget = target;
    if (unload_) unload_(true);
}

void TargetSelection::cmdCancel_Click() {
    if (unload_) unload_(false);
}

} // namespace halvard
