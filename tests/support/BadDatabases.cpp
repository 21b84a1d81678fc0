#include "BadDatabases.h"

#include "GameDatabase.h"
#include "TestData.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <algorithm>
#include <random>

namespace halvard::test {
namespace {

namespace fs = std::filesystem;
using Words = std::vector<std::string>;

std::string RandomBytes(std::size_t count, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    std::string bytes(count, '\0');
    std::generate(bytes.begin(), bytes.end(), [&random] { return static_cast<char>(random() & 0xFF); });
    return bytes;
}

BadDatabase Case(std::string name, std::function<void(const fs::path&)> write, Words problem) {
    problem.insert(problem.begin(), std::string(GameDatabase::FileName));
    return {std::move(name), std::move(write), std::move(problem)};
}

// The valid database, damaged by SQL.
BadDatabase FromSql(std::string name, std::string sql, Words problem) {
    const auto write = [sql](const fs::path& file) {
        WriteFile(file, ValidDatabaseBytes());
        ApplySql(file, sql);
    };
    return Case(std::move(name), write, std::move(problem));
}

} // namespace

void ApplySql(const fs::path& file, const std::string& sql) {
    // Journal and sync only make a throw-away file slow to write.
    SQLite::Database(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE)
        .exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; BEGIN;" + sql + "COMMIT;");
}

const std::string& ValidDatabaseBytes() {
    static const std::string bytes = ReadFile(TempDatabase(ValidSql()).Path());
    return bytes;
}

const std::string& ShippedDatabaseBytes() {
    static const std::string bytes = ReadFile(DataDirectory() / GameDatabase::FileName);
    return bytes;
}

void BadDatabase::Make(const fs::path& directory) const {
    Write(directory / GameDatabase::FileName);
}

std::vector<BadDatabase> BadDatabases() {
    const std::size_t size = ShippedDatabaseBytes().size();
    const auto shipped = [](std::size_t count) { return ShippedDatabaseBytes().substr(0, count); };
    const std::string whole = std::to_string(size), notDatabase = "cannot be read as a game database";
    const auto bytes = [](std::string content) {
        return [content](const fs::path& file) { WriteFile(file, content); };
    };
    const std::tuple<const char*, std::function<void(const fs::path&)>, Words> files[] = {
        // clang-format off
        {"MissingFile", [](const fs::path&) {}, {"file not found"}},
        {"DirectoryInsteadOfFile", [](const fs::path& file) { fs::create_directory(file); }, {"not a regular file"}},
        {"EmptyFile", bytes(""), {"the file is empty: no table Targets"}},
        {"TruncatedToHalf", bytes(shipped(size / 2)),
         {"the file is truncated", std::to_string(size / 2) + " bytes of the " + whole}},
        {"TruncatedByOneByte", bytes(shipped(size - 1)), {"the file is truncated", "of the " + whole}},
        {"TruncatedInTheHeader", bytes(shipped(60)), {"the file is truncated: 60 bytes, less than a header"}},
        {"RandomBytes", bytes(RandomBytes(8192, 1)), {notDatabase, "file is not a database"}},
        {"RandomBytesAfterTheHeader", bytes(shipped(100) + RandomBytes(size - 100, 2)), {notDatabase}},
        {"TextFile", bytes("TargetName,ZoneCount\nKiel,2\n"), {notDatabase, "file is not a database"}},
        {"HeaderLookalike", bytes("SQLite format 3X and then some text"), {notDatabase}},
        // clang-format on
    };
    std::vector<BadDatabase> cases;
    for (const auto& [name, write, problem] : files)
        cases.push_back(Case(name, write, problem));
    for (const std::string table : {"Targets", "WaveSelection", "Gunnery"})
        cases.push_back(FromSql("No" + table + "Table", "DROP TABLE " + table + ";", {"no table " + table}));
    // Missing, Null and of the wrong type: every column the loader reads, so that a column read
    // from now on is damaged here too without anyone listing it.
    for (const ColumnRead& column : GameDatabase::ColumnsRead()) {
        const std::string table(column.Table), name(column.Name);
        const std::string set = "UPDATE " + table + " SET \"" + name + "\" = ",
                          row = "table " + table + ", row ";
        cases.push_back(FromSql("No" + table + name + "Column",
                                "ALTER TABLE " + table + " DROP COLUMN \"" + name + "\";",
                                {"table " + table + " has no column " + name}));
        if (column.Kind != ColumnKind::OptionalText)
            cases.push_back(FromSql("Null" + table + name, set + "NULL;", {row, name + " is empty"}));
        if (column.Kind == ColumnKind::Number)
            cases.push_back(
                FromSql("Text" + table + name, set + "'many';", {row, name + " is not a whole number"}));
        else
            cases.push_back(FromSql("Blob" + table + name, set + "X'00FF';", {row, name + " is not a text"}));
    }
    const std::string target = "UPDATE Targets SET ", first = " WHERE rowid = 1;",
                      wave = "UPDATE WaveSelection SET ", third = " WHERE rowid = 3;",
                      roll = "INSERT INTO WaveSelection VALUES ", gunnery = "INSERT INTO Gunnery VALUES ";
    const std::tuple<const char*, std::string, Words> values[] = {
        // clang-format off
        {"ZoneCountOne", target + "ZoneCount = 1" + first, {"row 1: ZoneCount is 1, outside 2 to 8"}},
        {"ZoneCountNine", target + "ZoneCount = 9" + first, {"ZoneCount is 9, outside 2 to 8"}},
        {"ZoneCountHuge", target + "ZoneCount = 70000" + first, {"ZoneCount is 70000"}},
        {"ZoneCountFraction", target + "ZoneCount = 2.5" + first, {"ZoneCount is not a whole number"}},
        {"HeavyFlakTwo", target + "HeavyFlak = 2" + first, {"HeavyFlak is 2, outside -1 to 1"}},
        {"ModifierSeven", target + "\"2Mod\" = 7" + first, {"2Mod is 7, outside -6 to 6"}},
        {"ModifierMinusSeven", target + "\"2Mod\" = -7" + first, {"2Mod is -7"}},
        {"EmptyTargetName", target + "TargetName = '' WHERE rowid = 2;", {"row 2: TargetName is an empty text"}},
        {"DuplicateTargetNames", target + "TargetName = 'Kiel'" + first, {"target Kiel appears twice"}},
        {"EmptyTargetsTable", "DELETE FROM Targets;", {"table Targets has no rows"}},
        {"ChartTargetMissing", "DELETE FROM Targets WHERE TargetName = 'Hamm';", {"table Targets has no target Hamm"}},
        {"EmptyWaveSelectionTable", "DELETE FROM WaveSelection;", {"table WaveSelection has no fighters for roll 11"}},
        {"RollWithoutFighters", "DELETE FROM WaveSelection WHERE Roll = 34;", {"no fighters for roll 34"}},
        {"RollWithSixFighters", roll + "(12,'Me109',1,NULL),(12,'Me110',2,NULL),(12,'FW190',3,NULL),"
                                       "(12,'Me109',4,NULL),(12,'Me109',5,NULL);", {"Roll 12 has more than 5 fighters"}},
        {"RollTen", roll + "(10,'Me109',1,NULL);", {"Roll is 10, outside 11 to 66"}},
        {"RollNotD66", roll + "(17,'Me109',1,NULL);", {"Roll 17 is not a d66 roll"}},
        {"RollWithoutAttackers", roll + "(26,'Me109',1,NULL);", {"Roll 26 is never looked up"}},
        {"RollAgainRoll", roll + "(66,'Me109',1,NULL);", {"Roll 66 is never looked up"}},
        {"UnknownFighterType", wave + "Type = 'Me262'" + third, {"row 3: Type Me262 is not Me109, Me110 or FW190"}},
        {"AttackPositionZero", wave + "Position = 0" + third, {"Position is 0, outside 1 to 20"}},
        {"AttackPositionTwentyOne", wave + "Position = 21" + third, {"Position is 21"}},
        {"UnknownSpecial", wave + "Special = 'X'" + third, {"Special X is not B, D or E"}},
        {"EmptySpecial", wave + "Special = ''" + third, {"Special  is not B, D or E"}},
        {"GunOne", gunnery + "(1, 1, 4, 4, 4);", {"table Gunnery, row 2: Gun is 1, outside 2 to 10"}},
        {"GunEleven", gunnery + "(11, 1, 4, 4, 4);", {"Gun is 11"}},
        {"GunneryPositionZero", gunnery + "(3, 0, 4, 4, 4);", {"table Gunnery", "Position is 0"}},
        {"GunneryPositionTwentyOne", gunnery + "(3, 21, 4, 4, 4);", {"table Gunnery", "Position is 21"}},
        {"ToHitSeven", gunnery + "(3, 1, 7, 4, 4);", {"Me109 is 7, outside 0 to 6"}},
        {"ToHitMinusOne", gunnery + "(3, 1, 4, -1, 4);", {"Me110 is -1, outside 0 to 6"}},
        {"ToHitSevenForFw190", gunnery + "(3, 1, 4, 4, 7);", {"FW190 is 7"}},
        // clang-format on
    };
    for (const auto& [name, sql, problem] : values)
        cases.push_back(FromSql(name, sql, problem));
    return cases;
}

} // namespace halvard::test
