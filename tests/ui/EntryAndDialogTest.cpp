// The entry screen's click regions and the target dialog's controls, bound to the engine's
// entry flow and target selection.

#include "DesktopHarness.h"

#include <QMessageBox>
#include <gtest/gtest.h>

namespace halvard {
namespace {

using test::ChooseOwnTarget;
using test::Click;
using test::Control;
using test::DesktopHarness;

TEST(EntryScreen, RegionsOneToThreeDoNothingF1ShowsAboutAndRegionFourOrClosingEndsTheProgram) {
    DesktopHarness program;
    for (int region = 1; region <= 3; ++region) {
        Click(Control(program.Entry(), QStringLiteral("imgChoice_%1").arg(region)));
        EXPECT_TRUE(program.Entry()->isVisible()) << "region " << region;
        EXPECT_EQ(program.desktop->TargetDialog(), nullptr) << "region " << region;
    }
    EXPECT_FALSE(program.ended);
    EXPECT_EQ(program.desktop->RollWindow(), nullptr) << "no roll window before a mission";
    Click(Control(program.Entry(), "imgChoice_4"));
    EXPECT_TRUE(program.ended);

    DesktopHarness closed;
    QTest::keyClick(closed.Entry(), Qt::Key_F1);
    EXPECT_TRUE(Control<QDialog>(closed.Entry(), "frmAbout")->isVisible());
    closed.Entry()->close();
    EXPECT_TRUE(closed.ended);
}

// Loaded anew each time: random choice selected, the list disabled until the other option.
TEST(TargetDialog, OpensModallyOnTheRandomChoiceWithEveryTargetListed) {
    DesktopHarness program;
    ui::frmGetTarget* dialog = program.OpenTargetDialog();
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), "Single Mission Target Selection");
    EXPECT_TRUE(dialog->optTargetChoice[0]->isChecked());
    EXPECT_FALSE(dialog->cmdOptions->isEnabled());
    std::vector<std::string> listed;
    for (int i = 0; i < dialog->cboTargetList->count(); ++i)
        listed.push_back(dialog->cboTargetList->itemText(i).toStdString());
    EXPECT_EQ(listed, program.game->Database.TargetNames());
    for (int option : {1, 0}) {
        Click(dialog->optTargetChoice[option]);
        EXPECT_EQ(dialog->cboTargetList->isEnabled(), option == 1);
        EXPECT_FALSE(dialog->optTargetChoice[1 - option]->isChecked());
    }
}

TEST(TargetDialog, OkOrEnterRefusesAnEmptyOrUnknownNameAndFliesAKnownOne) {
    DesktopHarness program;
    ui::frmGetTarget* dialog = program.OpenTargetDialog();
    ChooseOwnTarget(dialog, "");
    Click(dialog->cmdOK);
    ASSERT_EQ(program.desktop->TargetDialog(), dialog);
    ChooseOwnTarget(dialog, "Atlantis");
    Click(dialog->cmdOK);
    EXPECT_EQ(program.desktop->TargetDialog(), dialog);
    EXPECT_EQ(Control<QMessageBox>(dialog, "refusal")->text(), "Unknown target: Atlantis");
    EXPECT_EQ(program.desktop->Mission(), nullptr);

    dialog->cboTargetList->setCurrentIndex(dialog->cboTargetList->findText("Emden"));
    QTest::keyClick(dialog, Qt::Key_Return); // Enter presses OK
    EXPECT_EQ(program.desktop->TargetDialog(), nullptr);
    ASSERT_NE(program.desktop->Mission(), nullptr);
    EXPECT_TRUE(program.desktop->Mission()->isVisible());
    EXPECT_TRUE(program.RollWindow()->isVisible());
    EXPECT_FALSE(program.Entry()->isVisible());
    EXPECT_EQ(program.desktop->Mission()->lblTarget->text(), "Emden");
}

// Cancel flies the last confirmed target again, or keeps the entry screen when there is none.
TEST(TargetDialog, CancelOrEscapeKeepsTheEntryScreenOrFliesTheLastTargetAgain) {
    DesktopHarness program;
    QTest::keyClick(program.OpenTargetDialog(), Qt::Key_Escape); // Escape presses Cancel
    test::Settle();
    EXPECT_EQ(program.desktop->TargetDialog(), nullptr);
    EXPECT_EQ(program.desktop->Mission(), nullptr);
    EXPECT_TRUE(program.Entry()->isVisible());

    ChooseOwnTarget(program.OpenTargetDialog(), "Paris");
    Click(program.desktop->TargetDialog()->cmdOK);
    program.desktop->Mission()->close(); // closing the mission screen ends it as OK does
    EXPECT_EQ(program.desktop->Mission(), nullptr);
    EXPECT_TRUE(program.Entry()->isVisible());
    EXPECT_FALSE(program.ended);
    EXPECT_TRUE(program.RollWindow()->isVisible()) << "the roll window stays after a mission";

    Click(program.OpenTargetDialog()->cmdCancel);
    ASSERT_NE(program.desktop->Mission(), nullptr);
    EXPECT_EQ(program.desktop->Mission()->lblTarget->text(), "Paris");
}

TEST(RollWindow, ClosingHidesItAndTheNextMissionShowsItWithItsLines) {
    DesktopHarness program;
    Click(program.OpenTargetDialog()->cmdOK);
    QListWidget* rolls = program.RollWindow()->lstRollDice;
    ASSERT_GT(rolls->count(), 0) << "the mission's set-up rolls";
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
