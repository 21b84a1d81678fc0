#pragma once

// The mission screen's window: draws the engine's MissionScreen (mission panel, message list,
// wave panel, guns, crew, the two buttons) and hands every click, as an action, to whoever
// plays the mission: a single mission performs it on its flow, a campaign also records it.

#include "Actions.h"
#include "IndexedArray.h"
#include "MissionScreen.h"

#include <QWidget>
#include <functional>

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
    using Performer = std::function<ActionResult(const Action&)>;
    frmMission(MissionScreen& screen, const Game& game, Performer perform, QWidget* parent = nullptr);

    // A mission whose record cannot be played on is only looked at: the step button stays off.
    void SetReadOnly(bool readOnly);

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
    // Ctrl+J: the journal of the missions this one belongs with.
    void journalRequested();

  protected:
    // Closing the window ends the mission as OK does, so the entry screen comes back.
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMissionPanel();
    void BuildWavePanel();
    void BuildGunPanel();
    void BuildCrewPanel();
    void Handle(const Action& action);

    MissionScreen& screen_;
    const Game& game_;
    Performer perform_;
    bool readOnly_ = false;
};

} // namespace halvard::ui
