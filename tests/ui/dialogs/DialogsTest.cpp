// The About and Options dialogs; System Info on a registry and a program launcher that the tests
// fill and then read back: what was opened, with which mask, whether every key was closed, which
// files were asked for and what started.

#include "DialogTesting.h"
#include "Registry.h"
#include "SysInfo.h"
#include "frmAbout.h"
#include "frmOptions.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace halvard::ui {
namespace {

using test::Control;
using test::OpenMessageBoxOf;
using test::ShownDialog;
using namespace std::string_literals;

// Keeps the rules every registry read must keep, and names the first one broken: the one access
// mask, a fresh buffer of 1024 NULs, and only open keys used and closed, each once.
class FakeRegistry final : public Registry {
  public:
    struct Value {
        std::uint32_t type;
        std::string bytes;
    };
    void Set(const std::string& keyName, const std::string& valueName, Value value) {
        keys_[keyName][valueName] = std::move(value);
    }
    void AddKey(const std::string& keyName) { keys_[keyName]; }

    std::optional<RegistryKey> OpenKey(RegistryRoot root, const std::string& keyName,
                                       std::uint32_t accessMask) override {
        opens.push_back({root, keyName});
        Break(accessMask != 0x2003F, "access mask");
        if (root != LocalMachineRoot || !keys_.contains(keyName)) return std::nullopt;
        open_[nextHandle_] = keyName;
        return nextHandle_++;
    }
    std::optional<RegistryValue> QueryValue(RegistryKey key, const std::string& valueName,
                                            std::span<char> buffer) override {
        ++queries;
        Break(buffer.size() != 1024 || std::ranges::count(buffer, '\0') != 1024, "buffer");
        Break(!open_.contains(key), "query of a key not open");
        if (!open_.contains(key)) return std::nullopt;
        if (throwOnQuery) throw std::runtime_error("registry failure");
        const auto& values = keys_.at(open_.at(key));
        const auto value = values.find(valueName);
        // A value longer than the buffer cannot be read, as on the real registry.
        if (value == values.end() || value->second.bytes.size() > buffer.size()) return std::nullopt;
        std::ranges::copy(value->second.bytes, buffer.begin());
        return RegistryValue{value->second.type, value->second.bytes.size()};
    }
    void CloseKey(RegistryKey key) override { Break(open_.erase(key) == 0, "close of a key not open"); }
    bool AllKeysClosed() const { return open_.empty(); }

    std::vector<std::pair<RegistryRoot, std::string>> opens;
    int queries = 0;
    std::string broken; // the first rule broken
    bool throwOnQuery = false;

  private:
    void Break(bool broke, const char* rule) {
        if (broke && broken.empty()) broken = rule;
    }
    std::map<std::string, std::map<std::string, Value>> keys_;
    std::map<RegistryKey, std::string> open_;
    RegistryKey nextHandle_ = 0x1000;
};

struct FakeLauncher {
    std::set<std::string> files;
    bool startWorks = true;
    std::vector<std::string> filesAskedFor, started;

    ProgramLauncher Launcher() {
        return {[this](const std::string& path) {
                    filesAskedFor.push_back(path);
                    return files.contains(path);
                },
                [this](const std::string& program) {
                    started.push_back(program);
                    return startWorks;
                }};
    }
};

const std::string MsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string SharedToolsKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

void ExpectKeptTheRules(const FakeRegistry& registry) {
    EXPECT_EQ(registry.broken, "");
    EXPECT_TRUE(registry.AllKeysClosed());
}

TEST(GetKeyValue, ReadsStringValuesUpToTheirFirstNul) {
    const std::string full(1024, 'x');
    const struct {
        bool keyExists;
        std::optional<FakeRegistry::Value> stored; // the value "PATH" of the key
        bool read;
        std::string text;
    } cases[] = {
        {false, std::nullopt, false, ""},
        {true, std::nullopt, false, ""},
        {true, FakeRegistry::Value{1, "abc\0def\0"s}, true, "abc"},
        {true, FakeRegistry::Value{1, full}, true, full},        // no NUL: the whole buffer
        {true, FakeRegistry::Value{1, full + "y"}, false, ""},   // longer than the buffer
        {true, FakeRegistry::Value{4, "\x01\0\0\0"s}, true, ""}, // not a string
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored->bytes.substr(0, 20) : "no value");
        FakeRegistry registry;
        if (c.keyExists) registry.AddKey(MsinfoKey);
        if (c.stored) registry.Set(MsinfoKey, "PATH", *c.stored);
        std::string keyVal = "left over";
        EXPECT_EQ(GetKeyValue(registry, LocalMachineRoot, MsinfoKey, "PATH", keyVal), c.read);
        EXPECT_EQ(keyVal, c.text);
        EXPECT_EQ(registry.opens, (decltype(registry.opens){{0x80000002u, MsinfoKey}}));
        EXPECT_EQ(registry.queries, c.keyExists ? 1 : 0);
        ExpectKeptTheRules(registry);
    }
}

const std::string Folder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
const std::string InFolder = Folder + "\\MSINFO32.EXE";

TEST(StartSysInfo, TriesThePathThenTheSharedToolsFolderAndNeverFails) {
    const FakeRegistry::Value path{1, "C:\\WINDOWS\\msinfo32.exe\0"s}, folder{1, Folder + '\0'};
    const std::vector<std::string> byPath{"C:\\WINDOWS\\msinfo32.exe"}, inFolder{InFolder}, none;
    const struct {
        std::optional<FakeRegistry::Value> path;        // "PATH" of the MSINFO key
        std::optional<FakeRegistry::Value> toolsFolder; // "MSINFO" of the shared tools' location
        bool fileThere, startWorks, started;
        std::vector<std::string> startAttempts, filesAskedFor;
        int keysOpened;
        bool registryFails = false; // every read throws
    } cases[] = {
        {path, folder, true, true, true, byPath, none, 1},
        {path, folder, true, false, false, byPath, none, 1}, // a failed start ends there
        {FakeRegistry::Value{4, "\x01\0\0\0"s}, folder, true, false, false, {""}, none, 1},
        {std::nullopt, folder, true, true, true, inFolder, inFolder, 2},
        {std::nullopt, folder, true, false, false, inFolder, inFolder, 2},
        {std::nullopt, folder, false, true, false, none, inFolder, 2},
        {std::nullopt, std::nullopt, true, true, false, none, none, 2},
        {path, folder, true, true, false, none, none, 1, true}, // unavailable, the key closed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        FakeRegistry registry;
        if (c.path) registry.Set(MsinfoKey, "PATH", *c.path);
        if (c.toolsFolder) registry.Set(SharedToolsKey, "MSINFO", *c.toolsFolder);
        FakeLauncher launcher;
        if (c.fileThere) launcher.files.insert(InFolder);
        launcher.startWorks = c.startWorks;
        registry.throwOnQuery = c.registryFails;
        EXPECT_EQ(StartSysInfo(registry, launcher.Launcher()), c.started);
        EXPECT_EQ(launcher.started, c.startAttempts);
        EXPECT_EQ(launcher.filesAskedFor, c.filesAskedFor);
        EXPECT_EQ(static_cast<int>(registry.opens.size()), c.keysOpened);
        ExpectKeptTheRules(registry);
    }
}

// With no registry, as here, System Info is unavailable; on a registry that names a program it
// starts that, and says unavailable when the start fails. Only OK unloads the dialog.
TEST(frmAbout, ShowsTheTitleAndVersionAndSystemInfoStartsTheRegistrysProgramOrSaysItIsUnavailable) {
    const auto press = [](QWidget* about) {
        Control<QPushButton>(about, "cmdSysInfo")->click();
        return OpenMessageBoxOf(about);
    };
    const auto expectUnavailable = [](QMessageBox* box) {
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "System Information Is Unavailable At This Time");
        EXPECT_EQ(box->windowTitle(), "Halvard");
        box->button(QMessageBox::Ok)->click();
    };
    {
        ShownDialog<frmAbout> about;
        EXPECT_EQ(about->windowTitle(), "About Halvard");
        EXPECT_EQ(Control<QLabel>(about.get(), "lblTitle")->text(), "Halvard");
        EXPECT_EQ(Control<QLabel>(about.get(), "lblVersion")->text(), "Version " HALVARD_PROJECT_VERSION);
        EXPECT_EQ(Control<QPushButton>(about.get(), "cmdSysInfo")->text(), "&System Info...");
        EXPECT_EQ(Control<QLabel>(about.get(), "picIcon")->pixmap().size(), QSize(32, 32));
        expectUnavailable(press(about.get()));
        EXPECT_FALSE(about.Gone());
        Control<QPushButton>(about.get(), "cmdOK")->click();
        EXPECT_TRUE(about.Gone());
    }
    auto registry = std::make_shared<FakeRegistry>();
    registry->Set(MsinfoKey, "PATH", {1, "C:\\WINDOWS\\msinfo32.exe\0"s});
    FakeLauncher launcher;
    ShownDialog<frmAbout> about(registry, launcher.Launcher());
    EXPECT_EQ(press(about.get()), nullptr);
    EXPECT_EQ(launcher.started, std::vector<std::string>{"C:\\WINDOWS\\msinfo32.exe"});
    launcher.startWorks = false;
    expectUnavailable(press(about.get()));
    EXPECT_TRUE(registry->AllKeysClosed());
}

// Exactly one page in place (left 14 px) and enabled; the others far out of sight and disabled.
void ExpectOnlyPageShown(const frmOptions* options, int shown) {
    for (int page = 0; page < 4; ++page) {
        const QWidget* picture = Control(options, QStringLiteral("picOptions_%1").arg(page));
        EXPECT_EQ(picture->x(), page == shown ? 14 : -1333) << "page " << page;
        EXPECT_EQ(picture->isEnabled(), page == shown) << "page " << page;
    }
}

TEST(frmOptions, OpensOnTheFirstOfFourPagesAndAClickedTabShowsItsPage) {
    ShownDialog<frmOptions> options;
    EXPECT_EQ(options->windowTitle(), "Options");
    auto* tabs = Control<QTabBar>(options.get(), "tbsOptions");
    ASSERT_EQ(tabs->count(), 4);
    ExpectOnlyPageShown(options.get(), 0);
    for (int tab : {2, 3, 1, 0}) {
        EXPECT_EQ(tabs->tabText(tab), QStringLiteral("Group %1").arg(tab + 1));
        EXPECT_EQ(Control<QGroupBox>(options.get(), QStringLiteral("fraSample%1").arg(tab + 1))->title(),
                  QStringLiteral("Sample %1").arg(tab + 1));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
        EXPECT_EQ(tabs->currentIndex(), tab);
        ExpectOnlyPageShown(options.get(), tab);
    }
}

// A key goes to the control with the focus, as a real key press does, and still reaches the
// dialog's own handling of the keys, whose cases are the table below.
TEST(frmOptions, CtrlTabAndCtrlShiftTabMoveBetweenTabsFromAnyControl) {
    ShownDialog<frmOptions> options;
    auto* tabs = Control<QTabBar>(options.get(), "tbsOptions");
    for (const char* receiver : {"cmdOK", "cmdApply", "tbsOptions"}) {
        tabs->setCurrentIndex(0);
        QTest::keyClick(Control(options.get(), receiver), Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(tabs->currentIndex(), 1) << receiver;
        QTest::keyClick(Control(options.get(), receiver), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(Control(options.get(), receiver), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(tabs->currentIndex(), 3) << receiver;
    }
}

TEST(frmOptions, KeyDownCountsOnlyTheShiftAndCtrlBits) {
    const struct {
        int keyCode, shift, toTab;
    } cases[] = {
        {9, 2, 3}, {9, 3, 1}, {9, 6, 3}, {9, 7, 1},  {9, 0x7FFE, 3}, {9, 0x7FFF, 1},
        {9, 0, 2}, {9, 1, 2}, {9, 4, 2}, {10, 2, 2}, {0, 3, 2},
    };
    ShownDialog<frmOptions> options;
    auto* tabs = Control<QTabBar>(options.get(), "tbsOptions");
    for (const auto& c : cases) {
        tabs->setCurrentIndex(1);
        EXPECT_EQ(options->Form_KeyDown(c.keyCode, c.shift), c.toTab != 2) << c.keyCode << " " << c.shift;
        EXPECT_EQ(tabs->currentIndex() + 1, c.toTab) << c.keyCode << " " << c.shift;
    }
}

// OK and Apply tell where options would go (OK unloads once the player answers); Cancel
// unloads without a word.
TEST(frmOptions, OkApplyAndCancel) {
    const struct {
        const char* button;
        const char* message;
        bool unloads;
    } cases[] = {
        {"cmdOK", "Code goes here to set options and close dialog!", true},
        {"cmdApply", "Apply Code goes here to set options w/o closing dialog!", false},
        {"cmdCancel", nullptr, true},
    };
    for (const auto& c : cases) {
        ShownDialog<frmOptions> options;
        Control<QPushButton>(options.get(), c.button)->click();
        QMessageBox* box = OpenMessageBoxOf(options.get());
        if (c.message == nullptr) {
            EXPECT_EQ(box, nullptr);
        } else {
            ASSERT_NE(box, nullptr) << c.button;
            EXPECT_EQ(box->text(), c.message);
            EXPECT_EQ(box->windowTitle(), "Halvard");
            EXPECT_FALSE(options.Gone()) << "closed before the player answered";
            box->button(QMessageBox::Ok)->click();
        }
        EXPECT_EQ(options.Gone(), c.unloads) << c.button;
    }
}

} // namespace
} // namespace halvard::ui
