// The desktop program's start: where it finds its files, and the one message box that names a
// file it cannot use.

#include "BadDatabases.h"
#include "DesktopHarness.h"
#include "MissionSetup.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace halvard {
namespace {

namespace fs = std::filesystem;

void Touch(const fs::path& file, std::string_view bytes = "x") {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

// Runs the whole program on a directory; whenever a modal window comes up, act decides what
// to do with it (and must close it). Returns the program's result.
int RunProgram(const fs::path& executableDirectory, const std::function<void(QWidget*)>& act) {
    QTimer watcher;
    QWidget* handled = nullptr;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != handled) {
            handled = modal;
            act(modal);
        }
    });
    watcher.start(10);
    return ui::RunDesktopProgram(*qApp, executableDirectory);
}

struct Failure {
    int Result = 0;
    QString Caption;
    QString Text;
};

Failure RunExpectingFailure(const fs::path& executableDirectory) {
    Failure failure;
    failure.Result = RunProgram(executableDirectory, [&failure](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            failure.Caption = box->windowTitle();
            failure.Text = box->text();
        }
        modal->close();
    });
    return failure;
}

void CopyShippedDatabase(const fs::path& directory) {
    fs::copy_file(test::DataDirectory() / GameDatabase::FileName, directory / GameDatabase::FileName);
}

TEST(StartupFailure, MissingDatabase) {
    test::ScratchDirectory dir;
    const Failure failure = RunExpectingFailure(dir.Path());
    EXPECT_NE(failure.Result, 0);
    EXPECT_EQ(failure.Caption, "Halvard");
    EXPECT_EQ(failure.Text.toStdString(), (dir.Path() / "Corvane.db").string() + ": file not found");
}

TEST(StartupFailure, MissingSplashPicture) {
    test::ScratchDirectory dir;
    CopyShippedDatabase(dir.Path());
    const Failure failure = RunExpectingFailure(dir.Path());
    EXPECT_NE(failure.Result, 0);
    EXPECT_EQ(failure.Text.toStdString(), (dir.Path() / ui::SplashFileName).string() + ": file not found");
}

TEST(StartupFailure, SplashPictureThatIsNoPicture) {
    test::ScratchDirectory dir;
    CopyShippedDatabase(dir.Path());
    Touch(dir.Path() / ui::SplashFileName, "not a JPEG at all");
    const Failure failure = RunExpectingFailure(dir.Path());
    EXPECT_NE(failure.Result, 0);
    EXPECT_TRUE(failure.Text.startsWith(QString::fromStdString((dir.Path() / ui::SplashFileName).string()) +
                                        ": cannot be read as a JPEG picture"))
        << failure.Text.toStdString();
}

TEST(StartupFailure, DatabaseThatIsNoDatabase) {
    test::ScratchDirectory dir;
    Touch(dir.Path() / GameDatabase::FileName, std::string(4096, 'Z'));
    const Failure failure = RunExpectingFailure(dir.Path());
    EXPECT_NE(failure.Result, 0);
    EXPECT_TRUE(failure.Text.startsWith(QString::fromStdString((dir.Path() / "Corvane.db").string()) + ": "))
        << failure.Text.toStdString();
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

TEST(Startup, ATargetNamedWithAnApostropheIsChosenAndFlown) {
    test::ScratchDirectory dir;
    test::MakeApostropheDatabase(dir.Path());
    const GameDatabase database = OpenGameDatabase(dir.Path());
    test::DesktopHarness program(3, std::nullopt, database);
    ui::frmGetTarget* dialog = program.OpenTargetDialog();
    test::ChooseOwnTarget(dialog, QString::fromStdString(std::string(test::ApostropheTarget)));
    test::Click(dialog->cmdOK);
    ui::frmMission* mission = program.desktop->Mission();
    ASSERT_NE(mission, nullptr);
    EXPECT_EQ(mission->lblTarget->text().toStdString(), test::ApostropheTarget);
    for (int press = 0; press < 1000 && mission->cmdNextStep->isEnabled(); ++press)
        test::Click(mission->cmdNextStep);
    EXPECT_EQ(mission->cmdNextStep->text(), "Landing at Base");
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
