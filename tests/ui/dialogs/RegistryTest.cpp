#include "Registry.h"

#include "Fakes.h"
#include "SysInfo.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace halvard::ui {
namespace {

using test::FakeLauncher;
using test::FakeRegistry;
using test::MsinfoKey;
using test::SharedToolsKey;
using namespace std::string_literals;

// The rules every registry read keeps: the one access mask, a fresh buffer of 1024 NULs, and
// every key that opened closed again exactly once.
void ExpectKeptTheRules(const FakeRegistry& registry) {
    for (const auto& open : registry.opens)
        EXPECT_EQ(open.accessMask, 0x2003Fu) << open.keyName;
    for (std::size_t size : registry.bufferSizes)
        EXPECT_EQ(size, 1024u);
    EXPECT_TRUE(registry.buffersCameEmpty);
    EXPECT_TRUE(registry.AllKeysClosed());
    EXPECT_FALSE(registry.misuse);
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
        {true, FakeRegistry::Value{1, "C:\\msinfo32.exe\0"s}, true, "C:\\msinfo32.exe"},
        {true, FakeRegistry::Value{1, "abc\0def\0"s}, true, "abc"},
        {true, FakeRegistry::Value{1, "\0"s}, true, ""},
        {true, FakeRegistry::Value{1, full}, true, full},            // no NUL: the whole buffer
        {true, FakeRegistry::Value{1, full + "y"}, false, ""},       // longer than the buffer
        {true, FakeRegistry::Value{2, "%SystemRoot%\0"s}, true, ""}, // not a plain string
        {true, FakeRegistry::Value{4, "\x01\0\0\0"s}, true, ""},     // a number
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored->bytes.substr(0, 20) : "no value");
        FakeRegistry registry;
        if (c.keyExists) registry.AddKey(MsinfoKey);
        if (c.stored) registry.Set(MsinfoKey, "PATH", *c.stored);
        std::string keyVal = "left over";
        EXPECT_EQ(GetKeyValue(registry, LocalMachineRoot, MsinfoKey, "PATH", keyVal), c.read);
        EXPECT_EQ(keyVal, c.text);
        ASSERT_EQ(registry.opens.size(), 1u);
        EXPECT_EQ(registry.opens[0].root, 0x80000002u);
        EXPECT_EQ(registry.opens[0].keyName, MsinfoKey);
        EXPECT_EQ(registry.bufferSizes.size(), c.keyExists ? 1u : 0u);
        ExpectKeptTheRules(registry);
    }
}

const std::string Folder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
const std::string InFolder = Folder + "\\MSINFO32.EXE";

TEST(StartSysInfo, TriesThePathThenTheSharedToolsFolder) {
    const FakeRegistry::Value path{1, "C:\\WINDOWS\\msinfo32.exe\0"s}, folder{1, Folder + '\0'};
    const std::vector<std::string> byPath{"C:\\WINDOWS\\msinfo32.exe"}, inFolder{InFolder}, none;
    const struct {
        std::optional<FakeRegistry::Value> path;        // "PATH" of the MSINFO key
        std::optional<FakeRegistry::Value> toolsFolder; // "MSINFO" of the shared tools' location
        bool fileThere, startWorks, started;
        std::vector<std::string> startAttempts, filesAskedFor;
        int keysOpened;
    } cases[] = {
        {path, folder, true, true, true, byPath, none, 1},
        {path, folder, true, false, false, byPath, none, 1}, // a failed start ends there
        {FakeRegistry::Value{4, "\x01\0\0\0"s}, folder, true, false, false, {""}, none, 1},
        {std::nullopt, folder, true, true, true, inFolder, inFolder, 2},
        {std::nullopt, folder, true, false, false, inFolder, inFolder, 2},
        {std::nullopt, folder, false, true, false, none, inFolder, 2},
        {std::nullopt, std::nullopt, true, true, false, none, none, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        FakeRegistry registry;
        if (c.path) registry.Set(MsinfoKey, "PATH", *c.path);
        if (c.toolsFolder) registry.Set(SharedToolsKey, "MSINFO", *c.toolsFolder);
        FakeLauncher launcher;
        if (c.fileThere) launcher.files.insert(InFolder);
        launcher.startWorks = c.startWorks;
        EXPECT_EQ(StartSysInfo(registry, launcher.Launcher()), c.started);
        EXPECT_EQ(launcher.started, c.startAttempts);
        EXPECT_EQ(launcher.filesAskedFor, c.filesAskedFor);
        EXPECT_EQ(static_cast<int>(registry.opens.size()), c.keysOpened);
        ExpectKeptTheRules(registry);
    }
}

TEST(StartSysInfo, AFailingRegistryMeansUnavailableAndClosesTheKey) {
    FakeRegistry registry;
    registry.Set(MsinfoKey, "PATH", {1, "C:\\msinfo32.exe\0"s});
    registry.throwOnQuery = true;
    std::string keyVal;
    EXPECT_THROW(GetKeyValue(registry, LocalMachineRoot, MsinfoKey, "PATH", keyVal), std::runtime_error);
    EXPECT_TRUE(registry.AllKeysClosed());
    FakeLauncher launcher;
    EXPECT_FALSE(StartSysInfo(registry, launcher.Launcher()));
    EXPECT_TRUE(launcher.started.empty());
    EXPECT_TRUE(registry.AllKeysClosed());
}

TEST(SystemRegistry, FindsNeitherKeyOnThisPlatform) {
    SystemRegistry registry;
    std::string keyVal = "left over";
    EXPECT_FALSE(GetKeyValue(registry, LocalMachineRoot, MsinfoKey, "PATH", keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_FALSE(GetKeyValue(registry, LocalMachineRoot, SharedToolsKey, "MSINFO", keyVal));
    FakeLauncher launcher;
    launcher.files.insert(InFolder);
    EXPECT_FALSE(StartSysInfo(registry, launcher.Launcher()));
    EXPECT_TRUE(launcher.started.empty());
}

} // namespace
} // namespace halvard::ui
