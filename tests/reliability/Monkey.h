#pragma once

// A player who clicks at random through the program's screens, checking after every event the
// rules that must hold whatever he does. The rules are written out from the game's rules, not
// taken from the screens' code, so that the two can disagree. The first rule broken ends the run
// with a report naming the seed and the events before it, so that the run can be replayed.

#include "EntryFlow.h"
#include "Game.h"

#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace halvard::test {

enum class Action { Region, FixMission, Option, TypeTarget, DialogOK, DialogCancel, Step, Cell, Gun, OK };

struct Event {
    Action What;
    int Index = 0;    // the region, option, cell or gun; the mission number fixed (0: drawn)
    std::string Text; // the target name typed
    std::string Describe() const;
};

struct MonkeyCounts {
    long Missions = 0, Landings = 0, LeftMidWave = 0, Events = 0, IdleEvents = 0;
};

class Monkey {
  public:
    // A fresh run: a game on the database seeded with seed, the player's choices from the same seed.
    Monkey(const GameDatabase& database, std::uint64_t seed);
    Monkey(const Monkey&) = delete; // the game's lists call back into it

    // Plays until `missions` mission screens have been loaded or the player ends the program.
    // Returns nothing when every rule held, else a report of what broke first.
    std::optional<std::string> Play(int missions);

    MonkeyCounts Counts;
    // For testing the checks: runs after each event, before the checks, and may break a rule.
    std::function<void(EntryFlow& flow, Game& game, const Event& event)> Meddler;

  private:
    // Everything an event could change, for the events after which nothing may have changed.
    struct Snapshot {
        Screen Current = Screen::Entry;
        GameState State;
        WavePanel Waves;
        std::size_t Rolls = 0, Messages = 0;
        bool RandomChoice = true;
        std::string Typed, Cover, Flak;
        CommandButton Step;
        std::vector<Label> Labels;
        int Phase = 0, WavesAppearing = 0, Removals = 0, CurrentFighter = 0, SelectedGun = 0;
        bool operator==(const Snapshot&) const = default;
    };
    // Within a mission wounds, ammunition and knocked-out guns only get worse, the phase moves
    // only by a step, and the marks and aims are as the clicks made them.
    struct Expected {
        IndexedArray<int, 1, CrewCount> Wound{};
        IndexedArray<int, FirstGun, LastGun> Ammo{}, Aim{};
        IndexedArray<bool, FirstGun, LastGun> Out{};
        int Phase = phase::EnterNextZone;
        std::string Caption = "Enter Next Zone";
        bool Landed = false;
        int Removals = 0;
        std::array<bool, WaveRows + 1> Marked{};
        int Selected = 0, ShownFor = 0; // the gun selected, and the gun whose numbers the cells show
    };

    Event Choose();
    Event ChooseOnMission();
    void Dispatch(const Event& event);

    void Check(const Event& event); // performs the event; throws what broke
    Snapshot Take();
    bool IsIdle(const Event& event) const;
    void CheckEvent(const Event& event, const Snapshot& before, bool idle);
    void StartMission();
    void CheckStep(const Snapshot& before);
    void CheckMission();
    int StillToRemove() const;
    int ToHit(int gun, int fighter) const;
    bool Selectable(int gun) const;
    std::string ExpectedToHit(int cell) const;

    const GameDatabase& database_;
    std::uint64_t seed_;
    Game game_;
    EntryFlow flow_;
    std::mt19937_64 choices_;
    std::deque<std::string> recent_; // the last events, for the report
    bool targetConfirmed_ = false;
    int fixedMission_ = 0;
    Expected expect_;
    std::vector<std::string> messages_; // written during the event
};

} // namespace halvard::test
