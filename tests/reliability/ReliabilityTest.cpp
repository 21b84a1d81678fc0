// Missions played by random clicks, checked against the rules after every event. Damaged game
// databases: each file of the damaged databases' list gives one error naming the file and the
// problem, in the engine and from the terminal. And the loader under seeded random damage, byte
// by byte and through SQL: whatever the file holds, opening it gives a database on which the
// monkey flies a mission by the rules, or raises one GameDataError naming the file. Any other
// exception, a crash or a sanitizer's report is a fault.

#include "BadDatabases.h"
#include "MissionCharts.h"
#include "MissionSetup.h"
#include "Monkey.h"
#include "Program.h"
#include "TestData.h"

#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>

// Missions the monkey plays, and files per kind of damage; the sanitizers' build sets fewer.
#ifndef HALVARD_MONKEY_MISSIONS
#define HALVARD_MONKEY_MISSIONS 4000
#endif
#ifndef HALVARD_MUTATIONS
#define HALVARD_MUTATIONS 1500
#endif

namespace halvard::test {
namespace {

using CorruptDatabase = ::testing::TestWithParam<BadDatabase>;

// The engine raises one GameDataError naming the file and the problem (any other exception fails
// the test), and the terminal prints just that on standard error, having played nothing.
TEST_P(CorruptDatabase, GivesOneErrorNamingTheFileAndTheProblem) {
    const ScratchDirectory directory;
    GetParam().Make(directory.Path());
    const std::string message = MessageOf<GameDataError>([&] { OpenGameDatabase(directory.Path()); });
    EXPECT_EQ(message.rfind((directory.Path() / GameDatabase::FileName).string() + ": ", 0), 0u) << message;
    EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    for (const std::string& word : GetParam().ExpectedWords)
        EXPECT_NE(message.find(word), std::string::npos) << "\"" << word << "\" not in " << message;

    const test::Run run = RunCliWithInput("--trace --seed 1 --data " + Quoted(directory.Path().string()),
                                          "random\nstep\nquit\n");
    EXPECT_EQ(run.ExitStatus, 1) << "(-1: killed by a signal)";
    EXPECT_EQ(run.Output, "");
    EXPECT_EQ(run.Errors, "halvard-cli: " + message + "\n");
}

INSTANTIATE_TEST_SUITE_P(Files, CorruptDatabase, ::testing::ValuesIn(BadDatabases()),
                         [](const auto& info) { return info.param.Name; });

// Writes each damaged file in turn, with a note of its damage, and opens it as the program does.
void Damage(const std::function<void(const std::filesystem::path& file, int i, std::string& what)>& write) {
    ScratchDirectory directory;
    const std::filesystem::path file = directory.Path() / GameDatabase::FileName;
    int accepted = 0, refused = 0;
    for (int i = 0; i < HALVARD_MUTATIONS; ++i) {
        std::string what = "file " + std::to_string(i) + ":";
        write(file, i, what);
        try {
            const GameDatabase database = GameDatabase::Open(file, MissionChartTargets);
            const auto broken = PlayMonkey(database, static_cast<std::uint64_t>(++accepted), 1);
            ASSERT_FALSE(broken) << what << "\n" << *broken;
        } catch (const GameDataError& e) {
            ++refused;
            const std::string message = e.what(), named = file.string() + ": ";
            ASSERT_TRUE(message.starts_with(named) && message.size() > named.size()) << what + "\n" + message;
        } catch (const std::exception& e) {
            FAIL() << what << "\nthrew, instead of a GameDataError: " << e.what();
        }
    }
    EXPECT_GT(refused, HALVARD_MUTATIONS / 10) << "the damage hardly ever matters";
    EXPECT_GT(accepted, 0) << "harmless damage must still be accepted";
}

// Bit flips, cut-off files, header numbers at their extremes, chunks copied over others.
TEST(LoaderMutation, DamagedBytes) {
    std::mt19937_64 random(20240611);
    const auto pick = [&random](std::size_t size) { return static_cast<std::size_t>(random() % size); };
    Damage([&](const std::filesystem::path& file, int i, std::string& what) {
        std::string bytes = i % 2 == 0 ? ShippedDatabaseBytes() : ValidDatabaseBytes();
        for (std::size_t n = 1 + pick(4); n > 0 && !bytes.empty(); --n) {
            const std::size_t at = pick(bytes.size()), kind = pick(4);
            const std::size_t length = std::min(bytes.size() - at, 1 + pick(512));
            what += " " + std::to_string(kind) + "@" + std::to_string(at);
            if (kind == 0) bytes[at] = static_cast<char>(bytes[at] ^ (1 << pick(8)));
            if (kind == 1) bytes.resize(at);
            for (std::size_t j = 0,
                             value = kind == 2 ? std::array{0u, 1u, 0x7FFFFFFFu, 0xFFFFFFFFu}[pick(4)] : 0;
                 kind == 2 && j < 4 && at % 100 + j < bytes.size(); ++j)
                bytes[at % 100 + j] = static_cast<char>(value >> (24 - 8 * j));
            if (kind == 3) bytes.replace(at, length, bytes.substr(pick(bytes.size() - length + 1), length));
        }
        WriteFile(file, bytes);
    });
}

// Up to three damaging statements: a value of any type in any column read, rows deleted or
// doubled, columns dropped or added, a table dropped.
TEST(LoaderMutation, DamagingSql) {
    std::mt19937_64 random(7031);
    const auto pick = [&random](std::size_t size) { return static_cast<std::size_t>(random() % size); };
    std::vector<std::string> values; // of every type, and at the edges of the ranges read
    std::istringstream list("NULL|0|1|-1|2|6|7|8|9|11|16|20|21|66|-7|2147483648|-9223372036854775808|2.5|"
                            "'text'|''|X'00'|'Me109'|'B'|'Kiel'|' '|'5'");
    for (std::string value; std::getline(list, value, '|');)
        values.push_back(value);
    const auto columns = GameDatabase::ColumnsRead();
    Damage([&](const std::filesystem::path& file, int i, std::string& what) {
        WriteFile(file, i % 3 == 0 ? ShippedDatabaseBytes() : ValidDatabaseBytes());
        for (std::size_t n = 1 + pick(3); n > 0; --n) {
            const ColumnRead& column = columns[pick(columns.size())];
            const std::string table(column.Table), name = "\"" + std::string(column.Name) + "\"";
            const std::string &value = values[pick(values.size())], row = std::to_string(1 + pick(60));
            const std::string sql[] = {
                "UPDATE " + table + " SET " + name + " = " + value + " WHERE rowid = " + row,
                "UPDATE " + table + " SET " + name + " = " + value,
                "DELETE FROM " + table + " WHERE rowid = " + row,
                "INSERT INTO " + table + " SELECT * FROM " + table + " WHERE rowid = " + row,
                "ALTER TABLE " + table + " DROP COLUMN " + name,
                "ALTER TABLE " + table + " ADD COLUMN Extra TEXT DEFAULT 'x'",
                "DELETE FROM " + table + " WHERE rowid % 7 = 3",
                "DROP TABLE " + table};
            const int kind = std::array{0, 0, 0, 1, 2, 3, 4, 4, 5, 6, 6, 6, 6, 7}[pick(14)];
            try { // the damaged file may no longer allow it (a column dropped twice)
                ApplySql(file, sql[kind] + ";");
                what += " " + sql[kind] + ";";
            } catch (const std::exception&) {
            }
        }
    });
}

TEST(Monkey, EveryRuleHoldsAfterEveryRandomClick) {
    MonkeyCounts total;
    for (std::uint64_t seed = 1; total.Missions < HALVARD_MONKEY_MISSIONS; ++seed) {
        // Eight missions to a run of the program, then it starts afresh with a new seed.
        const auto broken = PlayMonkey(ShippedDatabase(), seed, 8, &total);
        ASSERT_FALSE(broken) << *broken;
    }
    // The player must reach what the rules are about, not only click about.
    EXPECT_GE(total.Landings, total.Missions / 4) << total.Landings << " landings";
}

// The checks must catch a broken screen: each case breaks one rule in the middle of random play,
// after an event of a kind in a phase where it acts, and the report must name what broke.
struct Breakage {
    const char* Reported;
    Action On;
    int From;                                           // the phase the event came in
    bool (*Break)(MissionScreen& s, Game& g, int cell); // false when there was nothing to break
};

const Breakage Breakages[] = {
    {"\"Incoming Wave?\"", Action::Step, phase::CheckForWaves,
     [](auto& s, auto&, int) { return s.cmdNextStep.Caption = "Incoming Wave?", true; }},
    {"the step button is enabled in phase 6", Action::Step, phase::RollForCoverResults,
     [](auto& s, auto&, int) { return s.nPhase == 6 && (s.cmdNextStep.Enabled = true); }},
    {"does not show its mark", Action::Cell, phase::RemoveEnemyFighters,
     [](auto&, auto& g, int cell) {
         auto& tag = g.Waves.Row[cell].ToHit.Tag;
         return tag == "FC" && (tag.clear(), true);
     }},
    {"an event the rules give no effect changed", Action::Gun, phase::EnterNextZone,
     [](auto&, auto& g, int) { return g.Damage.RadioOut ^= true, true; }},
    {"carries the assignment \"\"", Action::Cell, phase::AssignGuns,
     [](auto& s, auto&, int cell) {
         return s.nSelectedGun && s.ShownToHit(cell) && (s.GunCounters[s.nSelectedGun].Tag.clear(), true);
     }},
    {"gun 2 aimed at", Action::Step, phase::CorvaneFire,
     [](auto&, auto& g, int) { return ++g.Guns[2].Ammo > 0; }},
    {"the event threw: index 7 outside 1..6", Action::Step, phase::EnterTarget,
     [](auto&, auto&, int) -> bool { throw std::out_of_range("index 7 outside 1..6"); }},
};

TEST(Monkey, ReportsABrokenRuleWithItsSeed) {
    for (const Breakage& breakage : Breakages) {
        bool broken = false; // set before breaking, for a break that throws
        const auto report =
            PlayMonkey(ShippedDatabase(), 7, 20, nullptr, [&](auto& s, auto& g, const Event& e, int from) {
                if (!broken && e.What == breakage.On && from == breakage.From)
                    broken = true, broken = breakage.Break(s, g, e.Index);
            });
        ASSERT_TRUE(broken) << "twenty missions never reached a point to break " << breakage.Reported;
        EXPECT_TRUE(report && report->starts_with("seed 7, event ") &&
                    report->find(breakage.Reported) != std::string::npos)
            << report.value_or("not reported: ") << breakage.Reported;
    }
}

} // namespace
} // namespace halvard::test
