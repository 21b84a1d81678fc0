#pragma once

// The desktop program: finds and opens its files, then leads the player from the entry screen
// through the target dialog to the mission screen and roll window, and back, by following the
// engine's EntryFlow after every event. Its menu opens campaigns from the player's store, each
// played in windows of its own while the entry screen waits.

#include "EntryFlow.h"
#include "GameDatabase.h"
#include "Journal.h"
#include "frmGetTarget.h"

#include <QObject>
#include <QImage>
#include <QPointer>
#include <filesystem>
#include <functional>

class QApplication;

namespace halvard {
class CampaignStore;
class Game;
}

namespace halvard::ui {

class CampaignWindows;
class frmEntry;
class frmJournal;
class frmMain;
class frmMission;
class frmOdds;

// The file name of the splash picture, beside the game database.
inline constexpr const char* SplashFileName = "splash_Corvane_jpg.jpg";

// The splash picture of a data directory. A file missing or not a picture raises a
// GameDataError naming the file and the problem, as a bad database does.
QImage LoadSplash(const std::filesystem::path& dataDirectory);

class Desktop : public QObject {
    Q_OBJECT
  public:
    // end is called when the player ends the program.
    Desktop(Game& game, QImage splash, std::function<void()> end);
    ~Desktop() override;

    // Shows the entry screen, centred.
    void Start();

    EntryFlow& Flow() { return flow_; }
    frmEntry& Entry() { return *entry_; }
    // Null until the first mission has started.
    frmMain* RollWindow() { return rolls_.get(); }
    // While the flow is there; null otherwise.
    frmGetTarget* TargetDialog() { return dialog_; }
    frmMission* Mission() { return mission_.get(); }

    // The store the campaign menu uses: HALVARD_CAMPAIGN_STORE when set, else the player's
    // default one. Opened at the menu's first use, so a bad file never stops single missions.
    void SetCampaignStore(std::filesystem::path file);
    const std::filesystem::path& CampaignStorePath() const { return storePath_; }
    // The journal of this run's single missions, brought up to date and shown.
    void ShowJournal();
    frmJournal* Journal() { return journalWindow_.get(); }
    const RunJournal& RunRecord() const { return journal_; }
    // The odds of the next single mission, from the bomber as the run has left it, shown.
    void ShowOdds();
    frmOdds* Odds() { return oddsWindow_.get(); }

    // The campaign open, if one is.
    CampaignWindows* Campaign() { return campaign_.get(); }
    // Opens the named campaign in its window, or the mission in progress as it stood; a
    // campaign that cannot be opened is named with its problem in a message box.
    void OpenCampaign(const std::string& name);

  private:
    // Brings the windows in line with the flow's screen and redraws them.
    void Follow();
    void ShowAbout();
    void NewCampaign();
    void ChooseCampaign();
    void CreateCampaign(const std::string& name);
    void CloseCampaign();
    // The store, opened when first needed; null, after a message box, when it cannot be used.
    CampaignStore* Store();

    Game& game_;
    EntryFlow flow_;
    // Every action of a single mission goes through it, so the run keeps each mission's record.
    RunJournal journal_;
    std::function<void()> end_;
    std::unique_ptr<frmEntry> entry_;
    // Made when the first mission starts: the start shows only the entry screen.
    std::unique_ptr<frmMain> rolls_;
    // A child of the entry screen, gone with it at the latest.
    QPointer<frmGetTarget> dialog_;
    std::unique_ptr<frmMission> mission_;
    // The mission screen whose OK ended its mission: still inside its own click handler when
    // the flow comes back here, so it goes only at the next event.
    std::unique_ptr<frmMission> retired_;
    std::unique_ptr<frmJournal> journalWindow_;
    std::unique_ptr<frmOdds> oddsWindow_;
    std::filesystem::path storePath_;
    std::unique_ptr<CampaignStore> store_;
    // Goes before the store, whose campaign it holds.
    std::unique_ptr<CampaignWindows> campaign_;
};

// The whole program after QApplication: opens the files of the executable's data directory,
// shows the entry screen and runs until the player ends it. A file that cannot be used is shown
// in one message box that names it and the problem, and the result is then non-zero.
int RunDesktopProgram(QApplication& application, const std::filesystem::path& executableDirectory);

} // namespace halvard::ui
