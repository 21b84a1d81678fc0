#pragma once

// The Options dialog: four pages of sample option groups on a tab bar, with OK, Cancel and Apply.
// It holds no option of the game; OK and Apply only say where the setting of options belongs.

#include <QDialog>
#include <array>

class QTabBar;

namespace halvard::ui {

class frmOptions : public QDialog {
    Q_OBJECT

  public:
    // The dialog deletes itself when it closes, so create it with new.
    explicit frmOptions(QWidget* parent = nullptr);

    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdApply_Click();
    // Ctrl+Tab selects the next tab, Ctrl+Shift+Tab the previous one, both wrapping around.
    // Shift holds the modifier bits: 1 Shift, 2 Ctrl, 4 Alt; only the two lowest count.
    // True when the key changed the selected tab.
    bool Form_KeyDown(int KeyCode, int Shift);
    void tbsOptions_Click();

  protected:
    // Sees every key pressed in the dialog before the control with the focus does.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static constexpr int PageCount = 4;

    void ShowPage(int page, bool shown);
    // The selected tab, counted from 1.
    int SelectedTab() const;
    void SelectTab(int tab);

    QTabBar* tbsOptions;
    std::array<QWidget*, PageCount> picOptions{};
};

} // namespace halvard::ui
