// The yardstick for the desktop program's start: a bare Qt Widgets window of the entry screen's
// size, ended when it has been painted.

#include "FirstPaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QuitOnFirstPaint quit("bare");
    application.installEventFilter(&quit);
    QWidget window;
    window.setObjectName("bare");
    window.setFixedSize(794, 529); // the entry screen's 11910 x 7935 twips
    window.show();
    return application.exec();
}
