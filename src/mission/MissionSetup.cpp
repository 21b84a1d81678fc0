#include "MissionSetup.h"

#include "Game.h"
#include "MissionCharts.h"
#include "ZoneCharts.h"

#include <array>

namespace halvard {
namespace {

// Bursts of ammunition each gun carries at take-off, guns 2..10.
constexpr std::array<int, 11> StartingAmmo = {0, 0, 15, 10, 10, 10, 20, 20, 16, 20, 23};

} // namespace

std::filesystem::path FindDataDirectory(const std::filesystem::path& executableDirectory) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::exists(executableDirectory / GameDatabase::FileName, error)) return executableDirectory;
    const fs::path installed = (executableDirectory / ".." / "share" / "halvard").lexically_normal();
    if (fs::is_directory(installed, error)) return installed;
    return executableDirectory;
}

GameDatabase OpenGameDatabase(const std::filesystem::path& dataDirectory) {
    return GameDatabase::Open(dataDirectory / GameDatabase::FileName, MissionChartTargets);
}

void LoadTarget(Game& game) {
    const TargetRow* row = game.Database.FindTarget(game.SelectedTarget);
    if (!row) throw UnknownTargetError(game.SelectedTarget);

    TargetRecord& target = game.Mission.Target;
    target.Name = game.SelectedTarget;
    target.TargetType = row->TargetType;
    target.HeavyFlak = row->HeavyFlak;
    game.Mission.TargetZone = row->ZoneCount;
    for (int zone = 2; zone <= row->ZoneCount; ++zone) {
        target.Zone[zone].Modifier = row->Mod[zone];
        target.Zone[zone].Terrain = row->Ter[zone];
    }
}

void ManTheBomber(GameState& state) {
    for (int gun = FirstGun; gun <= LastGun; ++gun) {
        state.Guns[gun].Status = "OK";
        state.Guns[gun].Gunner = gun;
        state.Guns[gun].Ammo = StartingAmmo[static_cast<std::size_t>(gun)];
    }
    for (int member = 1; member <= CrewCount; ++member)
        state.Crew[member].Wound = 0;
    for (int position = 1; position <= CrewCount; ++position) {
        state.CrewPos[position].Occupant = position;
        state.CrewPos[position].HeatOut = false;
        state.CrewPos[position].OxygenHits = 0;
    }
}

void InitMission(Game& game) {
    MissionRecord& mission = game.Mission;
    mission.SquadronPos = ChartFormation(game, "SQUAD");
    mission.FormationPos = ChartFormation(game, "FORMATION");
    mission.CurrentZone = 1;
    mission.Target.Direction = "Out";

    for (int zone = 2; zone <= mission.TargetZone; ++zone) {
        ZoneRecord& record = mission.Target.Zone[zone];
        if (Between(zone, 2, 4)) {
            record.CoverOut = ChartFighterCover(game, zone);
            record.CoverBack = ChartFighterCover(game, zone);
        } else {
            record.CoverOut = "None";
            record.CoverBack = "None";
        }
    }

    ManTheBomber(game);
    // The bombs go up with every mission; the bomb run drops them.
    game.Damage.BombsAboard = true;
}

} // namespace halvard
