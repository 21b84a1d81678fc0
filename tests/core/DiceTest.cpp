#include "Dice.h"

#include "TestData.h"

#include <array>
#include <gtest/gtest.h>
#include <set>

namespace halvard {
namespace {

using test::RollLines;
using test::ScriptedGame;
using test::ShippedDatabase;

TEST(SeededGenerator, FollowsTheStandardEngineAndOurOwnArithmetic) {
    // The standard fixes the 10000th output of a default-seeded mt19937_64; our draws are its top
    // 53 bits, so a seed gives the same dice on every build.
    SeededGenerator generator(5489);
    for (int i = 0; i < 9999; ++i)
        generator.Uniform();
    const double expected = static_cast<double>(9981545732273789042ULL >> 11) * 0x1.0p-53;
    EXPECT_EQ(generator.Uniform(), expected);
}

TEST(SeededGenerator, SameSeedSameDiceAndEveryFaceAndMissionNumberInRange) {
    SeededGenerator a(42), b(42);
    std::set<int> faces, missions;
    for (int i = 0; i < 5000; ++i) {
        const int face = a.NextFace();
        ASSERT_EQ(face, b.NextFace());
        faces.insert(face);
        missions.insert(a.MissionNumber());
        b.MissionNumber();
    }
    EXPECT_EQ(faces, (std::set<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(*missions.begin(), 11);
    EXPECT_EQ(*missions.rbegin(), 25);
    EXPECT_EQ(missions.size(), 15u);
}

TEST(SeededGenerator, QuickDiceAreEvenAloneAndInPairs) {
    // The quick generator makes ten faces of a draw: each face, and each face with the next,
    // must come up as often as any other.
    SeededGenerator quick = SeededGenerator::Quick(42);
    std::array<int, 7> faces{};
    std::array<int, 49> pairs{};
    int last = quick.NextFace();
    constexpr int Rolls = 72000;
    for (int i = 0; i < Rolls; ++i) {
        const int face = quick.NextFace();
        ASSERT_TRUE(face >= 1 && face <= 6) << face;
        ++faces[static_cast<std::size_t>(face)];
        ++pairs[static_cast<std::size_t>(last * 7 + face)];
        last = face;
    }
    for (int face = 1; face <= 6; ++face) {
        EXPECT_NEAR(faces[static_cast<std::size_t>(face)], Rolls / 6, Rolls / 6 / 20) << face;
        for (int next = 1; next <= 6; ++next)
            EXPECT_NEAR(pairs[static_cast<std::size_t>(face * 7 + next)], Rolls / 36, Rolls / 36 / 8)
                << face << next;
    }
}

TEST(FaceScript, ParsesCommasAndWhitespaceAndRejectsBadFaces) {
    FaceScript script = FaceScript::Parse("1, 2\n3\t4,,5 6\r\n");
    for (int face = 1; face <= 6; ++face)
        EXPECT_EQ(script.NextFace(), face);
    EXPECT_THROW(script.NextFace(), DiceExhausted);

    for (const char* bad : {"0", "7", "x", "3,4a", "-1", "2.5"})
        EXPECT_THROW(FaceScript::Parse(bad), std::invalid_argument) << bad;
    EXPECT_EQ(FaceScript::Parse("  ").Remaining(), 0u);
}

struct RollCase {
    const char* die;
    std::vector<int> faces;
    const char* label;
    int result;
    const char* line;
};

class RollDiceTest : public ::testing::TestWithParam<RollCase> {};

TEST_P(RollDiceTest, ReturnsTheTotalAndLogsOneLine) {
    const RollCase& c = GetParam();
    auto game = ScriptedGame(ShippedDatabase(), c.faces);
    EXPECT_EQ(game->RollDice(c.die, c.label), c.result);
    EXPECT_EQ(RollLines(*game), std::vector<std::string>{c.line});
    EXPECT_THROW(game->RollDice("1d6"), DiceExhausted) << "every face given was used";
}

INSTANTIATE_TEST_SUITE_P(
    Dice, RollDiceTest,
    ::testing::Values(RollCase{"1d6", {5}, "Weather", 5, "5 :Weather"},
                      RollCase{"2d6", {6, 6}, "Formation Roll", 12, "12:Formation Roll"},
                      RollCase{"2d6", {1, 1}, "Weather", 2, "2 :Weather"},
                      RollCase{"d66", {4, 3}, "Wave Generation", 43, "43:Wave Generation"},
                      RollCase{"d66", {6, 1}, "", 61, "61:"}, RollCase{"1d6", {4}, "", 4, "4 :"}));

TEST(RollDice, UnknownDieDrawsNothingAndLogsMinusOne) {
    auto game = ScriptedGame(ShippedDatabase(), {});
    EXPECT_EQ(game->RollDice("3d6", "Odd"), -1);
    EXPECT_EQ(game->RollDice("1D6", "Case"), -1);
    EXPECT_EQ(RollLines(*game), (std::vector<std::string>{"-1:Odd", "-1:Case"}));
}

TEST(RollDice, D66DigitsAreAlwaysOneToSix) {
    Game game(ShippedDatabase(), 7);
    for (int i = 0; i < 2000; ++i) {
        const int roll = game.RollDice("d66", "Wave Generation");
        ASSERT_GE(roll / 10, 1);
        ASSERT_LE(roll / 10, 6);
        ASSERT_GE(roll % 10, 1);
        ASSERT_LE(roll % 10, 6);
    }
}

} // namespace
} // namespace halvard
