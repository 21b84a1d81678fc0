#include "Registry.h"

#include "Fakes.h"
#include "SysInfo.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
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

struct KeyValueCase {
    const char* name;
    bool keyExists;
    std::optional<FakeRegistry::Value> stored; // the value "PATH" of the key
    bool read;
    std::string text;
};
void PrintTo(const KeyValueCase& c, std::ostream* os) {
    *os << c.name;
}

class GetKeyValueTest : public ::testing::TestWithParam<KeyValueCase> {};

TEST_P(GetKeyValueTest, ReadsStringValuesUpToTheirFirstNul) {
    const KeyValueCase& c = GetParam();
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

const std::string FullBuffer(1024, 'x');

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, GetKeyValueTest, ::testing::Values(
    KeyValueCase{"NoKey",                 false, std::nullopt,                                   false, ""},
    KeyValueCase{"NoValue",               true,  std::nullopt,                                   false, ""},
    KeyValueCase{"String",                true,  FakeRegistry::Value{1, "C:\\msinfo32.exe\0"s},  true,  "C:\\msinfo32.exe"},
    KeyValueCase{"CutAtFirstNul",         true,  FakeRegistry::Value{1, "abc\0def\0"s},          true,  "abc"},
    KeyValueCase{"EmptyString",           true,  FakeRegistry::Value{1, "\0"s},                  true,  ""},
    KeyValueCase{"NoNulFillsTheBuffer",   true,  FakeRegistry::Value{1, FullBuffer},             true,  FullBuffer},
    KeyValueCase{"LongerThanTheBuffer",   true,  FakeRegistry::Value{1, FullBuffer + "y"},       false, ""},
    KeyValueCase{"ExpandableStringNoText", true, FakeRegistry::Value{2, "%SystemRoot%\0"s},      true,  ""},
    KeyValueCase{"NumberNoText",          true,  FakeRegistry::Value{4, "\x01\0\0\0"s},          true,  ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(GetKeyValue, ClosesTheKeyWhenTheQueryThrows) {
    FakeRegistry registry;
    registry.Set(MsinfoKey, "PATH", {1, "C:\\msinfo32.exe\0"s});
    registry.throwOnQuery = true;
    std::string keyVal;
    EXPECT_THROW(GetKeyValue(registry, LocalMachineRoot, MsinfoKey, "PATH", keyVal), std::runtime_error);
    EXPECT_TRUE(registry.AllKeysClosed());
}

struct SysInfoCase {
    const char* name;
    std::optional<FakeRegistry::Value> path;        // "PATH" of the MSINFO key
    std::optional<FakeRegistry::Value> toolsFolder; // "MSINFO" of the shared tools' location
    bool fileThere;
    bool startWorks;
    bool started;
    std::vector<std::string> startAttempts;
    int keysOpened;
};
void PrintTo(const SysInfoCase& c, std::ostream* os) {
    *os << c.name;
}

const std::string Folder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
const std::string InFolder = Folder + "\\MSINFO32.EXE";

class StartSysInfoTest : public ::testing::TestWithParam<SysInfoCase> {};

TEST_P(StartSysInfoTest, TriesThePathThenTheSharedToolsFolder) {
    const SysInfoCase& c = GetParam();
    FakeRegistry registry;
    if (c.path) registry.Set(MsinfoKey, "PATH", *c.path);
    if (c.toolsFolder) registry.Set(SharedToolsKey, "MSINFO", *c.toolsFolder);
    FakeLauncher launcher;
    if (c.fileThere) launcher.files.insert(InFolder);
    launcher.startWorks = c.startWorks;

    EXPECT_EQ(StartSysInfo(registry, launcher.Launcher()), c.started);
    EXPECT_EQ(launcher.started, c.startAttempts);
    EXPECT_EQ(static_cast<int>(registry.opens.size()), c.keysOpened);
    ExpectKeptTheRules(registry);
}

const FakeRegistry::Value Path{1, "C:\\WINDOWS\\msinfo32.exe\0"s};
const FakeRegistry::Value ToolsFolder{1, Folder + '\0'};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Paths, StartSysInfoTest, ::testing::Values(
    SysInfoCase{"PathNamesTheProgram",       Path,         ToolsFolder,  true,  true,  true,  {"C:\\WINDOWS\\msinfo32.exe"}, 1},
    SysInfoCase{"PathStartFailsEndsThere",   Path,         ToolsFolder,  true,  false, false, {"C:\\WINDOWS\\msinfo32.exe"}, 1},
    SysInfoCase{"NonStringPathStartsNothing", FakeRegistry::Value{4, "\x01\0\0\0"s}, ToolsFolder, true, false, false, {""}, 1},
    SysInfoCase{"SharedToolsFolder",         std::nullopt, ToolsFolder,  true,  true,  true,  {InFolder},                    2},
    SysInfoCase{"SharedToolsStartFails",     std::nullopt, ToolsFolder,  true,  false, false, {InFolder},                    2},
    SysInfoCase{"SharedToolsWithoutTheFile", std::nullopt, ToolsFolder,  false, true,  false, {},                            2},
    SysInfoCase{"Neither",                   std::nullopt, std::nullopt, true,  true,  false, {},                            2}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(StartSysInfo, AsksForTheFileInTheSharedToolsFolder) {
    FakeRegistry registry;
    registry.Set(SharedToolsKey, "MSINFO", ToolsFolder);
    FakeLauncher launcher;
    StartSysInfo(registry, launcher.Launcher());
    EXPECT_EQ(launcher.filesAskedFor, std::vector<std::string>{InFolder});
}

TEST(StartSysInfo, AFailingRegistryMeansUnavailable) {
    FakeRegistry registry;
    registry.Set(MsinfoKey, "PATH", Path);
    registry.throwOnQuery = true;
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
