#pragma once

// The mission screen's window: draws the engine's MissionScreen (mission panel, message list,
// wave panel, guns, crew, the two buttons) and forwards every click to it.

#include "IndexedArray.h"
#include "MissionScreen.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace halvard {
class Game;
}

namespace halvard::ui {

class ModelLabel;

class frmMission : public QWidget {
    Q_OBJECT
  public:
    frmMission(MissionScreen& screen, const Game& game, QWidget* parent = nullptr);

    // Redraws every control from the screen and the game's message list and wave panel.
    void Draw();

    QGroupBox* fraMissionSelection;
    QGroupBox* fraWaves;
    QGroupBox* fraGuns;
    QGroupBox* fraCrew;
    QListWidget* lstMessages;
    QPushButton* cmdOK;
    QPushButton* cmdNextStep;
    QLabel* lblMiscWave;
    ModelLabel *lblMissionNo, *lblTarget, *lblTargetType, *lblFormationPos, *lblSquadronPos;
    ModelLabel *lblOnTarget, *lblBombPct;
    IndexedArray<ModelLabel*, 1, 6> lblToHit, lblType, lblPosition, lblSkill;
    IndexedArray<ModelLabel*, FirstGun, LastGun> lblGun, lblGunName;
    IndexedArray<ModelLabel*, 1, CrewCount> lblCrewWound, lblCrewPos, lblCrewName;

  signals:
    // After every click the screen handled: the windows redraw, and the program follows the
    // player back to the entry screen when the mission has ended.
    void changed();

  protected:
    // Closing the window ends the mission as OK does, so the entry screen comes back.
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMissionPanel();
    void BuildWavePanel();
    void BuildGunPanel();
    void BuildCrewPanel();
    void Handle(void (MissionScreen::*handler)());
    void Handle(void (MissionScreen::*handler)(int), int index);

    MissionScreen& screen_;
    const Game& game_;
};

} // namespace halvard::ui
