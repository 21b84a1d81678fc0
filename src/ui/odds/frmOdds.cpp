#include "frmOdds.h"

#include "GameDatabase.h"
#include "Outcome.h"
#include "Tour.h"
#include "Widgets.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <chrono>
#include <string_view>
#include <type_traits>

namespace halvard::ui {
namespace {

constexpr QChar Dash(0x2013);
// Of a progress bar's int range: enough steps for any run, which can be far more missions.
constexpr int ProgressSteps = 1000;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString Count(std::uint64_t count) {
    return QLocale().toString(static_cast<qulonglong>(count));
}

QString Percent(double share) {
    return QString::number(100.0 * share, 'f', 1) + '%';
}

// The damage the bomber carries: every field of its record off its fresh value. The bombs
// aboard are its load, not damage.
int DamageItems(const DamageRecord& damage) {
    int items = 0;
    VisitDamageFields(damage, [&items](std::string_view name, const auto& field) {
        if (name != "BombsAboard" && field != std::decay_t<decltype(field)>{}) ++items;
    });
    return items;
}

QString BomberText(const DamageRecord& damage) {
    const int items = DamageItems(damage);
    if (items == 0) return "fresh bomber";
    return QString("damage carried (%1 %2)").arg(items).arg(items == 1 ? "item" : "items");
}

// A figure that sorts by its number rather than its text: "9.5%" goes below "87.3%".
class Figure : public QTableWidgetItem {
  public:
    Figure(const OddsCell& cell, bool name) : QTableWidgetItem(cell.Text) {
        setData(Qt::UserRole, cell.Value);
        setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setTextAlignment(Qt::AlignVCenter | (name ? Qt::AlignLeft : Qt::AlignRight));
    }
    bool operator<(const QTableWidgetItem& other) const override {
        return data(Qt::UserRole).toDouble() < other.data(Qt::UserRole).toDouble();
    }
};

// A header over as many lines as it needs, none wider than width where its words allow, so
// that the long outcome labels keep their columns narrow enough for the whole table to fit.
QString Wrapped(const QString& text, const QFontMetrics& metrics, int width) {
    QString wrapped, line;
    for (const QString& word : text.simplified().split(' ')) {
        const QString longer = line.isEmpty() ? word : line + ' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            wrapped += line + '\n';
            line = word;
        } else {
            line = longer;
        }
    }
    return wrapped + line;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

OddsStart SingleMissionStart(const DamageRecord& damage) {
    OddsStart start;
    start.From.Damage = damage;
    start.Description = "Single mission: " + BomberText(damage) + ", a new crew, the mission number drawn";
    return start;
}

OddsStart CampaignStart(const Campaign& campaign) {
    OddsStart start;
    start.From = NextTakeOff(campaign);
    start.Description = QString("Campaign %1, mission %2: %3")
                            .arg(Text(campaign.Name))
                            .arg(campaign.NextMission)
                            .arg(BomberText(campaign.Damage));
    return start;
}

QStringList OddsHeaders() {
    QStringList headers{
        "Target",           "Come back",         "On target",           "Bomb %",
        "Killed / mission", "Wounded / mission", "Guns lost / mission", "Engines lost / mission"};
    for (const OutcomeName& outcome : OutcomeNames)
        headers << QString::fromUtf8(outcome.Label.data(), static_cast<qsizetype>(outcome.Label.size()));
    return headers;
}

QString ShareText(std::uint64_t successes, std::uint64_t trials) {
    if (trials == 0) return Dash;
    const Interval interval = Wilson95(successes, trials);
    const double share = static_cast<double>(successes) / static_cast<double>(trials);
    return QString("%1 (%2%3%4)")
        .arg(Percent(share))
        .arg(100.0 * interval.Low, 0, 'f', 1)
        .arg(Dash)
        .arg(100.0 * interval.High, 0, 'f', 1);
}

std::vector<OddsCell> OddsRow(const TargetTally& target, int order) {
    const Tally& figures = target.Figures;
    // Without a bomb run there is no share on target nor bomb percentage; it sorts below 0.
    const OddsCell none{Dash, -1.0};
    const auto perMission = [&figures](std::uint64_t total) {
        const double mean = figures.PerMission(total);
        return OddsCell{QString::number(mean, 'f', 2), mean};
    };

    std::vector<OddsCell> row{
        {Text(target.Name), static_cast<double>(order)},
        {ShareText(figures.Missions - figures.BombersLost, figures.Missions), figures.ComeBackShare()},
        figures.BombRuns == 0 ? none : OddsCell{Percent(figures.OnTargetShare()), figures.OnTargetShare()},
        figures.BombRuns == 0
            ? none
            : OddsCell{QString::number(figures.MeanBombPercentage(), 'f', 1), figures.MeanBombPercentage()},
        perMission(figures.CrewKilled),
        perMission(figures.CrewWounded),
        perMission(figures.GunsOut),
        perMission(figures.EnginesLost),
    };
    for (const std::uint64_t outcome : figures.Outcomes) {
        const double share = figures.PerMission(outcome);
        row.push_back({Percent(share), share});
    }
    return row;
}

frmOdds::frmOdds(const GameDatabase& database, OddsStart start, QWidget* parent)
    : QWidget(parent, Qt::Window), database_(database), start_(std::move(start)) {
    setObjectName("frmOdds");
    setWindowTitle("Corvane: Halvard - Odds");
    setFont(SansFont());

    lblFrom = new QLabel(start_.Description, this);
    lblFrom->setObjectName("lblFrom");
    lblFrom->setFont(SansFont(true));

    cboTarget = new QComboBox(this);
    cboTarget->setObjectName("cboTarget");
    cboTarget->addItem("All targets");
    for (const TargetRow& target : database_.Targets())
        cboTarget->addItem(Text(target.TargetName), Text(target.TargetName));

    spnMissions = new QSpinBox(this);
    spnMissions->setObjectName("spnMissions");
    spnMissions->setRange(100, 1'000'000);
    spnMissions->setSingleStep(1000);
    spnMissions->setValue(5000);
    spnMissions->setGroupSeparatorShown(true);

    // Any seed of the engine's 64 bits; one from the clock to start with, kept until changed,
    // so that Compute again gives the same table.
    txtSeed = new QLineEdit(this);
    txtSeed->setObjectName("txtSeed");
    txtSeed->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{1,20}"), txtSeed));
    txtSeed->setText(QString::number(
        static_cast<qulonglong>(std::chrono::system_clock::now().time_since_epoch().count())));
    txtSeed->setMinimumWidth(txtSeed->fontMetrics().horizontalAdvance(QString(21, '0')));

    cmdCompute = Button(this, "cmdCompute", "Compute");
    cmdCompute->setDefault(true);
    cmdCancel = Button(this, "cmdCancel", "Cancel");
    connect(cmdCompute, &QPushButton::clicked, this, &frmOdds::Compute);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOdds::Cancel);

    prgOdds = new QProgressBar(this);
    prgOdds->setObjectName("prgOdds");
    prgOdds->setRange(0, ProgressSteps);
    prgOdds->setValue(0);

    const QStringList headers = OddsHeaders();
    tblOdds = new QTableWidget(0, static_cast<int>(headers.size()), this);
    tblOdds->setObjectName("tblOdds");
    for (int column = 0; column < headers.size(); ++column) {
        auto* header = new QTableWidgetItem(
            Wrapped(headers[column], tblOdds->horizontalHeader()->fontMetrics(), Px(1000)));
        header->setToolTip(headers[column]);
        tblOdds->setHorizontalHeaderItem(column, header);
    }
    tblOdds->horizontalHeaderItem(1)->setToolTip("Come back fit to fly again, with the 95% interval");
    tblOdds->verticalHeader()->setVisible(false);
    tblOdds->verticalHeader()->setDefaultSectionSize(Px(300));
    tblOdds->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblOdds->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblOdds->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    tblOdds->setSortingEnabled(true);
    FitColumns();

    chtOdds = new QChartView(new QChart, this);
    chtOdds->setObjectName("chtOdds");
    chtOdds->setRenderHint(QPainter::Antialiasing);
    chtOdds->chart()->legend()->hide();
    chtOdds->chart()->setTitle("Come back fit to fly again, by target, with the 95% interval");
    chtOdds->chart()->setMargins(QMargins(Px(90), Px(30), Px(90), Px(30)));
    chtOdds->chart()->setBackgroundRoundness(0);
    chtOdds->setMinimumHeight(Px(3000));

    lblStatus = new QLabel(this);
    lblStatus->setObjectName("lblStatus");

    auto* controls = new QHBoxLayout;
    const auto caption = [this, controls](const QString& text, QWidget* buddy) {
        auto* label = new QLabel(text, this);
        label->setBuddy(buddy);
        controls->addWidget(label);
        controls->addWidget(buddy);
    };
    caption("&Target:", cboTarget);
    caption("&Missions per target:", spnMissions);
    caption("&Seed:", txtSeed);
    controls->addStretch(1);
    controls->addWidget(cmdCompute);
    controls->addWidget(cmdCancel);

    auto* figures = new QSplitter(Qt::Vertical, this);
    figures->addWidget(tblOdds);
    figures->addWidget(chtOdds);
    figures->setChildrenCollapsible(false);
    // Room for every target's row, the rest for the chart.
    const int rows =
        tblOdds->horizontalHeader()->sizeHint().height() + 2 * tblOdds->frameWidth() +
        static_cast<int>(database_.Targets().size()) * tblOdds->verticalHeader()->defaultSectionSize();
    figures->setSizes({rows, Px(5000)});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblFrom);
    layout->addLayout(controls);
    layout->addWidget(prgOdds);
    layout->addWidget(figures, 1);
    layout->addWidget(lblStatus);

    ShowRunning(false);
    DrawChart();
    // The whole table and the chart under it, as far as the screen allows.
    QRect place(QPoint(), QSize(Px(22500), Px(14500)));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        place.setSize(place.size().boundedTo(screen->availableGeometry().size()));
        place.moveCenter(screen->availableGeometry().center());
    }
    resize(place.size());
    move(place.topLeft());
}

frmOdds::~frmOdds() {
    Abandon();
}

void frmOdds::SetStart(OddsStart start) {
    if (start.From == start_.From && start.Description == start_.Description) return;
    // The figures and a run going on are of another bomber now.
    Abandon();
    start_ = std::move(start);
    lblFrom->setText(start_.Description);
    Clear();
    lblStatus->clear();
}

void frmOdds::Compute() {
    if (Running()) return;
    bool number = false;
    const std::uint64_t seed = txtSeed->text().toULongLong(&number);
    if (!number) {
        lblStatus->setText("The seed is a whole number from 0 to 18446744073709551615.");
        return;
    }
    SimulationOptions options;
    options.Missions = static_cast<std::uint64_t>(spnMissions->value());
    options.Seed = seed;
    if (const QString target = cboTarget->currentData().toString(); !target.isEmpty())
        options.Target = target.toStdString();
    else
        options.EveryTarget = true;
    options.Threads = std::max(1U, std::thread::hardware_concurrency());
    options.From = start_.From;

    Clear();
    asked_ = options.EveryTarget ? options.Missions * database_.Targets().size() : options.Missions;
    ShowRunning(true);
    lblStatus->setText(
        QString("Flying %1 missions on %2 threads...").arg(Count(asked_)).arg(options.Threads));

    // The run's calls come on its own thread: they only post to the window, which shows them.
    // The window waits for the thread before it goes, so `this` outlives every post.
    worker_ = std::jthread([this, options](std::stop_token stop) {
        SimulationCalls calls;
        calls.Stop = std::move(stop);
        calls.OnProgress = [this](std::uint64_t done, std::uint64_t total) {
            QMetaObject::invokeMethod(
                this, [this, done, total] { Progressed(done, total); }, Qt::QueuedConnection);
        };
        calls.OnTargetFinished = [this](const TargetTally& target) {
            QMetaObject::invokeMethod(
                this, [this, target] { TargetFinished(target); }, Qt::QueuedConnection);
        };
        const auto began = std::chrono::steady_clock::now();
        SimulationResult result;
        QString failure;
        try {
            result = Simulate(database_, options, calls);
        } catch (const std::exception& e) {
            failure = QString::fromUtf8(e.what());
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
        QMetaObject::invokeMethod(
            this,
            [this, result = std::move(result), failure, seconds] { Finished(result, failure, seconds); },
            Qt::QueuedConnection);
    });
}

void frmOdds::Cancel() {
    if (!Running()) return;
    worker_.request_stop();
    cmdCancel->setEnabled(false);
    lblStatus->setText("Cancelling...");
}

void frmOdds::Abandon() {
    if (!Running()) return;
    worker_.request_stop();
    worker_.join();
    // What the run posted before it stopped would show figures of a run no longer asked for.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    ShowRunning(false);
}

void frmOdds::Progressed(std::uint64_t done, std::uint64_t total) {
    if (total == 0) return;
    prgOdds->setValue(static_cast<int>(done * ProgressSteps / total));
    prgOdds->setFormat(QString("%1 of %2 missions").arg(Count(done), Count(total)));
}

void frmOdds::TargetFinished(const TargetTally& target) {
    const TargetRow* row = database_.FindTarget(target.Name);
    const int order = row == nullptr ? static_cast<int>(database_.Targets().size())
                                     : static_cast<int>(row - database_.Targets().data());
    shown_.insert(std::upper_bound(shown_.begin(), shown_.end(), order,
                                   [](int place, const auto& shown) { return place < shown.first; }),
                  {order, target});

    // Rows go in unsorted, or each cell would move as it is set; the table then sorts again by
    // the column the player chose.
    tblOdds->setSortingEnabled(false);
    const int line = tblOdds->rowCount();
    tblOdds->insertRow(line);
    const std::vector<OddsCell> cells = OddsRow(target, order);
    for (std::size_t column = 0; column < cells.size(); ++column)
        tblOdds->setItem(line, static_cast<int>(column), new Figure(cells[column], column == 0));
    tblOdds->setSortingEnabled(true);
    FitColumns();
    DrawChart();
}

void frmOdds::Finished(const SimulationResult& result, const QString& failure, double seconds) {
    worker_.join();
    ShowRunning(false);
    // A run against one target tells of it only at its end.
    if (failure.isEmpty() && !result.Stopped && result.Target && !result.Targets.empty())
        TargetFinished(result.Targets.front());

    if (!failure.isEmpty()) {
        lblStatus->setText("The run failed: " + failure);
    } else if (result.Stopped) {
        lblStatus->setText(QString("Cancelled after %1 of %2 missions; %3 of %4 targets finished.")
                               .arg(Count(result.Overall.Missions), Count(asked_))
                               .arg(shown_.size())
                               .arg(result.Target ? 1 : database_.Targets().size()));
    } else {
        lblStatus->setText(QString("Done: %1 missions in %2 s, seed %3.")
                               .arg(Count(result.Overall.Missions))
                               .arg(seconds, 0, 'f', 1)
                               .arg(static_cast<qulonglong>(result.Seed)));
    }
    emit computed();
}

void frmOdds::Clear() {
    shown_.clear();
    tblOdds->setRowCount(0);
    prgOdds->setValue(0);
    prgOdds->setFormat("%p%");
    DrawChart();
}

void frmOdds::DrawChart() {
    QChart* chart = chtOdds->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }

    // The targets along the bottom in the table's first order, under the table's own columns.
    auto* names = new QBarCategoryAxis;
    // Upright, so that no name is cut short however narrow its bar.
    names->setLabelsAngle(-90);
    chart->addAxis(names, Qt::AlignBottom);
    auto* share = new QValueAxis;
    share->setRange(0, 100);
    share->setTickCount(6);
    share->setMinorTickCount(1);
    share->setLabelFormat("%d%%");
    chart->addAxis(share, Qt::AlignLeft);
    if (shown_.empty()) return;

    auto* bars = new QBarSet("Come back");
    bars->setColor(QColor(70, 110, 160));
    bars->setBorderColor(QColor(70, 110, 160));
    bars->setLabelColor(Qt::white);
    for (const auto& [order, target] : shown_) {
        *bars << 100.0 * target.Figures.ComeBackShare();
        names->append(Text(target.Name));
    }
    auto* series = new QBarSeries;
    series->append(bars);
    series->setBarWidth(0.7);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideBase);
    series->setLabelsFormat("@value%");
    series->setLabelsAngle(-90);
    series->setLabelsPrecision(3);
    chart->addSeries(series);
    series->attachAxis(names);
    series->attachAxis(share);

    // Each interval an error bar: a line from its low end to its high end, capped at both.
    constexpr double cap = 0.15;
    const QPen pen(QColor(20, 20, 20), 1.5);
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        const Tally& figures = shown_[i].second.Figures;
        const Interval interval = Wilson95(figures.Missions - figures.BombersLost, figures.Missions);
        const double low = 100.0 * interval.Low, high = 100.0 * interval.High, at = static_cast<double>(i);
        auto* bar = new QLineSeries;
        bar->setPen(pen);
        *bar << QPointF(at - cap, low) << QPointF(at + cap, low) << QPointF(at, low) << QPointF(at, high)
             << QPointF(at - cap, high) << QPointF(at + cap, high);
        chart->addSeries(bar);
        bar->attachAxis(names);
        bar->attachAxis(share);
    }
}

void frmOdds::FitColumns() {
    // The header's own fit would keep room for the sort arrow as wide as the header is high,
    // which the tall outcome headers make twice what their figures need: it fits without, and
    // the arrow gets the room of one line.
    QHeaderView* header = tblOdds->horizontalHeader();
    header->setSortIndicatorShown(false);
    tblOdds->resizeColumnsToContents();
    header->setSortIndicatorShown(true);
    for (int column = 0; column < tblOdds->columnCount(); ++column)
        header->resizeSection(column, header->sectionSize(column) + header->fontMetrics().height());
    // Before the first target is in, the names column is as wide as its header alone: make room
    // for every name now, so that the table does not shift as it fills.
    int names = header->sectionSize(0);
    for (const TargetRow& target : database_.Targets())
        names = std::max(names, tblOdds->fontMetrics().horizontalAdvance(Text(target.TargetName)) +
                                    2 * header->fontMetrics().height());
    header->resizeSection(0, names);
}

void frmOdds::ShowRunning(bool running) {
    cmdCompute->setEnabled(!running);
    cmdCancel->setEnabled(running);
    for (QWidget* control : std::initializer_list<QWidget*>{cboTarget, spnMissions, txtSeed})
        control->setEnabled(!running);
}

void ShowOddsWindow(std::unique_ptr<frmOdds>& window, const GameDatabase& database, OddsStart start) {
    if (window)
        window->SetStart(std::move(start));
    else
        window = std::make_unique<frmOdds>(database, std::move(start));
    window->show();
    window->raise();
    window->activateWindow();
}

void frmOdds::closeEvent(QCloseEvent* event) {
    // Nobody looks at a run whose window is gone; what it finished stays for the next look.
    Cancel();
    event->accept();
}

} // namespace halvard::ui
