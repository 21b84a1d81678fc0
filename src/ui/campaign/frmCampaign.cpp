#include "frmCampaign.h"

#include "CampaignSession.h"
#include "MessageBox.h"
#include "Widgets.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <array>

namespace halvard::ui {
namespace {

// The positions as the mission screen names them.
constexpr std::array<const char*, CrewCount + 1> PositionNames{
    "", "Pilot", "Co-Pilot", "Bombardier", "Navigator", "Radio Operator", "P Waist Gunner", "S Waist Gunner",
    "Engineer", "Ball Gunner", "Tail Gunner",
};

QTableWidget* Table(QWidget* parent, const char* name, const QStringList& headers) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->setVisible(false);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStretchLastSection(true);
    // Rows as tight as the mission screen's, so the whole crew shows without scrolling.
    table->verticalHeader()->setDefaultSectionSize(Px(300));
    return table;
}

QTableWidgetItem* Cell(const QString& text, bool editable = false) {
    auto* item = new QTableWidgetItem(text);
    Qt::ItemFlags flags = Qt::ItemIsEnabled;
    if (editable) flags |= Qt::ItemIsEditable | Qt::ItemIsSelectable;
    item->setFlags(flags);
    return item;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

void FillMember(QTableWidget& table, int row, const CrewMember& member, bool editable) {
    table.setItem(row, 0, Cell(member.Position >= 1 && member.Position <= CrewCount
                                    ? PositionNames[static_cast<std::size_t>(member.Position)]
                                    : QString()));
    table.setItem(row, 1, Cell(Text(member.Name), editable));
    table.setItem(row, 2, Cell(QString::number(member.Missions)));
    table.setItem(row, 3, Cell(QString::number(member.Kills)));
    table.setItem(row, 4, Cell(Text(std::string(StatusName(member.Status)))));
}

} // namespace

frmCampaign::frmCampaign(CampaignSession& session, QWidget* parent) : QWidget(parent, Qt::Window), session_(session) {
    setObjectName("frmCampaign");
    setWindowTitle("Corvane: Halvard - Campaign " + Text(session.State().Name));
    setFont(SansFont());
    resize(Px(9000), Px(9600));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect place(QPoint(), size());
        place.moveCenter(screen->availableGeometry().center());
        move(place.topLeft());
    }

    const QStringList member{"Position", "Name", "Missions", "Kills", "Status"};
    tblRoster = Table(this, "tblRoster", member);
    // A double click or typing starts an edit of a name; the other columns are the tour's.
    tblRoster->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);
    tblRoster->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(tblRoster, &QTableWidget::cellChanged, this, &frmCampaign::Renamed);
    tblFormer = Table(this, "tblFormer", member);
    tblMissions = Table(this, "tblMissions", {"Mission", "Target", "Flown", "Outcome", "On/Off Target", "Bomb %"});

    cmdFlyMission = new QPushButton(this);
    cmdFlyMission->setObjectName("cmdFlyMission");
    connect(cmdFlyMission, &QPushButton::clicked, this, &frmCampaign::flyRequested);
    cmdJournal = new QPushButton("Journal...", this);
    cmdJournal->setObjectName("cmdJournal");
    connect(cmdJournal, &QPushButton::clicked, this, &frmCampaign::journalRequested);
    cmdOdds = new QPushButton("Odds...", this);
    cmdOdds->setObjectName("cmdOdds");
    connect(cmdOdds, &QPushButton::clicked, this, &frmCampaign::oddsRequested);

    auto* layout = new QVBoxLayout(this);
    const auto heading = [this, layout](const QString& caption) {
        auto* label = new QLabel(caption, this);
        label->setFont(SansFont(true));
        layout->addWidget(label);
    };
    heading("Crew");
    layout->addWidget(tblRoster, 3);
    heading("Former crew members");
    layout->addWidget(tblFormer, 1);
    heading("Missions flown");
    layout->addWidget(tblMissions, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdJournal);
    buttons->addWidget(cmdOdds);
    buttons->addStretch(1);
    buttons->addWidget(cmdFlyMission);
    layout->addLayout(buttons);

    Draw();
}

void frmCampaign::Draw() {
    drawing_ = true;
    const Campaign& campaign = session_.State();
    tblRoster->setRowCount(CrewCount);
    for (int position = 1; position <= CrewCount; ++position)
        FillMember(*tblRoster, position - 1, campaign.Crew[position], true);
    tblFormer->setRowCount(static_cast<int>(campaign.Former.size()));
    for (std::size_t i = 0; i < campaign.Former.size(); ++i)
        FillMember(*tblFormer, static_cast<int>(i), campaign.Former[i], false);
    tblMissions->setRowCount(static_cast<int>(campaign.Missions.size()));
    for (std::size_t i = 0; i < campaign.Missions.size(); ++i) {
        const MissionLog& log = campaign.Missions[i];
        const int row = static_cast<int>(i);
        tblMissions->setItem(row, 0, Cell(QString::number(log.Number)));
        tblMissions->setItem(row, 1, Cell(Text(log.Target)));
        tblMissions->setItem(row, 2, Cell(log.Complete ? "complete" : "abandoned"));
        tblMissions->setItem(row, 3, Cell(Text(log.Outcome)));
        tblMissions->setItem(row, 4, Cell(Text(log.OnTarget)));
        tblMissions->setItem(row, 5, Cell(log.OnTarget.empty() ? QString() : QString("%1%").arg(log.BombPct)));
    }
    for (QTableWidget* table : {tblRoster, tblFormer, tblMissions})
        table->resizeColumnsToContents();
    drawing_ = false;

    if (campaign.Finished()) {
        cmdFlyMission->setText("Tour over");
    } else {
        cmdFlyMission->setText(QString("Fly mission %1").arg(campaign.NextMission));
    }
    cmdFlyMission->setEnabled(!campaign.Finished() && !session_.InProgress() && !session_.ReadOnly());
    // A tour that is over has no next mission to tell the odds of.
    cmdOdds->setEnabled(!campaign.Finished());
}

void frmCampaign::Renamed(int row, int column) {
    if (drawing_ || column != 1) return;
    const std::string name = tblRoster->item(row, column)->text().toStdString();
    try {
        session_.Rename(row + 1, name);
    } catch (const std::exception& e) {
        // A name refused, or a store that would not keep it: the roster shows what is kept.
        OpenMessageBox(this, Text(e.what()))->setObjectName("renameFailure");
    }
    Draw();
}

void frmCampaign::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

} // namespace halvard::ui
