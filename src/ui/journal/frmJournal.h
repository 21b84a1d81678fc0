#pragma once

// The journal window: the missions of the run or of a tour, one mission's whole record with its
// bookmarks and a search, the replay of the mission screen and roll window as they stood after
// any action, and the after-action report. The replay is drawn by the live mission's own window
// classes, on a game rebuilt by performing the recorded actions again; it is only looked at.

#include "Journal.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace halvard::ui {

class frmMain;
class frmMission;

class frmJournal : public QWidget {
    Q_OBJECT
  public:
    // The missions as they stand, asked for anew at every Refresh.
    using Source = std::function<std::vector<JournalMission>()>;

    // caption: the window's title; reportTitle: the heading of its reports. A tour's journal
    // can export the whole tour.
    frmJournal(const GameDatabase& database, const QString& caption, std::string reportTitle, Source source,
               bool tour, QWidget* parent = nullptr);
    ~frmJournal() override;

    // Reads the missions again and shows the last one, as it stands now.
    void Refresh();
    // Writes the report of the chosen mission, or of the tour, to the file; the format comes
    // from its extension. A file that cannot be written is named in a message box.
    void ExportTo(const QString& file);

    // The replay's windows, once a moment has been shown.
    frmMission* ReplayScreen() { return screen_.get(); }
    frmMain* ReplayRolls() { return rolls_.get(); }
    const MissionReplay* Replay() const { return replay_.get(); }
    // Shows the screens after action `moment` of the chosen mission.
    void ShowMoment(int moment);

    QListWidget *lstMissions, *lstRecord, *lstBookmarks;
    QLineEdit* txtSearch;
    QLabel *lblMatches, *lblMoment, *lblProblem;
    QPushButton *cmdFindNext, *cmdFirst, *cmdPrevious, *cmdNext, *cmdLast, *cmdNextZone, *cmdExport;
    QCheckBox* chkWholeTour; // only in a tour's journal

  private:
    void ChooseMission(int row);
    void Find(bool next);
    void Export();
    void HideReplay();
    const JournalMission* Chosen() const;

    const GameDatabase& database_;
    std::string reportTitle_;
    Source source_;
    bool tour_;
    std::vector<JournalMission> missions_;
    std::vector<int> lineAction_; // the action each record line came from
    std::unique_ptr<MissionReplay> replay_;
    std::unique_ptr<frmMain> rolls_;
    std::unique_ptr<frmMission> screen_;
    int drawnBuild_ = 0; // the replay's build that screen_ draws
};

} // namespace halvard::ui
