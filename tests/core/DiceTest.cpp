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
    const struct {
        const char* die;
        std::vector<int> faces;
        const char* label;
        int result;
        const char* line;
    } cases[] = {{"1d6", {5}, "Weather", 5, "5 :Weather"},
                 {"2d6", {6, 6}, "Formation Roll", 12, "12:Formation Roll"},
                 {"d66", {4, 3}, "Wave Generation", 43, "43:Wave Generation"},
                 {"3d6", {}, "Odd", -1, "-1:Odd"},
                 {"1D6", {}, "Case", -1, "-1:Case"}};
    for (const auto& c : cases) {
        auto game = test::ScriptedGame(test::ShippedDatabase(), c.faces);
        EXPECT_EQ(game->RollDice(c.die, c.label), c.result) << c.line;
        EXPECT_EQ(test::RollLines(*game), std::vector<std::string>{c.line});
        EXPECT_THROW(game->RollDice("1d6"), DiceExhausted) << c.line;
    }
}

} // namespace
} // namespace halvard
