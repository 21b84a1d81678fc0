#pragma once

#include <QObject>
#include <QString>

// Ends the application once the window of this name has been painted for the first time: the
// moment a player sees it.
class QuitOnFirstPaint : public QObject {
  public:
    explicit QuitOnFirstPaint(QString windowName);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString windowName_;
    bool quitting_ = false;
};
