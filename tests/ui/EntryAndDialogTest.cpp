// The desktop program's start, where it finds its files or names the one it cannot use; the
// entry screen's click regions and the target dialog's controls, bound to the engine's
// entry flow and target selection.

#include "DesktopHarness.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>
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

namespace fs = std::filesystem;

struct ProgramRun {
    int Result = 0;
    QString Caption, Text; // of the message box, if one came up
    bool EntryShown = false;
};

// Runs the whole program on a directory, reading and closing every modal window that comes up,
// and ending it from the entry screen's fourth region once that is shown.
ProgramRun RunProgram(const fs::path& executableDirectory) {
    ProgramRun run;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&run] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                run.Caption = box->windowTitle();
                run.Text = box->text();
            }
            modal->close();
        }
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == "frmEntry" && window->isVisible()) {
                run.EntryShown = true;
                auto* end = window->findChild<QWidget*>("imgChoice_4");
                QTest::mouseClick(end, Qt::LeftButton, Qt::NoModifier, end->rect().center());
            }
    });
    watcher.start(10);
    run.Result = ui::RunDesktopProgram(*qApp, executableDirectory);
    return run;
}

// Each file the program needs, missing or not what it should be, is named in one message box
// with its problem, and the program ends with a failure; with both files sound it shows the entry
// screen, whose fourth region ends it.
TEST(Startup, NamesAFileItCannotUseOrShowsTheEntryScreen) {
    const fs::path database = GameDatabase::FileName, splash = ui::SplashFileName;
    const struct {
        std::string databaseBytes, splashBytes; // "" for no file, "shipped" for the shipped one
        fs::path named;
        const char* problem; // null: it starts
    } cases[] = {
        {"shipped", "shipped", {}, nullptr},
        {"", "", database, ": file not found"},
        {"shipped", "", splash, ": file not found"},
        {"shipped", "not a JPEG at all", splash, ": cannot be read as a JPEG picture"},
        {std::string(4096, 'Z'), "shipped", database, ": "},
    };
    for (const auto& c : cases) {
        test::ScratchDirectory dir;
        for (const auto& [file, bytes] :
             {std::pair{database, c.databaseBytes}, std::pair{splash, c.splashBytes}}) {
            if (bytes == "shipped")
                fs::copy_file(test::DataDirectory() / file, dir.Path() / file);
            else if (!bytes.empty())
                test::WriteFile(dir.Path() / file, bytes);
        }
        const ProgramRun run = RunProgram(dir.Path());
        if (c.problem == nullptr) {
            EXPECT_EQ(run.Result, 0);
            EXPECT_TRUE(run.EntryShown);
            EXPECT_EQ(run.Text, "");
            continue;
        }
        EXPECT_NE(run.Result, 0);
        EXPECT_FALSE(run.EntryShown);
        EXPECT_EQ(run.Caption, "Halvard");
        EXPECT_TRUE(run.Text.startsWith(QString::fromStdString((dir.Path() / c.named).string() + c.problem)))
            << run.Text.toStdString();
    }
}

} // namespace
} // namespace halvard
