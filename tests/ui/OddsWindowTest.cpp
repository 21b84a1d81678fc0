// The odds window bound to the simulator: the bomber it flies from, opened from the entry menu
// or a campaign; the figures it shows, which must be the simulator's own for the same run; and a
// run stopped by Cancel, by closing the window, or by the window going.

#include "CampaignStore.h"
#include "CampaignWindows.h"
#include "DesktopHarness.h"
#include "Simulation.h"
#include "frmCampaign.h"
#include "frmOdds.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QProgressBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <gtest/gtest.h>
#include <map>

namespace halvard {
namespace {

using test::Click;
using test::Control;
using test::DesktopHarness;
using test::Settle;

class OddsWindow : public test::ScratchStoreTest {};

// Sets the run up as a player would; runs this small need a minimum below the player's.
void Ask(ui::frmOdds* odds, const QString& target, int missions, const QString& seed) {
    odds->cboTarget->setCurrentIndex(odds->cboTarget->findText(target));
    odds->spnMissions->setMinimum(1);
    odds->spnMissions->setValue(missions);
    odds->txtSeed->setText(seed);
}

void Compute(ui::frmOdds* odds) {
    QSignalSpy computed(odds, &ui::frmOdds::computed);
    Click(odds->cmdCompute);
    ASSERT_TRUE(computed.wait(300'000)) << "the run never ended";
}

using Table = std::map<std::string, std::vector<QString>>;

// Every row's text, by target.
Table Shown(const QTableWidget* table) {
    Table rows;
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < table->columnCount(); ++column)
            rows[table->item(row, 0)->text().toStdString()].push_back(table->item(row, column)->text());
    return rows;
}

// The rows the simulator's own figures make for the run.
Table Simulated(const SimulationOptions& options) {
    const GameDatabase& database = test::ShippedDatabase();
    Table rows;
    for (const TargetTally& target : Simulate(database, options).Targets) {
        const auto order = static_cast<int>(database.FindTarget(target.Name) - database.Targets().data());
        for (const ui::OddsCell& cell : ui::OddsRow(target, order))
            rows[target.Name].push_back(cell.Text);
    }
    return rows;
}

SimulationOptions RunOf(std::uint64_t seed, const TakeOff& from, std::optional<std::string> target = {}) {
    return {
        .Missions = 30, .Seed = seed, .Target = target, .EveryTarget = !target, .Threads = 2, .From = from};
}

TEST(OddsFigures, AreWrittenWithTheirIntervalAndCarryTheNumbersTheySortBy) {
    const std::pair<std::pair<std::uint64_t, std::uint64_t>, QString> shares[] = {
        {{50, 100}, "50.0% (40.4–59.6)"},
        {{100, 100}, "100.0% (96.3–100.0)"},
        {{0, 20}, "0.0% (0.0–16.1)"},
        {{873, 1000}, "87.3% (85.1–89.2)"},
        {{0, 0}, "–"}};
    for (const auto& [share, text] : shares)
        EXPECT_EQ(ui::ShareText(share.first, share.second), text) << share.first << " of " << share.second;

    // 10 missions: safe 5, repairable 2, irreparable 1, bailed out 2; 8 bomb runs, 6 on target,
    // 200 per cent in all; 13 wounded, 4 killed, 1 engine and 2 guns lost, 3 bombers lost.
    Tally figures{10, {5, 2, 1, 0, 0, 0, 0, 0, 2, 0}, 8, 6, 200, 13, 4, 1, 2, 3};
    // clang-format off
    const std::pair<QString, double> cells[] = {
        {"Kiel", 21},   {"70.0% (39.7–89.2)", 0.7}, {"75.0%", 0.75}, {"25.0", 25.0}, {"0.40", 0.4},
        {"1.30", 1.3},  {"0.20", 0.2},              {"0.10", 0.1},   {"50.0%", 0.5}, {"20.0%", 0.2},
        {"10.0%", 0.1}, {"0.0%", 0},                {"0.0%", 0},     {"0.0%", 0},    {"0.0%", 0},
        {"0.0%", 0},    {"20.0%", 0.2},             {"0.0%", 0}};
    // clang-format on
    const std::vector<ui::OddsCell> row = ui::OddsRow({"Kiel", figures}, 21);
    ASSERT_EQ(row.size(), std::size(cells));
    ASSERT_EQ(ui::OddsHeaders().size(), std::ssize(cells));
    for (std::size_t column = 0; column < row.size(); ++column) {
        EXPECT_EQ(row[column].Text, cells[column].first) << "column " << column;
        EXPECT_NEAR(row[column].Value, cells[column].second, 1e-12) << "column " << column;
    }
    // Each outcome's share under its own header.
    EXPECT_EQ(ui::OddsHeaders()[16].toStdString(), NameOf(Outcome::BailedOut).Label);

    // Without a bomb run there is nothing on target: it sorts below any share.
    figures.BombRuns = figures.OnTarget = figures.BombPercentage = 0;
    const std::vector<ui::OddsCell> none = ui::OddsRow({"Kiel", figures}, 21);
    for (int column : {2, 3}) {
        EXPECT_EQ(none[static_cast<std::size_t>(column)].Text, "–");
        EXPECT_LT(none[static_cast<std::size_t>(column)].Value, 0.0);
    }
}

TEST_F(OddsWindow, FromTheEntryMenuShowsTheSimulatorsFiguresForTheBomberAsItStands) {
    DesktopHarness program;
    const DamageRecord damage{.RadioOut = true, .PortWingRootHits = 2, .Engine2Status = "Out"};
    program.game->Damage = damage;
    program.Entry()->mnuOdds->trigger();
    ui::frmOdds* odds = program.desktop->Odds();
    ASSERT_NE(odds, nullptr);
    EXPECT_TRUE(odds->isVisible());
    const TakeOff from{.Damage = damage};
    EXPECT_EQ(odds->From(), from);
    EXPECT_EQ(odds->lblFrom->text(),
              "Single mission: damage carried (3 items), a new crew, the mission number drawn");
    EXPECT_EQ(odds->cboTarget->itemText(0), "All targets");
    EXPECT_EQ(odds->cboTarget->count(), 23);

    Ask(odds, "All targets", 30, "42");
    Compute(odds);
    EXPECT_EQ(odds->tblOdds->rowCount(), 22);
    EXPECT_EQ(Shown(odds->tblOdds), Simulated(RunOf(42, from)));
    EXPECT_EQ(odds->prgOdds->value(), odds->prgOdds->maximum());
    EXPECT_TRUE(odds->lblStatus->text().startsWith("Done: 660 missions"))
        << odds->lblStatus->text().toStdString();
    EXPECT_TRUE(odds->cmdCompute->isEnabled());
    EXPECT_FALSE(odds->cmdCancel->isEnabled());

    // The chart: a bar per target in the database's order, each with its interval's ends.
    const SimulationResult direct = Simulate(test::ShippedDatabase(), RunOf(42, from));
    const QList<QAbstractSeries*> series = odds->chtOdds->chart()->series();
    ASSERT_EQ(series.size(), 23);
    const QBarSet* bars = qobject_cast<QBarSeries*>(series[0])->barSets().at(0);
    ASSERT_EQ(bars->count(), 22);
    for (int i = 0; i < 22; ++i) {
        const Tally& figures = direct.Targets[static_cast<std::size_t>(i)].Figures;
        EXPECT_DOUBLE_EQ(bars->at(i), 100.0 * figures.ComeBackShare());
        const QList<QPointF> interval = qobject_cast<QLineSeries*>(series[i + 1])->points();
        const Interval expected = Wilson95(figures.Missions - figures.BombersLost, figures.Missions);
        EXPECT_EQ(interval.first().y(), 100.0 * expected.Low);
        EXPECT_EQ(interval.last().y(), 100.0 * expected.High);
        EXPECT_EQ(interval[2].x(), i) << "at its bar";
    }

    // Every column sorts by its numbers, not by its text, where "100.0%" goes before "9.5%".
    for (int column = 1; column < odds->tblOdds->columnCount(); ++column) {
        odds->tblOdds->sortByColumn(column, Qt::AscendingOrder);
        for (int row = 1; row < odds->tblOdds->rowCount(); ++row)
            ASSERT_LE(odds->tblOdds->item(row - 1, column)->data(Qt::UserRole).toDouble(),
                      odds->tblOdds->item(row, column)->data(Qt::UserRole).toDouble())
                << "column " << column << ", row " << row;
    }
}

TEST_F(OddsWindow, CancelOrClosingStopsTheRunAndTheWindowGoingWaitsForIt) {
    auto program = std::make_unique<DesktopHarness>();
    program->Entry()->mnuOdds->trigger();
    ui::frmOdds* odds = program->desktop->Odds();
    ASSERT_NE(odds, nullptr);
    Ask(odds, "All targets", 1'000'000, "3");
    QSignalSpy computed(odds, &ui::frmOdds::computed);
    const auto started = [odds] {
        Click(odds->cmdCompute);
        EXPECT_FALSE(odds->cmdCompute->isEnabled());
        EXPECT_TRUE(odds->cmdCancel->isEnabled());
        // Under way once the bar has been told of missions done.
        return QTest::qWaitFor([odds] { return odds->prgOdds->format().endsWith(" missions"); }, 60'000);
    };

    for (const bool byClosing : {false, true}) {
        ASSERT_TRUE(started()) << "by closing: " << byClosing;
        if (byClosing)
            odds->close();
        else
            Click(odds->cmdCancel);
        ASSERT_TRUE(computed.wait(60'000)) << "by closing: " << byClosing;
        EXPECT_TRUE(odds->lblStatus->text().startsWith("Cancelled after "))
            << odds->lblStatus->text().toStdString();
        EXPECT_LT(odds->tblOdds->rowCount(), 22);
        EXPECT_LT(odds->prgOdds->value(), odds->prgOdds->maximum());
        EXPECT_TRUE(odds->cmdCompute->isEnabled());
        EXPECT_FALSE(odds->cmdCancel->isEnabled());
        EXPECT_FALSE(odds->Running());
    }

    // Shown again, the window keeps what it found for the same bomber, and can fly again.
    program->Entry()->mnuOdds->trigger();
    EXPECT_TRUE(odds->isVisible());
    EXPECT_TRUE(odds->lblStatus->text().startsWith("Cancelled after "));
    ASSERT_TRUE(started());
    program.reset();
}

TEST_F(OddsWindow, OfACampaignFliesItsNextMissionWithItsBomberAndCrew) {
    TakeOff from{.Damage = {.IntercomOut = true, .RudderHits = 1}, .MissionNumber = 5};
    Campaign campaign = NewCampaign("Ruhr Valley", 7);
    campaign.NextMission = 5;
    campaign.Damage = from.Damage;
    for (int position = 1; position <= CrewCount; ++position)
        campaign.Crew[position].Missions = from.CrewMissions[position] = 4 - position % 3;
    CampaignStore(store).Create(campaign);
    {
        DesktopHarness program;
        program.desktop->OpenCampaign("Ruhr Valley");
        ui::CampaignWindows* campaign = program.desktop->Campaign();
        ASSERT_NE(campaign, nullptr);
        auto* button = Control<QPushButton>(&campaign->Window(), "cmdOdds");
        EXPECT_EQ(button->text(), "Odds...");
        Click(button);
        ui::frmOdds* odds = campaign->Odds();
        ASSERT_NE(odds, nullptr);
        EXPECT_TRUE(odds->isVisible());
        EXPECT_EQ(odds->From(), from);
        EXPECT_EQ(odds->lblFrom->text(), "Campaign Ruhr Valley, mission 5: damage carried (2 items)");

        Ask(odds, "Kiel", 30, "11");
        Compute(odds);
        EXPECT_EQ(Shown(odds->tblOdds), Simulated(RunOf(11, from, "Kiel")));
    }
    Settle();
}

} // namespace
} // namespace halvard
