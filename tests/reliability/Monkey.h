#pragma once

// A player who clicks at random: one run of the program, from the entry screen through as many
// missions as asked, with steps, cell and gun clicks in every phase (also where they do
// nothing), over-marking and unmarking, re-aiming, OK in the middle of a wave and Cancel in the
// target dialog. After every event it checks the rules that must hold whatever the player does;
// the first one broken ends the run with a report that names the seed and the event, so the
// run can be replayed.

#include "EntryFlow.h"
#include "Game.h"
#include "RuleChecker.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace halvard::test {

struct MonkeyCounts {
    long Runs = 0;        // runs of the program, each on a fresh game
    long Missions = 0;    // mission screens loaded
    long Landings = 0;    // missions flown to the landing
    long LeftMidWave = 0; // missions left with OK while a wave was fought
    long Events = 0;      // clicks, presses and choices, each followed by the checks
    long IdleEvents = 0;  // of those, events the rules say change nothing

    MonkeyCounts& operator+=(const MonkeyCounts& other);
    std::string Summary() const;
};

class Monkey {
  public:
    // A fresh run: a game on the database seeded with seed, the player's choices from the same seed.
    Monkey(const GameDatabase& database, std::uint64_t seed);

    // Plays until `missions` mission screens have been loaded or the player ends the program.
    // Returns nothing when every rule held, else what broke first.
    std::optional<std::string> Play(int missions);

    MonkeyCounts Counts() const;

    // For testing the checks themselves: runs after each event, before the checks, and may break
    // the screens on purpose.
    using Meddler = std::function<void(EntryFlow& flow, Game& game, const Event& event)>;
    void Meddle(Meddler meddler) { meddler_ = std::move(meddler); }

  private:
    Event Choose();
    Event ChooseOnMission();
    void Dispatch(const Event& event);

    const GameDatabase& database_;
    std::uint64_t seed_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<EntryFlow> flow_;
    std::unique_ptr<RuleChecker> rules_;
    std::mt19937_64 choices_;
    Meddler meddler_;
    std::deque<std::string> recent_; // the last events, for the report
    long runs_ = 0;
    long events_ = 0;
};

} // namespace halvard::test
