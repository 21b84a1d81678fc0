#pragma once

#include "FighterType.h"
#include "IndexedArray.h"

#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace halvard {

// The one error a game database can raise: the file and what is wrong with it.
class GameDataError : public std::runtime_error {
  public:
    GameDataError(const std::filesystem::path& file, const std::string& problem)
        : std::runtime_error(file.string() + ": " + problem) {}
};

struct TargetRow {
    std::string TargetName;
    int ZoneCount = 0;
    std::string TargetType;
    bool HeavyFlak = false;
    IndexedArray<int, 2, 8> Mod;         // waves-appearing modifier of zones 2..ZoneCount
    IndexedArray<std::string, 2, 8> Ter; // terrain of zones 2..ZoneCount
};

struct WaveSelectionRow {
    FighterType Type;
    int Position = 0; // 1..20
    FighterSpecial Special = FighterSpecial::Unmarked; // "B", "D", "E", or none
};

// 16, 26, 36, 46 and 56 bring no attackers and 66 rolls again: none of them has fighters.
constexpr bool IsNoAttackerRoll(int roll) {
    return roll % 10 == 6;
}

struct GunneryRow {
    // Whether the table has this row: a gun without one cannot fire at that position.
    bool Bears = false;
    // The to-hit numbers in the order of the fighter types' kinds: none (always 0), Me109,
    // Me110, FW190; all 0 in a row the table does not have.
    std::array<int, 4> ByType{};

    // The to-hit number against a fighter type; 0 for a fighter of none. Read by the type's
    // kind rather than chosen by it: every aim asks it, and the types come in no order a
    // processor could guess.
    int For(FighterType type) const { return ByType[type.What()]; }
};

// What a column read by the loader must hold where it is read (the modifier and terrain of a
// zone beyond the target's ZoneCount are not read, and may be Null).
enum class ColumnKind {
    Number,       // a whole number
    Text,         // a text
    OptionalText, // a text or Null
};

struct ColumnRead {
    std::string_view Table;
    std::string_view Name;
    ColumnKind Kind;
};

// The game database, read once when it opens: three tables validated and kept in memory, so
// that no query and no I/O failure can happen in the middle of a mission.
class GameDatabase {
  public:
    // The file's name in the data directory.
    static constexpr std::string_view FileName = "Corvane.db";

    // Opens the file read-only, reads and validates the tables; every name of
    // requiredTargets must be a target of the table. Throws GameDataError.
    static GameDatabase Open(const std::filesystem::path& file,
                             std::span<const std::string_view> requiredTargets = {});

    // Every column the loader reads, table by table; a file must have all of them. The loader
    // reads no column that is not listed here.
    static std::span<const ColumnRead> ColumnsRead();

    // Targets in table order.
    const std::vector<TargetRow>& Targets() const { return targets_; }
    const std::vector<std::string>& TargetNames() const { return targetNames_; }
    // The target of that exact name, or nullptr.
    const TargetRow* FindTarget(std::string_view name) const;

    // The fighters of a wave roll (d66) in table order; empty for a roll without rows.
    std::span<const WaveSelectionRow> WaveRows(int roll) const;

    // The row for a gun and attack position (the last one when the table repeats it). A gun
    // that cannot bear on the position, or a gun or position out of range, has a row that does
    // not bear (Bears false, every number 0). In line, and without a branch on whether the row
    // is there: every aim asks it, and which gun bears where follows no pattern.
    const GunneryRow& GunneryAt(int gun, int position) const {
        static constexpr GunneryRow None;
        if (gun < 2 || gun > 10 || position < 1 || position > 20) return None;
        return gunnery_[GunnerySlot(gun, position)];
    }
    // The same row, or nullptr when it does not bear.
    const GunneryRow* Gunnery(int gun, int position) const {
        const GunneryRow& row = GunneryAt(gun, position);
        return row.Bears ? &row : nullptr;
    }
    // Where the row of a gun 2..10 and a position 1..20 is kept.
    static constexpr std::size_t GunnerySlot(int gun, int position) {
        return static_cast<std::size_t>((gun - 2) * 20 + (position - 1));
    }
    // The to-hit number of a gun at a position against a fighter type; 0 when there is no row
    // or the type is none of the table's columns.
    int ToHit(int gun, int position, std::string_view fighterType) const;

  private:
    GameDatabase() = default;

    std::vector<TargetRow> targets_;
    std::vector<std::string> targetNames_;                  // in the targets' order, for the target list
    std::array<std::vector<WaveSelectionRow>, 67> waves_;   // by roll 11..66
    std::array<GunneryRow, 9 * 20> gunnery_;                // by gun 2..10, position 1..20
};

} // namespace halvard
