#include "TestData.h"

#include "MissionCharts.h"
#include "MissionSetup.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <atomic>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace halvard::test {

std::string ValidSql() {
    std::string sql = R"(
CREATE TABLE Targets (TargetName TEXT, ZoneCount INTEGER, TargetType TEXT, HeavyFlak INTEGER,
  "2Mod" INTEGER, "3Mod" INTEGER, "4Mod" INTEGER, "5Mod" INTEGER, "6Mod" INTEGER, "7Mod" INTEGER, "8Mod" INTEGER,
  "2Ter" TEXT, "3Ter" TEXT, "4Ter" TEXT, "5Ter" TEXT, "6Ter" TEXT, "7Ter" TEXT, "8Ter" TEXT);
CREATE TABLE WaveSelection (Roll INTEGER, Type TEXT, Position INTEGER, Special TEXT);
CREATE TABLE Gunnery (Gun INTEGER, Position INTEGER, Me109 INTEGER, Me110 INTEGER, FW190 INTEGER);
)";
    int index = 0;
    for (std::string_view name : MissionChartTargets) {
        const int zones = 2 + index++ % 7;
        std::string mods, ters;
        for (int z = 2; z <= 8; ++z) {
            mods += z <= zones ? ", 0" : ", NULL";
            ters += z <= zones ? ", 'Land'" : ", NULL";
        }
        std::string quoted(name);
        sql += "INSERT INTO Targets VALUES ('" + quoted + "', " + std::to_string(zones) + ", 'Airfield', 0" +
               mods + ters + ");\n";
    }
    for (int tens = 1; tens <= 6; ++tens)
        for (int units = 1; units <= 5; ++units)
            sql += "INSERT INTO WaveSelection VALUES (" + std::to_string(tens * 10 + units) +
                   ", 'Me109', 1, NULL);\n";
    sql += "INSERT INTO Gunnery VALUES (2, 1, 4, 3, 5);\n";
    return sql;
}

namespace {

std::filesystem::path FreshDirectory() {
    static std::atomic<int> counter{0};
    const auto dir = std::filesystem::temp_directory_path() /
                     ("halvard-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(dir);
    return dir;
}

} // namespace

TempDatabase::TempDatabase(std::string_view sql)
    : directory_(FreshDirectory()), path_(directory_ / "Corvane.db") {
    SQLite::Database db(path_.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec(std::string(sql));
}

TempDatabase TempDatabase::WithBytes(std::string_view bytes) {
    TempDatabase file;
    file.directory_ = FreshDirectory();
    file.path_ = file.directory_ / "Corvane.db";
    std::ofstream(file.path_, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

TempDatabase::~TempDatabase() {
    if (!directory_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(directory_, ignored);
    }
}

GameDatabase TempDatabase::Open() const {
    return GameDatabase::Open(path_, MissionChartTargets);
}

std::filesystem::path DataDirectory() {
    return HALVARD_DATA_DIR;
}

const GameDatabase& ShippedDatabase() {
    static const GameDatabase database = OpenGameDatabase(DataDirectory());
    return database;
}

std::unique_ptr<Game> ScriptedGame(const GameDatabase& database, std::vector<int> faces) {
    auto game = std::make_unique<Game>(database);
    game->UseDiceScript(FaceScript(std::move(faces)));
    return game;
}

std::vector<std::string> RollLines(const Game& game) {
    return game.Rolls.Lines();
}
std::vector<std::string> MessageLines(const Game& game) {
    return game.Messages.Lines();
}

} // namespace halvard::test
