#include "MissionTape.h"

#include "EntryFlow.h"
#include "Game.h"

namespace halvard {

MissionTape::MissionTape(Game& game, bool endAtLoss) : game_(game), endAtLoss_(endAtLoss) {
    const auto take = [this](std::string line) {
        if (made_) made_->Lines.push_back(line);
        if (echo_) echo_(line);
    };
    game_.Rolls.SetListener([take](std::string_view line) { take("R " + std::string(line)); });
    game_.Messages.SetListener([take](std::string_view line) { take("M " + std::string(line)); });
}

MissionTape::~MissionTape() {
    game_.Rolls.SetListener({});
    game_.Messages.SetListener({});
}

ActionResult MissionTape::Apply(EntryFlow& flow, const Action& action, RecordedAction& made) {
    made.Text = ActionText(action);
    if (flow.Current() == Screen::Mission) made.Caption = flow.Mission().cmdNextStep.Caption.Text();
    made_ = &made;
    ActionResult result;
    try {
        result = PerformAction(flow, action);
    } catch (...) {
        made_ = nullptr;
        throw;
    }
    made_ = nullptr;
    if (endAtLoss_ && action.Kind == ActionKind::Step && result.Accepted && game_.Mission.LostInFlight())
        flow.Mission().cmdNextStep.Enabled = false;
    return result;
}

bool MissionTape::Replay(EntryFlow& flow, const RecordedAction& recorded) {
    const std::optional<Action> action = ParseAction(recorded.Text);
    if (!action) return false;
    RecordedAction made;
    return Apply(flow, *action, made).Accepted && made.Lines == recorded.Lines;
}

MissionReport MissionTape::Report(const EntryFlow& flow) const {
    const MissionScreen& screen = flow.Mission();
    MissionReport report;
    report.Target = game_.Mission.Target.Name;
    report.Ending = game_.Mission.Ending;
    report.OnTarget = screen.lblOnTarget.Caption.Text();
    if (!report.OnTarget.empty()) report.BombPct = screen.lblBombPct.Caption.Value().value_or(0);
    report.Damage = game_.Damage;
    for (int member = 1; member <= CrewCount; ++member) {
        report.Wounds[member] = game_.Crew[member].Wound;
        report.Kills[member] = screen.FightersDestroyedBy[member];
    }
    return report;
}

std::unique_ptr<EntryFlow> StartTourMission(const Campaign& campaign, Game& game) {
    PrepareMission(campaign, game);
    game.Random = SeededGenerator(TourMissionSeed(campaign, campaign.NextMission));
    game.Rolls.Clear();
    game.Messages.Clear();
    EntryFlow::Settings settings;
    settings.FixedMissionNumber = campaign.NextMission;
    IndexedArray<std::string, 1, CrewCount> names;
    for (int member = 1; member <= CrewCount; ++member)
        names[member] = campaign.Crew[member].Name;
    settings.CrewNames = names;
    return std::make_unique<EntryFlow>(game, std::move(settings));
}

} // namespace halvard
