#include "ZoneCharts.h"

#include "Game.h"

#include <algorithm>

namespace halvard {

bool IsBadOrPoor(std::string_view weather) {
    return std::string_view("Bad/Poor").find(weather) != std::string_view::npos;
}

int ChartWavesAppearing(Game& game) {
    int modifier = game.Mission.Target.Zone[game.Mission.CurrentZone].Modifier;
    if (Is(game.Mission.SquadronPos, "Low")) modifier += 1;
    if (Is(game.Mission.SquadronPos, "Middle")) modifier -= 1;
    const bool atTarget = game.AtTarget();
    if (atTarget && IsBadOrPoor(game.Mission.Target.WeatherTarget)) modifier -= 1;

    const int total = game.RollDice("1d6", "Waves Appearing") + modifier;
    if (atTarget) {
        if (total <= 3) return 1;
        if (total <= 5) return 2;
        return 3;
    }
    if (total <= 2) return 0;
    if (total <= 5) return 1;
    return 2;
}

std::string_view ChartFighterCover(Game& game, int zone) {
    if (zone >= 5) return "None";
    if (game.Mission.MissionNo <= 5) return "Good";
    const int face = game.RollDice("1d6", "Fighter Cover");
    if (face <= 2) return "Poor";
    if (face <= 4) return "Fair";
    return "Good";
}

int ChartFighterCoverResult(Game& game, std::string_view cover) {
    int roll = game.RollDice("1d6", "Fighter Cover");
    if (game.AtTarget() && IsBadOrPoor(game.Mission.Target.WeatherTarget)) roll -= 1;

    int chasedOff = roll <= 2 ? 1 : roll <= 4 ? 2 : 3;
    if (cover == "Fair") chasedOff -= 1;
    if (cover == "Poor") chasedOff -= 2;
    if (game.Mission.SuccessiveAttacks >= 1) chasedOff -= 1;
    return std::clamp(chasedOff, 0, game.Fighters.UpperBound());
}

void ChartWeather(Game& game, int zone) {
    const int roll = game.RollDice("2d6", "Weather");
    const char* weather = (roll == 2 || roll == 12) ? "Bad" : (roll == 3 || roll == 11) ? "Poor" : "Good";
    if (zone == 1) {
        game.Mission.Target.WeatherBase = weather;
        game.AddMessage("Weather over Base: ", weather);
    } else {
        game.Mission.Target.WeatherTarget = weather;
        game.AddMessage("Weather over Target: ", weather);
    }
}

namespace {

// The pilot's or the co-pilot's seat held by its own crew member, with more than ten missions
// behind him.
bool SeasonedAtTheControls(const Game& game, int seat) {
    return game.CrewPos[seat].Occupant == seat && game.Crew[seat].Missions > 10;
}

int LandingModifier(const Game& game) {
    const DamageRecord& damage = game.Damage;
    const std::string& weather = game.Mission.Target.WeatherBase;
    int modifier = 0;
    if (weather == "Poor") modifier -= 1;
    if (weather == "Bad") modifier -= 2;
    if (game.Crew[1].Wound >= 3 && game.Crew[2].Wound >= 3) modifier -= 11; // nobody left to fly her
    if (SeasonedAtTheControls(game, 1) || SeasonedAtTheControls(game, 2)) modifier += 1;
    if (damage.WindowHits >= 2) modifier -= 1;
    if (damage.ControlCableHits >= 2) modifier -= 1;
    if (damage.TailwheelDamaged) modifier -= 1;
    if (damage.PortElevatorOut) modifier -= 1;
    if (damage.PortFlapOut && damage.StarboardFlapOut) modifier -= 1;
    if (damage.PortAileronOut && damage.StarboardAileronOut) modifier -= 1;
    if (damage.BrakeOut) modifier -= 1;
    if (damage.LandingGearOut) modifier -= 3;
    if (damage.RudderHits >= 3) modifier -= 1;
    return modifier;
}

} // namespace

void ChartLanding(Game& game) {
    const auto land = [&game](Outcome outcome, std::string_view line) {
        game.Mission.Ending = outcome;
        game.AddMessage(line);
    };
    const int roll = game.RollDice("2d6", "Landing on Land");
    if (roll == 12) {
        land(Outcome::Safe, landing::Safe);
        return;
    }
    const int total = roll + LandingModifier(game);
    const int explosionDie = game.RollDice("1d6");

    if (total <= 0 && explosionDie == 6 && game.Damage.BombsAboard)
        land(Outcome::LandingExplosion, landing::Explosion);
    else if (total >= 2)
        land(Outcome::Safe, landing::Safe);
    else if (total == 1)
        land(Outcome::Repairable, landing::Repairable);
    else if (total == 0)
        land(Outcome::Irreparable, landing::Irreparable);
    else if (total >= -2)
        land(Outcome::Wrecked, landing::Wrecked);
    else
        land(Outcome::CrewKilledWrecked, landing::CrewKilledWrecked);
}

} // namespace halvard
