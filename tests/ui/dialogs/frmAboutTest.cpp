#include "frmAbout.h"

#include "DialogTesting.h"
#include "Fakes.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace halvard::ui {
namespace {

using test::Find;
using test::OpenMessageBoxOf;
using test::ShownDialog;

TEST(frmAbout, ShowsTheTitleAndVersionAndOkUnloadsIt) {
    ShownDialog<frmAbout> about;
    EXPECT_EQ(about->windowTitle(), "About Halvard");
    EXPECT_EQ(Find<QLabel>(about.get(), "lblTitle")->text(), "Halvard");
    EXPECT_EQ(Find<QLabel>(about.get(), "lblVersion")->text(), "Version " HALVARD_PROJECT_VERSION);
    EXPECT_EQ(Find<QPushButton>(about.get(), "cmdSysInfo")->text(), "&System Info...");
    EXPECT_EQ(Find<QLabel>(about.get(), "picIcon")->pixmap().size(), QSize(32, 32));
    Find<QPushButton>(about.get(), "cmdOK")->click();
    EXPECT_TRUE(about.Gone());
}

// When the registry's program does not start, the button only reports, and the dialog stays.
TEST(frmAbout, SystemInfoStartsTheRegistrysProgramOrSaysItIsUnavailable) {
    auto registry = std::make_shared<test::FakeRegistry>();
    registry->Set(test::MsinfoKey, "PATH", {1, std::string("C:\\WINDOWS\\msinfo32.exe\0", 25)});
    test::FakeLauncher launcher;
    ShownDialog<frmAbout> about(registry, launcher.Launcher());
    const auto press = [&about] {
        Find<QPushButton>(about.get(), "cmdSysInfo")->click();
        return OpenMessageBoxOf(about.get());
    };
    EXPECT_EQ(press(), nullptr);
    EXPECT_EQ(launcher.started, std::vector<std::string>{"C:\\WINDOWS\\msinfo32.exe"});
    launcher.startWorks = false;
    QMessageBox* box = press();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "System Information Is Unavailable At This Time");
    EXPECT_EQ(box->windowTitle(), "Halvard");
    box->button(QMessageBox::Ok)->click();
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(registry->AllKeysClosed());
}

} // namespace
} // namespace halvard::ui
