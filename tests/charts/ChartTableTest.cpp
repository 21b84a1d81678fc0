#include "ChartTable.h"

#include "DamageFrame.h"

#include <array>
#include <gtest/gtest.h>

namespace halvard {
namespace {

struct Row {
    Results On;
};

TEST(Results, ReadsTheTablesNotation) {
    constexpr Results single = "7";
    constexpr Results list = "3, 9, 11";
    constexpr Results range = "1-2";
    constexpr Results mixed = "1-6, 16-18, 20";
    static_assert(single.Bits() == 1u << 7);
    static_assert(list.Bits() == ((1u << 3) | (1u << 9) | (1u << 11)));
    static_assert(range.Has(1) && range.Has(2) && !range.Has(0) && !range.Has(3));
    for (int n = 0; n <= 31; ++n)
        EXPECT_EQ(mixed.Has(n), (n >= 1 && n <= 6) || (n >= 16 && n <= 18) || n == 20) << n;
    EXPECT_FALSE(mixed.Has(-1));
    EXPECT_FALSE(mixed.Has(32));
}

constexpr std::array<Row, 3> Whole = {{{"1-2"}, {"3, 5"}, {"4, 6"}}};

TEST(FindRow, FindsTheRowThatHoldsEachNumberByTheTablesIndex) {
    const std::array<int, 8> rowOf = {-1, 0, 0, 1, 2, 1, 2, -1}; // numbers 0..7
    for (int n = -1; n <= 32; ++n) {
        const int row = n >= 0 && n < 8 ? rowOf[static_cast<std::size_t>(n)] : -1;
        EXPECT_EQ(FindRow<Whole>(n), row < 0 ? nullptr : &Whole[static_cast<std::size_t>(row)]) << n;
    }
    EXPECT_EQ(&RowFor<Whole>(6), &Whole[2]);
    EXPECT_THROW(RowFor<Whole>(0), std::out_of_range);
}

TEST(CoversEachOnce, FindsGapsOverlapsAndStrays) {
    constexpr std::array<Row, 3> whole = {{{"1-2"}, {"3, 5"}, {"4, 6"}}};
    constexpr std::array<Row, 2> gap = {{{"1-2"}, {"4-6"}}};
    constexpr std::array<Row, 2> overlap = {{{"1-3"}, {"3-6"}}};
    constexpr std::array<Row, 2> stray = {{{"1-3"}, {"4-7"}}};
    static_assert(CoversEachOnce(whole, 1, 6));
    static_assert(!CoversEachOnce(gap, 1, 6));
    static_assert(!CoversEachOnce(overlap, 1, 6));
    static_assert(!CoversEachOnce(stray, 1, 6));
    static_assert(!CoversEachOnce(whole, 2, 12), "a 1d6 table is no 2d6 table");
}

// A damage table whose own rows are complete, with a sub-table one face short.
constexpr damage::Row ShortSubRows[] = {{"1-3", "", "a"}, {"4-5", "", "b"}};
constexpr damage::SubTable ShortSub{"Damage Test: 2", ShortSubRows};
constexpr damage::Row WholeSubRows[] = {{"1-3", "", "a"}, {"4-6", "", "b"}};
constexpr damage::SubTable WholeSub{"Damage Test: 2", WholeSubRows};
constexpr damage::Row DeepRows[] = {{"1-6", "", "", {}, &ShortSub}};
constexpr damage::SubTable Deep{"Damage Test: 2", DeepRows};

constexpr damage::Row WithShortSub[] = {{"2", "A", "", {}, &ShortSub}, {"3-12", "Superficial Damage", ""}};
constexpr damage::Row WithWholeSub[] = {{"2", "A", "", {}, &WholeSub}, {"3-12", "Superficial Damage", ""}};
constexpr damage::Row WithDeepShortSub[] = {{"2", "A", "", {}, &Deep}, {"3-12", "Superficial Damage", ""}};

// Outcomes: a fixed text and a wound, then the longer branch of a sub-table.
constexpr std::string_view LongText =
    "Top Turret inoperable, and this line goes on about it for rather longer than any "
    "line of the game's tables ever would, even with two wounds on empty positions";
constexpr damage::Row LongOutcome[] = {{"2-12", "A", LongText, {damage::Wound(8, " / Engineer: ")}}};
constexpr damage::Row LongerBranch[] = {{"2", "A", "abcd", {}, &WholeSub}, {"3-12", "A", "abcd"}};

// Checked when this file compiles.
static_assert(damage::LongestOutcome(LongOutcome) == LongText.size() + 13 + NoCrewMember.size());
static_assert(!damage::OutcomeFits({"Damage Test", "  TEST: ", LongOutcome}));
static_assert(damage::LongestOutcome(LongerBranch) == 5);
static_assert(damage::EachResultOnce({"Damage Test", "  TEST: ", WithWholeSub}));
static_assert(!damage::EachResultOnce({"Damage Test", "  TEST: ", WithShortSub}));
static_assert(!damage::EachResultOnce({"Damage Test", "  TEST: ", WithDeepShortSub}));

} // namespace
} // namespace halvard
