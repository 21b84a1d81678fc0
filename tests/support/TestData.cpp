#include "TestData.h"

#include "BadDatabases.h"
#include "MissionCharts.h"
#include "MissionSetup.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <type_traits>
#include <unistd.h>

namespace halvard::test {

Mark MarkFrom(std::string_view text) {
    if (text.empty()) return {};
    if (text == "FC" || text == "XXX") return {text == "FC" ? Mark::Kind::ChasedOff : Mark::Kind::Missed};
    if (text.size() != 3 || text[1] != '/') throw std::invalid_argument("no mark reads " + std::string(text));
    return Mark::Aim(text[0] - '0', text[2] - '0'); // a row and a to-hit number: one digit each
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ostringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
}

void WriteFile(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string ValidSql() {
    std::string sql = R"(
CREATE TABLE Targets (TargetName TEXT, ZoneCount INTEGER, TargetType TEXT, HeavyFlak INTEGER,
  "2Mod" INTEGER, "3Mod" INTEGER, "4Mod" INTEGER, "5Mod" INTEGER, "6Mod" INTEGER, "7Mod" INTEGER, "8Mod" INTEGER,
  "2Ter" TEXT, "3Ter" TEXT, "4Ter" TEXT, "5Ter" TEXT, "6Ter" TEXT, "7Ter" TEXT, "8Ter" TEXT);
CREATE TABLE WaveSelection (Roll INTEGER, Type TEXT, Position INTEGER, Special TEXT);
CREATE TABLE Gunnery (Gun INTEGER, Position INTEGER, Me109 INTEGER, Me110 INTEGER, FW190 INTEGER);
INSERT INTO Gunnery VALUES (2, 1, 4, 3, 5);
WITH RECURSIVE r(n) AS (SELECT 11 UNION ALL SELECT n + 1 FROM r WHERE n < 65)
  INSERT INTO WaveSelection SELECT n, 'Me109', 1, NULL FROM r WHERE n % 10 BETWEEN 1 AND 5;
)";
    for (std::size_t i = 0; i < MissionChartTargets.size(); ++i) {
        const std::size_t zones = 2 + i % 7;
        sql += "INSERT INTO Targets VALUES ('" + std::string(MissionChartTargets[i]) + "', " +
               std::to_string(zones) + ", 'Airfield', 0";
        for (std::size_t z = 2; z <= 8; ++z)
            sql += z <= zones ? ", 0" : ", NULL";
        for (std::size_t z = 2; z <= 8; ++z)
            sql += z <= zones ? ", 'Land'" : ", NULL";
        sql += ");\n";
    }
    return sql;
}

ScratchDirectory::ScratchDirectory() {
    // A new directory every time: one left behind by a test run that was killed, under a
    // process id that has come round again, must not hand its files to this test.
    std::string name = (std::filesystem::temp_directory_path() / "halvard-test-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) throw std::runtime_error("cannot make a directory like " + name);
    path_ = name;
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

TempDatabase::TempDatabase(std::string_view sql) {
    ApplySql(path_, std::string(sql));
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

FighterRecord MakeFighter(std::string_view type, int position, int damage, std::string special) {
    FighterRecord fighter{.AttackPos = position, .DamageLevel = damage};
    fighter.FighterType = type;
    fighter.Special = special;
    return fighter;
}

std::unique_ptr<Game> CrewedGame(const GameDatabase& database, std::vector<int> faces) {
    auto game = ScriptedGame(database, std::move(faces));
    ManTheBomber(*game);
    return game;
}

std::vector<int> FacesFor(const std::vector<Roll>& rolls) {
    std::vector<int> faces;
    for (const Roll& roll : rolls) {
        const int first = std::min(roll.Value - 1, 6); // of a 2d6 roll
        if (roll.Die == "1d6")
            faces.push_back(roll.Value);
        else if (roll.Die == "2d6")
            faces.insert(faces.end(), {first, roll.Value - first});
        else if (roll.Die == "d66")
            faces.insert(faces.end(), {roll.Value / 10, roll.Value % 10});
        else
            throw std::invalid_argument("no such die: " + std::string(roll.Die));
    }
    return faces;
}

std::vector<std::string> LinesFor(const std::vector<Roll>& rolls) {
    std::vector<std::string> lines;
    for (const Roll& roll : rolls)
        lines.push_back(std::to_string(roll.Value) + (roll.Value < 10 ? " :" : ":") +
                        std::string(roll.Label));
    return lines;
}

std::vector<std::string> Transcript::RollLabels() const {
    std::vector<std::string> labels;
    for (const std::string& line : Rolls)
        labels.push_back(line.substr(3));
    return labels;
}

std::shared_ptr<Transcript> Record(Game& game) {
    auto transcript = std::make_shared<Transcript>();
    game.Rolls.SetListener([transcript](std::string_view line) { transcript->Rolls.emplace_back(line); });
    game.Messages.SetListener(
        [transcript](std::string_view line) { transcript->Messages.emplace_back(line); });
    return transcript;
}

std::string Describe(const GameState& state) {
    std::ostringstream out;
    for (int i = 1; i <= CrewCount; ++i) {
        if (state.Crew[i].Wound != 0) out << "Crew[" << i << "].Wound=" << state.Crew[i].Wound << "\n";
        const CrewPosRecord& pos = state.CrewPos[i];
        out << "CrewPos[" << i << "]=" << pos.Occupant << (pos.HeatOut ? " HeatOut" : "") << " Oxygen "
            << pos.OxygenHits << "\n";
    }
    for (int g = FirstGun; g <= LastGun; ++g)
        out << "Guns[" << g << "]=" << state.Guns[g].Status.View() << " ammo " << state.Guns[g].Ammo
            << " gunner " << state.Guns[g].Gunner << "\n";
    VisitDamageFields(state.Damage, [&out](std::string_view name, const auto& value) {
        using Value = std::decay_t<decltype(value)>;
        if (value == Value{}) return;
        out << name;
        if constexpr (!std::is_same_v<Value, bool>) out << "=" << value;
        out << "\n";
    });
    return out.str();
}

} // namespace halvard::test
