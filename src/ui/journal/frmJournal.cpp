#include "frmJournal.h"

#include "MessageBox.h"
#include "Report.h"
#include "Widgets.h"
#include "frmMain.h"
#include "frmMission.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

namespace halvard::ui {
namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString MissionRow(const JournalMission& mission) {
    QString row = QString("Mission %1: %2").arg(mission.Number).arg(Text(mission.Target.empty() ? "-" : mission.Target));
    if (!mission.TargetType.empty()) row += " (" + Text(mission.TargetType) + ")";
    if (!mission.Ending.empty())
        row += " - " + Text(mission.Ending);
    else
        row += mission.Concluded ? " - abandoned" : " - in flight";
    if (!mission.OnTarget.empty()) row += QString(" - bombs %1 target, %2%").arg(Text(mission.OnTarget)).arg(mission.BombPct);
    return row;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

frmJournal::frmJournal(const GameDatabase& database, const QString& caption, std::string reportTitle, Source source,
                       bool tour, QWidget* parent)
    : QWidget(parent, Qt::Window), database_(database), reportTitle_(std::move(reportTitle)), source_(std::move(source)),
      tour_(tour) {
    setObjectName("frmJournal");
    setWindowTitle(caption);
    setFont(SansFont());
    resize(Px(14000), Px(9000));

    lstMissions = new QListWidget(this);
    lstMissions->setObjectName("lstMissions");
    lstRecord = new QListWidget(this);
    lstRecord->setObjectName("lstRecord");
    lstRecord->setFont(RollListFont());
    lstBookmarks = new QListWidget(this);
    lstBookmarks->setObjectName("lstBookmarks");
    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName("txtSearch");
    txtSearch->setPlaceholderText("Search the record");
    lblMatches = new QLabel(this);
    lblMatches->setObjectName("lblMatches");
    lblMoment = new QLabel(this);
    lblMoment->setObjectName("lblMoment");
    lblProblem = new QLabel(this);
    lblProblem->setObjectName("lblProblem");
    lblProblem->setWordWrap(true);
    cmdFindNext = Button(this, "cmdFindNext", "Find next");
    cmdFirst = Button(this, "cmdFirst", "First");
    cmdPrevious = Button(this, "cmdPrevious", "Previous");
    cmdNext = Button(this, "cmdNext", "Next");
    cmdLast = Button(this, "cmdLast", "Last");
    cmdNextZone = Button(this, "cmdNextZone", "Next zone");
    cmdExport = Button(this, "cmdExport", "Export...");
    chkWholeTour = new QCheckBox("Whole tour", this);
    chkWholeTour->setObjectName("chkWholeTour");
    chkWholeTour->setVisible(tour);

    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(new QLabel("Missions", side));
    sideLayout->addWidget(lstMissions, 2);
    sideLayout->addWidget(new QLabel("Bookmarks", side));
    sideLayout->addWidget(lstBookmarks, 3);
    auto* main = new QWidget(this);
    auto* mainLayout = new QVBoxLayout(main);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    auto* search = new QHBoxLayout;
    search->addWidget(txtSearch, 1);
    search->addWidget(cmdFindNext);
    search->addWidget(lblMatches);
    mainLayout->addLayout(search);
    mainLayout->addWidget(lstRecord, 1);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(side);
    splitter->addWidget(main);
    splitter->setStretchFactor(1, 2);

    auto* replay = new QHBoxLayout;
    replay->addWidget(new QLabel("Replay:", this));
    for (QPushButton* button : {cmdFirst, cmdPrevious, cmdNext, cmdLast, cmdNextZone})
        replay->addWidget(button);
    replay->addWidget(lblMoment, 1);
    auto* report = new QHBoxLayout;
    report->addWidget(lblProblem, 1);
    report->addWidget(chkWholeTour);
    report->addWidget(cmdExport);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(replay);
    layout->addLayout(report);

    connect(lstMissions, &QListWidget::currentRowChanged, this, &frmJournal::ChooseMission);
    connect(lstBookmarks, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int line = item->data(Qt::UserRole).toInt();
        ShowMoment(lineAction_.at(static_cast<std::size_t>(line)) + 1);
        lstRecord->setCurrentRow(line);
        lstRecord->scrollToItem(lstRecord->item(line), QAbstractItemView::PositionAtTop);
    });
    connect(lstRecord, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        ShowMoment(lineAction_.at(static_cast<std::size_t>(lstRecord->row(item))) + 1);
    });
    connect(txtSearch, &QLineEdit::textChanged, this, [this] { Find(false); });
    connect(txtSearch, &QLineEdit::returnPressed, this, [this] { Find(true); });
    connect(cmdFindNext, &QPushButton::clicked, this, [this] { Find(true); });
    connect(cmdFirst, &QPushButton::clicked, this, [this] { ShowMoment(1); });
    connect(cmdPrevious, &QPushButton::clicked, this, [this] { ShowMoment(replay_ ? replay_->At() - 1 : 1); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { ShowMoment(replay_ ? replay_->At() + 1 : 1); });
    connect(cmdLast, &QPushButton::clicked, this, [this] { ShowMoment(replay_ ? replay_->Last() : 1); });
    connect(cmdNextZone, &QPushButton::clicked, this, [this] {
        if (!replay_) ShowMoment(1);
        if (replay_) ShowMoment(replay_->NextZone());
    });
    connect(cmdExport, &QPushButton::clicked, this, &frmJournal::Export);
}

frmJournal::~frmJournal() {
    // The replay's windows draw the replay's game: they go first.
    screen_.reset();
    rolls_.reset();
}

const JournalMission* frmJournal::Chosen() const {
    const int row = lstMissions->currentRow();
    if (row < 0 || row >= static_cast<int>(missions_.size())) return nullptr;
    return &missions_[static_cast<std::size_t>(row)];
}

void frmJournal::Refresh() {
    HideReplay();
    screen_.reset();
    replay_.reset();
    missions_ = source_();
    const QSignalBlocker quiet(lstMissions);
    lstMissions->clear();
    for (const JournalMission& mission : missions_)
        lstMissions->addItem(MissionRow(mission));
    lstMissions->setCurrentRow(static_cast<int>(missions_.size()) - 1);
    ChooseMission(lstMissions->currentRow());
}

void frmJournal::ChooseMission(int) {
    HideReplay();
    screen_.reset();
    replay_.reset();
    lstRecord->clear();
    lstBookmarks->clear();
    lineAction_.clear();
    lblMoment->clear();
    const JournalMission* mission = Chosen();
    lblProblem->setText(mission ? Text(mission->NoReplay) : QString());
    for (QPushButton* button : {cmdFirst, cmdPrevious, cmdNext, cmdLast, cmdNextZone})
        button->setEnabled(mission && mission->Start.has_value());
    cmdExport->setEnabled(!missions_.empty());
    if (!mission) return;
    for (std::size_t action = 0; action < mission->Actions.size(); ++action)
        for (const std::string& line : mission->Actions[action].Lines) {
            auto* item = new QListWidgetItem(line.starts_with("R ") ? "      " + Text(line.substr(2)) : Text(line.substr(2)));
            if (line.starts_with("R ")) item->setForeground(QColor(90, 90, 90));
            lstRecord->addItem(item);
            lineAction_.push_back(static_cast<int>(action));
        }
    for (const Bookmark& mark : Bookmarks(*mission)) {
        auto* item = new QListWidgetItem(Text(mark.Title));
        item->setData(Qt::UserRole, static_cast<int>(mark.Line));
        lstBookmarks->addItem(item);
    }
    Find(false);
}

void frmJournal::Find(bool next) {
    const QString wanted = txtSearch->text();
    std::vector<int> matches;
    for (int row = 0; row < lstRecord->count(); ++row) {
        QListWidgetItem* item = lstRecord->item(row);
        const bool match = !wanted.isEmpty() && item->text().contains(wanted, Qt::CaseInsensitive);
        item->setBackground(match ? QColor(255, 240, 150) : QColor(Qt::transparent));
        if (match) matches.push_back(row);
    }
    lblMatches->setText(wanted.isEmpty() ? QString() : QString("%1 matches").arg(matches.size()));
    if (matches.empty()) return;
    // The next match after the current line, round to the first again.
    const int from = next ? lstRecord->currentRow() + 1 : 0;
    const auto after = std::lower_bound(matches.begin(), matches.end(), from);
    const int found = after == matches.end() ? matches.front() : *after;
    {
        lstRecord->setCurrentRow(found);
        lstRecord->scrollToItem(lstRecord->item(found));
    }
}

void frmJournal::ShowMoment(int moment) {
    const JournalMission* mission = Chosen();
    if (!mission || !mission->Start) return;
    if (!replay_) replay_ = std::make_unique<MissionReplay>(database_, *mission);
    replay_->GoTo(moment);
    lblProblem->setText(Text(replay_->Problem().empty() ? mission->NoReplay : replay_->Problem()));
    const RecordedAction& action = mission->Actions[static_cast<std::size_t>(replay_->At() - 1)];
    QString words = QString("Action %1 of %2: %3").arg(replay_->At()).arg(replay_->Last()).arg(Text(action.Text));
    if (!action.Caption.empty()) words += " (" + Text(action.Caption) + ")";
    lblMoment->setText(words);
    const auto first = std::find(lineAction_.begin(), lineAction_.end(), replay_->At() - 1);
    if (first != lineAction_.end()) {
        const int line = static_cast<int>(first - lineAction_.begin());
        lstRecord->setCurrentRow(line);
        lstRecord->scrollToItem(lstRecord->item(line));
    }

    EntryFlow& flow = replay_->Flow();
    if (flow.Current() != Screen::Mission) return HideReplay();
    // Going back rebuilds the game, and with it the screen the window draws.
    if (!screen_ || replay_->Builds() != drawnBuild_) {
        screen_ = std::make_unique<frmMission>(flow.Mission(), replay_->CurrentGame(), [this](const Action& a) {
            // Looked at only: nothing is performed; OK or closing puts the replay away.
            if (a.Kind == ActionKind::Ok) HideReplay();
            return ActionResult{};
        });
        screen_->setObjectName("frmMissionReplay");
        screen_->setWindowTitle("Corvane: Halvard - Mission Screen (replay)");
        drawnBuild_ = replay_->Builds();
    }
    screen_->SetReadOnly(true);
    if (!rolls_) {
        rolls_ = std::make_unique<frmMain>();
        rolls_->setObjectName("frmMainReplay");
        rolls_->setWindowTitle("Corvane: Halvard (replay)");
    }
    rolls_->Draw(replay_->CurrentGame().Rolls);
    rolls_->show();
    screen_->show();
}

void frmJournal::HideReplay() {
    if (screen_) screen_->hide();
    if (rolls_) rolls_->hide();
}

void frmJournal::Export() {
    const QString file = QFileDialog::getSaveFileName(this, "Export After-Action Report", QString(),
                                                      "Markdown (*.md);;Text (*.txt);;HTML (*.html)");
    if (!file.isEmpty()) ExportTo(file);
}

void frmJournal::ExportTo(const QString& file) {
    const std::optional<ReportFormat> format = ReportFormatOf(file.toStdString());
    if (!format) {
        OpenMessageBox(this, "Choose a file ending in .md, .txt or .html")->setObjectName("exportFailure");
        return;
    }
    std::vector<const JournalMission*> chosen;
    if (tour_ && chkWholeTour->isChecked()) {
        for (const JournalMission& mission : missions_)
            chosen.push_back(&mission);
    } else if (const JournalMission* mission = Chosen()) {
        chosen.push_back(mission);
    }
    if (chosen.empty()) return;
    try {
        WriteReport(file.toStdString(), AfterActionReport(database_, chosen, reportTitle_, *format));
    } catch (const ReportError& e) {
        OpenMessageBox(this, Text(e.what()))->setObjectName("exportFailure");
    }
}

} // namespace halvard::ui
