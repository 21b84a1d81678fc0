#include "frmAbout.h"

#include "MessageBox.h"
#include "ProgramInfo.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace halvard::ui {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

// Two one-pixel lines, dark above light, make the etched separator.
void MakeSeparator(QWidget* parent, int y) {
    const QPalette::ColorRole shades[] = {QPalette::Dark, QPalette::Light};
    for (int i = 0; i < 2; ++i) {
        auto* line = new QFrame(parent);
        line->setObjectName(QStringLiteral("Line1_%1").arg(i));
        line->setGeometry(6, y + i, 370, 1);
        line->setAutoFillBackground(true);
        line->setBackgroundRole(shades[i]);
    }
}

} // namespace

frmAbout::frmAbout(QWidget* parent)
    : frmAbout(std::make_shared<SystemRegistry>(), SystemLauncher(), parent) {}

frmAbout::frmAbout(std::shared_ptr<Registry> registry, ProgramLauncher launcher, QWidget* parent)
    : QDialog(parent), registry_(std::move(registry)), launcher_(std::move(launcher)) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About Halvard"));
    setFixedSize(382, 248);

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(16, 16, 32, 32);
    picIcon->setPixmap(ProgramIcon().pixmap(32, 32));

    lblTitle = MakeLabel(this, "lblTitle", QStringLiteral("Application Title"), {70, 14, 296, 32});
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = MakeLabel(this, "lblVersion", QStringLiteral("Version"), {70, 50, 296, 18});
    MakeLabel(this, "lblDescription",
              QStringLiteral("Halvard plays the charts and dice of a solitaire bomber-mission board game: "
                             "one mission of the four-engined Corvane, zone by zone, to a target and back."),
              {70, 74, 296, 80});
    MakeSeparator(this, 160);
    MakeLabel(this, "lblDisclaimer",
              QStringLiteral("Warning: Halvard is a game. Its targets, aircraft and numbers are made for "
                             "play and are no historical record. It comes without warranty of any kind."),
              {16, 172, 254, 66});

    auto* cmdOK = MakeButton(this, "cmdOK", QStringLiteral("OK"), {280, 172, 88, 26});
    cmdOK->setDefault(true);
    auto* cmdSysInfo = MakeButton(this, "cmdSysInfo", QStringLiteral("&System Info..."), {280, 206, 88, 26});
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Form_Load();
}

void frmAbout::Form_Load() {
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(HALVARD_VERSION_MAJOR)
                            .arg(HALVARD_VERSION_MINOR)
                            .arg(HALVARD_VERSION_PATCH));
    lblTitle->setText(ApplicationTitle);
}

void frmAbout::cmdOK_Click() {
    close();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    if (!ui::StartSysInfo(*registry_, launcher_))
        OpenMessageBox(this, QStringLiteral("System Information Is Unavailable At This Time"));
}

} // namespace halvard::ui
