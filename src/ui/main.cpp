// Halvard, the desktop program.

#include "Desktop.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    return halvard::ui::RunDesktopProgram(application, QCoreApplication::applicationDirPath().toStdString());
}
