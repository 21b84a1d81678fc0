#pragma once

// The mission state: every record of the game under the names the charts and screens use.
// Start values are those of a fresh run: zeros, False, empty texts, NUL-filled fixed texts.

#include "FighterType.h"
#include "FixedText.h"
#include "IndexedArray.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace halvard {

// Whether a text of the records is the given one. The records keep their texts as std::string,
// whose comparison with a literal goes through the library's out-of-line compare even when the
// lengths differ; as a view it is compared in line, and the charts ask on every wave.
inline bool Is(const std::string& text, std::string_view value) {
    return std::string_view(text) == value;
}

constexpr int CrewCount = 10;
constexpr int FirstGun = 2;
constexpr int LastGun = 10;
constexpr int AttackPositions = 20;
constexpr int WaveRows = 6;

struct FighterRecord {
    halvard::FighterType FighterType;
    int AttackPos = 0;
    int DamageLevel = 0;  // 0 none, 1 "FCA", 2 "FBOA", 3 or more destroyed
    FighterSpecial Special;

    friend bool operator==(const FighterRecord&, const FighterRecord&) = default;
};

// The current wave: fighters 1..UpperBound(); an upper bound of 0 is an empty wave. A wave is at
// most as many fighters as the wave panel has rows, and is kept in place.
class FighterList {
  public:
    static constexpr int Capacity = WaveRows;

    int UpperBound() const { return count_; }

    FighterRecord& operator[](int index) { return fighters_[Slot(index)]; }
    const FighterRecord& operator[](int index) const { return fighters_[Slot(index)]; }

    void Clear() { count_ = 0; }
    FighterRecord& Add() {
        if (count_ >= Capacity) [[unlikely]]
            Overflow();
        FighterRecord& fighter = fighters_[static_cast<std::size_t>(count_++)];
        fighter = FighterRecord{};
        return fighter;
    }
    // Keeps fighters 1..upperBound, dropping the rest.
    void Truncate(int upperBound) {
        while (count_ < upperBound)
            Add();
        count_ = std::max(upperBound, 0);
    }

    auto begin() { return fighters_.begin(); }
    auto end() { return fighters_.begin() + count_; }
    auto begin() const { return fighters_.begin(); }
    auto end() const { return fighters_.begin() + count_; }

    friend bool operator==(const FighterList& a, const FighterList& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

  private:
    std::size_t Slot(int index) const {
        if (index < 1 || index > count_) [[unlikely]]
            OutOfRange(index);
        // Add keeps the count within the capacity; said here, the compiler knows it too.
        if (count_ > Capacity) __builtin_unreachable();
        return static_cast<std::size_t>(index - 1);
    }
    [[noreturn, gnu::cold, gnu::noinline]] void OutOfRange(int index) const {
        throw std::out_of_range("fighter " + std::to_string(index) + " outside 1.." + std::to_string(count_));
    }
    [[noreturn, gnu::cold, gnu::noinline]] static void Overflow() {
        throw std::length_error("a wave holds at most " + std::to_string(Capacity) + " fighters");
    }

    std::array<FighterRecord, Capacity> fighters_{};
    int count_ = 0;
};

struct ZoneRecord {
    int Modifier = 0;
    std::string Terrain;
    FixedText<4> CoverBack;
    FixedText<4> CoverOut;

    friend bool operator==(const ZoneRecord&, const ZoneRecord&) = default;
};

struct TargetRecord {
    std::string Name;
    std::string TargetType;
    bool HeavyFlak = false;
    IndexedArray<ZoneRecord, 1, 8> Zone;
    std::string WeatherTarget;
    std::string WeatherBase;
    std::string Direction; // "Out" or "Back"

    friend bool operator==(const TargetRecord&, const TargetRecord&) = default;
};

// How a mission ended: one of the landing chart's outcomes, or the bomber lost on the way.
enum class Outcome : std::size_t {
    // The landing chart's outcomes, in its order (landing:: in ZoneCharts.h).
    Safe,
    Repairable,
    Irreparable,
    Wrecked,
    CrewKilledWrecked,
    LandingExplosion,
    BombsDetonated,   // in flight: the bombs went off in the bay
    FuelTankExploded, // in flight: a fuel-tank fire became an explosion
    BailedOut,        // in flight: a runaway engine or a fuel-tank fire made the crew jump
    CrewKilled,       // in flight: every crew member killed
};
inline constexpr std::size_t OutcomeCount = 10;

constexpr bool LostInFlight(Outcome outcome) {
    return outcome >= Outcome::BombsDetonated;
}

struct MissionRecord {
    int MissionNo = 0;
    TargetRecord Target;
    std::string SquadronPos;
    std::string FormationPos;
    int CurrentZone = 0;
    int TargetZone = 0;
    int SuccessiveAttacks = 0;
    // Set by the chart that ends the mission: the landing, or the first loss of the bomber in
    // flight. A landing after a loss (a single mission may fly on to it) has the last word.
    std::optional<Outcome> Ending;

    // The bomber is gone: the charts write no more of this mission that matters.
    bool LostInFlight() const { return Ending && halvard::LostInFlight(*Ending); }

    friend bool operator==(const MissionRecord&, const MissionRecord&) = default;
};

// The wound level of a crew member killed in action.
constexpr int Killed = 4;

struct CrewRecord {
    int Wound = 0; // 0 unhurt, 1 LW, 2 LW2, 3 SW, 4 KIA (Killed)
    // Missions this crew member has flown before this one. Only a tour of missions fills it; a
    // single mission's crew are all on their first.
    int Missions = 0;

    friend bool operator==(const CrewRecord&, const CrewRecord&) = default;
};

struct GunRecord {
    ShortText<3> Status; // "OK" or "Out"
    int Ammo = 0;
    int Gunner = 0; // crew member manning the gun; 0 = unmanned

    friend bool operator==(const GunRecord&, const GunRecord&) = default;
};

struct CrewPosRecord {
    int Occupant = 0; // crew member at the position; 0 = empty
    bool HeatOut = false;
    int OxygenHits = 0;

    friend bool operator==(const CrewPosRecord&, const CrewPosRecord&) = default;
};

// The bomber's damage. It carries over from one mission of a run to the next.
struct DamageRecord {
    bool NordenSightOut = false;
    bool NavEquipmentOut = false;
    bool BombControlsOut = false;
    int WindowHits = 0;
    int ControlCableHits = 0;
    bool RaftsDamaged = false;
    bool BombReleaseOut = false;
    bool BombBayDoorsOut = false;
    bool IntercomOut = false;
    bool RadioOut = false;
    bool BallTurretMechanismOut = false;
    bool TailwheelDamaged = false;
    bool AutopilotOut = false;
    int RudderHits = 0;
    bool PortElevatorOut = false;
    bool StarboardElevatorOut = false;
    int PortTailplaneRootHits = 0;
    int StarboardTailplaneRootHits = 0;
    int PortWingRootHits = 0;
    int StarboardWingRootHits = 0;
    bool PortFlapOut = false;
    bool StarboardFlapOut = false;
    bool PortAileronOut = false;
    bool StarboardAileronOut = false;
    std::string Engine1Status;
    std::string Engine2Status;
    std::string Engine3Status;
    std::string Engine4Status;
    int Engine1LeakZones = 0;
    int Engine2LeakZones = 0;
    int Engine3LeakZones = 0;
    int Engine4LeakZones = 0;
    bool FuelLeak = false;
    int FuelLeakZones = 0;
    int FuelLeakHits = 0;
    bool BrakeOut = false;
    bool LandingGearOut = false;
    bool PropFeatheringOut = false;
    bool FireExtinguishersOut = false;
    // The bombs are still in the bay: set when a mission starts, cleared by the bomb run.
    // A hit on the bombs or a crash landing can then set them off.
    bool BombsAboard = false;

    friend bool operator==(const DamageRecord&, const DamageRecord&) = default;
};

// Calls visit(name, field) for every field of the damage record, in the record's order, so
// that a report or a trace can name them all without listing them again.
template <class Damage, class Visitor> void VisitDamageFields(Damage& damage, Visitor&& visit) {
    visit("NordenSightOut", damage.NordenSightOut);
    visit("NavEquipmentOut", damage.NavEquipmentOut);
    visit("BombControlsOut", damage.BombControlsOut);
    visit("WindowHits", damage.WindowHits);
    visit("ControlCableHits", damage.ControlCableHits);
    visit("RaftsDamaged", damage.RaftsDamaged);
    visit("BombReleaseOut", damage.BombReleaseOut);
    visit("BombBayDoorsOut", damage.BombBayDoorsOut);
    visit("IntercomOut", damage.IntercomOut);
    visit("RadioOut", damage.RadioOut);
    visit("BallTurretMechanismOut", damage.BallTurretMechanismOut);
    visit("TailwheelDamaged", damage.TailwheelDamaged);
    visit("AutopilotOut", damage.AutopilotOut);
    visit("RudderHits", damage.RudderHits);
    visit("PortElevatorOut", damage.PortElevatorOut);
    visit("StarboardElevatorOut", damage.StarboardElevatorOut);
    visit("PortTailplaneRootHits", damage.PortTailplaneRootHits);
    visit("StarboardTailplaneRootHits", damage.StarboardTailplaneRootHits);
    visit("PortWingRootHits", damage.PortWingRootHits);
    visit("StarboardWingRootHits", damage.StarboardWingRootHits);
    visit("PortFlapOut", damage.PortFlapOut);
    visit("StarboardFlapOut", damage.StarboardFlapOut);
    visit("PortAileronOut", damage.PortAileronOut);
    visit("StarboardAileronOut", damage.StarboardAileronOut);
    visit("Engine1Status", damage.Engine1Status);
    visit("Engine2Status", damage.Engine2Status);
    visit("Engine3Status", damage.Engine3Status);
    visit("Engine4Status", damage.Engine4Status);
    visit("Engine1LeakZones", damage.Engine1LeakZones);
    visit("Engine2LeakZones", damage.Engine2LeakZones);
    visit("Engine3LeakZones", damage.Engine3LeakZones);
    visit("Engine4LeakZones", damage.Engine4LeakZones);
    visit("FuelLeak", damage.FuelLeak);
    visit("FuelLeakZones", damage.FuelLeakZones);
    visit("FuelLeakHits", damage.FuelLeakHits);
    visit("BrakeOut", damage.BrakeOut);
    visit("LandingGearOut", damage.LandingGearOut);
    visit("PropFeatheringOut", damage.PropFeatheringOut);
    visit("FireExtinguishersOut", damage.FireExtinguishersOut);
    visit("BombsAboard", damage.BombsAboard);
}

// The records of the mission state, as one value so that a whole state can be compared.
struct GameState {
    std::string SelectedTarget;
    FighterList Fighters;
    MissionRecord Mission;
    IndexedArray<CrewRecord, 1, CrewCount> Crew;
    IndexedArray<GunRecord, FirstGun, LastGun> Guns;
    IndexedArray<CrewPosRecord, 1, CrewCount> CrewPos;
    DamageRecord Damage;

    // True when the bomber is in the target zone.
    bool AtTarget() const { return Mission.CurrentZone == Mission.TargetZone; }

    friend bool operator==(const GameState&, const GameState&) = default;
};

} // namespace halvard
