#pragma once

// The entry screen: the splash picture, with its menu drawn on it, and five invisible click
// regions over the picture.

#include "IndexedArray.h"

#include <QPixmap>
#include <QWidget>

class QLabel;

namespace halvard::ui {

class frmEntry : public QWidget {
    Q_OBJECT
  public:
    explicit frmEntry(const QPixmap& splash, QWidget* parent = nullptr);

    QLabel* picMenu;
    IndexedArray<QWidget*, 0, 4> imgChoice;

  signals:
    // A click on region 0-4 of the picture.
    void imgChoice_Click(int index);
    // F1: the About dialog.
    void aboutRequested();
    // The player closed the window: the program ends, as region 4 ends it.
    void closed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

} // namespace halvard::ui
