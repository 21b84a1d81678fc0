#include "frmGetTarget.h"

#include "EntryFlow.h"
#include "Widgets.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

namespace halvard::ui {
namespace {

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, QRect place) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    return button;
}

} // namespace

frmGetTarget::frmGetTarget(EntryFlow& flow, Performer perform, QWidget* parent)
    : QDialog(parent), flow_(flow), perform_(std::move(perform)) {
    setObjectName("frmGetTarget");
    setWindowTitle("Single Mission Target Selection");
    setFont(SansFont());
    setFixedSize(Px(5565), Px(2055));
    setModal(true);

    const std::array<std::pair<const char*, QRect>, 2> options{{
        {"Random Mission Selection", TwipRect(240, 240, 2295, 255)},
        {"Choose Your Own Target", TwipRect(240, 720, 2175, 255)},
    }};
    auto* group = new QButtonGroup(this);
    for (int i = 0; i <= 1; ++i) {
        auto* option = new QRadioButton(options[static_cast<std::size_t>(i)].first, this);
        option->setObjectName(QStringLiteral("optTargetChoice_%1").arg(i));
        option->setGeometry(options[static_cast<std::size_t>(i)].second);
        group->addButton(option, i);
        optTargetChoice[i] = option;
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int index) {
        flow_.TargetDialog().optTargetChoice_Click(index);
        Draw();
    });

    cboTargetList = new QComboBox(this);
    cboTargetList->setObjectName("cboTargetList");
    cboTargetList->setGeometry(TwipRect(2640, 690, 2655, 315));
    cboTargetList->setEditable(true);
    cboTargetList->setInsertPolicy(QComboBox::NoInsert);
    connect(cboTargetList, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { flow_.TargetDialog().cboTargetList.Text = text.toStdString(); });

    cmdOptions = Button(this, "cmdOptions", "Options...", TwipRect(240, 1440, 1455, 375));
    cmdOptions->setEnabled(false);
    cmdCancel = Button(this, "cmdCancel", "Cancel", TwipRect(2040, 1440, 1455, 375));
    connect(cmdCancel, &QPushButton::clicked, this, &frmGetTarget::reject);
    cmdOK = Button(this, "cmdOK", "OK", TwipRect(3840, 1440, 1455, 375));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmGetTarget::OK);

    Draw();
}

void frmGetTarget::Draw() {
    const TargetSelection& dialog = flow_.TargetDialog();
    for (int i = 0; i <= 1; ++i)
        optTargetChoice[i]->setChecked(dialog.optTargetChoice[i].Value);
    QStringList names;
    for (const std::string& name : dialog.cboTargetList.List)
        names << QString::fromStdString(name);
    const QSignalBlocker quiet(cboTargetList);
    if (cboTargetList->count() != names.size()) {
        cboTargetList->clear();
        cboTargetList->addItems(names);
    }
    cboTargetList->setEditText(QString::fromStdString(dialog.cboTargetList.Text));
    cboTargetList->setEnabled(dialog.cboTargetList.Enabled);
}

void frmGetTarget::OK() {
    const TargetSelection& selection = flow_.TargetDialog();
    if (selection.optTargetChoice[1].Value)
        perform_({ActionKind::Choose, 0, selection.cboTargetList.Text});
    else
        perform_(Action{ActionKind::Random, 0, {}});
    if (flow_.Current() != Screen::TargetDialog) {
        accept();
        return;
    }
    Draw();
    const QString refusal = QString::fromStdString(flow_.TargetDialog().Refusal);
    if (refusal.isEmpty()) return;
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), refusal, QMessageBox::Ok, this);
    box->setObjectName("refusal");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void frmGetTarget::reject() {
    if (flow_.Current() == Screen::TargetDialog) perform_(Action{ActionKind::Cancel, 0, {}});
    QDialog::reject();
}

} // namespace halvard::ui
