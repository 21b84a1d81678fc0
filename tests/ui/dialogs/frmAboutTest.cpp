#include "frmAbout.h"

#include "DialogTesting.h"
#include "Fakes.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace halvard::ui {
namespace {

using test::FakeLauncher;
using test::FakeRegistry;
using test::Find;
using test::OpenMessageBoxOf;
using test::ShownDialog;

TEST(frmAbout, ShowsTitleAndTheProjectVersion) {
    ShownDialog<frmAbout> about;
    EXPECT_EQ(about->windowTitle(), "About Halvard");
    EXPECT_EQ(Find<QLabel>(about.get(), "lblTitle")->text(), "Halvard");
    EXPECT_EQ(Find<QLabel>(about.get(), "lblVersion")->text(), "Version " HALVARD_PROJECT_VERSION);
    EXPECT_EQ(Find<QPushButton>(about.get(), "cmdOK")->text(), "OK");
    EXPECT_EQ(Find<QPushButton>(about.get(), "cmdSysInfo")->text(), "&System Info...");
    for (const char* name : {"lblDescription", "lblDisclaimer"})
        EXPECT_FALSE(Find<QLabel>(about.get(), name)->text().isEmpty()) << name;
    Find<QWidget>(about.get(), "Line1_0");
    Find<QWidget>(about.get(), "Line1_1");

    const QPixmap icon = Find<QLabel>(about.get(), "picIcon")->pixmap();
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(32, 32));
}

// On this platform the registry holds no key, so the button can only report.
TEST(frmAbout, SystemInfoIsUnavailableWithoutARegistry) {
    ShownDialog<frmAbout> about;
    Find<QPushButton>(about.get(), "cmdSysInfo")->click();

    QMessageBox* box = OpenMessageBoxOf(about.get());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "System Information Is Unavailable At This Time");
    EXPECT_EQ(box->windowTitle(), "Halvard");
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    box->button(QMessageBox::Ok)->click();
    EXPECT_EQ(OpenMessageBoxOf(about.get()), nullptr);
    EXPECT_FALSE(about.Gone());
    EXPECT_TRUE(about->isVisible());
}

TEST(frmAbout, SystemInfoStartsTheProgramTheRegistryNames) {
    auto registry = std::make_shared<FakeRegistry>();
    registry->Set(test::MsinfoKey, "PATH", {1, std::string("C:\\WINDOWS\\msinfo32.exe\0", 25)});
    FakeLauncher launcher;
    ShownDialog<frmAbout> about(registry, launcher.Launcher());

    Find<QPushButton>(about.get(), "cmdSysInfo")->click();
    EXPECT_EQ(launcher.started, std::vector<std::string>{"C:\\WINDOWS\\msinfo32.exe"});
    EXPECT_EQ(OpenMessageBoxOf(about.get()), nullptr);

    launcher.startWorks = false;
    Find<QPushButton>(about.get(), "cmdSysInfo")->click();
    ASSERT_NE(OpenMessageBoxOf(about.get()), nullptr);
    EXPECT_EQ(OpenMessageBoxOf(about.get())->text(), "System Information Is Unavailable At This Time");
    EXPECT_TRUE(registry->AllKeysClosed());
}

TEST(frmAbout, OkUnloadsTheDialog) {
    ShownDialog<frmAbout> about;
    Find<QPushButton>(about.get(), "cmdOK")->click();
    EXPECT_TRUE(about.Gone());
}

} // namespace
} // namespace halvard::ui
