#include "Dice.h"

#include "TestData.h"

#include <gtest/gtest.h>
#include <set>

namespace halvard {
namespace {

TEST(SeededGenerator, FollowsTheStandardEngineSoASeedGivesTheSameDiceEverywhere) {
    // The standard fixes the 10000th output of a default-seeded mt19937_64; our draws are its
    // top 53 bits.
    SeededGenerator generator(5489);
    for (int i = 0; i < 9999; ++i)
        generator.Uniform();
    EXPECT_EQ(generator.Uniform(), static_cast<double>(9981545732273789042ULL >> 11) * 0x1.0p-53);

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
    EXPECT_EQ(missions.size(), 15u);
    EXPECT_EQ(*missions.begin(), 11);
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

TEST(RollDice, ReturnsTheTotalAndLogsOneLineUsingEveryFaceGiven) {
    const struct {
        const char* die;
        std::vector<int> faces;
        const char* label;
        int result;
        const char* line;
    } cases[] = {{"1d6", {5}, "Weather", 5, "5 :Weather"},
                 {"2d6", {6, 6}, "Formation Roll", 12, "12:Formation Roll"},
                 {"2d6", {1, 1}, "Weather", 2, "2 :Weather"},
                 {"d66", {4, 3}, "Wave Generation", 43, "43:Wave Generation"},
                 {"d66", {6, 1}, "", 61, "61:"},
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
