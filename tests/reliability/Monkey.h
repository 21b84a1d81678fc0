#pragma once

// A player who clicks at random through the program's screens, checking after every event rules
// written out from the game's rules, not taken from the screens' code, so that the two can disagree.

#include "EntryFlow.h"
#include "Game.h"

#include <functional>
#include <optional>
#include <string>

namespace halvard::test {

enum class Action { Region, FixMission, Option, TypeTarget, DialogOK, DialogCancel, Step, Cell, Gun, OK };
struct Event {
    Action What;
    int Index = 0;    // the region, option, cell or gun; the mission number fixed (0: drawn)
    std::string Text; // the target name typed
};
struct MonkeyCounts {
    long Missions = 0, Landings = 0;
};
// For testing the checks: may break a rule after an event that leaves a mission shown, before the
// checks, knowing the phase the event came in (0 off the mission screen).
using Meddler = std::function<void(MissionScreen& screen, Game& game, const Event& event, int from)>;

// Plays with dice and choices drawn from seed until `missions` missions are loaded or the player quits.
// Reports the first rule broken with the seed, event number and phase, by which it can be replayed.
std::optional<std::string> PlayMonkey(const GameDatabase& database, std::uint64_t seed, int missions,
                                      MonkeyCounts* counts = nullptr, const Meddler& meddler = {});

} // namespace halvard::test
