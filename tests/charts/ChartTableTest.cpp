#include "ChartTable.h"

#include "DamageFrame.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

struct Row {
    Results On;
};

constexpr std::array<Row, 3> Whole = {{{"1-2"}, {"3, 5"}, {"4, 6"}}};

TEST(ChartTable, ReadsTheNotationAndFindsTheRowOfEachNumber) {
    static_assert(Results("3, 9, 11").Bits() == ((1u << 3) | (1u << 9) | (1u << 11)));
    constexpr Results mixed = "1-6, 16-18, 20";
    const int rowOf[] = {-1, 0, 0, 1, 2, 1, 2, -1}; // numbers 0..7
    for (int n = -1; n <= 32; ++n) {
        EXPECT_EQ(mixed.Has(n), (n >= 1 && n <= 6) || (n >= 16 && n <= 18) || n == 20) << n;
        const int row = n >= 0 && n < 8 ? rowOf[n] : -1;
        EXPECT_EQ(FindRow<Whole>(n), row < 0 ? nullptr : &Whole[static_cast<std::size_t>(row)]) << n;
    }
    EXPECT_THROW(RowFor<Whole>(0), std::out_of_range);
}

// Checked when this file compiles: a table with a gap, an overlap or a stray number is refused,
// and so is a damage table whose sub-table, however deep, misses a face.
static_assert(CoversEachOnce(Whole, 1, 6) && !CoversEachOnce(Whole, 2, 12));
static_assert(!CoversEachOnce(std::array<Row, 2>{{{"1-2"}, {"4-6"}}}, 1, 6));
static_assert(!CoversEachOnce(std::array<Row, 2>{{{"1-3"}, {"3-6"}}}, 1, 6));
static_assert(!CoversEachOnce(std::array<Row, 2>{{{"1-3"}, {"4-7"}}}, 1, 6));

constexpr damage::Row ShortSubRows[] = {{"1-3", "", "a"}, {"4-5", "", "b"}};
constexpr damage::SubTable ShortSub{"Damage Test: 2", ShortSubRows};
constexpr damage::Row WholeSubRows[] = {{"1-3", "", "a"}, {"4-6", "", "b"}};
constexpr damage::SubTable WholeSub{"Damage Test: 2", WholeSubRows};
constexpr damage::Row DeepRows[] = {{"1-6", "", "", {}, &ShortSub}};
constexpr damage::SubTable Deep{"Damage Test: 2", DeepRows};
constexpr damage::Row WithWholeSub[] = {{"2", "A", "", {}, &WholeSub}, {"3-12", "Superficial Damage", ""}};
constexpr damage::Row WithDeepShortSub[] = {{"2", "A", "", {}, &Deep}, {"3-12", "Superficial Damage", ""}};
static_assert(damage::EachResultOnce({"Damage Test", "  TEST: ", WithWholeSub}));
static_assert(!damage::EachResultOnce({"Damage Test", "  TEST: ", WithDeepShortSub}));

// The resolver's room for an outcome is sized from this: the row's text and each effect's.
TEST(DamageFrame, TheLongestOutcomeCountsEachEffectsText) {
    constexpr damage::Row rows[] = {{"1-6", "", "Engine: ", {damage::EngineStatus("Fire")}}};
    EXPECT_EQ(damage::LongestOutcome(rows), 12u);
}

} // namespace
} // namespace halvard
