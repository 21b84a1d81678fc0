#include "frmOptions.h"

#include "MessageBox.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>

namespace halvard::ui {

namespace {

// A page is shown by moving it into the tab panel and hidden by moving it far outside the
// dialog: 210 and -20000 form units, at 15 units to the pixel.
constexpr int ShownLeft = 210 / 15;
constexpr int HiddenLeft = -20000 / 15;

constexpr int TabKeyCode = 9;
constexpr int ShiftBit = 1;
constexpr int CtrlBit = 2;
constexpr int AltBit = 4;

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, int left) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, 266, 75, 24);
    return button;
}

} // namespace

frmOptions::frmOptions(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmOptions"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Options"));
    setFixedSize(390, 298);

    tbsOptions = new QTabBar(this);
    tbsOptions->setObjectName(QStringLiteral("tbsOptions"));
    for (int tab = 1; tab <= PageCount; ++tab)
        tbsOptions->addTab(QStringLiteral("Group %1").arg(tab));
    tbsOptions->setExpanding(false);
    const int tabHeight = tbsOptions->sizeHint().height();
    tbsOptions->setGeometry(7, 7, 376, tabHeight);

    const int panelTop = 7 + tabHeight - 1;
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setGeometry(7, panelTop, 376, 252 - panelTop);

    for (int page = 0; page < PageCount; ++page) {
        auto* picOption = new QWidget(this);
        picOption->setObjectName(QStringLiteral("picOptions_%1").arg(page));
        picOption->setGeometry(ShownLeft, panelTop + 7, 362, 238 - panelTop);
        auto* fraSample = new QGroupBox(QStringLiteral("Sample %1").arg(page + 1), picOption);
        fraSample->setObjectName(QStringLiteral("fraSample%1").arg(page + 1));
        fraSample->setGeometry(7, 7, 348, picOption->height() - 14);
        picOptions[page] = picOption;
        // As designed: the first page in place, the others out of sight.
        ShowPage(page, page == 0);
    }

    auto* cmdOK = MakeButton(this, "cmdOK", QStringLiteral("OK"), 144);
    cmdOK->setDefault(true);
    auto* cmdCancel = MakeButton(this, "cmdCancel", QStringLiteral("Cancel"), 226);
    auto* cmdApply = MakeButton(this, "cmdApply", QStringLiteral("&Apply"), 308);
    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);
    connect(cmdApply, &QPushButton::clicked, this, &frmOptions::cmdApply_Click);
    // A selection by the keyboard shows its page as a click does.
    connect(tbsOptions, &QTabBar::currentChanged, this, &frmOptions::tbsOptions_Click);

    // Ctrl+Tab would otherwise reach only the control with the focus.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void frmOptions::cmdOK_Click() {
    QMessageBox* box =
        OpenMessageBox(this, QStringLiteral("Code goes here to set options and close dialog!"));
    connect(box, &QMessageBox::finished, this, &QWidget::close);
}

void frmOptions::cmdCancel_Click() {
    close();
}

void frmOptions::cmdApply_Click() {
    OpenMessageBox(this, QStringLiteral("Apply Code goes here to set options w/o closing dialog!"));
}

bool frmOptions::Form_KeyDown(int KeyCode, int Shift) {
    const int i = SelectedTab();
    const int last = tbsOptions->count();
    if (KeyCode != TabKeyCode) return false;
    switch (Shift & (ShiftBit | CtrlBit)) {
    case CtrlBit: SelectTab(i == last ? 1 : i + 1); return true;
    case CtrlBit | ShiftBit: SelectTab(i == 1 ? last : i - 1); return true;
    default: return false;
    }
}

void frmOptions::tbsOptions_Click() {
    for (int k = 0; k < tbsOptions->count(); ++k)
        ShowPage(k, k == SelectedTab() - 1);
}

bool frmOptions::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // The platform reports Shift+Tab as a key of its own.
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    const int shift = (modifiers & Qt::ShiftModifier ? ShiftBit : 0) |
                      (modifiers & Qt::ControlModifier ? CtrlBit : 0) |
                      (modifiers & Qt::AltModifier ? AltBit : 0);
    return Form_KeyDown(tab ? TabKeyCode : key->key(), shift);
}

void frmOptions::ShowPage(int page, bool shown) {
    QWidget* picOption = picOptions[page];
    picOption->move(shown ? ShownLeft : HiddenLeft, picOption->y());
    picOption->setEnabled(shown);
}

int frmOptions::SelectedTab() const {
    return tbsOptions->currentIndex() + 1;
}

void frmOptions::SelectTab(int tab) {
    tbsOptions->setCurrentIndex(tab - 1);
}

} // namespace halvard::ui
