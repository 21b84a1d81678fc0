// Starts exactly as the desktop program does — the same start-up code, the files beside the
// executable — and ends when the entry screen's splash picture has been painted.

#include "Desktop.h"
#include "FirstPaint.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QuitOnFirstPaint quit("picMenu");
    application.installEventFilter(&quit);
    return halvard::ui::RunDesktopProgram(application, QCoreApplication::applicationDirPath().toStdString());
}
