#pragma once

// The frame that all eight damage tables share. A table is data: rows keyed by the 2d6 total,
// each with an area text, an outcome text, at most two effects on the mission state and an
// optional 1d6 sub-table, whose rows may set the area and lead to further sub-tables. One
// routine resolves a hit on any table: it rolls, follows the rows, applies the effects in the
// order the row names them and writes the table's one line.

#include "ChartTable.h"
#include "GameState.h"
#include "Wounds.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace halvard {

class Game;

namespace damage {

enum class Do : std::uint8_t {
    Nothing,
    Set,          // the flag becomes True
    Hit,          // the counter grows by 1; reports the text, "Hit #" and the new count
    SetCount,     // the counter becomes the value
    GunOut,       // every gun of the set is "Out"
    HeatOut,      // the heating of every position of the set is out
    OxygenHit,    // every position of the set takes one more oxygen hit
    OxygenFire,   // every position of the set has its oxygen count set to 2
    Wound,        // wounds the position given as the value; reports the text and the wound
    Engine,       // the engine given as the value is the one hit
    EngineStatus, // the engine hit takes the text as its status
    EngineLeak,   // rolls the engine's leak zones; reports the count and " more zones"
    FuelLeak,     // one more fuel-leak hit; a value of 1 reports ", " + the zones + " more zones"
    HandOver,     // the hit goes to another table, which writes the line instead
    Lose,         // the bomber is lost in flight, as the value (an Outcome) says
};

struct Effect {
    Do What = Do::Nothing;
    std::uint32_t Who = 0; // crew positions or guns, as bits
    bool DamageRecord::*Flag = nullptr;
    int DamageRecord::*Counter = nullptr;
    int Value = 0;
    std::string_view Text{};
    void (*Table)(Game&) = nullptr;
};

constexpr Effect Set(bool DamageRecord::*flag) {
    return {.What = Do::Set, .Flag = flag};
}
constexpr Effect Hit(int DamageRecord::*counter, std::string_view before = {}) {
    return {.What = Do::Hit, .Counter = counter, .Text = before};
}
constexpr Effect SetCount(int DamageRecord::*counter, int value) {
    return {.What = Do::SetCount, .Counter = counter, .Value = value};
}
constexpr Effect GunOut(Results guns) {
    return {.What = Do::GunOut, .Who = guns.Bits()};
}
constexpr Effect HeatOut(Results positions) {
    return {.What = Do::HeatOut, .Who = positions.Bits()};
}
constexpr Effect OxygenHit(Results positions) {
    return {.What = Do::OxygenHit, .Who = positions.Bits()};
}
constexpr Effect OxygenFire(Results positions) {
    return {.What = Do::OxygenFire, .Who = positions.Bits()};
}
// The text goes before the wound: "Bombardier: ", " / Navigator: ".
constexpr Effect Wound(int position, std::string_view before) {
    return {.What = Do::Wound, .Value = position, .Text = before};
}
constexpr Effect Engine(int number) {
    return {.What = Do::Engine, .Value = number};
}
constexpr Effect EngineStatus(std::string_view status) {
    return {.What = Do::EngineStatus, .Text = status};
}
constexpr Effect EngineLeak() {
    return {.What = Do::EngineLeak};
}
constexpr Effect FuelLeak(bool reportZones) {
    return {.What = Do::FuelLeak, .Value = reportZones ? 1 : 0};
}
constexpr Effect HandOver(void (*table)(Game&)) {
    return {.What = Do::HandOver, .Table = table};
}
constexpr Effect Lose(Outcome how) {
    return {.What = Do::Lose, .Value = static_cast<int>(how)};
}

struct Row;

// The index of a table's rows (IndexOf), made where Row is complete.
constexpr RowIndex IndexRows(std::span<const Row> rows);

struct SubTable {
    std::string_view Label; // "Damage Nose: 3"
    std::span<const Row> Rows;
    // The sub-table is rolled only while this flag is True; otherwise the outcome is Otherwise.
    bool DamageRecord::*OnlyWhile = nullptr;
    std::string_view Otherwise{};
    RowIndex ByFace = IndexRows(Rows);
};

// What a row without a sub-table leads to. Rows point here rather than hold a null pointer, so
// that the completeness check can follow every row at compile time under any build flags.
inline constexpr SubTable NoRoll{.ByFace = NoRows};

struct Row {
    Results On;               // the 2d6 totals or 1d6 faces that lead here
    std::string_view Area;    // empty: the area is set further down, or kept from above
    std::string_view Outcome; // the fixed part of the outcome; effects and sub-rows add to it
    std::array<Effect, 2> Effects{};
    const SubTable* Then = &NoRoll; // the 1d6 sub-table rolled after the effects
};

struct Table {
    std::string_view Label;  // "Damage Nose", the label of the 2d6
    std::string_view Prefix; // "  NOSE: ", which begins the line
    std::span<const Row> Rows;
    RowIndex ByTotal = IndexRows(Rows);
};

constexpr RowIndex IndexRows(std::span<const Row> rows) {
    return IndexOf(rows);
}

constexpr bool EachFaceOnce(const SubTable& table) {
    if (!CoversEachOnce(table.Rows, 1, 6)) return false;
    for (const Row& row : table.Rows)
        if (!row.Then->Rows.empty() && !EachFaceOnce(*row.Then)) return false;
    return true;
}

// Every 2d6 total of the table and every 1d6 face of each of its sub-tables has exactly one row.
constexpr bool EachResultOnce(const Table& table) {
    if (!CoversEachOnce(table.Rows, 2, 12)) return false;
    for (const Row& row : table.Rows)
        if (!row.Then->Rows.empty() && !EachFaceOnce(*row.Then)) return false;
    return true;
}

// Room for one outcome: the resolver puts it together in place, without allocating.
inline constexpr std::size_t OutcomeCapacity = 160;

// The most characters an outcome can take below these rows: every wound counted as the longest
// report, every count as six characters.
constexpr std::size_t LongestOutcome(std::span<const Row> rows) {
    constexpr std::size_t number = 6;
    std::size_t longest = 0;
    for (const Row& row : rows) {
        std::size_t length = row.Outcome.size();
        for (const Effect& effect : row.Effects) {
            length += effect.Text.size();
            if (effect.What == Do::Wound) length += NoCrewMember.size();
            if (effect.What == Do::Hit) length += std::string_view("Hit #").size() + number;
            if (effect.What == Do::EngineLeak) length += number + std::string_view(" more zones").size();
            if (effect.What == Do::FuelLeak)
                length += std::string_view(", ").size() + number + std::string_view(" more zones").size();
        }
        const SubTable& sub = *row.Then;
        length += std::max(LongestOutcome(sub.Rows), sub.Otherwise.size());
        longest = std::max(longest, length);
    }
    return longest;
}

// Every outcome of the table fits the resolver's room for it.
constexpr bool OutcomeFits(const Table& table) {
    return LongestOutcome(table.Rows) <= OutcomeCapacity;
}

// Resolves one hit on the table.
void Resolve(Game& game, const Table& table);

} // namespace damage
} // namespace halvard
