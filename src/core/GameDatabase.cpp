#include "GameDatabase.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <map>
#include <set>
#include <system_error>

namespace halvard {
namespace {

constexpr int MinZoneModifier = -6;
constexpr int MaxZoneModifier = 6;
constexpr int MaxRowsPerRoll = 5; // the sixth panel row is kept for the extra lead/tail fighter

// Every column the loader reads. A table must have all of its columns before a row is read,
// and the reader refuses to read any other, so tests that damage each listed column cover all.
constexpr ColumnRead Columns[] = {
    {"Targets", "TargetName", ColumnKind::Text},
    {"Targets", "ZoneCount", ColumnKind::Number},
    {"Targets", "TargetType", ColumnKind::Text},
    {"Targets", "HeavyFlak", ColumnKind::Number},
    {"Targets", "2Mod", ColumnKind::Number},
    {"Targets", "3Mod", ColumnKind::Number},
    {"Targets", "4Mod", ColumnKind::Number},
    {"Targets", "5Mod", ColumnKind::Number},
    {"Targets", "6Mod", ColumnKind::Number},
    {"Targets", "7Mod", ColumnKind::Number},
    {"Targets", "8Mod", ColumnKind::Number},
    {"Targets", "2Ter", ColumnKind::Text},
    {"Targets", "3Ter", ColumnKind::Text},
    {"Targets", "4Ter", ColumnKind::Text},
    {"Targets", "5Ter", ColumnKind::Text},
    {"Targets", "6Ter", ColumnKind::Text},
    {"Targets", "7Ter", ColumnKind::Text},
    {"Targets", "8Ter", ColumnKind::Text},
    {"WaveSelection", "Roll", ColumnKind::Number},
    {"WaveSelection", "Type", ColumnKind::Text},
    {"WaveSelection", "Position", ColumnKind::Number},
    {"WaveSelection", "Special", ColumnKind::OptionalText},
    {"Gunnery", "Gun", ColumnKind::Number},
    {"Gunnery", "Position", ColumnKind::Number},
    {"Gunnery", "Me109", ColumnKind::Number},
    {"Gunnery", "Me110", ColumnKind::Number},
    {"Gunnery", "FW190", ColumnKind::Number},
};

bool IsD66(int roll) {
    return roll / 10 >= 1 && roll / 10 <= 6 && roll % 10 >= 1 && roll % 10 <= 6;
}

// Reads the rows of one table by column name, turning every defect into a GameDataError.
class TableReader {
  public:
    // Every column the loader reads from the table must be there before any row is read.
    TableReader(SQLite::Database& db, const std::filesystem::path& file, std::string table)
        : file_(file), table_(std::move(table)), query_(db, "SELECT * FROM \"" + table_ + "\"") {
        for (int i = 0; i < query_.getColumnCount(); ++i)
            columns_[query_.getColumnName(i)] = i;
        for (const ColumnRead& column : Columns)
            if (column.Table == table_) {
                if (!columns_.contains(std::string(column.Name)))
                    throw GameDataError(file_,
                                        "table " + table_ + " has no column " + std::string(column.Name));
                declared_.emplace(column.Name);
            }
    }

    bool Next() {
        if (!query_.executeStep()) return false;
        ++row_;
        return true;
    }

    [[noreturn]] void Fail(const std::string& problem) const {
        throw GameDataError(file_, "table " + table_ + ", row " + std::to_string(row_) + ": " + problem);
    }

    bool IsNull(const std::string& column) { return query_.getColumn(Index(column)).isNull(); }

    int Integer(const std::string& column, int low, int high) {
        const SQLite::Column value = query_.getColumn(Index(column));
        if (value.isNull()) Fail(column + " is empty");
        if (!value.isInteger()) Fail(column + " is not a whole number");
        const long long number = value.getInt64();
        if (number < low || number > high)
            Fail(column + " is " + std::to_string(number) + ", outside " + std::to_string(low) + " to " +
                 std::to_string(high));
        return static_cast<int>(number);
    }

    std::string Text(const std::string& column) {
        const SQLite::Column value = query_.getColumn(Index(column));
        if (value.isNull()) Fail(column + " is empty");
        if (!value.isText()) Fail(column + " is not a text");
        return value.getString();
    }

  private:
    int Index(const std::string& column) const {
        // A column read past the list would go unchecked by the tests that damage each one.
        if (!declared_.contains(column))
            throw std::logic_error("the loader reads " + table_ + "." + column +
                                   ", which is not in ColumnsRead");
        return columns_.at(column);
    }

    const std::filesystem::path& file_;
    std::string table_;
    SQLite::Statement query_;
    std::map<std::string, int> columns_;
    std::set<std::string> declared_;
    int row_ = 0;
};

// SQLite reads a cut-off file as far as it goes and then calls it malformed; its header tells
// how long it should be, which makes the clearer message.
void RequireWholeFile(const std::filesystem::path& file) {
    constexpr std::string_view Magic{"SQLite format 3\0", 16};
    constexpr std::size_t HeaderSize = 100;
    std::ifstream in(file, std::ios::binary);
    std::array<unsigned char, HeaderSize> header{};
    in.read(reinterpret_cast<char*>(header.data()), HeaderSize);
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got < Magic.size() || !std::equal(Magic.begin(), Magic.end(), header.begin())) return;
    if (got < HeaderSize)
        throw GameDataError(file,
                            "the file is truncated: " + std::to_string(got) + " bytes, less than a header");

    auto bigEndian = [&header](std::size_t offset, std::size_t bytes) {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < bytes; ++i)
            value = value << 8 | header[offset + i];
        return value;
    };
    const std::uint64_t pageSize = bigEndian(16, 2) == 1 ? 65536 : bigEndian(16, 2);
    const std::uint64_t pages = bigEndian(28, 4);
    // The page count is only to be trusted when the write that set it also set "valid-for",
    // and in a header whose page size is one SQLite can write.
    const bool validPageSize = pageSize >= 512 && pageSize <= 65536 && (pageSize & (pageSize - 1)) == 0;
    if (!validPageSize || pages == 0 || bigEndian(92, 4) != bigEndian(24, 4)) return;
    std::error_code error;
    const std::uint64_t size = std::filesystem::file_size(file, error);
    if (!error && size < pages * pageSize)
        throw GameDataError(file, "the file is truncated: " + std::to_string(size) + " bytes of the " +
                                      std::to_string(pages * pageSize) + " its header gives");
}

void RequireTables(SQLite::Database& db, const std::filesystem::path& file) {
    std::error_code error;
    // SQLite takes an empty file for an empty database; say so rather than only what is missing.
    const bool empty = std::filesystem::file_size(file, error) == 0 && !error;
    for (const char* table : {"Targets", "WaveSelection", "Gunnery"})
        if (!db.tableExists(table))
            throw GameDataError(file,
                                (empty ? "the file is empty: no table " : "no table ") + std::string(table));
}

std::vector<TargetRow> ReadTargets(SQLite::Database& db, const std::filesystem::path& file,
                                   std::span<const std::string_view> requiredTargets) {
    TableReader reader(db, file, "Targets");

    std::vector<TargetRow> targets;
    std::set<std::string, std::less<>> names;
    while (reader.Next()) {
        TargetRow& target = targets.emplace_back();
        target.TargetName = reader.Text("TargetName");
        if (target.TargetName.empty()) reader.Fail("TargetName is an empty text");
        if (!names.insert(target.TargetName).second)
            reader.Fail("target " + target.TargetName + " appears twice");
        target.ZoneCount = reader.Integer("ZoneCount", 2, 8);
        target.TargetType = reader.Text("TargetType");
        target.HeavyFlak = reader.Integer("HeavyFlak", -1, 1) != 0;
        for (int z = 2; z <= target.ZoneCount; ++z) {
            target.Mod[z] = reader.Integer(std::to_string(z) + "Mod", MinZoneModifier, MaxZoneModifier);
            target.Ter[z] = reader.Text(std::to_string(z) + "Ter");
        }
    }
    if (targets.empty()) throw GameDataError(file, "table Targets has no rows");
    for (std::string_view name : requiredTargets)
        if (!names.contains(name))
            throw GameDataError(file, "table Targets has no target " + std::string(name));
    return targets;
}

void ReadWaveSelection(SQLite::Database& db, const std::filesystem::path& file,
                       std::array<std::vector<WaveSelectionRow>, 67>& waves) {
    TableReader reader(db, file, "WaveSelection");
    while (reader.Next()) {
        const int roll = reader.Integer("Roll", 11, 66);
        if (!IsD66(roll)) reader.Fail("Roll " + std::to_string(roll) + " is not a d66 roll");
        if (IsNoAttackerRoll(roll))
            reader.Fail("Roll " + std::to_string(roll) +
                        " is never looked up (no attackers or roll again) and must have no rows");
        WaveSelectionRow row;
        const std::string type = reader.Text("Type");
        const std::optional<FighterType::Kind> kind = FighterType::Find(type);
        if (!kind || *kind == FighterType::None)
            reader.Fail("Type " + type + " is not Me109, Me110 or FW190");
        row.Type = *kind;
        row.Position = reader.Integer("Position", 1, 20);
        if (!reader.IsNull("Special")) {
            const std::string special = reader.Text("Special");
            if (special != "B" && special != "D" && special != "E")
                reader.Fail("Special " + special + " is not B, D or E");
            row.Special = special;
        }
        auto& rows = waves[static_cast<std::size_t>(roll)];
        if (rows.size() == MaxRowsPerRoll)
            reader.Fail("Roll " + std::to_string(roll) + " has more than " + std::to_string(MaxRowsPerRoll) +
                        " fighters");
        rows.push_back(std::move(row));
    }
    for (int roll = 11; roll <= 65; ++roll)
        if (IsD66(roll) && !IsNoAttackerRoll(roll) && waves[static_cast<std::size_t>(roll)].empty())
            throw GameDataError(file, "table WaveSelection has no fighters for roll " + std::to_string(roll));
}

void ReadGunnery(SQLite::Database& db, const std::filesystem::path& file,
                 std::array<GunneryRow, 9 * 20>& gunnery) {
    TableReader reader(db, file, "Gunnery");
    while (reader.Next()) {
        const int gun = reader.Integer("Gun", 2, 10);
        const int position = reader.Integer("Position", 1, 20);
        GunneryRow row{.Bears = true};
        for (const FighterType::Kind type : {FighterType::Me109, FighterType::Me110, FighterType::FW190})
            row.ByType[type] = reader.Integer(std::string(FighterType(type).View()), 0, 6);
        // A later row for the same gun and position wins.
        gunnery[GameDatabase::GunnerySlot(gun, position)] = row;
    }
}

} // namespace

GameDatabase GameDatabase::Open(const std::filesystem::path& file,
                                std::span<const std::string_view> requiredTargets) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) throw GameDataError(file, "file not found");
    if (!std::filesystem::is_regular_file(file, error)) throw GameDataError(file, "not a regular file");

    RequireWholeFile(file);

    GameDatabase database;
    try {
        SQLite::Database db(file.string(), SQLite::OPEN_READONLY);
        RequireTables(db, file);
        database.targets_ = ReadTargets(db, file, requiredTargets);
        for (const TargetRow& target : database.targets_)
            database.targetNames_.push_back(target.TargetName);
        ReadWaveSelection(db, file, database.waves_);
        ReadGunnery(db, file, database.gunnery_);
    } catch (const SQLite::Exception& e) {
        throw GameDataError(file, std::string("cannot be read as a game database (") + e.what() + ")");
    }
    return database;
}

std::span<const ColumnRead> GameDatabase::ColumnsRead() {
    return Columns;
}

const TargetRow* GameDatabase::FindTarget(std::string_view name) const {
    for (const auto& target : targets_)
        if (target.TargetName == name) return &target;
    return nullptr;
}

std::span<const WaveSelectionRow> GameDatabase::WaveRows(int roll) const {
    if (roll < 0 || roll >= static_cast<int>(waves_.size())) return {};
    return waves_[static_cast<std::size_t>(roll)];
}

int GameDatabase::ToHit(int gun, int position, std::string_view fighterType) const {
    const std::optional<FighterType::Kind> type = FighterType::Find(fighterType);
    return type ? GunneryAt(gun, position).For(*type) : 0;
}

} // namespace halvard
