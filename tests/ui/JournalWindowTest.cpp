// The journal window on missions played through the windows: the replay is drawn as the live
// windows were drawn after each action, and the window's bookmarks, search and export work on
// that record.

#include "DesktopHarness.h"
#include "frmJournal.h"

#include <QLineEdit>
#include <QMessageBox>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace halvard {
namespace {

using test::Click;
using test::Control;
using test::DesktopHarness;
using test::Lines;
using test::Looks;
using test::Settle;

TEST(JournalWindow, ReplaysASingleMissionAsTheWindowsShowedItAndExportsItsReport) {
    DesktopHarness program(7);
    test::ChooseOwnTarget(program.OpenTargetDialog(), "St. Omer");
    Click(program.desktop->TargetDialog()->cmdOK);
    Settle();
    ui::frmMission* live = program.desktop->Mission();
    ASSERT_NE(live, nullptr);
    // The windows after each action the run recorded, the dialog's OK first.
    std::vector<nlohmann::json> seen{Looks(live, program.RollWindow())};
    const auto& actions = program.desktop->RunRecord().Missions().back().Actions;
    for (int i = 0; i < 60 && live->cmdNextStep->isEnabled(); ++i)
        for (QWidget* control : std::initializer_list<QWidget*>{live->cmdNextStep, live->lblGun[2 + i % 9],
                                                                live->lblToHit[1 + i % 4]}) {
            const std::size_t before = actions.size();
            Click(control);
            Settle();
            if (actions.size() > before) seen.push_back(Looks(live, program.RollWindow()));
        }
    ASSERT_EQ(seen.size(), actions.size());
    ASSERT_GT(seen.size(), 30U);

    QTest::keyClick(live, Qt::Key_J, Qt::ControlModifier);
    ui::frmJournal* journal = program.desktop->Journal();
    ASSERT_NE(journal, nullptr);
    EXPECT_TRUE(journal->isVisible());
    ASSERT_EQ(journal->lstMissions->count(), 1);
    EXPECT_TRUE(journal->lstMissions->item(0)->text().startsWith("Mission 22: St. Omer (Airfield)"));

    // Forward, then back, which builds the game and the replay's screen anew.
    const int last = static_cast<int>(seen.size());
    for (int step = 1; step < 2 * last; ++step) {
        const int moment = step <= last ? step : 2 * last - step;
        journal->ShowMoment(moment);
        ASSERT_NE(journal->ReplayScreen(), nullptr);
        ASSERT_EQ(journal->Replay()->Problem(), "");
        ASSERT_EQ(journal->Replay()->At(), moment);
        EXPECT_FALSE(journal->ReplayScreen()->cmdNextStep->isEnabled());
        ASSERT_EQ(Looks(journal->ReplayScreen(), journal->ReplayRolls()),
                  seen.at(static_cast<std::size_t>(moment - 1)))
            << "moment " << moment;
    }

    const std::vector<QString> marks = Lines(journal->lstBookmarks);
    ASSERT_GE(marks.size(), 2U);
    EXPECT_EQ(marks[0], "Take-off");
    EXPECT_EQ(marks[1], "Zone 2 (out)");
    QListWidgetItem* zone = journal->lstBookmarks->item(1);
    QTest::mouseClick(journal->lstBookmarks->viewport(), Qt::LeftButton, Qt::NoModifier,
                      journal->lstBookmarks->visualItemRect(zone).center());
    EXPECT_TRUE(journal->lstRecord->currentItem()->text().startsWith("[ZONE #2]"));
    EXPECT_EQ(journal->Replay()->At(), 2);

    journal->txtSearch->setText("weather over");
    EXPECT_EQ(journal->lblMatches->text(), "2 matches");
    EXPECT_EQ(journal->lstRecord->currentItem()->text(), "Weather over Target: Poor");
    Click(journal->cmdFindNext);
    EXPECT_EQ(journal->lstRecord->currentItem()->text(), "Weather over Base: Good");
    Click(journal->cmdFindNext);
    EXPECT_EQ(journal->lstRecord->currentItem()->text(), "Weather over Target: Poor");

    test::ScratchDirectory scratch;
    const std::filesystem::path report = scratch.Path() / "report.md";
    journal->ExportTo(QString::fromStdString(report.string()));
    std::ifstream in(report);
    std::string heading;
    std::getline(in, heading);
    EXPECT_EQ(heading, "# After-action report");
    journal->ExportTo(QString::fromStdString((scratch.Path() / "missing" / "report.md").string()));
    EXPECT_NE(journal->findChild<QMessageBox*>("exportFailure"), nullptr);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.Path()),
                            std::filesystem::directory_iterator()),
              1);

    journal->close();
    program.Entry()->mnuJournal->trigger();
    EXPECT_TRUE(journal->isVisible());
}

} // namespace
} // namespace halvard
