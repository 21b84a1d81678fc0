#pragma once

// What every window of the program says about the program itself.

#include <QIcon>
#include <QString>

namespace halvard::ui {

// The application's title: the caption of the program's message boxes and the About dialog's title.
inline const QString ApplicationTitle = QStringLiteral("Halvard");

// The program icon (data/halvard.png, built into the library).
QIcon ProgramIcon();

} // namespace halvard::ui
