#include "GameState.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

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
    guns[2] = 15, guns[10] = 23;
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

} // namespace
} // namespace halvard
