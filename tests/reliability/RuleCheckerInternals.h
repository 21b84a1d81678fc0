#pragma once

// What the rule checker's sources share: the rules' own tables, the helpers that report a
// broken rule, and what the checker follows from event to event.

#include "RuleChecker.h"

#include <algorithm>
#include <array>
#include <optional>
#include <sstream>
#include <string_view>

namespace halvard::test {

// Attack positions as the wave panel names them.
inline constexpr std::array<std::string_view, 21> PositionNames = {
    "",        "12 High", "12 Level",   "12 Low",      "1:30 High", "1:30 Level",     "1:30 Low",
    "3 High",  "3 Level", "3 Low",      "6 High",      "6 Level",   "6 Low",          "9 High",
    "9 Level", "9 Low",   "10:30 High", "10:30 Level", "10:30 Low", "Vertical Climb", "Vertical Dive",
};

// Bursts each gun (2..10) carries at the start of a mission.
inline constexpr std::array<int, 11> StartingAmmo = {0, 0, 15, 10, 10, 10, 20, 20, 16, 20, 23};

// Every position a successive attack can give: never low, never vertical.
inline constexpr std::array<int, 10> SuccessiveAttackPositions = {10, 11, 14, 2, 17, 1, 5, 8, 13, 7};

inline constexpr std::string_view CoverRatings[] = {"Good", "Fair", "Poor", "None"};

inline std::string_view Marker(std::string_view special) {
    if (special == "B") return " (B)";
    if (special == "D") return " (D)";
    if (special == "E") return " (E)";
    return "";
}

inline bool Ready(const GunRecord& gun) {
    return gun.Status == "OK" && gun.Ammo >= 1 && gun.Gunner >= 1;
}

template <class... Parts> [[noreturn]] void Fail(const Parts&... parts) {
    std::ostringstream text;
    (text << ... << parts);
    throw RuleBroken(text.str());
}

template <class... Parts> void Require(bool condition, const Parts&... parts) {
    if (!condition) Fail(parts...);
}

inline std::string_view CoverOfLeg(const Game& game) {
    const int zone = game.Mission.CurrentZone;
    if (zone < 1 || zone > 8) return "";
    const ZoneRecord& record = game.Mission.Target.Zone[zone];
    return game.Mission.Target.Direction == "Out" ? record.CoverOut.View() : record.CoverBack.View();
}

// Everything an event could change, for the events after which nothing may have changed.
struct Snapshot {
    Screen Current = Screen::Entry;
    GameState State;
    WavePanel Waves;
    CommandButton Step;
    IndexedArray<Label, FirstGun, LastGun> Guns;
    IndexedArray<Label, 1, CrewCount> Wounds;
    Label OnTarget, BombPct;
    std::array<int, 5> Numbers{}; // phase, waves appearing, removals, current fighter, selected gun
    std::string Cover, Flak;
    std::size_t Rolls = 0, Messages = 0;

    std::string Difference(const Snapshot& other) const {
        std::string parts;
        auto note = [&parts](bool same, const char* what) {
            if (!same) parts += (parts.empty() ? "" : ", ") + std::string(what);
        };
        note(Current == other.Current, "the screen shown");
        note(State == other.State, "the mission state");
        note(Waves == other.Waves, "the wave panel");
        note(Step == other.Step, "the step button");
        note(Guns == other.Guns, "the gun counters");
        note(Wounds == other.Wounds, "the wound cells");
        note(OnTarget == other.OnTarget && BombPct == other.BombPct, "the bomb run labels");
        note(Numbers == other.Numbers && Cover == other.Cover && Flak == other.Flak, "the form's variables");
        note(Rolls == other.Rolls, "the roll window");
        note(Messages == other.Messages, "the message list");
        return parts;
    }
};

// What the rules let the player expect of the screens, followed event by event.
struct RuleChecker::Expectations {
    // Within a mission: wounds, ammunition and knocked-out guns only ever get worse.
    IndexedArray<int, 1, CrewCount> Wound{};
    IndexedArray<int, FirstGun, LastGun> Ammo{};
    IndexedArray<bool, FirstGun, LastGun> Out{};
    bool Landed = false;
    // Removal (phase 6): how many the cover chases off, and the rows marked so far.
    int Removals = 0;
    std::array<bool, WaveRows + 1> Marked{};
    // Gun assignment (phase 7): the selected gun, the gun whose to-hit numbers the cells show
    // (0: none; a click on a gun that cannot be selected clears the cells but keeps the
    // selection) and the fighter each gun aims at.
    int Selected = 0;
    int ShownFor = 0;
    IndexedArray<int, FirstGun, LastGun> Aim{};

    int StillToRemove() const {
        return Removals - static_cast<int>(std::count(Marked.begin(), Marked.end(), true));
    }
};

struct RuleChecker::Before {
    Screen Current = Screen::Entry;
    int Phase = 0;
    bool StepEnabled = false;
    int WavesAppearing = 0;
    int CurrentFighter = 0;
    GameState State;
    std::size_t Rolls = 0;
    bool RandomChoice = true;
    std::string Typed;
    std::optional<Snapshot> Idle;
};

} // namespace halvard::test
