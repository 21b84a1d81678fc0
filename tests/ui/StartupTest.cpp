// The desktop program's start: where it finds its files, and the one message box that names a
// file it cannot use.

#include "DesktopHarness.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

namespace halvard {
namespace {

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
