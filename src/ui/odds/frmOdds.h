#pragma once

// The odds window: many missions flown by the built-in player from the bomber and crew as they
// stand, against every target in turn or one, and how often they come back, hit the target and
// lose men, as a table and a chart. It only looks: the missions are flown in games of its own,
// so nothing it does reaches the run, a campaign or another window.

#include "Simulation.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace halvard {
struct Campaign;
}

namespace halvard::ui {

// What the missions take off with, and the line that tells the player so.
struct OddsStart {
    TakeOff From;
    QString Description;
};
// The run's next single mission: the damage the last one left, a crew new to it, the mission
// number drawn by the dialog as it is for a single mission.
OddsStart SingleMissionStart(const DamageRecord& damage);
// A tour's next mission: its bomber, its crew's missions flown, its number.
OddsStart CampaignStart(const Campaign& campaign);

// One figure of the table: as shown, and the number it sorts by.
struct OddsCell {
    QString Text;
    double Value = 0.0;
};
// The table's columns: the target, the figures, then one column per outcome.
QStringList OddsHeaders();
// A target's row, in the columns of OddsHeaders; order is its place in the game database, by
// which the Target column sorts, so that it sorts in the mission chart's order.
std::vector<OddsCell> OddsRow(const TargetTally& target, int order);
// The share as a percentage with its 95% interval: "87.3% (86.4–88.2)".
QString ShareText(std::uint64_t successes, std::uint64_t trials);

class frmOdds : public QWidget {
    Q_OBJECT
  public:
    frmOdds(const GameDatabase& database, OddsStart start, QWidget* parent = nullptr);
    // Stops a run that goes on and waits for it: its threads read the database and this window.
    ~frmOdds() override;

    // Another bomber to fly from. The figures of the last one go, and a run for it is stopped.
    void SetStart(OddsStart start);
    const TakeOff& From() const { return start_.From; }
    bool Running() const { return worker_.joinable(); }

    QLabel* lblFrom;
    QComboBox* cboTarget;
    QSpinBox* spnMissions;
    QLineEdit* txtSeed;
    QPushButton *cmdCompute, *cmdCancel;
    QProgressBar* prgOdds;
    QTableWidget* tblOdds;
    QChartView* chtOdds;
    QLabel* lblStatus;

  signals:
    // A run has ended: every mission flown, cancelled, or failed.
    void computed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Compute();
    void Cancel();
    // Stops the run, if one goes on, at once: nothing more of it is shown.
    void Abandon();
    void Progressed(std::uint64_t done, std::uint64_t total);
    void TargetFinished(const TargetTally& target);
    void Finished(const SimulationResult& result, const QString& failure, double seconds);
    void Clear();
    void DrawChart();
    void FitColumns();
    void ShowRunning(bool running);

    const GameDatabase& database_;
    OddsStart start_;
    // The targets finished, with their places in the database, in that order.
    std::vector<std::pair<int, TargetTally>> shown_;
    std::uint64_t asked_ = 0; // missions of the run going on, in all
    std::jthread worker_;
};

// Shows the odds window kept in window, made the first time, for the bomber of start: a window
// already open keeps its figures if the bomber is the same one.
void ShowOddsWindow(std::unique_ptr<frmOdds>& window, const GameDatabase& database, OddsStart start);

} // namespace halvard::ui
