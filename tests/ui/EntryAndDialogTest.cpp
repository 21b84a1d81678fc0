// The entry screen's click regions and the target dialog's controls, bound to the engine's
// entry flow and target selection.

#include "DesktopHarness.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace halvard {
namespace {

using test::ChooseOwnTarget;
using test::Click;
using test::Control;
using test::DesktopHarness;

TEST(EntryScreen, RegionsWithoutAnActionChangeNothing) {
    DesktopHarness program;
    for (int region = 1; region <= 3; ++region) {
        Click(Control(program.Entry(), QStringLiteral("imgChoice_%1").arg(region)));
        EXPECT_TRUE(program.Entry()->isVisible()) << "region " << region;
        EXPECT_EQ(program.desktop->TargetDialog(), nullptr) << "region " << region;
        EXPECT_FALSE(program.ended) << "region " << region;
    }
    EXPECT_EQ(program.desktop->RollWindow(), nullptr) << "no roll window before a mission";
}

TEST(EntryScreen, RegionFourEndsTheProgram) {
    DesktopHarness program;
    Click(Control(program.Entry(), "imgChoice_4"));
    EXPECT_TRUE(program.ended);
}

TEST(EntryScreen, ClosingTheWindowEndsTheProgram) {
    DesktopHarness program;
    program.Entry()->close();
    EXPECT_TRUE(program.ended);
}

TEST(EntryScreen, RegionZeroOpensTheTargetDialogModally) {
    DesktopHarness program;
    ui::frmGetTarget* dialog = program.OpenTargetDialog();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), "Single Mission Target Selection");
    // The dialog is loaded anew: random choice selected, list disabled and filled in table order.
    EXPECT_TRUE(dialog->optTargetChoice[0]->isChecked());
    EXPECT_FALSE(dialog->cboTargetList->isEnabled());
    const std::vector<std::string> names = program.game->Database.TargetNames();
    ASSERT_EQ(dialog->cboTargetList->count(), static_cast<int>(names.size()));
    for (int i = 0; i < dialog->cboTargetList->count(); ++i)
        EXPECT_EQ(dialog->cboTargetList->itemText(i).toStdString(), names[static_cast<std::size_t>(i)]);
    EXPECT_FALSE(dialog->cmdOptions->isEnabled());
}

TEST(EntryScreen, F1OpensTheAboutDialog) {
    DesktopHarness program;
    QTest::keyClick(program.Entry(), Qt::Key_F1);
    auto* about = Control<QDialog>(program.Entry(), "frmAbout");
    EXPECT_TRUE(about->isVisible());
}

TEST(TargetDialog, OptionButtonsEnableAndDisableTheList) {
    DesktopHarness program;
    ui::frmGetTarget* dialog = program.OpenTargetDialog();
    Click(dialog->optTargetChoice[1]);
    EXPECT_TRUE(dialog->cboTargetList->isEnabled());
    EXPECT_FALSE(dialog->optTargetChoice[0]->isChecked());
    Click(dialog->optTargetChoice[0]);
    EXPECT_FALSE(dialog->cboTargetList->isEnabled());
    EXPECT_FALSE(dialog->optTargetChoice[1]->isChecked());
}

TEST(TargetDialog, OkOnAnEmptyTextKeepsTheDialogOpenThenFliesTheChosenTarget) {
    DesktopHarness program;
    ui::frmGetTarget* dialog = program.OpenTargetDialog();
    ChooseOwnTarget(dialog, "");
    Click(dialog->cmdOK);
    ASSERT_EQ(program.desktop->TargetDialog(), dialog);
    EXPECT_TRUE(dialog->isVisible());

    dialog->cboTargetList->setCurrentIndex(dialog->cboTargetList->findText("Emden"));
    Click(dialog->cmdOK);
    EXPECT_EQ(program.desktop->TargetDialog(), nullptr);
    ui::frmMission* mission = program.desktop->Mission();
    ASSERT_NE(mission, nullptr);
    EXPECT_TRUE(mission->isVisible());
    EXPECT_TRUE(program.RollWindow()->isVisible());
    EXPECT_FALSE(program.Entry()->isVisible());
    EXPECT_EQ(mission->lblTarget->text(), "Emden");
}

TEST(TargetDialog, AnUnknownNameIsRefusedInAMessageBox) {
    DesktopHarness program;
    ui::frmGetTarget* dialog = program.OpenTargetDialog();
    ChooseOwnTarget(dialog, "Atlantis");
    Click(dialog->cmdOK);
    EXPECT_EQ(program.desktop->TargetDialog(), dialog);
    auto* refusal = Control<QMessageBox>(dialog, "refusal");
    EXPECT_EQ(refusal->text(), "Unknown target: Atlantis");
    EXPECT_EQ(program.desktop->Mission(), nullptr);
}

TEST(TargetDialog, CancelBeforeAnyTargetKeepsTheEntryScreen) {
    DesktopHarness program;
    Click(program.OpenTargetDialog()->cmdCancel);
    test::Settle();
    EXPECT_EQ(program.desktop->TargetDialog(), nullptr);
    EXPECT_EQ(program.desktop->Mission(), nullptr);
    EXPECT_TRUE(program.Entry()->isVisible());
    // The start region still opens a dialog afterwards.
    EXPECT_NE(program.OpenTargetDialog(), nullptr);
}

TEST(TargetDialog, CancelAfterAConfirmedTargetFliesItAgain) {
    DesktopHarness program;
    ui::frmGetTarget* dialog = program.OpenTargetDialog();
    ChooseOwnTarget(dialog, "Paris");
    Click(dialog->cmdOK);
    Click(program.desktop->Mission()->cmdOK);
    EXPECT_TRUE(program.Entry()->isVisible());
    EXPECT_EQ(program.desktop->Mission(), nullptr);
    EXPECT_TRUE(program.RollWindow()->isVisible()) << "the roll window stays after a mission";

    Click(program.OpenTargetDialog()->cmdCancel);
    ASSERT_NE(program.desktop->Mission(), nullptr);
    EXPECT_EQ(program.desktop->Mission()->lblTarget->text(), "Paris");
}

TEST(TargetDialog, EnterPressesOkAndEscapePressesCancel) {
    DesktopHarness program;
    QTest::keyClick(program.OpenTargetDialog(), Qt::Key_Escape);
    EXPECT_EQ(program.desktop->TargetDialog(), nullptr);
    EXPECT_TRUE(program.Entry()->isVisible());

    ui::frmGetTarget* dialog = program.OpenTargetDialog();
    QTest::keyClick(dialog, Qt::Key_Return);
    ASSERT_NE(program.desktop->Mission(), nullptr) << "Enter confirmed the random choice";
    EXPECT_EQ(program.game->SelectedTarget, program.desktop->Mission()->lblTarget->text().toStdString());
}

TEST(MissionScreen, ClosingItEndsTheMissionLikeOk) {
    DesktopHarness program;
    Click(program.OpenTargetDialog()->cmdOK);
    program.desktop->Mission()->close();
    EXPECT_EQ(program.desktop->Mission(), nullptr);
    EXPECT_TRUE(program.Entry()->isVisible());
    EXPECT_FALSE(program.ended);
}

TEST(RollWindow, ClosingHidesItAndTheNextMissionShowsItWithItsLines) {
    DesktopHarness program;
    Click(program.OpenTargetDialog()->cmdOK);
    QListWidget* rolls = program.RollWindow()->lstRollDice;
    const int linesBefore = rolls->count();
    ASSERT_GT(linesBefore, 0) << "the mission's set-up rolls";
    program.RollWindow()->close();
    EXPECT_FALSE(program.RollWindow()->isVisible());
    Click(program.desktop->Mission()->cmdNextStep);
    Click(program.desktop->Mission()->cmdOK);
    Click(program.OpenTargetDialog()->cmdOK);
    EXPECT_TRUE(program.RollWindow()->isVisible());
    // Nothing was cleared: the list holds every roll of the run, up to its 38 lines.
    EXPECT_EQ(rolls->count(), static_cast<int>(std::min<std::size_t>(38, program.game->Rolls.Total())));
    EXPECT_EQ(rolls->item(rolls->count() - 1)->text().toStdString(), program.game->Rolls.Last());
}

} // namespace
} // namespace halvard
