#include "FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

QuitOnFirstPaint::QuitOnFirstPaint(QString windowName) : windowName_(std::move(windowName)) {}

bool QuitOnFirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (!quitting_ && event->type() == QEvent::Paint && watched->objectName() == windowName_) {
        quitting_ = true;
        // After this paint has reached the screen.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return false;
}
