#pragma once

// A campaign being played: the recorder between the player and the screens. It leads the tour's
// next mission through the same entry flow and mission screen a single mission uses, and every
// action the screens accept is committed to the store, with the lines it made, before the
// front-end is shown its result. Opening a campaign whose mission is in progress replays the
// recorded actions into a fresh game and checks every line against the record.

#include "Actions.h"
#include "CampaignStore.h"
#include "EntryFlow.h"
#include "Game.h"
#include "MissionTape.h"
#include "Outcome.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvard {

class CampaignSession {
  public:
    // Takes the campaign's lock (CampaignBusy when it is held) and puts the mission in progress
    // back as it stood. An unknown name throws CampaignNameError.
    CampaignSession(CampaignStore& store, const GameDatabase& database, std::string_view name);

    CampaignSession(const CampaignSession&) = delete;
    CampaignSession& operator=(const CampaignSession&) = delete;

    const Campaign& State() const { return campaign_; }
    CampaignStore& Store() { return store_; }
    Game& CurrentGame() { return game_; }
    const Game& CurrentGame() const { return game_; }
    // The flow of the mission being flown, or of the last one, or of none yet. It changes when
    // the next mission's target dialog opens: read it anew after every action.
    EntryFlow& Flow() { return *flow_; }
    const EntryFlow& Flow() const { return *flow_; }

    // The number of the mission in progress, if one is.
    std::optional<int> InProgress() const;
    // Actions recorded for the mission in progress, its dialog's OK included.
    int ActionsRecorded() const { return static_cast<int>(recorded_.size()); }

    // Why the mission in progress cannot be played on, when its record does not replay.
    const std::optional<std::string>& ReadOnly() const { return readOnly_; }
    // The mission ended in flight: only OK is left.
    bool LostInFlight() const { return game_.Mission.LostInFlight(); }

    // Opens the target dialog for the tour's next mission, as the campaign window's "Fly
    // mission k" does. Refused (the reason) when the tour is over, a mission is in progress or
    // the campaign is read-only.
    std::optional<std::string> OpenTargetDialog();
    // Cancel in that dialog: back to the campaign, nothing started.
    void CancelTargetDialog();

    // Performs the action and, when the screens accept it, commits it before returning. The
    // dialog's OK opens the dialog first when none is open. Throws StoreError when the commit
    // fails: the session is then ahead of the store and must be opened anew.
    ActionResult Perform(const Action& action);

    // Renames the crew member at a position, at once in the store.
    void Rename(int position, const std::string& name);

    // Called after each commit with every line the action made, "R ..." or "M ...", in order.
    void Follow(std::function<void(std::string_view line)> follower) { follower_ = std::move(follower); }

  private:
    void BeginMission();
    void Replay(const MissionInProgress& mission);
    MissionReport Report() const;
    void Conclude(RecordedAction& ok, const MissionReport& report);

    CampaignStore& store_;
    Campaign campaign_;
    CampaignLock lock_;
    Game game_;
    MissionTape tape_;
    std::unique_ptr<EntryFlow> flow_;
    std::vector<RecordedAction> recorded_; // of the mission in progress
    std::string started_;
    std::optional<std::string> readOnly_;
    std::function<void(std::string_view)> follower_;
};

// The time now as the tour's record keeps it: ISO 8601 in UTC, to the second.
std::string TimestampNow();

} // namespace halvard
