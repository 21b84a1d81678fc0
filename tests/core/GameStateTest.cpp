#include "GameState.h"

#include "LineLog.h"
#include "Names.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

using Lines = std::vector<std::string>;

TEST(GameState, TextsKeepTheirWidthsAndNumbersTheirRanges) {
    FixedText<5> type; // NULs until assigned, then padded or cut to its width
    EXPECT_EQ(type.View(), std::string_view("\0\0\0\0\0", 5));
    EXPECT_EQ(type.WithoutNul(), "");
    for (const auto& [text, stored] : {std::pair{"Me10", "Me10 "}, {"FW190A", "FW190"}, {"", "     "}}) {
        type = text;
        EXPECT_EQ(type.View(), stored);
    }
    EXPECT_EQ(GunRecord().Status.View(), "") << "a gun's status before it is set";
    ShortText<8> status = "Out";
    EXPECT_EQ(status.View(), "Out");
    EXPECT_THROW(status = "longer than eight", std::length_error);

    IndexedArray<int, 2, 10> guns;
    guns[2] = 15;
    guns[10] = 23;
    EXPECT_EQ(guns[2] + guns[10], 38);
    EXPECT_THROW(guns[1], std::out_of_range);
    EXPECT_THROW(guns[11], std::out_of_range);

    FighterList wave; // numbered from 1, as many as the panel has rows
    wave.Add().AttackPos = 10;
    EXPECT_EQ(wave[1].AttackPos, 10);
    EXPECT_THROW(wave[0], std::out_of_range);
    EXPECT_THROW(wave[2], std::out_of_range);
    while (wave.UpperBound() < WaveRows)
        wave.Add();
    EXPECT_THROW(wave.Add(), std::length_error);
    wave.Truncate(1);
    EXPECT_EQ(wave.UpperBound(), 1);
}

TEST(LineLog, EachWindowKeepsItsOwnNumberOfLinesAndTheListenerHearsEachOnce) {
    RollLog rolls;
    MessageLog messages;
    Lines heard;
    messages.SetListener([&heard](std::string_view line) { heard.emplace_back(line); });
    for (int i = 1; i <= 100; ++i) {
        rolls.Append("line ", std::to_string(i));
        messages.Append(i == 100 ? "" : "line " + std::to_string(i));
    }
    EXPECT_EQ(rolls.Count(), 38u);
    EXPECT_EQ(rolls.Line(0), "line 63");
    EXPECT_EQ(rolls.Total(), 100u);
    EXPECT_EQ(messages.Count(), 45u);
    EXPECT_EQ(messages.Line(0), "line 56");
    EXPECT_EQ(messages.Last(), "") << "empty lines are lines too";
    EXPECT_EQ(heard.size(), 100u);

    Lines lines = messages.Lines();
    lines.insert(lines.begin(), "older");
    messages.Refill(lines);
    EXPECT_EQ(messages.Lines(), Lines(lines.begin() + 1, lines.end())) << "the newest lines are kept";
    EXPECT_EQ(heard.size(), 100u) << "the listener heard the lines when they first came";
}

// The chart messages show the names; these are the numbers and modes that have none.
TEST(NoToString, NamesPositionsAndGunsAndNothingElse) {
    // clang-format off
    for (const auto& [number, mode, text] : {std::tuple{0, "PosNoToString", ""}, {21, "PosNoToString", ""},
             {20, "PosNoToString", "Vertical Dive"}, {1, "GunNoToString", ""}, {11, "GunNoToString", ""},
             {10, "GunNoToString", "Tail Guns"}, {5, "posnotostring", ""}})
        // clang-format on
        EXPECT_EQ(NoToString(number, mode), text) << number << " " << mode;
}

} // namespace
} // namespace halvard
