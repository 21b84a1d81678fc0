// The database loader under seeded random damage, byte by byte and through SQL: whatever the
// file holds, opening it either gives a database the engine can trust, on which the monkey then
// flies a mission, or raises one GameDataError naming the file. Any other exception, a crash or
// (under the sanitizers) a memory or undefined-behaviour report is a fault.

#include "BadDatabases.h"
#include "MissionCharts.h"
#include "Monkey.h"
#include "TestData.h"

#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

#ifndef HALVARD_MUTATIONS
#define HALVARD_MUTATIONS 1500 // files per kind of damage; the sanitizers' build sets fewer
#endif

namespace halvard::test {
namespace {

int Pick(std::mt19937_64& random, int lo, int hi) {
    return lo + static_cast<int>(random() % static_cast<std::uint64_t>(hi - lo + 1));
}

// What the engine takes for granted of an accepted database; empty when all of it holds.
std::string Unsound(const GameDatabase& database) {
    std::set<std::string> names;
    for (const TargetRow& target : database.Targets()) {
        if (target.TargetName.empty() || !names.insert(target.TargetName).second || target.ZoneCount < 2 ||
            target.ZoneCount > 8)
            return "target \"" + target.TargetName + "\" empty, twice or in zone " +
                   std::to_string(target.ZoneCount);
        for (int zone = 2; zone <= target.ZoneCount; ++zone)
            if (target.Mod[zone] < -6 || target.Mod[zone] > 6)
                return target.TargetName + "'s modifier out of range";
    }
    for (std::string_view name : MissionChartTargets)
        if (!database.FindTarget(name)) return "no target " + std::string(name);
    for (int roll = 11; roll <= 66; roll += roll % 10 == 6 ? 5 : 1) {
        const auto rows = database.WaveRows(roll);
        if (IsNoAttackerRoll(roll) ? !rows.empty() : rows.empty() || rows.size() > 5)
            return "roll " + std::to_string(roll) + " with " + std::to_string(rows.size()) + " fighters";
        for (const WaveSelectionRow& row : rows)
            if (row.Type == FighterType::None || row.Position < 1 || row.Position > 20 ||
                row.Special == FighterSpecial::Extra)
                return "roll " + std::to_string(roll) +
                       " with a fighter of no type, position or as the extra one";
    }
    for (int gun = 2; gun <= 10; ++gun)
        for (int position = 1; position <= 20; ++position)
            if (const GunneryRow* row = database.Gunnery(gun, position))
                if (std::ranges::any_of(row->ByType, [](int toHit) { return toHit < 0 || toHit > 6; }))
                    return "a to-hit number out of range";
    return "";
}

// Writes each damaged file in turn and opens it as the program does, until the first fault.
void Damage(const std::function<void(const std::filesystem::path& file, int i, std::string& what)>& write) {
    ScratchDirectory directory;
    const std::filesystem::path file = directory.Path() / GameDatabase::FileName;
    long accepted = 0, refused = 0;
    for (int i = 0; i < HALVARD_MUTATIONS; ++i) {
        std::string what = "file " + std::to_string(i) + ":";
        write(file, i, what);
        try {
            const GameDatabase database = GameDatabase::Open(file, MissionChartTargets);
            ++accepted;
            const std::string unsound = Unsound(database);
            ASSERT_EQ(unsound, "") << what;
            Monkey monkey(database, static_cast<std::uint64_t>(accepted));
            const auto broken = monkey.Play(1);
            ASSERT_FALSE(broken) << what << "\n" << *broken;
        } catch (const GameDataError& e) {
            ++refused;
            const std::string message = e.what(), prefix = file.string() + ": ";
            ASSERT_TRUE(message.starts_with(prefix) && message.size() > prefix.size()) << what << "\n"
                                                                                       << message;
        } catch (const std::exception& e) {
            FAIL() << what << "\nthrew, instead of a GameDataError: " << e.what();
        }
    }
    EXPECT_GT(refused, HALVARD_MUTATIONS / 10) << "the damage hardly ever matters";
    EXPECT_GT(accepted, 0) << "harmless damage must still be accepted";
}

// Bit flips, overwritten bytes and ranges, cut-off files, copied chunks, odd header numbers.
TEST(LoaderMutation, DamagedBytes) {
    std::mt19937_64 random(20240611);
    Damage([&random](const std::filesystem::path& file, int i, std::string& what) {
        std::string bytes = i % 2 == 0 ? ShippedDatabaseBytes() : ValidDatabaseBytes();
        for (int n = Pick(random, 1, 4); n > 0 && !bytes.empty(); --n) {
            const auto at = static_cast<std::size_t>(Pick(random, 0, static_cast<int>(bytes.size()) - 1));
            const int kind = Pick(random, 0, 6);
            what += " " + std::to_string(kind) + "@" + std::to_string(at);
            if (kind == 0) bytes[at] = static_cast<char>(bytes[at] ^ (1 << Pick(random, 0, 7)));
            if (kind == 1)
                bytes[at] =
                    static_cast<char>(std::array{0x00, 0xFF, Pick(random, 0, 255)}[Pick(random, 0, 2)]);
            if (kind == 2) bytes[at % 100] = static_cast<char>(random()); // in the header
            for (std::size_t j = at, end = at + static_cast<std::size_t>(Pick(random, 1, 64));
                 kind == 3 && j < std::min(bytes.size(), end); ++j)
                bytes[j] = static_cast<char>(random());
            if (kind == 4) bytes.resize(at);
            if (kind == 5) { // a header number at its extremes
                const std::uint32_t value = std::array{0u, 1u, 0x7FFFFFFFu, 0xFFFFFFFFu}[Pick(random, 0, 3)];
                for (std::size_t j = 0; j < 4 && at % 100 + j < bytes.size(); ++j)
                    bytes[at % 100 + j] = static_cast<char>(value >> (24 - 8 * j));
            }
            if (kind == 6) { // a chunk copied over another
                const auto from =
                    static_cast<std::size_t>(Pick(random, 0, static_cast<int>(bytes.size()) - 1));
                const std::size_t length =
                    std::min({bytes.size() - from, bytes.size() - at, std::size_t{512}});
                bytes.replace(at, length, bytes.substr(from, length));
            }
        }
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    });
}

// Up to three damaging statements: a value of any type in any column read, rows deleted or
// doubled, columns dropped, renamed or added, a table dropped.
TEST(LoaderMutation, DamagingSql) {
    std::mt19937_64 random(7031);
    std::vector<std::string> values; // of every type, and at the edges of the ranges read
    std::istringstream list("NULL|0|1|-1|2|6|7|8|9|11|16|20|21|66|-7|2147483648|-9223372036854775808|2.5|"
                            "'text'|''|X'00'|'Me109'|'B'|'Kiel'|' '|'5'");
    for (std::string value; std::getline(list, value, '|');)
        values.push_back(value);
    const auto columns = GameDatabase::ColumnsRead();
    Damage([&](const std::filesystem::path& file, int i, std::string& what) {
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            << (i % 3 == 0 ? ShippedDatabaseBytes() : ValidDatabaseBytes());
        for (int n = Pick(random, 1, 3); n > 0; --n) {
            const ColumnRead& column =
                columns[static_cast<std::size_t>(Pick(random, 0, static_cast<int>(columns.size()) - 1))];
            const std::string table(column.Table), name = "\"" + std::string(column.Name) + "\"";
            const std::string& value =
                values[static_cast<std::size_t>(Pick(random, 0, static_cast<int>(values.size()) - 1))];
            const std::string row = std::to_string(Pick(random, 1, 60));
            const std::string sql[] = {
                "UPDATE " + table + " SET " + name + " = " + value + " WHERE rowid = " + row,
                "UPDATE " + table + " SET " + name + " = " + value,
                "DELETE FROM " + table + " WHERE rowid = " + row,
                "INSERT INTO " + table + " SELECT * FROM " + table + " WHERE rowid = " + row,
                "ALTER TABLE " + table + " DROP COLUMN " + name,
                "ALTER TABLE " + table + " RENAME COLUMN " + name + " TO Renamed",
                "ALTER TABLE " + table + " ADD COLUMN Extra TEXT DEFAULT 'x'",
                "DELETE FROM " + table + " WHERE rowid % 7 = 3",
                "DROP TABLE " + table};
            const int kind = std::array{0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 7, 7, 7, 8}[Pick(random, 0, 13)];
            try {
                ApplySql(file, sql[kind] + ";");
                what += " " + sql[kind] + ";";
            } catch (const std::exception&) {
                // A statement the damaged file no longer allows (a column dropped twice): skipped.
            }
        }
    });
}

} // namespace
} // namespace halvard::test
