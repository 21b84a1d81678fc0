#include "GameState.h"

#include "LineLog.h"
#include "Names.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

TEST(FixedText, HoldsNulsUntilAssignedThenPadsOrCutsToItsWidth) {
    FixedText<4> cover;
    EXPECT_EQ(cover.View(), std::string_view("\0\0\0\0", 4));
    EXPECT_EQ(cover.WithoutNul(), "");
    cover = "Fair";
    EXPECT_EQ(cover, "Fair");
    FixedText<5> type;
    for (const auto& [text, stored] : {std::pair{"Me10", "Me10 "}, {"FW190A", "FW190"}, {"", "     "}}) {
        type = text;
        EXPECT_EQ(type.View(), stored);
    }
}

TEST(ShortText, StartsEmptyAndKeepsWhatFits) {
    EXPECT_EQ(ShortText<8>().View(), "") << "a gun's status before it is set";
    EXPECT_EQ(GunRecord().Status, "");
    ShortText<8> status = "Out";
    EXPECT_EQ(status, "Out");
    EXPECT_EQ(status.View().size(), 3u);
    EXPECT_THROW(status = "longer than eight", std::length_error);
}

TEST(IndexedArray, ReachesOnlyTheGamesOwnNumbersAndAWaveOnlyThePanelsRows) {
    IndexedArray<int, 2, 10> guns;
    guns[2] = 15;
    guns[10] = 23;
    EXPECT_EQ(guns[2] + guns[10], 38);
    EXPECT_THROW(guns[1], std::out_of_range);
    EXPECT_THROW(guns[11], std::out_of_range);

    FighterList wave;
    wave.Add().AttackPos = 1;
    wave.Add().AttackPos = 10;
    EXPECT_EQ(wave[2].AttackPos, 10);
    EXPECT_THROW(wave[0], std::out_of_range);
    EXPECT_THROW(wave[3], std::out_of_range);
    wave.Truncate(1);
    EXPECT_EQ(wave.UpperBound(), 1);
    while (wave.UpperBound() < WaveRows)
        wave.Add();
    EXPECT_THROW(wave.Add(), std::length_error);
}

template <typename Log> void FillLog(Log& log, int from, int to) {
    for (int i = from; i <= to; ++i)
        log.Append("line ", std::to_string(i));
}

TEST(LineLog, EachWindowKeepsItsOwnNumberOfLinesDroppingTheOldest) {
    RollLog rolls;
    FillLog(rolls, 1, 38);
    EXPECT_EQ(rolls.Count(), 38u);
    EXPECT_EQ(rolls.Line(0), "line 1");
    rolls.Append("39");
    EXPECT_EQ(rolls.Count(), 38u);
    EXPECT_EQ(rolls.Line(0), "line 2");
    EXPECT_EQ(rolls.Last(), "39");
    EXPECT_EQ(rolls.Total(), 39u);

    MessageLog messages;
    FillLog(messages, 1, 44);
    messages.Append("");
    EXPECT_EQ(messages.Last(), "") << "empty lines are lines too";
    FillLog(messages, 1, 100);
    EXPECT_EQ(messages.Count(), 45u);
    EXPECT_EQ(messages.Line(0), "line 56");
}

TEST(LineLog, ListenerSeesEveryLineRefillKeepsTheNewestAndClearEmpties) {
    MessageLog log;
    std::vector<std::string> seen;
    log.SetListener([&](std::string_view line) { seen.emplace_back(line); });
    FillLog(log, 1, 50);
    ASSERT_EQ(seen.size(), 50u);
    EXPECT_EQ(seen.back(), "line 50");

    std::vector<std::string> lines = log.Lines();
    lines.insert(lines.begin(), "older");
    log.Refill(lines);
    EXPECT_EQ(log.Lines(), std::vector<std::string>(lines.begin() + 1, lines.end()));
    EXPECT_EQ(seen.size(), 50u) << "the listener heard the lines when they first came";

    log.Clear();
    log.Append("after");
    EXPECT_EQ(log.Lines(), std::vector<std::string>{"after"});
}

TEST(NoToString, NamesPositionsAndGunsAndNothingElse) {
    const struct {
        int number;
        const char* mode;
        const char* text;
    } cases[] = {{1, "PosNoToString", "12 High"},
                 {4, "PosNoToString", "1:30 High"},
                 {11, "PosNoToString", "6 Level"},
                 {18, "PosNoToString", "10:30 Low"},
                 {19, "PosNoToString", "Vertical Climb"},
                 {20, "PosNoToString", "Vertical Dive"},
                 {0, "PosNoToString", ""},
                 {21, "PosNoToString", ""},
                 {2, "GunNoToString", "Nose Gun"},
                 {4, "GunNoToString", "Starboard Cheek Gun"},
                 {10, "GunNoToString", "Tail Guns"},
                 {1, "GunNoToString", ""},
                 {11, "GunNoToString", ""},
                 {5, "posnotostring", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(NoToString(c.number, c.mode), c.text) << c.number << " " << c.mode;
}

} // namespace
} // namespace halvard
