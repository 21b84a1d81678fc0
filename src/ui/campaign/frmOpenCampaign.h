#pragma once

// The list of the store's campaigns, each with where its tour stands, to open one.

#include "Tour.h"

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace halvard::ui {

struct CampaignEntry {
    Campaign State;
    bool InProgress = false;
};

// "mission 4", "mission 4 in progress", "tour over".
QString StandingOf(const CampaignEntry& entry);

class frmOpenCampaign : public QDialog {
    Q_OBJECT
  public:
    frmOpenCampaign(const std::vector<CampaignEntry>& campaigns, QWidget* parent = nullptr);

    QListWidget* lstCampaigns;
    QPushButton* cmdOpen;
    QPushButton* cmdCancel;

  signals:
    void chosen(const std::string& name);

  private:
    void Open();
};

} // namespace halvard::ui
