#pragma once

// A player who clicks at random through the program's screens, checking after every event the
// rules that must hold whatever he does. The rules are written out from the game's rules, not
// taken from the screens' code, so that the two can disagree. The first rule broken ends the run
// with a report naming the seed, the event's number and the phase, by which it can be replayed.

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
    long Missions = 0, Landings = 0, Events = 0, IdleEvents = 0;
};

// For testing the checks: runs after each event, before the checks, and may break a rule.
using Meddler = std::function<void(EntryFlow& flow, Game& game, const Event& event)>;

// Plays a game on the database seeded with seed, the player's choices drawn from the same seed,
// until `missions` mission screens have been loaded or the player ends the program. Returns
// nothing when every rule held, else a report of what broke first.
std::optional<std::string> PlayMonkey(const GameDatabase& database, std::uint64_t seed, int missions,
                                      MonkeyCounts* counts = nullptr, const Meddler& meddler = {});

} // namespace halvard::test
