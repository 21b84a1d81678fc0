#include "MissionSetup.h"

#include "TestData.h"

#include <fstream>
#include <gtest/gtest.h>

namespace halvard {
namespace {

TEST(FindDataDirectory, BesideTheExecutableOrInstalled) {
    test::ScratchDirectory root;
    const std::filesystem::path bin = root.Path() / "bin", share = root.Path() / "share" / "halvard";
    std::filesystem::create_directories(bin);
    // Neither: the executable's own directory, so a message names the file there.
    EXPECT_EQ(FindDataDirectory(bin), bin);
    std::filesystem::create_directories(share);
    EXPECT_EQ(FindDataDirectory(bin), share);
    // A build tree has the database beside the program, and that wins.
    std::ofstream(bin / GameDatabase::FileName) << "x";
    EXPECT_EQ(FindDataDirectory(bin), bin);
}

} // namespace
} // namespace halvard
