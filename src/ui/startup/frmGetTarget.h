#pragma once

// The target selection dialog: draws the engine's TargetSelection and forwards the player's
// choices to it. OK and Cancel go as actions to whoever plays the mission, a single mission or a
// campaign that records them, and close the dialog only when the selection says so.

#include "Actions.h"
#include "IndexedArray.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QPushButton;
class QRadioButton;

namespace halvard {
class EntryFlow;
}

namespace halvard::ui {

class frmGetTarget : public QDialog {
    Q_OBJECT
  public:
    using Performer = std::function<ActionResult(const Action&)>;
    // The dialog of the selection the flow has open.
    frmGetTarget(EntryFlow& flow, Performer perform, QWidget* parent = nullptr);

    void Draw();

    IndexedArray<QRadioButton*, 0, 1> optTargetChoice;
    QComboBox* cboTargetList;
    QPushButton* cmdOptions;
    QPushButton* cmdCancel;
    QPushButton* cmdOK;

  public slots:
    // Escape and the window's close button are Cancel.
    void reject() override;

  private:
    void OK();

    EntryFlow& flow_;
    Performer perform_;
};

} // namespace halvard::ui
