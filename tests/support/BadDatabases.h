#pragma once

// Game database files that every front-end must refuse with one clear error, and one unusual
// file that must work. The engine's, the terminal's and the desktop program's tests all walk
// the same list, so a case added here is tried everywhere.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace halvard::test {

struct BadDatabase {
    std::string Name;                                             // usable as a test name
    std::function<void(const std::filesystem::path& file)> Write; // for the missing file: nothing
    std::vector<std::string> ExpectedWords;                       // the file's name, then the problem
    void Make(const std::filesystem::path& directory) const;      // GameDatabase::FileName in it
};

// Missing, empty, truncated, random bytes, a table or any column the loader reads missing, Null,
// of a wrong type or out of range, duplicate and missing targets, wave rolls without fighters or
// with too many.
std::vector<BadDatabase> BadDatabases();

// The bytes of the small valid database (ValidSql) and of the shipped one, read once; and SQL
// run on a database file in one transaction.
const std::string& ValidDatabaseBytes();
const std::string& ShippedDatabaseBytes();
void ApplySql(const std::filesystem::path& file, const std::string& sql);

// A target whose name holds an apostrophe, which the player chooses by name. The database holds
// it besides every target of the mission chart, and all its fighters are escorts ("B"), which
// cover cannot chase off: a mission flies by pressing the step button alone.
inline constexpr std::string_view ApostropheTarget = "Lorient's Pens";
void MakeApostropheDatabase(const std::filesystem::path& directory);

} // namespace halvard::test
