// The damage tables of the aft compartments: waist and tail.

#include "DamageFrame.h"
#include "DamageTables.h"

namespace halvard {
namespace {

using namespace damage;
using D = DamageRecord;

// clang-format off

// Waist ---------------------------------------------------------------------------------------

constexpr Row WaistOxygen[] = {
    {"1-2", "", "Port Waist Gunner",              {OxygenHit("6")}},
    {"3-4", "", "Starboard Waist Gunner",         {OxygenHit("7")}},
    {"5",   "", "Ball Turret Gunner",             {OxygenHit("9")}},
    {"6",   "", "Fire and all waist oxygen out.", {OxygenFire("6, 7, 9")}},
};
constexpr Row WaistArmament[] = {
    {"1-3", "", "Port Waist gun inoperable",      {GunOut("6")}},
    {"4-6", "", "Starboard Waist gun inoperable", {GunOut("7")}},
};
constexpr Row WaistBallTurret[] = {
    {"1-2", "Crew",        "",                            {Wound(9, "Ball Gunner: ")}},
    {"3",   "Heat Out",    "Ball Turret Gunner",          {HeatOut("9")}},
    {"4-5", "Armament",    "Ball Turret inoperable",      {GunOut("9")}},
    {"6",   "Ball Turret", "Turret Mechanism inoperable", {GunOut("9"), Set(&D::BallTurretMechanismOut)}},
};
constexpr Row WaistHeat[] = {
    {"1-3", "", "Port Waist Gunner",      {HeatOut("6")}},
    {"4-6", "", "Starboard Waist Gunner", {HeatOut("7")}},
};
constexpr SubTable WaistOxygenRoll{"Damage Waist: 2", WaistOxygen};
constexpr SubTable WaistArmamentRoll{"Damage Waist: 3", WaistArmament};
constexpr SubTable WaistBallTurretRoll{"Damage Waist: 9", WaistBallTurret};
constexpr SubTable WaistHeatRoll{"Damage Waist: 11", WaistHeat};

constexpr Row WaistRows[] = {
    {"2",    "Oxygen Supply Hit",  "", {}, &WaistOxygenRoll},
    {"3",    "Armament",           "", {}, &WaistArmamentRoll},
    {"4-5",  "Superficial Damage", ""},
    {"6",    "Crew",               "", {Wound(6, "Port Waist Gunner: ")}},
    {"7",    "Superficial Damage", ""},
    {"8",    "Crew",               "", {Wound(7, "Starboard Waist Gunner: ")}},
    {"9",    "",                   "", {}, &WaistBallTurretRoll},
    {"10",   "Crew",               "", {Wound(6, "Port Waist Gunner: "), Wound(7, " / Starboard Waist Gunner: ")}},
    {"11",   "Heat Out",           "", {}, &WaistHeatRoll},
    {"12",   "Control Cables",     "", {Hit(&D::ControlCableHits)}},
};
constexpr Table Waist{"Damage Waist", "  WAIST: ", WaistRows};
static_assert(EachResultOnce(Waist));
static_assert(OutcomeFits(Waist));

// Tail ----------------------------------------------------------------------------------------

constexpr Row TailEquipment[] = {
    {"1-3", "", "Tailwheel Damaged",              {Set(&D::TailwheelDamaged)}},
    {"4-6", "", "Autopilot Mechanism inoperable", {Set(&D::AutopilotOut)}},
};
constexpr Row TailTailplane[] = {
    {"1-2", "", "No effect"},
    {"3",   "", "Port Elevator inoperable",      {Set(&D::PortElevatorOut)}},
    {"4",   "", "Starboard Elevator inoperable", {Set(&D::StarboardElevatorOut)}},
    {"5",   "", "",                              {Hit(&D::PortTailplaneRootHits, "Port Tailplane root, ")}},
    {"6",   "", "",                              {Hit(&D::StarboardTailplaneRootHits, "Starboard Tailplane root, ")}},
};
constexpr Row TailOxygen[] = {
    {"1-5", "", "Tail Gunner",                    {OxygenHit("10")}},
    {"6",   "", "Fire and all tail oxygen out.",  {OxygenFire("10")}},
};
constexpr SubTable TailEquipmentRoll{"Damage Tail: 3", TailEquipment};
constexpr SubTable TailTailplaneRoll{"Damage Tail: 9,10", TailTailplane};
constexpr SubTable TailOxygenRoll{"Damage Tail: 11", TailOxygen};

constexpr Row TailRows[] = {
    {"2",    "Heat Out",           "Tail Gunner",         {HeatOut("10")}},
    {"3",    "Equipment",          "", {}, &TailEquipmentRoll},
    {"4",    "Armament",           "Tail Gun inoperable", {GunOut("10")}},
    {"5",    "Crew",               "",                    {Wound(10, "Tail Gunner: ")}},
    {"6",    "Superficial Damage", ""},
    {"7",    "Rudder",             "",                    {Hit(&D::RudderHits)}},
    {"8",    "Superficial Damage", ""},
    {"9-10", "Tailplane",          "", {}, &TailTailplaneRoll},
    {"11",   "Oxygen Supply Hit",  "", {}, &TailOxygenRoll},
    {"12",   "Control Cables",     "", {Hit(&D::ControlCableHits)}},
};
constexpr Table Tail{"Damage Tail", "  TAIL: ", TailRows};
static_assert(EachResultOnce(Tail));
static_assert(OutcomeFits(Tail));

// clang-format on

} // namespace

void DamageWaist(Game& game) {
    Resolve(game, Waist);
}
void DamageTail(Game& game) {
    Resolve(game, Tail);
}

} // namespace halvard
