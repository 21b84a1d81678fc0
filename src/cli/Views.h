#pragma once

// The machine-readable pictures of a game that the terminal front-end prints: the mission state
// ("S" lines) and what the windows show ("V" lines).

#include <nlohmann/json.hpp>

namespace halvard {

struct CrewMember;

// One crew member as the terminal lists a roster: position, its name, his name, missions, kills,
// status.
std::string RosterLine(const CrewMember& member);

class EntryFlow;
class Game;
struct GameState;

nlohmann::json StateJson(const GameState& state);
nlohmann::json ScreenJson(const EntryFlow& flow, const Game& game);

// One line of JSON, whatever bytes the texts of the database hold.
std::string OneLine(const nlohmann::json& json);

} // namespace halvard
