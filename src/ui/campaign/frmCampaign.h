#pragma once

// The campaign window: the tour's roster, the crew who have left it, the record of the missions
// flown, and the button that flies the next one. Names are edited in place in the roster.

#include <QWidget>

class QPushButton;
class QTableWidget;

namespace halvard {
class CampaignSession;
}

namespace halvard::ui {

class frmCampaign : public QWidget {
    Q_OBJECT
  public:
    explicit frmCampaign(CampaignSession& session, QWidget* parent = nullptr);

    // Redraws the tables and the button from the session's campaign.
    void Draw();

    QTableWidget* tblRoster;
    QTableWidget* tblFormer;
    QTableWidget* tblMissions;
    QPushButton* cmdFlyMission;
    QPushButton* cmdJournal;
    QPushButton* cmdOdds;

  signals:
    void flyRequested();
    void journalRequested();
    void oddsRequested();
    // The player closed the window: the campaign is put away.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Renamed(int row, int column);

    CampaignSession& session_;
    bool drawing_ = false;
};

} // namespace halvard::ui
