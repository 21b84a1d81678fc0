#include "MissionSetup.h"

#include "TestData.h"

#include <fstream>
#include <gtest/gtest.h>

namespace halvard {
namespace {

using test::RollLines;
using test::ScriptedGame;
using Lines = std::vector<std::string>;

// Meaulte lies five zones out and Rotterdam eight in the test database; both get route values
// that differ zone by zone.
const test::TempDatabase& RouteDatabase() {
    static const test::TempDatabase file(test::ValidSql() + R"(
        UPDATE Targets SET TargetType = 'Aircraft Factory', HeavyFlak = 1,
            "2Mod" = -1, "3Mod" = 0, "4Mod" = 1, "5Mod" = 2, "2Ter" = 'Water'
            WHERE TargetName = 'Meaulte';
        UPDATE Targets SET "2Mod" = -1, "8Mod" = 2, "2Ter" = 'Water', "8Ter" = 'Land'
            WHERE TargetName = 'Rotterdam';
    )");
    return file;
}

const GameDatabase& Routes() {
    static const GameDatabase db = RouteDatabase().Open();
    return db;
}

TEST(LoadTarget, CopiesTheRowAndTheZonesOfTheRouteOnly) {
    auto game = ScriptedGame(Routes(), {});
    for (int z = 1; z <= 8; ++z) {
        game->Mission.Target.Zone[z].Modifier = 40 + z;
        game->Mission.Target.Zone[z].Terrain = "old";
    }
    game->SelectedTarget = "Meaulte";
    LoadTarget(*game);

    const TargetRecord& target = game->Mission.Target;
    EXPECT_EQ(target.Name, "Meaulte");
    EXPECT_EQ(target.TargetType, "Aircraft Factory");
    EXPECT_TRUE(target.HeavyFlak);
    EXPECT_EQ(game->Mission.TargetZone, 5);
    const int modifiers[] = {41, -1, 0, 1, 2, 46, 47, 48};
    const char* terrain[] = {"old", "Water", "Land", "Land", "Land", "old", "old", "old"};
    for (int z = 1; z <= 8; ++z) {
        EXPECT_EQ(target.Zone[z].Modifier, modifiers[z - 1]) << "zone " << z;
        EXPECT_EQ(target.Zone[z].Terrain, terrain[z - 1]) << "zone " << z;
    }
    EXPECT_TRUE(RollLines(*game).empty());

    game->SelectedTarget = "Rotterdam";
    LoadTarget(*game);
    EXPECT_EQ(game->Mission.TargetZone, 8);
    EXPECT_FALSE(target.HeavyFlak);
    EXPECT_EQ(target.Zone[8].Modifier, 2);
    EXPECT_EQ(target.Zone[8].Terrain, "Land");
    EXPECT_EQ(target.Zone[5].Modifier, 0) << "a longer route overwrites the zones of the last one";
}

TEST(LoadTarget, AnUnknownOrUnconfirmedTargetIsAClearError) {
    auto game = ScriptedGame(Routes(), {});
    const MissionRecord before = game->Mission;
    for (const char* name : {"", "Berlin", "meaulte", "Meaulte "}) {
        game->SelectedTarget = name;
        EXPECT_THROW(LoadTarget(*game), UnknownTargetError) << name;
        EXPECT_EQ(game->Mission, before) << "nothing is loaded";
    }
}

TEST(InitMission, RollsSquadronFormationThenCoverZoneByZone) {
    // Cherbourg: target zone 3. Squadron 5 (Low), formation 1+1 (Lead Bomber), then zone 2 out
    // and back, zone 3 out and back.
    auto game = ScriptedGame(Routes(), {5, 1, 1, 1, 3, 5, 2});
    game->Mission.MissionNo = 12;
    game->SelectedTarget = "Cherbourg";
    LoadTarget(*game);
    InitMission(*game);

    EXPECT_EQ(game->Mission.SquadronPos, "Low");
    EXPECT_EQ(game->Mission.FormationPos, "Lead Bomber");
    EXPECT_EQ(RollLines(*game), (Lines{"5 :Squadron Roll", "2 :Formation Roll", "1 :Fighter Cover",
                                       "3 :Fighter Cover", "5 :Fighter Cover", "2 :Fighter Cover"}));
    EXPECT_EQ(game->Mission.Target.Zone[2].CoverOut, "Poor");
    EXPECT_EQ(game->Mission.Target.Zone[2].CoverBack, "Fair");
    EXPECT_EQ(game->Mission.Target.Zone[3].CoverOut, "Good");
    EXPECT_EQ(game->Mission.Target.Zone[3].CoverBack, "Poor");
    EXPECT_EQ(game->Mission.Target.Zone[4].CoverOut.WithoutNul(), "") << "beyond the target nothing is set";
    EXPECT_EQ(game->Mission.CurrentZone, 1);
    EXPECT_EQ(game->Mission.Target.Direction, "Out");
    EXPECT_TRUE(game->Messages.Count() == 0) << "set-up writes no message";
}

TEST(InitMission, ZonesFiveAndBeyondHaveNoCoverAndNoRoll) {
    // Abbeville: target zone 6. Mission 4: no squadron roll, cover "Good" without rolls.
    auto game = ScriptedGame(Routes(), {3, 4});
    game->Mission.MissionNo = 4;
    game->SelectedTarget = "Abbeville";
    LoadTarget(*game);
    ASSERT_EQ(game->Mission.TargetZone, 6);
    InitMission(*game);
    EXPECT_EQ(RollLines(*game), Lines{"7 :Formation Roll"});
    EXPECT_EQ(game->Mission.SquadronPos, "Middle");
    for (int z = 2; z <= 4; ++z) {
        EXPECT_EQ(game->Mission.Target.Zone[z].CoverOut, "Good") << z;
        EXPECT_EQ(game->Mission.Target.Zone[z].CoverBack, "Good") << z;
    }
    for (int z = 5; z <= 6; ++z) {
        EXPECT_EQ(game->Mission.Target.Zone[z].CoverOut, "None") << z;
        EXPECT_EQ(game->Mission.Target.Zone[z].CoverBack, "None") << z;
    }
}

TEST(InitMission, ASecondMissionRestoresGunsAndCrewButKeepsTheDamage) {
    auto game = std::make_unique<Game>(Routes(), 99);
    game->Mission.MissionNo = 15;
    game->SelectedTarget = "St. Omer";
    LoadTarget(*game);
    InitMission(*game);
    const auto freshGuns = game->Guns;
    const auto freshCrewPos = game->CrewPos;

    game->Guns[10].Status = "Out";
    game->Guns[10].Ammo = 0;
    game->Guns[3].Gunner = 0;
    game->Crew[3].Wound = 4;
    game->Crew[5].Wound = 2;
    game->CrewPos[3].Occupant = 0;
    game->CrewPos[6].HeatOut = true;
    game->CrewPos[7].OxygenHits = 2;
    game->Damage.RudderHits = 2;
    game->Damage.IntercomOut = true;
    game->Damage.BombsAboard = false;
    game->Mission.SuccessiveAttacks = 1;
    game->Mission.Target.WeatherTarget = "Bad";

    game->SelectedTarget = "Cherbourg";
    LoadTarget(*game);
    InitMission(*game);
    EXPECT_EQ(game->Guns, freshGuns);
    EXPECT_EQ(game->CrewPos, freshCrewPos);
    for (int c = 1; c <= 10; ++c)
        EXPECT_EQ(game->Crew[c].Wound, 0);
    EXPECT_EQ(game->Damage.RudderHits, 2);
    EXPECT_TRUE(game->Damage.IntercomOut);
    EXPECT_TRUE(game->Damage.BombsAboard) << "the bombs are loaded for every mission";
    EXPECT_EQ(game->Mission.SuccessiveAttacks, 1) << "set-up leaves the wave counter alone";
    EXPECT_EQ(game->Mission.Target.WeatherTarget, "Bad");
}

TEST(InitMission, StartsEveryGunMannedAndArmed) {
    Game game(Routes(), 3);
    game.Mission.MissionNo = 11;
    game.SelectedTarget = "Kiel";
    LoadTarget(game);
    InitMission(game);
    const int ammo[] = {15, 10, 10, 10, 20, 20, 16, 20, 23};
    for (int g = 2; g <= 10; ++g) {
        EXPECT_EQ(game.Guns[g].Status, "OK");
        EXPECT_EQ(game.Guns[g].Gunner, g);
        EXPECT_EQ(game.Guns[g].Ammo, ammo[g - 2]) << "gun " << g;
    }
    for (int p = 1; p <= 10; ++p)
        EXPECT_EQ(game.CrewPos[p].Occupant, p);
}

TEST(Between, IncludesBothEnds) {
    static_assert(Between(2, 2, 4) && Between(4, 2, 4) && Between(3, 2, 4));
    static_assert(!Between(5, 2, 4) && !Between(1, 2, 4));
    EXPECT_TRUE(Between(-1, -1, -1));
}

TEST(OpenGameDatabase, NamesTheFileInTheDataDirectory) {
    const auto dir = std::filesystem::temp_directory_path() / "halvard-empty-data-dir";
    std::filesystem::create_directories(dir);
    try {
        OpenGameDatabase(dir);
        FAIL();
    } catch (const GameDataError& e) {
        EXPECT_EQ(std::string(e.what()), (dir / "Corvane.db").string() + ": file not found");
    }
    std::filesystem::remove_all(dir);
}

TEST(FindDataDirectory, BesideTheExecutableOrInstalled) {
    namespace fs = std::filesystem;
    test::ScratchDirectory root;
    const fs::path bin = root.Path() / "bin";
    const fs::path share = root.Path() / "share" / "halvard";
    fs::create_directories(bin);
    // Neither: the executable's own directory, so a message names the file there.
    EXPECT_EQ(FindDataDirectory(bin), bin);
    fs::create_directories(share);
    EXPECT_EQ(FindDataDirectory(bin), share);
    // A build tree has the database beside the program, and that wins.
    std::ofstream(bin / GameDatabase::FileName) << "x";
    EXPECT_EQ(FindDataDirectory(bin), bin);
}

} // namespace
} // namespace halvard
