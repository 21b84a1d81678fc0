#include "CampaignWindows.h"

#include "MessageBox.h"
#include "frmCampaign.h"
#include "frmGetTarget.h"
#include "frmJournal.h"
#include "frmMain.h"
#include "frmMission.h"
#include "frmOdds.h"

#include <QMessageBox>
#include <QTimer>

namespace halvard::ui {

CampaignWindows::CampaignWindows(CampaignStore& store, const GameDatabase& database, const std::string& name,
                                 std::function<void()> closed)
    : database_(database), session_(store, database, name), closed_(std::move(closed)),
      window_(std::make_unique<frmCampaign>(session_)) {
    connect(window_.get(), &frmCampaign::flyRequested, this, &CampaignWindows::Fly);
    connect(window_.get(), &frmCampaign::journalRequested, this, &CampaignWindows::ShowJournal);
    connect(window_.get(), &frmCampaign::oddsRequested, this, &CampaignWindows::ShowOdds);
    connect(window_.get(), &frmCampaign::closed, this, &CampaignWindows::Close);
}

CampaignWindows::~CampaignWindows() {
    // The dialog is the campaign window's child; it must not report back while both go.
    if (dialog_) dialog_->disconnect(this);
}

void CampaignWindows::Start() {
    if (session_.InProgress() || session_.ReadOnly()) {
        if (session_.Flow().Current() == Screen::Mission) {
            Follow();
            if (session_.ReadOnly() && mission_)
                OpenMessageBox(mission_.get(), QString::fromStdString(*session_.ReadOnly()))->setObjectName("readOnly");
            return;
        }
        window_->show();
        if (session_.ReadOnly())
            OpenMessageBox(window_.get(), QString::fromStdString(*session_.ReadOnly()))->setObjectName("readOnly");
        return;
    }
    window_->show();
}

void CampaignWindows::Fly() {
    retired_.reset();
    if (const std::optional<std::string> refusal = session_.OpenTargetDialog()) {
        OpenMessageBox(window_.get(), QString::fromStdString(*refusal))->setObjectName("refusal");
        return;
    }
    // The flow is the new mission's from here on; the dialog holds it until it closes.
    dialog_ = new frmGetTarget(session_.Flow(), [this](const Action& action) { return Perform(action); },
                               window_.get());
    dialog_->setWindowTitle(QString("Mission %1 of campaign %2")
                                .arg(session_.State().NextMission)
                                .arg(QString::fromStdString(session_.State().Name)));
    dialog_->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog_, &QDialog::finished, this, [this] {
        dialog_ = nullptr;
        Follow();
    });
    dialog_->open();
}

ActionResult CampaignWindows::Perform(const Action& action) {
    if (failed_) return {};
    if (session_.ReadOnly() && action.Kind == ActionKind::Ok) {
        // Nothing of a mission that does not replay can change: OK only puts it away.
        shelved_ = true;
        BackToCampaign();
        return {};
    }
    try {
        return session_.Perform(action);
    } catch (const StoreError& e) {
        // The session is now ahead of the store: only a campaign opened anew is what was kept.
        failed_ = true;
        OpenMessageBox(nullptr, QString::fromStdString(e.what()))->setObjectName("storeFailure");
        QTimer::singleShot(0, this, [this] { closed_(); });
        return {};
    }
}

void CampaignWindows::Follow() {
    if (failed_) return;
    switch (session_.Flow().Current()) {
    case Screen::Entry: BackToCampaign(); break;
    case Screen::TargetDialog: break;
    case Screen::Mission:
        if (shelved_) break;
        if (!mission_) {
            mission_ = std::make_unique<frmMission>(session_.Flow().Mission(), session_.CurrentGame(),
                                                    [this](const Action& action) { return Perform(action); });
            mission_->SetReadOnly(session_.ReadOnly().has_value());
            connect(mission_.get(), &frmMission::changed, this, &CampaignWindows::Follow);
            connect(mission_.get(), &frmMission::journalRequested, this, &CampaignWindows::ShowJournal);
            window_->hide();
            if (!rolls_) rolls_ = std::make_unique<frmMain>();
            rolls_->show();
            mission_->show();
            mission_->activateWindow();
        }
        if (mission_->isVisible()) mission_->Draw();
        break;
    case Screen::Ended: break;
    }
    if (rolls_) rolls_->Draw(session_.CurrentGame().Rolls);
}

void CampaignWindows::ShowJournal() {
    if (!journal_) {
        const std::string& name = session_.State().Name;
        journal_ = std::make_unique<frmJournal>(
            database_, "Mission Journal - " + QString::fromStdString(name), name,
            [this] { return TourJournal(session_.Store(), database_, session_.State()); }, true);
    }
    try {
        journal_->Refresh();
    } catch (const StoreError& e) {
        OpenMessageBox(window_.get(), QString::fromStdString(e.what()))->setObjectName("journalFailure");
        return;
    }
    journal_->show();
    journal_->raise();
    journal_->activateWindow();
}

void CampaignWindows::ShowOdds() {
    ShowOddsWindow(odds_, database_, CampaignStart(session_.State()));
}

void CampaignWindows::BackToCampaign() {
    if (mission_) {
        mission_->hide();
        retired_ = std::move(mission_);
    }
    window_->Draw();
    window_->show();
}

void CampaignWindows::Close() {
    QTimer::singleShot(0, this, [this] { closed_(); });
}

} // namespace halvard::ui
