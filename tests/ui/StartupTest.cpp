// The desktop program's start: where it finds its files, and the one message box that names a
// file it cannot use.

#include "BadDatabases.h"
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

class BadDatabaseFile : public ::testing::TestWithParam<test::BadDatabase> {};

TEST_P(BadDatabaseFile, IsNamedWithItsProblemInTheMessageBox) {
    const test::BadDatabase& bad = GetParam();
    test::ScratchDirectory dir;
    bad.Make(dir.Path());
    fs::copy_file(test::DataDirectory() / ui::SplashFileName, dir.Path() / ui::SplashFileName);
    const Failure failure = RunExpectingFailure(dir.Path());
    EXPECT_NE(failure.Result, 0);
    for (const std::string& word : bad.ExpectedWords)
        EXPECT_TRUE(failure.Text.contains(QString::fromStdString(word)))
            << "\"" << word << "\" not in: " << failure.Text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Desktop, BadDatabaseFile, ::testing::ValuesIn(test::BadDatabases()),
                         [](const auto& info) { return info.param.Name; });

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
