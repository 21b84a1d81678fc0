#pragma once

// A campaign open on the desktop: its window, and the target dialog, mission screen and roll
// window of its missions, led by the campaign's session. Every action of the player goes through
// the session, which records it before the windows show its result.

#include "Actions.h"
#include "CampaignSession.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>

namespace halvard::ui {

class frmCampaign;
class frmGetTarget;
class frmJournal;
class frmMain;
class frmMission;
class frmOdds;

class CampaignWindows : public QObject {
    Q_OBJECT
  public:
    // Opens the session (CampaignBusy, CampaignNameError, StoreError as it throws them). closed
    // is called, from an event of its own, when the campaign is put away: by the player, or
    // because its store failed.
    CampaignWindows(CampaignStore& store, const GameDatabase& database, const std::string& name,
                    std::function<void()> closed);
    ~CampaignWindows() override;

    // Shows the campaign window, or the mission in progress as it stood.
    void Start();

    CampaignSession& Session() { return session_; }
    frmCampaign& Window() { return *window_; }
    frmGetTarget* TargetDialog() { return dialog_; }
    frmMission* Mission() { return mission_.get(); }
    frmMain* RollWindow() { return rolls_.get(); }
    // The tour's journal, brought up to date and shown.
    void ShowJournal();
    frmJournal* Journal() { return journal_.get(); }
    // The odds of the tour's next mission, from its bomber and crew as they stand, shown.
    void ShowOdds();
    frmOdds* Odds() { return odds_.get(); }

  private:
    void Fly();
    ActionResult Perform(const Action& action);
    // Brings the windows in line with the session's flow and redraws them.
    void Follow();
    void BackToCampaign();
    void Close();

    const GameDatabase& database_;
    CampaignSession session_;
    std::function<void()> closed_;
    std::unique_ptr<frmCampaign> window_;
    QPointer<frmGetTarget> dialog_;
    std::unique_ptr<frmMain> rolls_;
    std::unique_ptr<frmMission> mission_;
    // The mission screen whose OK ended its mission goes only at the next event, as it is still
    // in its own click handler; it must go before the next mission replaces its screen.
    std::unique_ptr<frmMission> retired_;
    // Reads the session: it goes before it.
    std::unique_ptr<frmJournal> journal_;
    std::unique_ptr<frmOdds> odds_;
    bool failed_ = false;
    // A read-only mission put away by its OK: its flow stays on the mission screen.
    bool shelved_ = false;
};

} // namespace halvard::ui
