// The damage tables of the forward compartments: nose, pilot compartment, bomb bay, radio room.

#include "DamageFrame.h"
#include "DamageTables.h"

namespace halvard {
namespace {

using namespace damage;
using D = DamageRecord;

// clang-format off

// Nose ----------------------------------------------------------------------------------------

constexpr Row NoseArmament[] = {
    {"1-2", "", "Nose gun inoperable",            {GunOut("2")}},
    {"3-4", "", "Port Cheek gun inoperable",      {GunOut("3")}},
    {"5-6", "", "Starboard Cheek gun inoperable", {GunOut("4")}},
};
constexpr Row NoseEquipment[] = {
    {"1-3", "", "Navigator's equipment inoperable", {Set(&D::NavEquipmentOut)}},
    {"4-6", "", "Bomb controls inoperable",         {Set(&D::BombControlsOut)}},
};
constexpr Row NoseHeat[] = {
    {"1-2", "", "Bombardier",           {HeatOut("3")}},
    {"3-4", "", "Navigator",            {HeatOut("4")}},
    {"5-6", "", "Bombardier/Navigator", {HeatOut("3, 4")}},
};
constexpr Row NoseOxygen[] = {
    {"1-2", "", "Bombardier",                    {OxygenHit("3")}},
    {"3-4", "", "Navigator",                     {OxygenHit("4")}},
    {"5",   "", "Bombardier/Navigator",          {OxygenHit("3, 4")}},
    {"6",   "", "Fire and all nose oxygen out.", {OxygenFire("3, 4")}},
};
constexpr SubTable NoseArmamentRoll{"Damage Nose: 3", NoseArmament};
constexpr SubTable NoseEquipmentRoll{"Damage Nose: 10", NoseEquipment};
constexpr SubTable NoseHeatRoll{"Damage Nose: 11", NoseHeat};
constexpr SubTable NoseOxygenRoll{"Damage Nose: 12", NoseOxygen};

constexpr Row NoseRows[] = {
    {"2",   "Norden Sight",       "Bomb Run automatically Off Target. (May Abort mission)", {Set(&D::NordenSightOut)}},
    {"3",   "Armament",           "", {}, &NoseArmamentRoll},
    {"4",   "Crew",               "", {Wound(3, "Bombardier: "), Wound(4, " / Navigator: ")}},
    {"5",   "Crew",               "", {Wound(4, "Navigator: ")}},
    {"6",   "Crew",               "", {Wound(3, "Bombardier: ")}},
    {"7-9", "Superficial Damage", ""},
    {"10",  "Equipment",          "", {}, &NoseEquipmentRoll},
    {"11",  "Heat Out",           "", {}, &NoseHeatRoll},
    {"12",  "Oxygen Supply Hit",  "", {}, &NoseOxygenRoll},
};
constexpr Table Nose{"Damage Nose", "  NOSE: ", NoseRows};
static_assert(EachResultOnce(Nose));
static_assert(OutcomeFits(Nose));

// Pilot compartment ---------------------------------------------------------------------------

constexpr Row PilotTopTurret[] = {
    {"1-2", "Armament",        "Top Turret inoperable", {GunOut("8")}},
    {"3-5", "Crew",            "",                      {Wound(8, "Engineer: ")}},
    {"6",   "Crew & Armament", "Top Turret inoperable", {GunOut("8"), Wound(8, " / Engineer: ")}},
};
constexpr Row PilotOxygen[] = {
    {"1",   "", "Pilot/Co-Pilot",                             {OxygenHit("1, 2")}},
    {"2",   "", "Pilot",                                      {OxygenHit("1")}},
    {"3",   "", "Co-Pilot",                                   {OxygenHit("2")}},
    {"4-5", "", "Engineer",                                   {OxygenHit("8")}},
    {"6",   "", "Fire and all pilot compartment oxygen out.", {OxygenFire("1, 2, 8")}},
};
constexpr SubTable PilotTopTurretRoll{"Damage Pilot Compartment: 8", PilotTopTurret};
constexpr SubTable PilotOxygenRoll{"Damage Pilot Compartment: 10", PilotOxygen};

constexpr Row PilotRows[] = {
    {"2",   "Heat Out",           "Pilot/Co-Pilot", {HeatOut("1, 2")}},
    {"3",   "Crew",               "", {Wound(1, "Pilot: "), Wound(2, " / Co-Pilot: ")}},
    {"4",   "Crew",               "", {Wound(1, "Pilot: ")}},
    {"5",   "Crew",               "", {Wound(2, "Co-Pilot: ")}},
    {"6-7", "Superficial Damage", ""},
    {"8",   "",                   "", {}, &PilotTopTurretRoll},
    {"9",   "",                   "", {HandOver(&DamageInstruments)}},
    {"10",  "Oxygen Supply Hit",  "", {}, &PilotOxygenRoll},
    {"11",  "Window",             "", {Hit(&D::WindowHits)}},
    {"12",  "Control Cables",     "", {Hit(&D::ControlCableHits)}},
};
constexpr Table PilotCompartment{"Damage Pilot Compartment", "  PILOT COMPARTMENT: ", PilotRows};
static_assert(EachResultOnce(PilotCompartment));
static_assert(OutcomeFits(PilotCompartment));

// Bomb bay ------------------------------------------------------------------------------------

// Only while the bombs are aboard can a hit on them set them off.
constexpr Row BombBayBombs[] = {
    {"1-4", "", "No effect"},
    {"5-6", "", "BOMBS DETONATE - Corvane DESTROYED AND ENTIRE CREW KIA", {Lose(Outcome::BombsDetonated)}},
};
constexpr Row BombBayDoors[] = {
    {"1-2", "", "Inoperable - no bomb drop", {Set(&D::BombBayDoorsOut)}},
    {"3-6", "", "No effect"},
};
constexpr SubTable BombBayBombsRoll{"Damage Bomb Bay: 3,9,11", BombBayBombs, &D::BombsAboard, "No effect"};
constexpr SubTable BombBayDoorsRoll{"Damage Bomb Bay: 5,10", BombBayDoors};

constexpr Row BombBayRows[] = {
    {"2",        "Equipment",          "Bomb Release Mechanism", {Set(&D::BombReleaseOut)}},
    {"3, 9, 11", "Bombs",              "", {}, &BombBayBombsRoll},
    {"4",        "Equipment",          "Rubber Rafts",           {Set(&D::RaftsDamaged)}},
    {"5, 10",    "Bomb Bay Doors",     "", {}, &BombBayDoorsRoll},
    {"6-8",      "Superficial Damage", ""},
    {"12",       "Control Cables",     "", {Hit(&D::ControlCableHits)}},
};
constexpr Table BombBay{"Damage Bomb Bay", "  BOMB BAY: ", BombBayRows};
static_assert(EachResultOnce(BombBay));
static_assert(OutcomeFits(BombBay));

// Radio room ----------------------------------------------------------------------------------

constexpr Row RadioOxygen[] = {
    {"1-5", "", "Radio Operator",                      {OxygenHit("5")}},
    {"6",   "", "Fire and all radio room oxygen out.", {OxygenFire("5")}},
};
constexpr SubTable RadioOxygenRoll{"Damage Radio Room: 11", RadioOxygen};

constexpr Row RadioRows[] = {
    {"2",    "Heat Out",           "Radio Operator",      {HeatOut("5")}},
    {"3",    "Equipment",          "Intercom System out", {Set(&D::IntercomOut)}},
    {"4-5",  "Equipment",          "Radio Out",           {Set(&D::RadioOut)}},
    {"6",    "Crew",               "",                    {Wound(5, "Radio operator: ")}},
    {"7-10", "Superficial Damage", ""},
    {"11",   "Oxygen Supply Hit",  "", {}, &RadioOxygenRoll},
    {"12",   "Control Cables",     "", {Hit(&D::ControlCableHits)}},
};
constexpr Table RadioRoom{"Damage Radio Room", "  RADIO ROOM: ", RadioRows};
static_assert(EachResultOnce(RadioRoom));
static_assert(OutcomeFits(RadioRoom));

// clang-format on

} // namespace

void DamageNose(Game& game) {
    Resolve(game, Nose);
}
void DamagePilotCompartment(Game& game) {
    Resolve(game, PilotCompartment);
}
void DamageBombBay(Game& game) {
    Resolve(game, BombBay);
}
void DamageRadioRoom(Game& game) {
    Resolve(game, RadioRoom);
}

} // namespace halvard
