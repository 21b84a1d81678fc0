#include "frmMission.h"

#include "Game.h"
#include "Names.h"
#include "Widgets.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <array>

namespace halvard::ui {
namespace {

constexpr int RowHeight = 255;

QGroupBox* Frame(QWidget* parent, const char* name, const QString& caption, QRect place) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setGeometry(place);
    frame->setFont(SansFont(true));
    return frame;
}

QString Indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(name).arg(index);
}

// A label whose caption never changes.
void FixedLabel(QWidget* parent, const QString& name, const QString& caption, QRect place, const QFont& font) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setFont(font);
}

// A cell the player clicks.
ModelLabel* Cell(QWidget* parent, const QString& name, QRect place) {
    return new ModelLabel(parent, name, place, ModelLabel::Kind::Cell);
}

Action Pressed(ActionKind kind, int number = 0) {
    Action action;
    action.Kind = kind;
    action.Number = number;
    return action;
}

} // namespace

frmMission::frmMission(MissionScreen& screen, const Game& game, Performer perform, QWidget* parent)
    : QWidget(parent, Qt::Window), screen_(screen), game_(game), perform_(std::move(perform)) {
    setObjectName("frmMission");
    setWindowTitle("Corvane: Halvard - Mission Screen");
    setFont(SansFont());
    setFixedSize(Px(11175), Px(7755));
    move(Px(180), Px(585));

    BuildMissionPanel();

    lstMessages = new QListWidget(this);
    lstMessages->setObjectName("lstMessages");
    lstMessages->setGeometry(TwipRect(240, 2040, 4935, 5460));
    lstMessages->setFont(MessageListFont());
    lstMessages->setSelectionMode(QAbstractItemView::NoSelection);
    lstMessages->setFocusPolicy(Qt::NoFocus);

    BuildWavePanel();
    BuildGunPanel();
    BuildCrewPanel();

    // The window keeps the keyboard focus, so Space and Enter always mean the step button.
    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(TwipRect(7200, 6960, 1815, 615));
    cmdOK->setFocusPolicy(Qt::NoFocus);
    connect(cmdOK, &QPushButton::clicked, this, [this] { Handle(Pressed(ActionKind::Ok)); });

    cmdNextStep = new QPushButton(this);
    cmdNextStep->setObjectName("cmdNextStep");
    cmdNextStep->setGeometry(TwipRect(9120, 6960, 1815, 615));
    cmdNextStep->setFocusPolicy(Qt::NoFocus);
    connect(cmdNextStep, &QPushButton::clicked, this, [this] { Handle(Pressed(ActionKind::Step)); });
    for (const auto key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        // A disabled button ignores click(), so the shortcut obeys the same rule as the mouse.
        connect(shortcut, &QShortcut::activated, cmdNextStep, &QPushButton::click);
    }
    // A key, not a control: the screen's layout stays as it is.
    auto* journal = new QShortcut(QKeySequence("Ctrl+J"), this);
    connect(journal, &QShortcut::activated, this, &frmMission::journalRequested);
    setFocusPolicy(Qt::StrongFocus);

    Draw();
}

void frmMission::BuildMissionPanel() {
    fraMissionSelection = Frame(this, "fraMissionSelection", QString(), TwipRect(240, 120, 4935, 1815));
    struct Line {
        int Index;
        const char* Caption;
        ModelLabel*& Value;
        const char* ValueName;
        int Column;
        int Row;
    };
    const std::array<Line, 7> lines{{
        {0, "Mission No:", lblMissionNo, "lblMissionNo", 0, 0},
        {1, "Target:", lblTarget, "lblTarget", 0, 1},
        {4, "Type:", lblTargetType, "lblTargetType", 0, 2},
        {2, "Formation:", lblFormationPos, "lblFormationPos", 1, 0},
        {3, "Squadron:", lblSquadronPos, "lblSquadronPos", 1, 1},
        {5, "On/Off Target:", lblOnTarget, "lblOnTarget", 1, 2},
        {6, "Percentage:", lblBombPct, "lblBombPct", 1, 3},
    }};
    // Two columns of caption and value; the left one is wider, for the target's name.
    constexpr std::array<int, 2> captionLeft{120, 2700};
    constexpr std::array<int, 2> captionWidth{1020, 1140};
    constexpr std::array<int, 2> valueWidth{1500, 1035};
    for (const Line& line : lines) {
        const int top = 300 + line.Row * 360;
        const int left = captionLeft[line.Column];
        const int width = captionWidth[line.Column];
        FixedLabel(fraMissionSelection, Indexed("lblMiscText", line.Index), line.Caption,
                   TwipRect(left, top, width, RowHeight), HeavySansFont());
        line.Value = new ModelLabel(fraMissionSelection, line.ValueName,
                                    TwipRect(left + width, top, valueWidth[line.Column], RowHeight));
    }
}

void frmMission::BuildWavePanel() {
    fraWaves = Frame(this, "fraWaves", " Wave Selection ", TwipRect(5880, 120, 3855, 3015));
    for (int i = 1; i <= 6; ++i) {
        const int top = 360 + (i - 1) * 360;
        lblToHit[i] = Cell(fraWaves, Indexed("lblToHit", i), TwipRect(240, top, 525, RowHeight));
        lblType[i] = new ModelLabel(fraWaves, Indexed("lblType", i), TwipRect(960, top, 525, RowHeight));
        lblPosition[i] = new ModelLabel(fraWaves, Indexed("lblPosition", i), TwipRect(1680, top, 1320, RowHeight));
        lblSkill[i] = new ModelLabel(fraWaves, Indexed("lblSkill", i), TwipRect(3120, top, 480, RowHeight));
        connect(lblToHit[i], &ModelLabel::clicked, this, [this, i] { Handle(Pressed(ActionKind::Cell, i)); });
    }
    lblMiscWave = new QLabel(fraWaves);
    lblMiscWave->setObjectName("lblMiscWave");
    lblMiscWave->setGeometry(TwipRect(240, 2520, 3375, RowHeight));
    lblMiscWave->setFont(SansFont(true));
    QPalette red = lblMiscWave->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    lblMiscWave->setPalette(red);
}

void frmMission::BuildGunPanel() {
    fraGuns = Frame(this, "fraGuns", " Guns ", TwipRect(5280, 3240, 1695, 3255));
    constexpr std::array<int, 9> tops{360, 660, 975, 1275, 1590, 1890, 2205, 2505, 2820};
    for (int g = FirstGun; g <= LastGun; ++g) {
        const int top = tops[static_cast<std::size_t>(g - FirstGun)];
        lblGun[g] = Cell(fraGuns, Indexed("lblGun", g), TwipRect(240, top, 360, RowHeight));
        lblGunName[g] = new ModelLabel(fraGuns, Indexed("lblGunName", g), TwipRect(720, top, 900, RowHeight));
        connect(lblGun[g], &ModelLabel::clicked, this, [this, g] { Handle(Pressed(ActionKind::Gun, g)); });
    }
}

void frmMission::BuildCrewPanel() {
    fraCrew = Frame(this, "fraCrew", " Crew ", TwipRect(7200, 3240, 3735, 3495));
    for (int c = 1; c <= CrewCount; ++c) {
        const int top = 360 + (c - 1) * 300;
        lblCrewWound[c] = new ModelLabel(fraCrew, Indexed("lblCrewWound", c), TwipRect(240, top, 360, RowHeight));
        lblCrewPos[c] = new ModelLabel(fraCrew, Indexed("lblCrewPos", c), TwipRect(720, top, 1260, RowHeight));
        lblCrewName[c] = new ModelLabel(fraCrew, Indexed("lblCrewName", c), TwipRect(2040, top, 1440, RowHeight));
    }
}

void frmMission::Draw() {
    const std::array<std::pair<ModelLabel*, const Label*>, 7> mission{{
        {lblMissionNo, &screen_.lblMissionNo},
        {lblTarget, &screen_.lblTarget},
        {lblTargetType, &screen_.lblTargetType},
        {lblFormationPos, &screen_.lblFormationPos},
        {lblSquadronPos, &screen_.lblSquadronPos},
        {lblOnTarget, &screen_.lblOnTarget},
        {lblBombPct, &screen_.lblBombPct},
    }};
    for (const auto& [widget, label] : mission)
        widget->Draw(*label);

    DrawLines(*lstMessages, game_.Messages);

    const WavePanel& waves = screen_.fraWaves();
    fraWaves->setVisible(waves.Visible);
    for (int i = 1; i <= 6; ++i) {
        lblToHit[i]->Draw(screen_.lblToHit[i]);
        lblType[i]->Draw(Label{.Caption = ShownType(game_, i)});
        lblPosition[i]->Draw(Label{.Caption = ShownPosition(game_, i)});
        lblSkill[i]->Draw(waves.Row[i].lblSkill);
    }
    lblMiscWave->setText(QString::fromStdString(waves.lblMiscWave.Caption.Text()));

    for (int g = FirstGun; g <= LastGun; ++g) {
        lblGun[g]->Draw(screen_.lblGun[g]);
        lblGunName[g]->Draw(screen_.lblGunName[g]);
    }
    for (int c = 1; c <= CrewCount; ++c) {
        lblCrewWound[c]->Draw(screen_.lblCrewWound[c]);
        lblCrewPos[c]->Draw(screen_.lblCrewPos[c]);
        lblCrewName[c]->Draw(screen_.lblCrewName[c]);
    }

    cmdNextStep->setText(QString::fromStdString(screen_.cmdNextStep.Caption.Text()));
    cmdNextStep->setEnabled(screen_.cmdNextStep.Enabled && !readOnly_);
    cmdOK->setEnabled(screen_.cmdOK.Enabled);
}

void frmMission::Handle(const Action& action) {
    perform_(action);
    emit changed();
}

void frmMission::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    Draw();
}

void frmMission::closeEvent(QCloseEvent* event) {
    event->ignore();
    Handle(Pressed(ActionKind::Ok));
}

} // namespace halvard::ui
