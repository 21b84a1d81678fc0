#pragma once

// The entry screen: the splash picture, with its menu drawn on it, and five invisible click
// regions over the picture, under a menu bar for campaigns, the journal, the odds and help.

#include "IndexedArray.h"

#include <QImage>
#include <QWidget>

class QAction;
class QMenuBar;

namespace halvard::ui {

// The picture box of the splash picture. It paints the decoded picture itself, so the picture
// is held once, without a second copy as a pixmap or a scaled cache.
class SplashPicture : public QWidget {
  public:
    SplashPicture(QImage picture, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
};

class frmEntry : public QWidget {
    Q_OBJECT
  public:
    explicit frmEntry(QImage splash, QWidget* parent = nullptr);

    QMenuBar* mnuBar;
    QAction *mnuNewCampaign, *mnuOpenCampaign, *mnuJournal, *mnuOdds, *mnuAbout;
    // The area below the menu bar that the picture and its regions are laid out in.
    QWidget* picClient;
    SplashPicture* picMenu;
    IndexedArray<QWidget*, 0, 4> imgChoice;

  signals:
    // A click on region 0-4 of the picture.
    void imgChoice_Click(int index);
    // F1 or Help > About: the About dialog.
    void aboutRequested();
    void newCampaignRequested();
    void openCampaignRequested();
    // Journal > Mission journal... (Ctrl+J): the journal of this run's missions.
    void journalRequested();
    // Odds > Odds of the next mission...: the odds of the bomber as the run has left it.
    void oddsRequested();
    // The player closed the window: the program ends, as region 4 ends it.
    void closed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

} // namespace halvard::ui
