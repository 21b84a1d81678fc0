#pragma once

// The About dialog: the program's title, version and a few words on it, and a button that
// starts the operating system's System Information program.

#include "SysInfo.h"

#include <QDialog>
#include <memory>

class QLabel;
class QPushButton;

namespace halvard::ui {

class frmAbout : public QDialog {
    Q_OBJECT

  public:
    // Searches the machine's own registry and starts programs for real. The dialog deletes
    // itself when it closes, so create it with new.
    explicit frmAbout(QWidget* parent = nullptr);
    frmAbout(std::shared_ptr<Registry> registry, ProgramLauncher launcher, QWidget* parent = nullptr);

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    // Starts System Information, or tells the player that it is unavailable.
    void StartSysInfo();

  private:
    std::shared_ptr<Registry> registry_;
    ProgramLauncher launcher_;
    QLabel* lblTitle;
    QLabel* lblVersion;
};

} // namespace halvard::ui
