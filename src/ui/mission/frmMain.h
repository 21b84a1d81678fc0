#pragma once

// The roll window: every die the game rolls, newest last, beside the mission screen.

#include "LineLog.h"

#include <QWidget>

class QListWidget;

namespace halvard::ui {

class frmMain : public QWidget {
    Q_OBJECT
  public:
    explicit frmMain(QWidget* parent = nullptr);

    // Shows the lines the roll log holds now.
    void Draw(const RollLog& rolls);

    QListWidget* lstRollDice;
};

} // namespace halvard::ui
