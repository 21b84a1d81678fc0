#pragma once

// The target selection dialog: draws the engine's TargetSelection and forwards the player's
// choices to it. OK and Cancel close it only when the selection says so.

#include "IndexedArray.h"

#include <QDialog>

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
    // The dialog of the selection the flow has open.
    explicit frmGetTarget(EntryFlow& flow, QWidget* parent = nullptr);

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
};

} // namespace halvard::ui
