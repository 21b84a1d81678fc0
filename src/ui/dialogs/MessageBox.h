#pragma once

// The program's message box: the application's title as caption and an OK button only.

#include <QString>

class QMessageBox;
class QWidget;

namespace halvard::ui {

// Opens the box over parent and returns at once (the box is window-modal, not run in a loop of
// its own); it deletes itself when closed. A caller that must wait for the player connects to
// its finished() signal.
QMessageBox* OpenMessageBox(QWidget* parent, const QString& text);

} // namespace halvard::ui
