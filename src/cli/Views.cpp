#include "Views.h"

#include "EntryFlow.h"
#include "Game.h"
#include "Names.h"
#include "Tour.h"

#include <iomanip>
#include <sstream>
#include <string>

namespace halvard {

// A trace prints what the labels show, as text.
static void to_json(nlohmann::json& json, const Caption& caption) {
    json = caption.Text();
}
static void to_json(nlohmann::json& json, const Mark& mark) {
    json = mark.Text();
}

namespace {

using nlohmann::json;

std::string_view ColourName(Colour colour) {
    switch (colour) {
    case Colour::Default: return "default";
    case Colour::Normal: return "normal";
    case Colour::Highlight: return "highlight";
    case Colour::Red: return "red";
    case Colour::Blue: return "blue";
    case Colour::Yellow: return "yellow";
    case Colour::Orange: return "orange";
    }
    return "default";
}

json MissionJson(const MissionRecord& mission) {
    const TargetRecord& target = mission.Target;
    json zones = json::array();
    for (const ZoneRecord& zone : target.Zone)
        zones.push_back({{"Modifier", zone.Modifier},
                         {"Terrain", zone.Terrain},
                         {"CoverOut", zone.CoverOut.WithoutNul()},
                         {"CoverBack", zone.CoverBack.WithoutNul()}});
    return {{"MissionNo", mission.MissionNo},
            {"SquadronPos", mission.SquadronPos},
            {"FormationPos", mission.FormationPos},
            {"CurrentZone", mission.CurrentZone},
            {"TargetZone", mission.TargetZone},
            {"SuccessiveAttacks", mission.SuccessiveAttacks},
            {"Target",
             {{"Name", target.Name},
              {"TargetType", target.TargetType},
              {"HeavyFlak", target.HeavyFlak},
              {"WeatherTarget", target.WeatherTarget},
              {"WeatherBase", target.WeatherBase},
              {"Direction", target.Direction},
              {"Zone", std::move(zones)}}}};
}

json MissionScreenJson(const MissionScreen& screen, const Game& game) {
    const WavePanel& waves = screen.fraWaves();
    json rows = json::array();
    for (int i = 1; i <= WaveRows; ++i) {
        const WaveRow& row = waves.Row[i];
        rows.push_back({{"type", ShownType(game, i)},
                        {"position", ShownPosition(game, i)},
                        {"skill", row.lblSkill.Caption},
                        {"toHit", screen.lblToHit[i].Caption},
                        {"colour", ColourName(row.ToHit.BackColour)},
                        {"mark", row.ToHit.Tag}});
    }
    json guns = json::array();
    for (const Label& counter : screen.lblGun)
        guns.push_back({{"text", counter.Caption},
                        {"colour", ColourName(counter.ForeColour)},
                        {"background", ColourName(counter.BackColour)},
                        {"assignment", counter.Tag}});
    json crew = json::array();
    for (const Label& wound : screen.lblCrewWound)
        crew.push_back({{"wound", wound.Caption},
                        {"colour", ColourName(wound.ForeColour)},
                        {"bold", wound.Bold},
                        {"visible", wound.Visible}});
    return {{"window", "mission"},
            {"phase", screen.nPhase},
            {"step", {{"caption", screen.cmdNextStep.Caption}, {"enabled", screen.cmdNextStep.Enabled}}},
            {"waveVisible", waves.Visible},
            {"miscWave", waves.lblMiscWave.Caption},
            {"missionNo", screen.lblMissionNo.Caption},
            {"target", screen.lblTarget.Caption},
            {"targetType", screen.lblTargetType.Caption},
            {"formation", screen.lblFormationPos.Caption},
            {"squadron", screen.lblSquadronPos.Caption},
            {"onTarget", screen.lblOnTarget.Caption},
            {"bombPct", screen.lblBombPct.Caption},
            {"waves", std::move(rows)},
            {"guns", std::move(guns)},
            {"crew", std::move(crew)},
            {"rolls", game.Rolls.Count()},
            {"messages", game.Messages.Count()}};
}

} // namespace

json StateJson(const GameState& state) {
    json fighters = json::array();
    for (const FighterRecord& fighter : state.Fighters)
        fighters.push_back({{"FighterType", std::string(fighter.FighterType.View())},
                            {"AttackPos", fighter.AttackPos},
                            {"DamageLevel", fighter.DamageLevel},
                            {"Special", fighter.Special.View()}});
    json crew = json::array();
    for (const CrewRecord& member : state.Crew)
        crew.push_back({{"Wound", member.Wound}});
    json guns = json::array();
    for (const GunRecord& gun : state.Guns)
        guns.push_back({{"Status", gun.Status}, {"Ammo", gun.Ammo}, {"Gunner", gun.Gunner}});
    json positions = json::array();
    for (const CrewPosRecord& position : state.CrewPos)
        positions.push_back({{"Occupant", position.Occupant},
                             {"HeatOut", position.HeatOut},
                             {"OxygenHits", position.OxygenHits}});
    json damage = json::object();
    VisitDamageFields(state.Damage, [&damage](const char* name, const auto& value) { damage[name] = value; });

    return {{"SelectedTarget", state.SelectedTarget},
            {"Mission", MissionJson(state.Mission)},
            {"Fighters", std::move(fighters)},
            {"Crew", std::move(crew)},
            {"Guns", std::move(guns)},
            {"CrewPos", std::move(positions)},
            {"Damage", std::move(damage)}};
}

json ScreenJson(const EntryFlow& flow, const Game& game) {
    if (flow.Current() != Screen::Mission) return {{"window", "entry"}, {"rolls", game.Rolls.Count()}};
    return MissionScreenJson(flow.Mission(), game);
}

std::string OneLine(const json& value) {
    return value.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::string RosterLine(const CrewMember& member) {
    std::ostringstream line;
    line << "  " << std::setw(2) << member.Position << "  " << std::left << std::setw(16)
         << MissionScreen::CrewPositionName(member.Position) << std::setw(28) << member.Name << std::right
         << std::setw(3) << member.Missions << " missions " << std::setw(3) << member.Kills << " kills  "
         << StatusName(member.Status) << '\n';
    return line.str();
}

} // namespace halvard
