#include "GameDatabase.h"

#include "MissionCharts.h"
#include "TestData.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

using test::TempDatabase;
using test::ValidSql;

TEST(GameDatabase, ReadsTheTablesOfAValidFile) {
    TempDatabase file(ValidSql() + R"(
        INSERT INTO WaveSelection VALUES (43, 'FW190', 11, 'B');
        INSERT INTO WaveSelection VALUES (43, 'Me110', 20, NULL);
        INSERT INTO Gunnery VALUES (10, 11, 4, 3, 5);
        INSERT INTO Gunnery VALUES (10, 11, 2, 6, 1);
    )");
    const GameDatabase db = file.Open();

    ASSERT_EQ(db.Targets().size(), 22u);
    EXPECT_EQ(db.TargetNames().front(), "St. Omer");
    EXPECT_EQ(db.TargetNames().back(), "Kiel");
    const TargetRow* cherbourg = db.FindTarget("Cherbourg");
    ASSERT_NE(cherbourg, nullptr);
    EXPECT_EQ(cherbourg->ZoneCount, 3);
    EXPECT_EQ(cherbourg->Ter[3], "Land");
    EXPECT_EQ(db.FindTarget("cherbourg"), nullptr) << "names are compared exactly";

    const auto wave = db.WaveRows(43);
    ASSERT_EQ(wave.size(), 3u);
    EXPECT_EQ(wave[0].Type, "Me109");
    EXPECT_EQ(wave[1].Type, "FW190");
    EXPECT_EQ(wave[1].Special, "B");
    EXPECT_EQ(wave[2].Position, 20);
    EXPECT_EQ(wave[2].Special, FighterSpecial::Unmarked);
    for (int roll : {16, 26, 36, 46, 56, 66, 0, 99})
        EXPECT_TRUE(db.WaveRows(roll).empty()) << roll;

    EXPECT_EQ(db.ToHit(2, 1, "Me109"), 4);
    EXPECT_EQ(db.ToHit(2, 1, "Me110"), 3);
    EXPECT_EQ(db.ToHit(2, 1, "FW190"), 5);
    EXPECT_EQ(db.ToHit(2, 1, "Me 10"), 0) << "an unknown type has no column";
    EXPECT_EQ(db.ToHit(10, 11, "Me109"), 2) << "the last of two matching rows counts";
    EXPECT_EQ(db.ToHit(3, 1, "Me109"), 0) << "no row: the gun cannot bear";
    EXPECT_EQ(db.Gunnery(3, 1), nullptr);
    EXPECT_EQ(db.Gunnery(1, 1), nullptr);
    EXPECT_EQ(db.Gunnery(2, 21), nullptr);
}

TEST(GameDatabase, ANameWithAnApostropheIsJustAName) {
    TempDatabase file(ValidSql() +
                      "INSERT INTO Targets VALUES ('Saint-Nazaire''s Pens', 4, 'U-Boat Pens', -1, "
                      "0, 1, 2, NULL, NULL, NULL, NULL, 'Water', 'Land', 'Land', NULL, NULL, NULL, NULL);");
    const GameDatabase db = file.Open();
    const TargetRow* pens = db.FindTarget("Saint-Nazaire's Pens");
    ASSERT_NE(pens, nullptr);
    EXPECT_TRUE(pens->HeavyFlak) << "-1 is True";
    EXPECT_EQ(pens->Mod[4], 2);
    EXPECT_EQ(db.TargetNames().back(), "Saint-Nazaire's Pens");
}

struct BadFile {
    const char* name;
    std::string sqlAfterValid; // applied to the valid database
    const char* problem;       // expected within the message
};

class BadDatabase : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadDatabase, RaisesOneErrorNamingTheFileAndTheProblem) {
    TempDatabase file(ValidSql() + GetParam().sqlAfterValid);
    try {
        file.Open();
        FAIL() << "accepted a bad database";
    } catch (const GameDataError& e) {
        const std::string message = e.what();
        EXPECT_EQ(message.rfind(file.Path().string() + ": ", 0), 0u) << message;
        EXPECT_NE(message.find(GetParam().problem), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Validation, BadDatabase,
    ::testing::Values(
        BadFile{"NoTargets", "DROP TABLE Targets;", "no table Targets"},
        BadFile{"NoWaveSelection", "DROP TABLE WaveSelection;", "no table WaveSelection"},
        BadFile{"NoGunnery", "DROP TABLE Gunnery;", "no table Gunnery"},
        BadFile{"NoModColumn", "ALTER TABLE Targets DROP COLumn \"8Mod\";", "has no column 8Mod"},
        BadFile{"NoTerColumn", "ALTER TABLE Targets DROP COLUMN \"2Ter\";", "has no column 2Ter"},
        BadFile{"NoSpecialColumn", "ALTER TABLE WaveSelection DROP COLUMN Special;", "has no column Special"},
        BadFile{"NoFw190Column", "ALTER TABLE Gunnery DROP COLUMN FW190;", "has no column FW190"},
        BadFile{"NullZoneCount", "UPDATE Targets SET ZoneCount = NULL WHERE rowid = 3;",
                "row 3: ZoneCount is empty"},
        BadFile{"TextZoneCount", "UPDATE Targets SET ZoneCount = 'four' WHERE rowid = 1;",
                "ZoneCount is not a whole"},
        BadFile{"RealZoneCount", "UPDATE Targets SET ZoneCount = 2.5 WHERE rowid = 1;",
                "ZoneCount is not a whole"},
        BadFile{"ZoneCountNine", "UPDATE Targets SET ZoneCount = 9 WHERE rowid = 1;",
                "ZoneCount is 9, outside 2 to 8"},
        BadFile{"ZoneCountOne", "UPDATE Targets SET ZoneCount = 1 WHERE rowid = 1;", "ZoneCount is 1"},
        BadFile{"NullModInRoute", "UPDATE Targets SET \"2Mod\" = NULL WHERE rowid = 1;", "2Mod is empty"},
        BadFile{"ModTooBig", "UPDATE Targets SET \"2Mod\" = 7 WHERE rowid = 1;", "2Mod is 7"},
        BadFile{"NullTerInRoute", "UPDATE Targets SET \"2Ter\" = NULL WHERE rowid = 1;", "2Ter is empty"},
        BadFile{"BlobTer", "UPDATE Targets SET \"2Ter\" = X'01' WHERE rowid = 1;", "2Ter is not a text"},
        BadFile{"HeavyFlakTwo", "UPDATE Targets SET HeavyFlak = 2 WHERE rowid = 1;", "HeavyFlak is 2"},
        BadFile{"NullTargetType", "UPDATE Targets SET TargetType = NULL WHERE rowid = 2;",
                "TargetType is empty"},
        BadFile{"EmptyName", "UPDATE Targets SET TargetName = '' WHERE rowid = 2;",
                "TargetName is an empty text"},
        BadFile{"DuplicateName", "UPDATE Targets SET TargetName = 'Kiel' WHERE rowid = 1;",
                "Kiel appears twice"},
        BadFile{"EmptyTargets", "DELETE FROM Targets;", "table Targets has no rows"},
        BadFile{"ChartTargetMissing", "DELETE FROM Targets WHERE TargetName = 'Hamm';", "no target Hamm"},
        BadFile{"RollWithoutRows", "DELETE FROM WaveSelection WHERE Roll = 34;", "no fighters for roll 34"},
        BadFile{"SixRows",
                "INSERT INTO WaveSelection VALUES (12,'Me109',1,NULL),(12,'Me109',1,NULL),"
                "(12,'Me109',1,NULL),(12,'Me109',1,NULL),(12,'Me109',1,NULL);",
                "Roll 12 has more than 5 fighters"},
        BadFile{"RowsForNoAttackerRoll", "INSERT INTO WaveSelection VALUES (26,'Me109',1,NULL);",
                "Roll 26 is never looked up"},
        BadFile{"RollNotD66", "INSERT INTO WaveSelection VALUES (17,'Me109',1,NULL);",
                "Roll 17 is not a d66"},
        BadFile{"RollSixtySix", "INSERT INTO WaveSelection VALUES (66,'Me109',1,NULL);",
                "Roll 66 is never looked up"},
        BadFile{"BadType", "UPDATE WaveSelection SET Type = 'Me 109' WHERE rowid = 4;", "Type Me 109 is not"},
        BadFile{"PositionZero", "UPDATE WaveSelection SET Position = 0 WHERE rowid = 4;", "Position is 0"},
        BadFile{"PositionTwentyOne", "UPDATE WaveSelection SET Position = 21 WHERE rowid = 4;",
                "Position is 21"},
        BadFile{"BadSpecial", "UPDATE WaveSelection SET Special = 'X' WHERE rowid = 4;",
                "Special X is not B, D or E"},
        BadFile{"EmptySpecial", "UPDATE WaveSelection SET Special = '' WHERE rowid = 4;", "Special  is not"},
        BadFile{"GunOne", "INSERT INTO Gunnery VALUES (1, 1, 4, 4, 4);", "Gun is 1"},
        BadFile{"GunnerPositionNull", "INSERT INTO Gunnery VALUES (3, NULL, 4, 4, 4);", "Position is empty"},
        BadFile{"ToHitSeven", "INSERT INTO Gunnery VALUES (3, 1, 7, 4, 4);", "Me109 is 7, outside 0 to 6"},
        BadFile{"ToHitMinusOne", "INSERT INTO Gunnery VALUES (3, 1, 4, -1, 4);", "Me110 is -1"},
        BadFile{"ToHitText", "INSERT INTO Gunnery VALUES (3, 1, 4, 4, 'five');", "FW190 is not a whole"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GameDatabase, FilesThatAreNoDatabaseGiveOneClearError) {
    const std::string header = "SQLite format 3";
    const struct {
        const char* name;
        std::string bytes;
        const char* problem;
    } cases[] = {
        {"empty", "", "no table Targets"},
        {"text", "this is not a database at all, just some text\n", "cannot be read as a game database"},
        {"header only", header + std::string(1, '\0') + std::string(100, 'x'),
         "cannot be read as a game database"},
    };
    for (const auto& c : cases) {
        const auto file = test::TempDatabase::WithBytes(c.bytes);
        try {
            file.Open();
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const GameDataError& e) {
            EXPECT_NE(std::string(e.what()).find(c.problem), std::string::npos) << c.name << ": " << e.what();
            EXPECT_NE(std::string(e.what()).find(file.Path().string()), std::string::npos) << c.name;
        }
    }
}

TEST(GameDatabase, MissingFileAndDirectoryAreNamed) {
    const auto missing = std::filesystem::temp_directory_path() / "halvard-no-such-dir" / "Corvane.db";
    EXPECT_THROW(
        {
            try {
                GameDatabase::Open(missing);
            } catch (const GameDataError& e) {
                EXPECT_EQ(std::string(e.what()), missing.string() + ": file not found");
                throw;
            }
        },
        GameDataError);
    EXPECT_THROW(GameDatabase::Open(std::filesystem::temp_directory_path()), GameDataError);
}

TEST(GameDatabase, TheShippedDatabaseHoldsEveryChartTargetAndFitsThePanel) {
    const GameDatabase& db = test::ShippedDatabase();
    for (std::string_view name : MissionChartTargets)
        EXPECT_NE(db.FindTarget(name), nullptr) << name;
    for (int tens = 1; tens <= 6; ++tens)
        for (int units = 1; units <= 5; ++units) {
            const auto rows = db.WaveRows(tens * 10 + units);
            EXPECT_GE(rows.size(), 1u);
            EXPECT_LE(rows.size(), 5u)
                << "plus the extra lead or tail fighter, a wave fills at most six rows";
        }
    for (int position = 1; position <= 20; ++position) {
        bool reachable = false;
        for (int gun = 2; gun <= 10; ++gun)
            reachable = reachable || db.Gunnery(gun, position) != nullptr;
        EXPECT_TRUE(reachable) << "no gun bears on position " << position;
    }
}

} // namespace
} // namespace halvard
