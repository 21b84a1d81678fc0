#include "Dice.h"

#include "TestData.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

TEST(FaceScript, ParsesCommasAndWhitespaceAndRejectsBadFaces) {
    FaceScript script = FaceScript::Parse("1, 2\n3\t4,,5 6\r\n");
    for (int face = 1; face <= 6; ++face)
        EXPECT_EQ(script.NextFace(), face);
    EXPECT_THROW(script.NextFace(), DiceExhausted);
    for (const char* bad : {"0", "7", "x", "3,4a", "-1", "2.5"})
        EXPECT_THROW(FaceScript::Parse(bad), std::invalid_argument) << bad;
    EXPECT_EQ(FaceScript::Parse("  ").Remaining(), 0u);
}

TEST(RollDice, ReturnsTheTotalAndLogsOneLineUsingEveryFaceGiven) {
    // clang-format off
    const std::tuple<const char*, std::vector<int>, int, const char*> cases[] = {{"1d6", {5}, 5, "5 :Label"},
        {"2d6", {6, 6}, 12, "12:Label"}, {"d66", {4, 3}, 43, "43:Label"}, {"3d6", {}, -1, "-1:Label"}, {"1D6", {}, -1, "-1:Label"}};
    // clang-format on
    for (const auto& [die, faces, result, line] : cases) {
        auto game = test::ScriptedGame(test::ShippedDatabase(), faces);
        EXPECT_EQ(game->RollDice(die, "Label"), result) << line;
        EXPECT_EQ(test::RollLines(*game), std::vector<std::string>{line});
        EXPECT_THROW(game->RollDice("1d6"), DiceExhausted) << line;
    }
}

} // namespace
} // namespace halvard
