#include "BadDatabases.h"

#include "GameDatabase.h"
#include "TestData.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <fstream>
#include <random>
#include <sstream>

namespace halvard::test {
namespace {

namespace fs = std::filesystem;

// Journal and sync only make a throw-away file slow to write.
constexpr std::string_view FastWrites = "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;";

std::string Slurp(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteBytes(const fs::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string RandomBytes(std::size_t count, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    std::string bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random() & 0xFF);
    return bytes;
}

std::vector<std::string> WithFileName(std::vector<std::string> problem) {
    problem.insert(problem.begin(), std::string(GameDatabase::FileName));
    return problem;
}

BadDatabase FromBytes(std::string name, std::function<std::string()> bytes,
                      std::vector<std::string> problem) {
    return {std::move(name), [bytes = std::move(bytes)](const fs::path& file) { WriteBytes(file, bytes()); },
            WithFileName(std::move(problem))};
}

// The valid database, damaged by SQL.
BadDatabase FromSql(std::string name, std::string sql, std::vector<std::string> problem) {
    return {std::move(name),
            [sql = std::move(sql)](const fs::path& file) {
                WriteBytes(file, ValidDatabaseBytes());
                ApplySql(file, sql);
            },
            WithFileName(std::move(problem))};
}

std::string Quoted(std::string_view column) {
    return "\"" + std::string(column) + "\"";
}

// Missing, Null and of the wrong type: every column the loader reads, so that a column read
// from now on is damaged here too without anyone listing it.
void AddColumnCases(std::vector<BadDatabase>& cases) {
    for (const ColumnRead& column : GameDatabase::ColumnsRead()) {
        const std::string table(column.Table);
        const std::string name(column.Name);
        const std::string set = "UPDATE " + table + " SET " + Quoted(name) + " = ";
        const std::string row = "table " + table + ", row ";
        cases.push_back(FromSql("No" + table + name + "Column",
                                "ALTER TABLE " + table + " DROP COLUMN " + Quoted(name) + ";",
                                {"table " + table + " has no column " + name}));
        if (column.Kind != ColumnKind::OptionalText)
            cases.push_back(FromSql("Null" + table + name, set + "NULL;", {row, name + " is empty"}));
        if (column.Kind == ColumnKind::Number)
            cases.push_back(
                FromSql("Text" + table + name, set + "'many';", {row, name + " is not a whole number"}));
        else
            cases.push_back(FromSql("Blob" + table + name, set + "X'00FF';", {row, name + " is not a text"}));
    }
}

void AddValueCases(std::vector<BadDatabase>& cases) {
    const auto add = [&cases](std::string name, std::string sql, std::vector<std::string> problem) {
        cases.push_back(FromSql(std::move(name), std::move(sql), std::move(problem)));
    };
    const std::string firstTarget = "UPDATE Targets SET ";
    add("ZoneCountOne", firstTarget + "ZoneCount = 1 WHERE rowid = 1;",
        {"row 1: ZoneCount is 1, outside 2 to 8"});
    add("ZoneCountNine", firstTarget + "ZoneCount = 9 WHERE rowid = 1;", {"ZoneCount is 9, outside 2 to 8"});
    add("ZoneCountHuge", firstTarget + "ZoneCount = 70000 WHERE rowid = 1;", {"ZoneCount is 70000"});
    add("ZoneCountFraction", firstTarget + "ZoneCount = 2.5 WHERE rowid = 1;",
        {"ZoneCount is not a whole number"});
    add("HeavyFlakTwo", firstTarget + "HeavyFlak = 2 WHERE rowid = 1;", {"HeavyFlak is 2, outside -1 to 1"});
    add("ModifierSeven", firstTarget + "\"2Mod\" = 7 WHERE rowid = 1;", {"2Mod is 7, outside -6 to 6"});
    add("ModifierMinusSeven", firstTarget + "\"2Mod\" = -7 WHERE rowid = 1;", {"2Mod is -7"});
    add("EmptyTargetName", firstTarget + "TargetName = '' WHERE rowid = 2;",
        {"row 2: TargetName is an empty text"});
    add("DuplicateTargetNames", firstTarget + "TargetName = 'Kiel' WHERE rowid = 1;",
        {"target Kiel appears twice"});
    add("EmptyTargetsTable", "DELETE FROM Targets;", {"table Targets has no rows"});
    add("ChartTargetMissing", "DELETE FROM Targets WHERE TargetName = 'Hamm';",
        {"table Targets has no target Hamm"});

    add("EmptyWaveSelectionTable", "DELETE FROM WaveSelection;",
        {"table WaveSelection has no fighters for roll 11"});
    add("RollWithoutFighters", "DELETE FROM WaveSelection WHERE Roll = 34;", {"no fighters for roll 34"});
    add("RollWithSixFighters",
        "INSERT INTO WaveSelection VALUES (12,'Me109',1,NULL),(12,'Me110',2,NULL),(12,'FW190',3,NULL),"
        "(12,'Me109',4,NULL),(12,'Me109',5,NULL);",
        {"Roll 12 has more than 5 fighters"});
    add("RollTen", "INSERT INTO WaveSelection VALUES (10,'Me109',1,NULL);", {"Roll is 10, outside 11 to 66"});
    add("RollNotD66", "INSERT INTO WaveSelection VALUES (17,'Me109',1,NULL);", {"Roll 17 is not a d66 roll"});
    add("RollWithoutAttackers", "INSERT INTO WaveSelection VALUES (26,'Me109',1,NULL);",
        {"Roll 26 is never looked up"});
    add("RollAgainRoll", "INSERT INTO WaveSelection VALUES (66,'Me109',1,NULL);",
        {"Roll 66 is never looked up"});
    add("UnknownFighterType", "UPDATE WaveSelection SET Type = 'Me262' WHERE rowid = 3;",
        {"row 3: Type Me262 is not Me109, Me110 or FW190"});
    add("AttackPositionZero", "UPDATE WaveSelection SET Position = 0 WHERE rowid = 3;",
        {"Position is 0, outside 1 to 20"});
    add("AttackPositionTwentyOne", "UPDATE WaveSelection SET Position = 21 WHERE rowid = 3;",
        {"Position is 21"});
    add("UnknownSpecial", "UPDATE WaveSelection SET Special = 'X' WHERE rowid = 3;",
        {"Special X is not B, D or E"});
    add("EmptySpecial", "UPDATE WaveSelection SET Special = '' WHERE rowid = 3;",
        {"Special  is not B, D or E"});

    const std::string gunnery = "INSERT INTO Gunnery VALUES ";
    add("GunOne", gunnery + "(1, 1, 4, 4, 4);", {"table Gunnery, row 2: Gun is 1, outside 2 to 10"});
    add("GunEleven", gunnery + "(11, 1, 4, 4, 4);", {"Gun is 11"});
    add("GunneryPositionZero", gunnery + "(3, 0, 4, 4, 4);", {"table Gunnery", "Position is 0"});
    add("GunneryPositionTwentyOne", gunnery + "(3, 21, 4, 4, 4);", {"table Gunnery", "Position is 21"});
    add("ToHitSeven", gunnery + "(3, 1, 7, 4, 4);", {"Me109 is 7, outside 0 to 6"});
    add("ToHitMinusOne", gunnery + "(3, 1, 4, -1, 4);", {"Me110 is -1, outside 0 to 6"});
    add("ToHitSevenForFw190", gunnery + "(3, 1, 4, 4, 7);", {"FW190 is 7"});
}

void AddFileCases(std::vector<BadDatabase>& cases) {
    cases.push_back({"MissingFile", [](const fs::path&) {}, WithFileName({"file not found"})});
    cases.push_back({"DirectoryInsteadOfFile", [](const fs::path& file) { fs::create_directory(file); },
                     WithFileName({"not a regular file"})});
    cases.push_back(
        FromBytes("EmptyFile", [] { return std::string(); }, {"the file is empty: no table Targets"}));

    const std::string whole = std::to_string(ShippedDatabaseBytes().size());
    cases.push_back(FromBytes(
        "TruncatedToHalf", [] { return ShippedDatabaseBytes().substr(0, ShippedDatabaseBytes().size() / 2); },
        {"the file is truncated",
         std::to_string(ShippedDatabaseBytes().size() / 2) + " bytes of the " + whole}));
    cases.push_back(
        FromBytes("TruncatedByOneByte",
                  [] { return ShippedDatabaseBytes().substr(0, ShippedDatabaseBytes().size() - 1); },
                  {"the file is truncated", "of the " + whole}));
    cases.push_back(FromBytes("TruncatedInTheHeader", [] { return ShippedDatabaseBytes().substr(0, 60); },
                              {"the file is truncated: 60 bytes, less than a header"}));

    cases.push_back(FromBytes("RandomBytes", [] { return RandomBytes(8192, 1); },
                              {"cannot be read as a game database", "file is not a database"}));
    cases.push_back(FromBytes("RandomBytesAfterTheHeader",
                              [] {
                                  return ShippedDatabaseBytes().substr(0, 100) +
                                         RandomBytes(ShippedDatabaseBytes().size() - 100, 2);
                              },
                              {"cannot be read as a game database"}));
    cases.push_back(FromBytes("TextFile", [] { return std::string("TargetName,ZoneCount\nKiel,2\n"); },
                              {"cannot be read as a game database", "file is not a database"}));

    for (const char* table : {"Targets", "WaveSelection", "Gunnery"})
        cases.push_back(FromSql(std::string("No") + table + "Table", std::string("DROP TABLE ") + table + ";",
                                {std::string("no table ") + table}));
}

} // namespace

void ApplySql(const fs::path& file, const std::string& sql) {
    SQLite::Database db(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec(std::string(FastWrites) + "BEGIN;" + sql + "COMMIT;");
}

const std::string& ValidDatabaseBytes() {
    static const std::string bytes = [] {
        const ScratchDirectory scratch;
        const fs::path file = scratch.Path() / "valid.db";
        ApplySql(file, ValidSql());
        return Slurp(file);
    }();
    return bytes;
}

const std::string& ShippedDatabaseBytes() {
    static const std::string bytes = Slurp(DataDirectory() / GameDatabase::FileName);
    return bytes;
}

void BadDatabase::Make(const fs::path& directory) const {
    Write(directory / GameDatabase::FileName);
}

std::vector<BadDatabase> BadDatabases() {
    std::vector<BadDatabase> cases;
    AddFileCases(cases);
    AddColumnCases(cases);
    AddValueCases(cases);
    return cases;
}

void MakeApostropheDatabase(const fs::path& directory) {
    const fs::path file = directory / GameDatabase::FileName;
    WriteBytes(file, ValidDatabaseBytes());
    std::string quoted;
    for (char c : ApostropheTarget)
        quoted += c == '\'' ? "''" : std::string(1, c);
    ApplySql(file, "UPDATE WaveSelection SET Special = 'B';"
                   "INSERT INTO Targets (TargetName, ZoneCount, TargetType, HeavyFlak, \"2Mod\", \"3Mod\", "
                   "\"2Ter\", \"3Ter\") VALUES ('" +
                       quoted + "', 3, 'U-Boat Pens', -1, 1, 2, 'Water', 'Land');");
}

} // namespace halvard::test
