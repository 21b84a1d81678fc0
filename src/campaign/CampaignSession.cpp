#include "CampaignSession.h"

#include <ctime>

namespace halvard {

std::string TimestampNow() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    ::gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

namespace {

Campaign LoadNamed(CampaignStore& store, std::string_view name) {
    std::optional<Campaign> campaign = store.Load(name);
    if (!campaign) throw CampaignNameError("no campaign named \"" + std::string(name) + "\"");
    return std::move(*campaign);
}

} // namespace

CampaignSession::CampaignSession(CampaignStore& store, const GameDatabase& database, std::string_view name)
    : store_(store), campaign_(LoadNamed(store, name)), lock_(store, campaign_), game_(database),
      tape_(game_, true), flow_(std::make_unique<EntryFlow>(game_)) {
    // The campaign as stored may have moved on while the lock was being taken.
    campaign_ = LoadNamed(store, name);
    if (const std::optional<MissionInProgress> mission = store_.LoadInProgress(campaign_)) Replay(*mission);
}

std::optional<int> CampaignSession::InProgress() const {
    if (recorded_.empty()) return std::nullopt;
    return campaign_.NextMission;
}

void CampaignSession::BeginMission() {
    recorded_.clear();
    flow_ = StartTourMission(campaign_, game_);
}

std::optional<std::string> CampaignSession::OpenTargetDialog() {
    if (readOnly_) return "the campaign is read-only: " + *readOnly_;
    if (campaign_.Finished()) return "the tour of " + std::to_string(TourLength) + " missions is over";
    if (InProgress()) return "mission " + std::to_string(campaign_.NextMission) + " is in progress";
    if (flow_->Current() == Screen::TargetDialog) return std::nullopt;
    BeginMission();
    flow_->imgChoice_Click(0);
    return std::nullopt;
}

void CampaignSession::CancelTargetDialog() {
    if (flow_->Current() == Screen::TargetDialog) flow_->TargetDialog().cmdCancel_Click();
}

ActionResult CampaignSession::Perform(const Action& action) {
    const bool confirming = action.Kind == ActionKind::Random || action.Kind == ActionKind::Choose;
    if (readOnly_) return {false, ActionText(action) + ": the campaign is read-only: " + *readOnly_};
    if (action.Kind == ActionKind::Cancel) {
        if (InProgress()) return {false, "cancel: only on the entry screen"};
        if (const auto refusal = OpenTargetDialog()) return {false, "cancel: " + *refusal};
        CancelTargetDialog();
        return {};
    }
    if (confirming && flow_->Current() != Screen::TargetDialog) {
        if (const auto refusal = OpenTargetDialog()) return {false, ActionText(action) + ": " + *refusal};
    }
    if (LostInFlight() && (action.Kind == ActionKind::Cell || action.Kind == ActionKind::Gun))
        return {false, ActionText(action) + ": the bomber is lost; ok ends the mission"};

    // What the mission left, read while its screen is still loaded.
    std::optional<MissionReport> report;
    if (action.Kind == ActionKind::Ok && flow_->Current() == Screen::Mission) report = Report();
    RecordedAction made;
    const ActionResult result = tape_.Apply(*flow_, action, made);
    if (!result.Accepted) return result;

    if (confirming) {
        started_ = TimestampNow();
        store_.BeginMission(campaign_, campaign_.NextMission, game_.Mission.Target.Name, started_, made);
        recorded_.push_back(made);
    } else if (action.Kind == ActionKind::Ok) {
        Conclude(made, *report);
    } else {
        store_.Record(campaign_, campaign_.NextMission, ActionsRecorded(), made);
        recorded_.push_back(made);
    }
    if (follower_)
        for (const std::string& line : made.Lines)
            follower_(line);
    return result;
}

MissionReport CampaignSession::Report() const {
    MissionReport report = tape_.Report(*flow_);
    report.Started = started_;
    report.Ended = TimestampNow();
    return report;
}

void CampaignSession::Conclude(RecordedAction& ok, const MissionReport& report) {
    Campaign concluded = campaign_;
    ConcludeMission(concluded, report);
    store_.Conclude(concluded, ActionsRecorded(), ok);
    campaign_ = std::move(concluded);
    recorded_.clear();
    // Each mission of a tour has its roll window to itself: the record keeps the old one, and a
    // program opening the campaign now finds it empty too.
    game_.Rolls.Clear();
}

void CampaignSession::Replay(const MissionInProgress& mission) {
    if (mission.Number != campaign_.NextMission) {
        readOnly_ = "mission " + std::to_string(mission.Number) +
                    " is recorded as in progress, but the tour is at mission " +
                    std::to_string(campaign_.NextMission);
        return;
    }
    BeginMission();
    started_ = mission.Started;
    for (std::size_t seq = 0; seq < mission.Actions.size(); ++seq) {
        const RecordedAction& recorded = mission.Actions[seq];
        // The dialog's OK comes first, and only there.
        const std::optional<Action> action = ParseAction(recorded.Text);
        const bool inPlace = action && (seq == 0) == (action->Kind == ActionKind::Random ||
                                                      action->Kind == ActionKind::Choose);
        if (!inPlace || !tape_.Replay(*flow_, recorded)) {
            readOnly_ = "mission " + std::to_string(mission.Number) +
                        " does not replay as it was recorded (action " + std::to_string(seq + 1) + ", \"" +
                        recorded.Text + "\"): it is shown as far as it replays and cannot be played on";
            return;
        }
        recorded_.push_back(recorded);
    }
}

void CampaignSession::Rename(int position, const std::string& name) {
    if (position < 1 || position > CrewCount) throw CampaignNameError("a crew position is 1-10");
    if (const auto problem = NameProblem(name)) throw CampaignNameError(*problem);
    store_.Rename(campaign_.Crew[position], name);
    campaign_.Crew[position].Name = name;
    if (flow_->Current() == Screen::Mission) flow_->Mission().lblCrewName[position].Caption = name;
}

} // namespace halvard
