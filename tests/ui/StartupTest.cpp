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

struct Failure {
    int Result = 0;
    QString Caption;
    QString Text;
};

// Runs the whole program on a directory, reading and closing every modal window that comes up.
Failure RunExpectingFailure(const fs::path& executableDirectory) {
    Failure failure;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&failure] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            failure.Caption = box->windowTitle();
            failure.Text = box->text();
        }
        modal->close();
    });
    watcher.start(10);
    failure.Result = ui::RunDesktopProgram(*qApp, executableDirectory);
    return failure;
}

// Each file the program needs, missing or not what it should be, is named in one message box
// with its problem, and the program ends with a failure.
TEST(StartupFailure, NamesTheFileAndItsProblem) {
    const fs::path database = GameDatabase::FileName, splash = ui::SplashFileName;
    const struct {
        std::string databaseBytes, splashBytes; // "" for no file, "shipped" for the shipped one
        fs::path named;
        const char* problem;
    } cases[] = {
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
        const Failure failure = RunExpectingFailure(dir.Path());
        EXPECT_NE(failure.Result, 0);
        EXPECT_EQ(failure.Caption, "Halvard");
        EXPECT_TRUE(
            failure.Text.startsWith(QString::fromStdString((dir.Path() / c.named).string() + c.problem)))
            << failure.Text.toStdString();
    }
}

TEST(Startup, TheShippedFilesOpenTheEntryScreenAndRegionFourEndsTheRun) {
    bool entryShown = false;
    QTimer ender;
    QObject::connect(&ender, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() != "frmEntry" || !window->isVisible()) continue;
            entryShown = true;
            auto* end = window->findChild<QWidget*>("imgChoice_4");
            QTest::mouseClick(end, Qt::LeftButton, Qt::NoModifier, end->rect().center());
        }
    });
    ender.start(10);
    const int result = ui::RunDesktopProgram(*qApp, test::DataDirectory());
    EXPECT_TRUE(entryShown);
    EXPECT_EQ(result, 0);
}

} // namespace
} // namespace halvard
