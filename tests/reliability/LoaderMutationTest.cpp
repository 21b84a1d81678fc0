// The database loader under seeded random mutation, byte by byte and through SQL: whatever the
// file holds, opening it either gives a database the engine can trust, on which a mission is
// then played by the monkey, or raises one GameDataError naming the file. Any other exception,
// a crash or (under the sanitizers) a memory or undefined-behaviour report is a fault.

#include "BadDatabases.h"
#include "GameDatabase.h"
#include "MissionCharts.h"
#include "Monkey.h"
#include "TestData.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <random>
#include <set>
#include <typeinfo>

// Files tried per kind of mutation; the sanitizers' build sets fewer.
#ifndef HALVARD_MUTATIONS
#define HALVARD_MUTATIONS 1500
#endif

namespace halvard::test {
namespace {

namespace fs = std::filesystem;

int Pick(std::mt19937_64& random, int lo, int hi) {
    return lo + static_cast<int>(random() % static_cast<std::uint64_t>(hi - lo + 1));
}

// What the engine takes for granted of an accepted database; empty when all of it holds.
std::string Unsound(const GameDatabase& database) {
    std::set<std::string> names;
    for (const TargetRow& target : database.Targets()) {
        if (target.TargetName.empty() || !names.insert(target.TargetName).second)
            return "target name \"" + target.TargetName + "\" empty or twice";
        if (target.ZoneCount < 2 || target.ZoneCount > 8)
            return target.TargetName + " lies in zone " + std::to_string(target.ZoneCount);
        for (int zone = 2; zone <= target.ZoneCount; ++zone)
            if (target.Mod[zone] < -6 || target.Mod[zone] > 6)
                return target.TargetName + " has a modifier out of range";
    }
    for (std::string_view name : MissionChartTargets)
        if (!database.FindTarget(name)) return "no target " + std::string(name);
    for (int roll = 11; roll <= 66; ++roll) {
        if (roll % 10 < 1 || roll % 10 > 6) continue;
        const auto rows = database.WaveRows(roll);
        if (IsNoAttackerRoll(roll) ? !rows.empty() : rows.empty() || rows.size() > 5)
            return "roll " + std::to_string(roll) + " has " + std::to_string(rows.size()) + " fighters";
        for (const WaveSelectionRow& row : rows) {
            if (row.Type == FighterType::None) return "a fighter without a type";
            if (row.Position < 1 || row.Position > 20)
                return "attack position " + std::to_string(row.Position);
            if (row.Special == FighterSpecial::Extra) return "a fighter marked as the extra one";
        }
    }
    for (int gun = 2; gun <= 10; ++gun)
        for (int position = 1; position <= 20; ++position)
            if (const GunneryRow* row = database.Gunnery(gun, position))
                for (int toHit : row->ByType)
                    if (toHit < 0 || toHit > 6) return "to-hit number " + std::to_string(toHit);
    return "";
}

struct Outcome {
    long Accepted = 0;
    long Refused = 0;
    long Missions = 0;
};

class LoaderMutation : public ::testing::Test {
  protected:
    // Opens the file as the program does. Returns false on a fault, having reported it.
    bool Try(const std::string& what, Outcome& outcome) {
        try {
            const GameDatabase database = GameDatabase::Open(file, MissionChartTargets);
            ++outcome.Accepted;
            const std::string unsound = Unsound(database);
            if (!unsound.empty()) {
                ADD_FAILURE() << what << ": accepted a database with " << unsound;
                return false;
            }
            Monkey monkey(database, outcome.Accepted);
            const auto broken = monkey.Play(1);
            outcome.Missions += monkey.Counts().Missions;
            if (broken)
                ADD_FAILURE() << what << ": a mission on the accepted database broke a rule: " << *broken;
            return !broken;
        } catch (const GameDataError& e) {
            ++outcome.Refused;
            const std::string message = e.what();
            if (message.rfind(file.string() + ": ", 0) == 0 && message.size() > file.string().size() + 2)
                return true;
            ADD_FAILURE() << what << ": the error does not name the file and a problem: " << message;
        } catch (const std::exception& e) {
            ADD_FAILURE() << what << ": threw " << typeid(e).name()
                          << " instead of GameDataError: " << e.what();
        }
        return false;
    }

    void Write(const std::string& bytes) {
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    static void Summary(const char* kind, const Outcome& outcome) {
        std::cout << "[ loader   ] " << kind << ": " << outcome.Accepted + outcome.Refused << " files, "
                  << outcome.Refused << " refused, " << outcome.Accepted << " accepted (" << outcome.Missions
                  << " missions flown on them)" << std::endl;
        RecordProperty("files", std::to_string(outcome.Accepted + outcome.Refused));
    }

    ScratchDirectory directory;
    fs::path file = directory.Path() / GameDatabase::FileName;
};

// Bit flips, overwritten bytes and ranges, cut-off files, copied chunks, odd header numbers.
std::string MutateBytes(std::string bytes, std::mt19937_64& random) {
    for (int n = Pick(random, 1, 4); n > 0 && !bytes.empty(); --n) {
        const auto at = static_cast<std::size_t>(Pick(random, 0, static_cast<int>(bytes.size()) - 1));
        switch (Pick(random, 0, 6)) {
        case 0: bytes[at] = static_cast<char>(bytes[at] ^ (1 << Pick(random, 0, 7))); break;
        case 1:
            bytes[at] = static_cast<char>(std::array{0x00, 0xFF, Pick(random, 0, 255)}[Pick(random, 0, 2)]);
            break;
        case 2:
            for (std::size_t i = at;
                 i < std::min(bytes.size(), at + static_cast<std::size_t>(Pick(random, 1, 64))); ++i)
                bytes[i] = static_cast<char>(random() & 0xFF);
            break;
        case 3: bytes.resize(at); break;
        case 4: {
            const auto from = static_cast<std::size_t>(Pick(random, 0, static_cast<int>(bytes.size()) - 1));
            const std::size_t length = std::min({bytes.size() - from, bytes.size() - at, std::size_t(512)});
            bytes.replace(at, length, bytes.substr(from, length));
            break;
        }
        case 5: bytes[at % 100] = static_cast<char>(random() & 0xFF); break;
        case 6: {
            const std::uint32_t value = std::array{0u, 1u, 0x7FFFFFFFu, 0xFFFFFFFFu}[Pick(random, 0, 3)];
            for (std::size_t i = 0; i < 4 && at + i < bytes.size(); ++i)
                bytes[at + i] = static_cast<char>(value >> (24 - 8 * i));
            break;
        }
        }
    }
    return bytes;
}

TEST_F(LoaderMutation, DamagedBytesGiveASoundDatabaseOrOneGameDataError) {
    std::mt19937_64 random(20240611);
    Outcome outcome;
    for (int i = 0; i < HALVARD_MUTATIONS; ++i) {
        const bool shipped = i % 2 == 0;
        Write(MutateBytes(shipped ? ShippedDatabaseBytes() : ValidDatabaseBytes(), random));
        if (!Try("byte mutation " + std::to_string(i) +
                     (shipped ? " of the shipped database" : " of the small one"),
                 outcome))
            return;
    }
    EXPECT_GT(outcome.Refused, HALVARD_MUTATIONS / 10) << "the mutations hardly ever damage anything";
    Summary("byte mutations", outcome);
}

// One damaging statement: a value of any type in any column read, rows deleted or doubled,
// columns dropped, renamed or added, a table dropped.
std::string MutationSql(std::mt19937_64& random) {
    const auto columns = GameDatabase::ColumnsRead();
    const ColumnRead& column =
        columns[static_cast<std::size_t>(Pick(random, 0, static_cast<int>(columns.size()) - 1))];
    const std::string table(column.Table);
    const std::string name = "\"" + std::string(column.Name) + "\"";
    static constexpr std::string_view Values[] = {
        "NULL",
        "0",
        "1",
        "-1",
        "2",
        "6",
        "7",
        "8",
        "9",
        "11",
        "16",
        "20",
        "21",
        "66",
        "-7",
        "2147483648",
        "-9223372036854775808",
        "2.5",
        "'text'",
        "''",
        "X'00'",
        "'Me109'",
        "'B'",
        "'Kiel'",
        "' '",
        "'5'",
    };
    const std::string value(Values[Pick(random, 0, static_cast<int>(std::size(Values)) - 1)]);
    const std::string row = std::to_string(Pick(random, 1, 60));
    switch (Pick(random, 0, 9)) {
    case 0:
    case 1:
    case 2: return "UPDATE " + table + " SET " + name + " = " + value + " WHERE rowid = " + row + ";";
    case 3: return "UPDATE " + table + " SET " + name + " = " + value + ";";
    case 4: return "DELETE FROM " + table + " WHERE rowid = " + row + ";";
    case 5: return "INSERT INTO " + table + " SELECT * FROM " + table + " WHERE rowid = " + row + ";";
    case 6: return "ALTER TABLE " + table + " DROP COLUMN " + name + ";";
    case 7: return "ALTER TABLE " + table + " RENAME COLUMN " + name + " TO Renamed;";
    case 8: return "ALTER TABLE " + table + " ADD COLUMN Extra TEXT DEFAULT 'x';";
    default:
        return Pick(random, 0, 4) == 0 ? "DROP TABLE " + table + ";"
                                       : "DELETE FROM " + table + " WHERE rowid % 7 = 3;";
    }
}

TEST_F(LoaderMutation, DamagingSqlGivesASoundDatabaseOrOneGameDataError) {
    std::mt19937_64 random(7031);
    Outcome outcome;
    for (int i = 0; i < HALVARD_MUTATIONS; ++i) {
        Write(i % 3 == 0 ? ShippedDatabaseBytes() : ValidDatabaseBytes());
        std::string applied;
        for (int n = Pick(random, 1, 3); n > 0; --n) {
            const std::string sql = MutationSql(random);
            try {
                ApplySql(file, sql);
                applied += " " + sql;
            } catch (const std::exception&) {
                // A statement the damaged file no longer allows (a column dropped twice): skip it.
            }
        }
        if (!Try("SQL mutation " + std::to_string(i) + ":" + applied, outcome)) return;
    }
    EXPECT_GT(outcome.Refused, HALVARD_MUTATIONS / 10);
    EXPECT_GT(outcome.Accepted, 0) << "harmless changes must still be accepted";
    Summary("SQL mutations", outcome);
}

} // namespace
} // namespace halvard::test
