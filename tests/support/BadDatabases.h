#pragma once

// Game database files that every front-end must refuse with one clear error. The reliability
// tests walk the list through the engine and the terminal, so a case added here is tried in both.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace halvard::test {

struct BadDatabase {
    std::string Name;                                             // usable as a test name
    std::function<void(const std::filesystem::path& file)> Write; // for the missing file: nothing
    std::vector<std::string> ExpectedWords;                       // the file's name, then the problem
    void Make(const std::filesystem::path& directory) const;      // GameDatabase::FileName in it
};

// Missing, empty, truncated, random bytes, a header lookalike, a table or any column the loader
// reads missing, Null, of a wrong type or out of range, duplicate and missing targets, wave rolls
// without fighters or with too many.
std::vector<BadDatabase> BadDatabases();

// The bytes of the small valid database (ValidSql) and of the shipped one, read once; and SQL
// run on a database file in one transaction.
const std::string& ValidDatabaseBytes();
const std::string& ShippedDatabaseBytes();
void ApplySql(const std::filesystem::path& file, const std::string& sql);

} // namespace halvard::test
