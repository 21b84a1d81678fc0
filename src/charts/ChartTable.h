#pragma once

// What the chart tables are made of: rows keyed by dice results (or attack positions) written
// as the printed tables write them, and the check that a table has exactly one row for each.

#include <array>
#include <cstdint>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace halvard {

// A set of numbers 0..31 written as in the printed tables: "7", "3, 9, 11", "1-2",
// "1-6, 16-18". Parsed at compile time, so a slip in a table does not build.
class Results {
  public:
    consteval Results(const char* text) : bits_(Parse(text)) {} // NOLINT: rows are written as text

    constexpr bool Has(int n) const { return n >= 0 && n < 32 && ((bits_ >> n) & 1u) != 0; }
    constexpr std::uint32_t Bits() const { return bits_; }

  private:
    static consteval std::uint32_t Parse(std::string_view text) {
        std::uint32_t bits = 0;
        std::size_t at = 0;
        auto number = [&] {
            if (at == text.size() || text[at] < '0' || text[at] > '9') throw "a number is expected";
            int n = 0;
            while (at < text.size() && text[at] >= '0' && text[at] <= '9')
                n = n * 10 + (text[at++] - '0');
            if (n > 31) throw "numbers run from 0 to 31";
            return n;
        };
        for (;;) {
            const int low = number();
            int high = low;
            if (at < text.size() && text[at] == '-') {
                ++at;
                high = number();
            }
            if (high < low) throw "a range runs upwards";
            for (int n = low; n <= high; ++n) {
                if ((bits >> n) & 1u) throw "a number is written twice";
                bits |= 1u << n;
            }
            if (at == text.size()) return bits;
            if (text.substr(at, 2) != ", ") throw "items are separated by \", \"";
            at += 2;
        }
    }

    std::uint32_t bits_;
};

// True when each number low..high is in exactly one row's set and no row holds another number.
template <class Rows> constexpr bool CoversEachOnce(const Rows& rows, int low, int high) {
    std::uint32_t seen = 0;
    for (const auto& row : rows) {
        if ((seen & row.On.Bits()) != 0) return false;
        seen |= row.On.Bits();
    }
    std::uint32_t wanted = 0;
    for (int n = low; n <= high; ++n)
        wanted |= 1u << n;
    return seen == wanted;
}

// Which row of a table holds each number 0..31 (NoRowHolds for none), worked out when the
// program is compiled, so that the charts, rolled hundreds of times a mission, find a row at once.
using RowIndex = std::array<std::uint8_t, 32>;
inline constexpr std::uint8_t NoRowHolds = 0xff;
inline constexpr RowIndex NoRows = [] {
    RowIndex index{};
    for (std::uint8_t& slot : index)
        slot = NoRowHolds;
    return index;
}();
template <class Rows> constexpr RowIndex IndexOf(const Rows& rows) {
    RowIndex index = NoRows;
    std::uint8_t i = 0;
    for (const auto& row : rows) {
        for (int n = 0; n < 32; ++n)
            if (row.On.Has(n)) index[static_cast<std::size_t>(n)] = i;
        ++i;
    }
    return index;
}
template <const auto& Rows> inline constexpr RowIndex IndexOfRows = IndexOf(Rows);

// The row of a table that holds a number, by the table's index; nullptr for none.
template <class Rows>
constexpr auto FindRow(const Rows& rows, const RowIndex& index, int n) -> decltype(&*std::begin(rows)) {
    if (n < 0 || n >= static_cast<int>(index.size())) return nullptr;
    // NoRowHolds is beyond every table's rows.
    const std::size_t row = index[static_cast<std::size_t>(n)];
    return row < std::size(rows) ? &rows[row] : nullptr;
}

// The row that holds a die result. Every table is checked complete when it is built, so a
// miss is a die outside the table's range.
template <class Rows> constexpr const auto& RowFor(const Rows& rows, const RowIndex& index, int result) {
    if (const auto* row = FindRow(rows, index, result)) return *row;
    throw std::out_of_range("no table row for " + std::to_string(result));
}

// The same for a table the program is compiled with, whose index is made with it.
template <const auto& Rows> constexpr auto FindRow(int n) -> decltype(&*std::begin(Rows)) {
    return FindRow(Rows, IndexOfRows<Rows>, n);
}
template <const auto& Rows> constexpr const auto& RowFor(int result) {
    return RowFor(Rows, IndexOfRows<Rows>, result);
}

} // namespace halvard
