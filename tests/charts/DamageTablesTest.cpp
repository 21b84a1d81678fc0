#include "DamageTables.h"

#include "TestData.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace halvard {
namespace {

using test::Roll;
using Lines = std::vector<std::string>;
using Change = std::function<void(GameState&)>;

Roll D2(int total, std::string_view label) {
    return {"2d6", total, label};
}
Roll D1(int face, std::string_view label) {
    return {"1d6", face, label};
}
// Wound faces: 1-3 add a light wound, 4-5 a serious one, 6 kills.
Roll Wound(int face) {
    return {"1d6", face, "Wound"};
}

void PortWing(Game& game) {
    DamageWing(game, WingSide::Port);
}
void StarboardWing(Game& game) {
    DamageWing(game, WingSide::Starboard);
}

// One hit on a table: the rolls it makes (scripted and expected alike), the one line it writes
// and what it changes in a bomber manned as at the start of a mission.
struct DamageCase {
    std::string Name;
    void (*Hit)(Game&);
    std::vector<Roll> Rolls;
    std::string Message;
    Change Changes;
    Change Before = nullptr; // the state before the hit, beyond a manned bomber
};

void PrintTo(const DamageCase& c, std::ostream* out) {
    *out << c.Name;
}

const Change Nothing = [](GameState&) {};
// The hit loses the bomber: the line is how the mission ends.
Change Ends(Outcome how) {
    return [how](GameState& s) { s.Mission.Ending = how; };
}

// clang-format off
const std::vector<DamageCase>& Cases() {
    static const std::vector<DamageCase> cases = {
        // Nose
        {"Nose_2", DamageNose, {D2(2, "Damage Nose")},
         "  NOSE: Norden Sight - Bomb Run automatically Off Target. (May Abort mission)",
         [](GameState& s) { s.Damage.NordenSightOut = true; }},
        {"Nose_3_1", DamageNose, {D2(3, "Damage Nose"), D1(1, "Damage Nose: 3")},
         "  NOSE: Armament - Nose gun inoperable", [](GameState& s) { s.Guns[2].Status = "Out"; }},
        {"Nose_3_4", DamageNose, {D2(3, "Damage Nose"), D1(4, "Damage Nose: 3")},
         "  NOSE: Armament - Port Cheek gun inoperable", [](GameState& s) { s.Guns[3].Status = "Out"; }},
        {"Nose_3_6", DamageNose, {D2(3, "Damage Nose"), D1(6, "Damage Nose: 3")},
         "  NOSE: Armament - Starboard Cheek gun inoperable", [](GameState& s) { s.Guns[4].Status = "Out"; }},
        {"Nose_4", DamageNose, {D2(4, "Damage Nose"), Wound(2), Wound(5)},
         "  NOSE: Crew - Bombardier: LW / Navigator: SW",
         [](GameState& s) { s.Crew[3].Wound = 1; s.Crew[4].Wound = 3; s.Guns[4].Gunner = 0; }},
        {"Nose_5", DamageNose, {D2(5, "Damage Nose"), Wound(6)}, "  NOSE: Crew - Navigator: KIA",
         [](GameState& s) { s.Crew[4].Wound = 4; s.CrewPos[4].Occupant = 0; s.Guns[4].Gunner = 0; }},
        {"Nose_6", DamageNose, {D2(6, "Damage Nose"), Wound(1)}, "  NOSE: Crew - Bombardier: LW",
         [](GameState& s) { s.Crew[3].Wound = 1; }},
        {"Nose_7", DamageNose, {D2(7, "Damage Nose")}, "  NOSE: Superficial Damage", Nothing},
        {"Nose_8", DamageNose, {D2(8, "Damage Nose")}, "  NOSE: Superficial Damage", Nothing},
        {"Nose_9", DamageNose, {D2(9, "Damage Nose")}, "  NOSE: Superficial Damage", Nothing},
        {"Nose_10_3", DamageNose, {D2(10, "Damage Nose"), D1(3, "Damage Nose: 10")},
         "  NOSE: Equipment - Navigator's equipment inoperable", [](GameState& s) { s.Damage.NavEquipmentOut = true; }},
        {"Nose_10_4", DamageNose, {D2(10, "Damage Nose"), D1(4, "Damage Nose: 10")},
         "  NOSE: Equipment - Bomb controls inoperable", [](GameState& s) { s.Damage.BombControlsOut = true; }},
        {"Nose_11_2", DamageNose, {D2(11, "Damage Nose"), D1(2, "Damage Nose: 11")},
         "  NOSE: Heat Out - Bombardier", [](GameState& s) { s.CrewPos[3].HeatOut = true; }},
        {"Nose_11_3", DamageNose, {D2(11, "Damage Nose"), D1(3, "Damage Nose: 11")},
         "  NOSE: Heat Out - Navigator", [](GameState& s) { s.CrewPos[4].HeatOut = true; }},
        {"Nose_11_5_EmptyPositions", DamageNose, {D2(11, "Damage Nose"), D1(5, "Damage Nose: 11")},
         "  NOSE: Heat Out - Bombardier/Navigator",
         [](GameState& s) { s.CrewPos[3].HeatOut = true; s.CrewPos[4].HeatOut = true; },
         [](GameState& s) { s.CrewPos[3].Occupant = 0; s.CrewPos[4].Occupant = 0; }},
        {"Nose_12_1", DamageNose, {D2(12, "Damage Nose"), D1(1, "Damage Nose: 12")},
         "  NOSE: Oxygen Supply Hit - Bombardier", [](GameState& s) { s.CrewPos[3].OxygenHits = 1; }},
        {"Nose_12_4", DamageNose, {D2(12, "Damage Nose"), D1(4, "Damage Nose: 12")},
         "  NOSE: Oxygen Supply Hit - Navigator", [](GameState& s) { s.CrewPos[4].OxygenHits = 2; },
         [](GameState& s) { s.CrewPos[4].OxygenHits = 1; }},
        {"Nose_12_5", DamageNose, {D2(12, "Damage Nose"), D1(5, "Damage Nose: 12")},
         "  NOSE: Oxygen Supply Hit - Bombardier/Navigator",
         [](GameState& s) { s.CrewPos[3].OxygenHits = 1; s.CrewPos[4].OxygenHits = 1; }},
        {"Nose_12_6_FromThree", DamageNose, {D2(12, "Damage Nose"), D1(6, "Damage Nose: 12")},
         "  NOSE: Oxygen Supply Hit - Fire and all nose oxygen out.",
         [](GameState& s) { s.CrewPos[3].OxygenHits = 2; s.CrewPos[4].OxygenHits = 2; },
         [](GameState& s) { s.CrewPos[3].OxygenHits = 3; }},

        // Pilot compartment
        {"Pilot_2", DamagePilotCompartment, {D2(2, "Damage Pilot Compartment")},
         "  PILOT COMPARTMENT: Heat Out - Pilot/Co-Pilot",
         [](GameState& s) { s.CrewPos[1].HeatOut = true; s.CrewPos[2].HeatOut = true; }},
        {"Pilot_3", DamagePilotCompartment, {D2(3, "Damage Pilot Compartment"), Wound(3), Wound(4)},
         "  PILOT COMPARTMENT: Crew - Pilot: LW / Co-Pilot: SW",
         [](GameState& s) { s.Crew[1].Wound = 1; s.Crew[2].Wound = 3; s.Guns[2].Gunner = 0; }},
        {"Pilot_4", DamagePilotCompartment, {D2(4, "Damage Pilot Compartment"), Wound(6)},
         "  PILOT COMPARTMENT: Crew - Pilot: KIA",
         [](GameState& s) { s.Crew[1].Wound = 4; s.CrewPos[1].Occupant = 0; }},
        {"Pilot_5", DamagePilotCompartment, {D2(5, "Damage Pilot Compartment"), Wound(1)},
         "  PILOT COMPARTMENT: Crew - Co-Pilot: LW2", [](GameState& s) { s.Crew[2].Wound = 2; },
         [](GameState& s) { s.Crew[2].Wound = 1; }},
        {"Pilot_6", DamagePilotCompartment, {D2(6, "Damage Pilot Compartment")},
         "  PILOT COMPARTMENT: Superficial Damage", Nothing},
        {"Pilot_7", DamagePilotCompartment, {D2(7, "Damage Pilot Compartment")},
         "  PILOT COMPARTMENT: Superficial Damage", Nothing},
        {"Pilot_8_2", DamagePilotCompartment, {D2(8, "Damage Pilot Compartment"), D1(2, "Damage Pilot Compartment: 8")},
         "  PILOT COMPARTMENT: Armament - Top Turret inoperable", [](GameState& s) { s.Guns[8].Status = "Out"; }},
        {"Pilot_8_4", DamagePilotCompartment,
         {D2(8, "Damage Pilot Compartment"), D1(4, "Damage Pilot Compartment: 8"), Wound(2)},
         "  PILOT COMPARTMENT: Crew - Engineer: LW", [](GameState& s) { s.Crew[8].Wound = 1; }},
        {"Pilot_8_6", DamagePilotCompartment,
         {D2(8, "Damage Pilot Compartment"), D1(6, "Damage Pilot Compartment: 8"), Wound(4)},
         "  PILOT COMPARTMENT: Crew & Armament - Top Turret inoperable / Engineer: SW",
         [](GameState& s) { s.Guns[8].Status = "Out"; s.Crew[8].Wound = 3; s.Guns[8].Gunner = 0; }},
        {"Pilot_9", DamagePilotCompartment, {D2(9, "Damage Pilot Compartment"), D2(9, "Damage Instruments")},
         "  INSTRUMENTS: Instruments - Rudder", [](GameState& s) { s.Damage.RudderHits = 3; }},
        {"Pilot_10_1", DamagePilotCompartment, {D2(10, "Damage Pilot Compartment"), D1(1, "Damage Pilot Compartment: 10")},
         "  PILOT COMPARTMENT: Oxygen Supply Hit - Pilot/Co-Pilot",
         [](GameState& s) { s.CrewPos[1].OxygenHits = 1; s.CrewPos[2].OxygenHits = 1; }},
        {"Pilot_10_2", DamagePilotCompartment, {D2(10, "Damage Pilot Compartment"), D1(2, "Damage Pilot Compartment: 10")},
         "  PILOT COMPARTMENT: Oxygen Supply Hit - Pilot", [](GameState& s) { s.CrewPos[1].OxygenHits = 1; }},
        {"Pilot_10_3", DamagePilotCompartment, {D2(10, "Damage Pilot Compartment"), D1(3, "Damage Pilot Compartment: 10")},
         "  PILOT COMPARTMENT: Oxygen Supply Hit - Co-Pilot", [](GameState& s) { s.CrewPos[2].OxygenHits = 1; }},
        {"Pilot_10_5", DamagePilotCompartment, {D2(10, "Damage Pilot Compartment"), D1(5, "Damage Pilot Compartment: 10")},
         "  PILOT COMPARTMENT: Oxygen Supply Hit - Engineer", [](GameState& s) { s.CrewPos[8].OxygenHits = 1; }},
        {"Pilot_10_6", DamagePilotCompartment, {D2(10, "Damage Pilot Compartment"), D1(6, "Damage Pilot Compartment: 10")},
         "  PILOT COMPARTMENT: Oxygen Supply Hit - Fire and all pilot compartment oxygen out.",
         [](GameState& s) { s.CrewPos[1].OxygenHits = 2; s.CrewPos[2].OxygenHits = 2; s.CrewPos[8].OxygenHits = 2; }},
        {"Pilot_11_Second", DamagePilotCompartment, {D2(11, "Damage Pilot Compartment")},
         "  PILOT COMPARTMENT: Window - Hit #2", [](GameState& s) { s.Damage.WindowHits = 2; },
         [](GameState& s) { s.Damage.WindowHits = 1; }},
        {"Pilot_12", DamagePilotCompartment, {D2(12, "Damage Pilot Compartment")},
         "  PILOT COMPARTMENT: Control Cables - Hit #1", [](GameState& s) { s.Damage.ControlCableHits = 1; }},

        // Bomb bay
        {"BombBay_2", DamageBombBay, {D2(2, "Damage Bomb Bay")}, "  BOMB BAY: Equipment - Bomb Release Mechanism",
         [](GameState& s) { s.Damage.BombReleaseOut = true; }},
        {"BombBay_3_NoBombs", DamageBombBay, {D2(3, "Damage Bomb Bay")}, "  BOMB BAY: Bombs - No effect", Nothing},
        {"BombBay_3_6_Aboard", DamageBombBay, {D2(3, "Damage Bomb Bay"), D1(6, "Damage Bomb Bay: 3,9,11")},
         "  BOMB BAY: Bombs - BOMBS DETONATE - Corvane DESTROYED AND ENTIRE CREW KIA", Ends(Outcome::BombsDetonated),
         [](GameState& s) { s.Damage.BombsAboard = true; }},
        {"BombBay_9_4_Aboard", DamageBombBay, {D2(9, "Damage Bomb Bay"), D1(4, "Damage Bomb Bay: 3,9,11")},
         "  BOMB BAY: Bombs - No effect", Nothing, [](GameState& s) { s.Damage.BombsAboard = true; }},
        {"BombBay_11_5_Aboard", DamageBombBay, {D2(11, "Damage Bomb Bay"), D1(5, "Damage Bomb Bay: 3,9,11")},
         "  BOMB BAY: Bombs - BOMBS DETONATE - Corvane DESTROYED AND ENTIRE CREW KIA", Ends(Outcome::BombsDetonated),
         [](GameState& s) { s.Damage.BombsAboard = true; }},
        {"BombBay_4", DamageBombBay, {D2(4, "Damage Bomb Bay")}, "  BOMB BAY: Equipment - Rubber Rafts",
         [](GameState& s) { s.Damage.RaftsDamaged = true; }},
        {"BombBay_5_2", DamageBombBay, {D2(5, "Damage Bomb Bay"), D1(2, "Damage Bomb Bay: 5,10")},
         "  BOMB BAY: Bomb Bay Doors - Inoperable - no bomb drop", [](GameState& s) { s.Damage.BombBayDoorsOut = true; }},
        {"BombBay_10_3", DamageBombBay, {D2(10, "Damage Bomb Bay"), D1(3, "Damage Bomb Bay: 5,10")},
         "  BOMB BAY: Bomb Bay Doors - No effect", Nothing},
        {"BombBay_6", DamageBombBay, {D2(6, "Damage Bomb Bay")}, "  BOMB BAY: Superficial Damage", Nothing},
        {"BombBay_7", DamageBombBay, {D2(7, "Damage Bomb Bay")}, "  BOMB BAY: Superficial Damage", Nothing},
        {"BombBay_8", DamageBombBay, {D2(8, "Damage Bomb Bay")}, "  BOMB BAY: Superficial Damage", Nothing},
        {"BombBay_12_SharedCounter", DamageBombBay, {D2(12, "Damage Bomb Bay")}, "  BOMB BAY: Control Cables - Hit #2",
         [](GameState& s) { s.Damage.ControlCableHits = 2; }, [](GameState& s) { s.Damage.ControlCableHits = 1; }},

        // Radio room
        {"Radio_2", DamageRadioRoom, {D2(2, "Damage Radio Room")}, "  RADIO ROOM: Heat Out - Radio Operator",
         [](GameState& s) { s.CrewPos[5].HeatOut = true; }},
        {"Radio_3", DamageRadioRoom, {D2(3, "Damage Radio Room")}, "  RADIO ROOM: Equipment - Intercom System out",
         [](GameState& s) { s.Damage.IntercomOut = true; }},
        {"Radio_4", DamageRadioRoom, {D2(4, "Damage Radio Room")}, "  RADIO ROOM: Equipment - Radio Out",
         [](GameState& s) { s.Damage.RadioOut = true; }},
        {"Radio_5", DamageRadioRoom, {D2(5, "Damage Radio Room")}, "  RADIO ROOM: Equipment - Radio Out",
         [](GameState& s) { s.Damage.RadioOut = true; }},
        {"Radio_6", DamageRadioRoom, {D2(6, "Damage Radio Room"), Wound(5)}, "  RADIO ROOM: Crew - Radio operator: SW",
         [](GameState& s) { s.Crew[5].Wound = 3; s.Guns[5].Gunner = 0; }},
        {"Radio_6_EmptyPosition", DamageRadioRoom, {D2(6, "Damage Radio Room")},
         "  RADIO ROOM: Crew - Radio operator: No Crew Member at Position", Nothing,
         [](GameState& s) { s.CrewPos[5].Occupant = 0; }},
        {"Radio_7", DamageRadioRoom, {D2(7, "Damage Radio Room")}, "  RADIO ROOM: Superficial Damage", Nothing},
        {"Radio_8", DamageRadioRoom, {D2(8, "Damage Radio Room")}, "  RADIO ROOM: Superficial Damage", Nothing},
        {"Radio_9", DamageRadioRoom, {D2(9, "Damage Radio Room")}, "  RADIO ROOM: Superficial Damage", Nothing},
        {"Radio_10", DamageRadioRoom, {D2(10, "Damage Radio Room")}, "  RADIO ROOM: Superficial Damage", Nothing},
        {"Radio_11_5", DamageRadioRoom, {D2(11, "Damage Radio Room"), D1(5, "Damage Radio Room: 11")},
         "  RADIO ROOM: Oxygen Supply Hit - Radio Operator", [](GameState& s) { s.CrewPos[5].OxygenHits = 1; }},
        {"Radio_11_6", DamageRadioRoom, {D2(11, "Damage Radio Room"), D1(6, "Damage Radio Room: 11")},
         "  RADIO ROOM: Oxygen Supply Hit - Fire and all radio room oxygen out.",
         [](GameState& s) { s.CrewPos[5].OxygenHits = 2; }},
        {"Radio_12", DamageRadioRoom, {D2(12, "Damage Radio Room")}, "  RADIO ROOM: Control Cables - Hit #1",
         [](GameState& s) { s.Damage.ControlCableHits = 1; }},

        // Waist
        {"Waist_2_2", DamageWaist, {D2(2, "Damage Waist"), D1(2, "Damage Waist: 2")},
         "  WAIST: Oxygen Supply Hit - Port Waist Gunner", [](GameState& s) { s.CrewPos[6].OxygenHits = 1; }},
        {"Waist_2_3", DamageWaist, {D2(2, "Damage Waist"), D1(3, "Damage Waist: 2")},
         "  WAIST: Oxygen Supply Hit - Starboard Waist Gunner", [](GameState& s) { s.CrewPos[7].OxygenHits = 1; }},
        {"Waist_2_5", DamageWaist, {D2(2, "Damage Waist"), D1(5, "Damage Waist: 2")},
         "  WAIST: Oxygen Supply Hit - Ball Turret Gunner", [](GameState& s) { s.CrewPos[9].OxygenHits = 1; }},
        {"Waist_2_6", DamageWaist, {D2(2, "Damage Waist"), D1(6, "Damage Waist: 2")},
         "  WAIST: Oxygen Supply Hit - Fire and all waist oxygen out.",
         [](GameState& s) { s.CrewPos[6].OxygenHits = 2; s.CrewPos[7].OxygenHits = 2; s.CrewPos[9].OxygenHits = 2; }},
        {"Waist_3_1", DamageWaist, {D2(3, "Damage Waist"), D1(1, "Damage Waist: 3")},
         "  WAIST: Armament - Port Waist gun inoperable", [](GameState& s) { s.Guns[6].Status = "Out"; }},
        {"Waist_3_6", DamageWaist, {D2(3, "Damage Waist"), D1(6, "Damage Waist: 3")},
         "  WAIST: Armament - Starboard Waist gun inoperable", [](GameState& s) { s.Guns[7].Status = "Out"; }},
        {"Waist_4", DamageWaist, {D2(4, "Damage Waist")}, "  WAIST: Superficial Damage", Nothing},
        {"Waist_5", DamageWaist, {D2(5, "Damage Waist")}, "  WAIST: Superficial Damage", Nothing},
        {"Waist_6", DamageWaist, {D2(6, "Damage Waist"), Wound(1)}, "  WAIST: Crew - Port Waist Gunner: LW",
         [](GameState& s) { s.Crew[6].Wound = 1; }},
        {"Waist_7", DamageWaist, {D2(7, "Damage Waist")}, "  WAIST: Superficial Damage", Nothing},
        {"Waist_8", DamageWaist, {D2(8, "Damage Waist"), Wound(4)}, "  WAIST: Crew - Starboard Waist Gunner: SW",
         [](GameState& s) { s.Crew[7].Wound = 3; s.Guns[7].Gunner = 0; }},
        {"Waist_9_2", DamageWaist, {D2(9, "Damage Waist"), D1(2, "Damage Waist: 9"), Wound(6)},
         "  WAIST: Crew - Ball Gunner: KIA",
         [](GameState& s) { s.Crew[9].Wound = 4; s.CrewPos[9].Occupant = 0; s.Guns[9].Gunner = 0; }},
        {"Waist_9_3", DamageWaist, {D2(9, "Damage Waist"), D1(3, "Damage Waist: 9")},
         "  WAIST: Heat Out - Ball Turret Gunner", [](GameState& s) { s.CrewPos[9].HeatOut = true; }},
        {"Waist_9_4", DamageWaist, {D2(9, "Damage Waist"), D1(4, "Damage Waist: 9")},
         "  WAIST: Armament - Ball Turret inoperable", [](GameState& s) { s.Guns[9].Status = "Out"; }},
        {"Waist_9_6", DamageWaist, {D2(9, "Damage Waist"), D1(6, "Damage Waist: 9")},
         "  WAIST: Ball Turret - Turret Mechanism inoperable",
         [](GameState& s) { s.Guns[9].Status = "Out"; s.Damage.BallTurretMechanismOut = true; }},
        {"Waist_10", DamageWaist, {D2(10, "Damage Waist"), Wound(2), Wound(6)},
         "  WAIST: Crew - Port Waist Gunner: LW / Starboard Waist Gunner: KIA",
         [](GameState& s) { s.Crew[6].Wound = 1; s.Crew[7].Wound = 4; s.CrewPos[7].Occupant = 0; s.Guns[7].Gunner = 0; }},
        {"Waist_10_EmptyPositions", DamageWaist, {D2(10, "Damage Waist")},
         "  WAIST: Crew - Port Waist Gunner: No Crew Member at Position / Starboard Waist Gunner: No Crew Member at Position",
         Nothing, [](GameState& s) { s.CrewPos[6].Occupant = 0; s.CrewPos[7].Occupant = 0; }},
        {"Waist_11_3", DamageWaist, {D2(11, "Damage Waist"), D1(3, "Damage Waist: 11")},
         "  WAIST: Heat Out - Port Waist Gunner", [](GameState& s) { s.CrewPos[6].HeatOut = true; }},
        {"Waist_11_4", DamageWaist, {D2(11, "Damage Waist"), D1(4, "Damage Waist: 11")},
         "  WAIST: Heat Out - Starboard Waist Gunner", [](GameState& s) { s.CrewPos[7].HeatOut = true; }},
        {"Waist_12", DamageWaist, {D2(12, "Damage Waist")}, "  WAIST: Control Cables - Hit #1",
         [](GameState& s) { s.Damage.ControlCableHits = 1; }},

        // Tail
        {"Tail_2", DamageTail, {D2(2, "Damage Tail")}, "  TAIL: Heat Out - Tail Gunner",
         [](GameState& s) { s.CrewPos[10].HeatOut = true; }},
        {"Tail_3_3", DamageTail, {D2(3, "Damage Tail"), D1(3, "Damage Tail: 3")}, "  TAIL: Equipment - Tailwheel Damaged",
         [](GameState& s) { s.Damage.TailwheelDamaged = true; }},
        {"Tail_3_4", DamageTail, {D2(3, "Damage Tail"), D1(4, "Damage Tail: 3")},
         "  TAIL: Equipment - Autopilot Mechanism inoperable", [](GameState& s) { s.Damage.AutopilotOut = true; }},
        {"Tail_4", DamageTail, {D2(4, "Damage Tail")}, "  TAIL: Armament - Tail Gun inoperable",
         [](GameState& s) { s.Guns[10].Status = "Out"; }},
        {"Tail_5", DamageTail, {D2(5, "Damage Tail"), Wound(5)}, "  TAIL: Crew - Tail Gunner: KIA",
         [](GameState& s) { s.Crew[10].Wound = 4; s.CrewPos[10].Occupant = 0; s.Guns[10].Gunner = 0; },
         [](GameState& s) { s.Crew[10].Wound = 1; }},
        {"Tail_6", DamageTail, {D2(6, "Damage Tail")}, "  TAIL: Superficial Damage", Nothing},
        {"Tail_7", DamageTail, {D2(7, "Damage Tail")}, "  TAIL: Rudder - Hit #1", [](GameState& s) { s.Damage.RudderHits = 1; }},
        {"Tail_7_AfterInstruments", DamageTail, {D2(7, "Damage Tail")}, "  TAIL: Rudder - Hit #4",
         [](GameState& s) { s.Damage.RudderHits = 4; }, [](GameState& s) { s.Damage.RudderHits = 3; }},
        {"Tail_8", DamageTail, {D2(8, "Damage Tail")}, "  TAIL: Superficial Damage", Nothing},
        {"Tail_9_1", DamageTail, {D2(9, "Damage Tail"), D1(1, "Damage Tail: 9,10")}, "  TAIL: Tailplane - No effect", Nothing},
        {"Tail_10_2", DamageTail, {D2(10, "Damage Tail"), D1(2, "Damage Tail: 9,10")}, "  TAIL: Tailplane - No effect", Nothing},
        {"Tail_9_3", DamageTail, {D2(9, "Damage Tail"), D1(3, "Damage Tail: 9,10")},
         "  TAIL: Tailplane - Port Elevator inoperable", [](GameState& s) { s.Damage.PortElevatorOut = true; }},
        {"Tail_10_4", DamageTail, {D2(10, "Damage Tail"), D1(4, "Damage Tail: 9,10")},
         "  TAIL: Tailplane - Starboard Elevator inoperable", [](GameState& s) { s.Damage.StarboardElevatorOut = true; }},
        {"Tail_9_5", DamageTail, {D2(9, "Damage Tail"), D1(5, "Damage Tail: 9,10")},
         "  TAIL: Tailplane - Port Tailplane root, Hit #1", [](GameState& s) { s.Damage.PortTailplaneRootHits = 1; }},
        {"Tail_10_6_Second", DamageTail, {D2(10, "Damage Tail"), D1(6, "Damage Tail: 9,10")},
         "  TAIL: Tailplane - Starboard Tailplane root, Hit #2", [](GameState& s) { s.Damage.StarboardTailplaneRootHits = 2; },
         [](GameState& s) { s.Damage.StarboardTailplaneRootHits = 1; }},
        {"Tail_11_2", DamageTail, {D2(11, "Damage Tail"), D1(2, "Damage Tail: 11")},
         "  TAIL: Oxygen Supply Hit - Tail Gunner", [](GameState& s) { s.CrewPos[10].OxygenHits = 1; }},
        {"Tail_11_6", DamageTail, {D2(11, "Damage Tail"), D1(6, "Damage Tail: 11")},
         "  TAIL: Oxygen Supply Hit - Fire and all tail oxygen out.", [](GameState& s) { s.CrewPos[10].OxygenHits = 2; }},
        {"Tail_12", DamageTail, {D2(12, "Damage Tail")}, "  TAIL: Control Cables - Hit #1",
         [](GameState& s) { s.Damage.ControlCableHits = 1; }},

        // Port wing
        {"PortWing_2", PortWing, {D2(2, "Damage Port Wing")}, "  PORT WING: Root - Hit #1",
         [](GameState& s) { s.Damage.PortWingRootHits = 1; }},
        {"PortWing_3", PortWing, {D2(3, "Damage Port Wing")}, "  PORT WING: Root - Hit #2",
         [](GameState& s) { s.Damage.PortWingRootHits = 2; }, [](GameState& s) { s.Damage.PortWingRootHits = 1; }},
        {"PortWing_11", PortWing, {D2(11, "Damage Port Wing")}, "  PORT WING: Root - Hit #1",
         [](GameState& s) { s.Damage.PortWingRootHits = 1; }},
        {"PortWing_4_2", PortWing, {D2(4, "Damage Port Wing"), D1(2, "Damage Port Wing: 4")},
         "  PORT WING: Flap - Port Flap inoperable", [](GameState& s) { s.Damage.PortFlapOut = true; }},
        {"PortWing_4_5", PortWing, {D2(4, "Damage Port Wing"), D1(5, "Damage Port Wing: 4")}, "  PORT WING: Flap - No effect",
         Nothing},
        {"PortWing_5_3", PortWing, {D2(5, "Damage Port Wing"), D1(3, "Damage Port Wing: 5")},
         "  PORT WING: Aileron - Port Aileron inoperable", [](GameState& s) { s.Damage.PortAileronOut = true; }},
        {"PortWing_5_4", PortWing, {D2(5, "Damage Port Wing"), D1(4, "Damage Port Wing: 5")},
         "  PORT WING: Aileron - No effect", Nothing},
        {"PortWing_6", PortWing, {D2(6, "Damage Port Wing")}, "  PORT WING: Superficial Damage", Nothing},
        {"PortWing_7", PortWing, {D2(7, "Damage Port Wing")}, "  PORT WING: Superficial Damage", Nothing},
        {"PortWing_8", PortWing, {D2(8, "Damage Port Wing")}, "  PORT WING: Superficial Damage", Nothing},
        {"PortWing_9_Engine1_Superficial", PortWing,
         {D2(9, "Damage Port Wing"), D1(2, "Damage Port Wing: 9"), D1(1, "Damage Port Wing: 9")},
         "  PORT WING: Engine #1 - Superficial Damage", Nothing},
        {"PortWing_9_Engine2_OutFeathered", PortWing,
         {D2(9, "Damage Port Wing"), D1(5, "Damage Port Wing: 9"), D1(3, "Damage Port Wing: 9"), D1(4, "Damage Port Wing: 9")},
         "  PORT WING: Engine #2 - Engine Out: Prop feathered", [](GameState& s) { s.Damage.Engine2Status = "Out"; }},
        {"PortWing_9_Engine1_Runaway", PortWing,
         {D2(9, "Damage Port Wing"), D1(1, "Damage Port Wing: 9"), D1(5, "Damage Port Wing: 9"), D1(6, "Damage Port Wing: 9")},
         "  PORT WING: Engine #1 - Runaway Engine:  Out of control.  Immediate bailout",
         [](GameState& s) { s.Damage.Engine1Status = "Out"; s.Mission.Ending = Outcome::BailedOut; }},
        {"PortWing_9_Engine2_OilFire", PortWing,
         {D2(9, "Damage Port Wing"), D1(4, "Damage Port Wing: 9"), D1(6, "Damage Port Wing: 9"), D1(1, "Damage Port Wing: 9")},
         "  PORT WING: Engine #2 - Oil Tank Hit: Engine Fire", Nothing},
        {"PortWing_9_Engine1_OilSelfSeal", PortWing,
         {D2(9, "Damage Port Wing"), D1(3, "Damage Port Wing: 9"), D1(6, "Damage Port Wing: 9"), D1(6, "Damage Port Wing: 9")},
         "  PORT WING: Engine #1 - Oil Tank Hit: Self-seal", Nothing},
        {"PortWing_9_Engine2_LeakThenOut", PortWing,
         {D2(9, "Damage Port Wing"), D1(6, "Damage Port Wing: 9"), D1(4, "Damage Port Wing: 9"), D1(2, "Damage Port Wing: 9")},
         "  PORT WING: Engine #2 - Engine Out: Prop feathered", [](GameState& s) { s.Damage.Engine2Status = "Out"; },
         [](GameState& s) { s.Damage.Engine2Status = "Leak"; s.Damage.Engine2LeakZones = 3; }},
        {"PortWing_10_Inboard_FireBailout", PortWing,
         {D2(10, "Damage Port Wing"), D1(2, "Damage Port Wing: 10"), D1(1, "Damage Port Wing: 10"), D1(3, "Damage Port Wing: 10")},
         "  PORT WING: Inboard Fuel Tank - Fire: Bailout", Ends(Outcome::BailedOut)},
        {"PortWing_10_Inboard_FirstLeak", PortWing,
         {D2(10, "Damage Port Wing"), D1(1, "Damage Port Wing: 10"), D1(3, "Damage Port Wing: 10"), D1(5, "Damage Port Wing: 10")},
         "  PORT WING: Inboard Fuel Tank - Leakage",
         [](GameState& s) { s.Damage.FuelLeak = true; s.Damage.FuelLeakHits = 1; s.Damage.FuelLeakZones = 5; }},
        {"PortWing_10_Outboard_ThirdLeak", PortWing,
         {D2(10, "Damage Port Wing"), D1(6, "Damage Port Wing: 10"), D1(4, "Damage Port Wing: 10")},
         "  PORT WING: Outboard Fuel Tank - Leakage", [](GameState& s) { s.Damage.FuelLeakHits = 3; s.Damage.FuelLeakZones = 1; },
         [](GameState& s) { s.Damage.FuelLeak = true; s.Damage.FuelLeakHits = 2; s.Damage.FuelLeakZones = 2; }},
        {"PortWing_10_Inboard_SelfSeal", PortWing,
         {D2(10, "Damage Port Wing"), D1(3, "Damage Port Wing: 10"), D1(6, "Damage Port Wing: 10")},
         "  PORT WING: Inboard Fuel Tank - Self-seal", Nothing},
        {"PortWing_12_2", PortWing, {D2(12, "Damage Port Wing"), D1(2, "Damage Port Wing: 12")},
         "  PORT WING: Landing Gear - Brake out", [](GameState& s) { s.Damage.BrakeOut = true; }},

        // Starboard wing
        {"StarboardWing_2", StarboardWing, {D2(2, "Damage Starboard Wing")}, "  STARBOARD WING: Root - Hit #1",
         [](GameState& s) { s.Damage.StarboardWingRootHits = 1; }},
        {"StarboardWing_3", StarboardWing, {D2(3, "Damage Starboard Wing")}, "  STARBOARD WING: Root - Hit #1",
         [](GameState& s) { s.Damage.StarboardWingRootHits = 1; }},
        {"StarboardWing_11", StarboardWing, {D2(11, "Damage Starboard Wing")}, "  STARBOARD WING: Root - Hit #3",
         [](GameState& s) { s.Damage.StarboardWingRootHits = 3; }, [](GameState& s) { s.Damage.StarboardWingRootHits = 2; }},
        {"StarboardWing_4_1", StarboardWing, {D2(4, "Damage Starboard Wing"), D1(1, "Damage Starboard Wing: 4")},
         "  STARBOARD WING: Flap - Starboard Flap inoperable", [](GameState& s) { s.Damage.StarboardFlapOut = true; }},
        {"StarboardWing_4_6", StarboardWing, {D2(4, "Damage Starboard Wing"), D1(6, "Damage Starboard Wing: 4")},
         "  STARBOARD WING: Flap - No effect", Nothing},
        {"StarboardWing_5_3", StarboardWing, {D2(5, "Damage Starboard Wing"), D1(3, "Damage Starboard Wing: 5")},
         "  STARBOARD WING: Aileron - Starboard Aileron inoperable", [](GameState& s) { s.Damage.StarboardAileronOut = true; }},
        {"StarboardWing_5_5", StarboardWing, {D2(5, "Damage Starboard Wing"), D1(5, "Damage Starboard Wing: 5")},
         "  STARBOARD WING: Aileron - No effect", Nothing},
        {"StarboardWing_6", StarboardWing, {D2(6, "Damage Starboard Wing")}, "  STARBOARD WING: Superficial Damage", Nothing},
        {"StarboardWing_7", StarboardWing, {D2(7, "Damage Starboard Wing")}, "  STARBOARD WING: Superficial Damage", Nothing},
        {"StarboardWing_8", StarboardWing, {D2(8, "Damage Starboard Wing")}, "  STARBOARD WING: Superficial Damage", Nothing},
        {"StarboardWing_9_Engine3_OutNotFeathered", StarboardWing,
         {D2(9, "Damage Starboard Wing"), D1(1, "Damage Starboard Wing: 9"), D1(4, "Damage Starboard Wing: 9"),
          D1(6, "Damage Starboard Wing: 9")},
         "  STARBOARD WING: Engine #3 - Engine Out: Prop not feathered", [](GameState& s) { s.Damage.Engine3Status = "Out"; }},
        {"StarboardWing_9_Engine4_RunawayFeathered", StarboardWing,
         {D2(9, "Damage Starboard Wing"), D1(6, "Damage Starboard Wing: 9"), D1(5, "Damage Starboard Wing: 9"),
          D1(2, "Damage Starboard Wing: 9")},
         "  STARBOARD WING: Engine #4 - Runaway Engine: Prop feathered", [](GameState& s) { s.Damage.Engine4Status = "Out"; }},
        {"StarboardWing_9_Engine4_OilLeak", StarboardWing,
         {D2(9, "Damage Starboard Wing"), D1(4, "Damage Starboard Wing: 9"), D1(6, "Damage Starboard Wing: 9"),
          D1(3, "Damage Starboard Wing: 9"), D1(4, "Damage Starboard Wing: 9")},
         "  STARBOARD WING: Engine #4 - Oil Tank Hit: Leakage, 4 more zones",
         [](GameState& s) { s.Damage.Engine4Status = "Leak"; s.Damage.Engine4LeakZones = 4; }},
        {"StarboardWing_9_Engine3_SecondLeakReplacesZones", StarboardWing,
         {D2(9, "Damage Starboard Wing"), D1(2, "Damage Starboard Wing: 9"), D1(6, "Damage Starboard Wing: 9"),
          D1(4, "Damage Starboard Wing: 9"), D1(1, "Damage Starboard Wing: 9")},
         "  STARBOARD WING: Engine #3 - Oil Tank Hit: Leakage, 1 more zones",
         [](GameState& s) { s.Damage.Engine3Status = "Leak"; s.Damage.Engine3LeakZones = 1; },
         [](GameState& s) { s.Damage.Engine3Status = "Out"; s.Damage.Engine3LeakZones = 5; }},
        {"StarboardWing_10_Outboard_FireExplosion", StarboardWing,
         {D2(10, "Damage Starboard Wing"), D1(5, "Damage Starboard Wing: 10"), D1(2, "Damage Starboard Wing: 10"),
          D1(6, "Damage Starboard Wing: 10")},
         "  STARBOARD WING: Outboard Fuel Tank - Fire: Explosion", Ends(Outcome::FuelTankExploded)},
        {"StarboardWing_10_Outboard_FirstLeak", StarboardWing,
         {D2(10, "Damage Starboard Wing"), D1(4, "Damage Starboard Wing: 10"), D1(4, "Damage Starboard Wing: 10"),
          D1(3, "Damage Starboard Wing: 10")},
         "  STARBOARD WING: Outboard Fuel Tank - Leakage, 3 more zones",
         [](GameState& s) { s.Damage.FuelLeak = true; s.Damage.FuelLeakHits = 1; s.Damage.FuelLeakZones = 3; }},
        {"StarboardWing_10_Inboard_SecondLeak", StarboardWing,
         {D2(10, "Damage Starboard Wing"), D1(2, "Damage Starboard Wing: 10"), D1(3, "Damage Starboard Wing: 10")},
         "  STARBOARD WING: Inboard Fuel Tank - Leakage, 2 more zones",
         [](GameState& s) { s.Damage.FuelLeakHits = 2; s.Damage.FuelLeakZones = 2; },
         [](GameState& s) { s.Damage.FuelLeak = true; s.Damage.FuelLeakHits = 1; s.Damage.FuelLeakZones = 5; }},
        {"StarboardWing_10_Inboard_FourthLeakKeepsZones", StarboardWing,
         {D2(10, "Damage Starboard Wing"), D1(1, "Damage Starboard Wing: 10"), D1(3, "Damage Starboard Wing: 10")},
         "  STARBOARD WING: Inboard Fuel Tank - Leakage, 6 more zones", [](GameState& s) { s.Damage.FuelLeakHits = 4; },
         [](GameState& s) { s.Damage.FuelLeak = true; s.Damage.FuelLeakHits = 3; s.Damage.FuelLeakZones = 6; }},
        {"StarboardWing_10_Outboard_SelfSeal", StarboardWing,
         {D2(10, "Damage Starboard Wing"), D1(6, "Damage Starboard Wing: 10"), D1(5, "Damage Starboard Wing: 10")},
         "  STARBOARD WING: Outboard Fuel Tank - Self-seal", Nothing},
        {"StarboardWing_12_5", StarboardWing, {D2(12, "Damage Starboard Wing"), D1(5, "Damage Starboard Wing: 12")},
         "  STARBOARD WING: Landing Gear - Landing gear inoperable", [](GameState& s) { s.Damage.LandingGearOut = true; }},

        // Instruments
        {"Instruments_2", DamageInstruments, {D2(2, "Damage Instruments")}, "  INSTRUMENTS: Instruments - Automatic Pilot",
         [](GameState& s) { s.Damage.AutopilotOut = true; }},
        {"Instruments_3", DamageInstruments, {D2(3, "Damage Instruments")}, "  INSTRUMENTS: Instruments - Landing Gear",
         [](GameState& s) { s.Damage.LandingGearOut = true; }},
        {"Instruments_4", DamageInstruments, {D2(4, "Damage Instruments")}, "  INSTRUMENTS: Instruments - Intercom System",
         [](GameState& s) { s.Damage.IntercomOut = true; }},
        {"Instruments_5", DamageInstruments, {D2(5, "Damage Instruments")}, "  INSTRUMENTS: Instruments - Oxygen System",
         [](GameState& s) { for (int p = 1; p <= CrewCount; ++p) s.CrewPos[p].OxygenHits = 2; },
         [](GameState& s) { s.CrewPos[3].OxygenHits = 5; s.CrewPos[10].Occupant = 0; }},
        {"Instruments_6", DamageInstruments, {D2(6, "Damage Instruments")}, "  INSTRUMENTS: Instruments - Flaps",
         [](GameState& s) { s.Damage.PortFlapOut = true; s.Damage.StarboardFlapOut = true; }},
        {"Instruments_7", DamageInstruments, {D2(7, "Damage Instruments")}, "  INSTRUMENTS: Instruments - Ailerons",
         [](GameState& s) { s.Damage.PortAileronOut = true; s.Damage.StarboardAileronOut = true; }},
        {"Instruments_8", DamageInstruments, {D2(8, "Damage Instruments")}, "  INSTRUMENTS: Instruments - Elevators",
         [](GameState& s) { s.Damage.PortElevatorOut = true; s.Damage.StarboardElevatorOut = true; }},
        {"Instruments_9_LowersRudderHits", DamageInstruments, {D2(9, "Damage Instruments")},
         "  INSTRUMENTS: Instruments - Rudder", [](GameState& s) { s.Damage.RudderHits = 3; },
         [](GameState& s) { s.Damage.RudderHits = 5; }},
        {"Instruments_10", DamageInstruments, {D2(10, "Damage Instruments")},
         "  INSTRUMENTS: Instruments - Propeller Feathering", [](GameState& s) { s.Damage.PropFeatheringOut = true; }},
        {"Instruments_11", DamageInstruments, {D2(11, "Damage Instruments")},
         "  INSTRUMENTS: Instruments - Engine Fire Extinguishers", [](GameState& s) { s.Damage.FireExtinguishersOut = true; }},
        {"Instruments_12", DamageInstruments, {D2(12, "Damage Instruments")},
         "  INSTRUMENTS: Instruments - Electrical Systems", [](GameState& s) { s.Damage.PropFeatheringOut = true; }},
    };
    return cases;
}
// clang-format on

class DamageTable : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamageTable, RollsWritesOneLineAndChangesTheState) {
    const DamageCase& c = GetParam();
    auto game = test::CrewedGame(test::ShippedDatabase(), test::FacesFor(c.Rolls));
    if (c.Before) c.Before(*game);
    GameState expected = *game;
    c.Changes(expected);

    c.Hit(*game);

    EXPECT_EQ(test::RollLines(*game), test::LinesFor(c.Rolls));
    EXPECT_EQ(test::MessageLines(*game), Lines{c.Message});
    EXPECT_EQ(test::Describe(*game), test::Describe(expected));
    EXPECT_TRUE(static_cast<const GameState&>(*game) == expected)
        << "a field outside the crew and damage changed";
}

INSTANTIATE_TEST_SUITE_P(Rows, DamageTable, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.Name; });

TEST(DamageTableCases, ReachEveryTotalOfEveryTable) {
    std::map<std::string_view, std::set<int>> totals;
    for (const DamageCase& c : Cases())
        totals[c.Rolls.front().Label].insert(c.Rolls.front().Value);
    const std::set<int> all = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    for (std::string_view table :
         {"Damage Nose", "Damage Pilot Compartment", "Damage Bomb Bay", "Damage Radio Room", "Damage Waist",
          "Damage Tail", "Damage Port Wing", "Damage Starboard Wing", "Damage Instruments"})
        EXPECT_EQ(totals[table], all) << table;
}

TEST(DamageTables, HitsAddUpOverSeveralCalls) {
    // Two control-cable hits from different compartments share one counter, and a third
    // light wound on the same man makes him seriously wounded.
    auto game = test::CrewedGame(
        test::ShippedDatabase(),
        test::FacesFor({D2(12, "Damage Pilot Compartment"), D2(12, "Damage Waist"), D2(6, "Damage Nose"),
                        Wound(1), D2(6, "Damage Nose"), Wound(2), D2(6, "Damage Nose"), Wound(3)}));
    DamagePilotCompartment(*game);
    DamageWaist(*game);
    for (int i = 0; i < 3; ++i)
        DamageNose(*game);
    EXPECT_EQ(test::MessageLines(*game),
              (Lines{"  PILOT COMPARTMENT: Control Cables - Hit #1", "  WAIST: Control Cables - Hit #2",
                     "  NOSE: Crew - Bombardier: LW", "  NOSE: Crew - Bombardier: LW2",
                     "  NOSE: Crew - Bombardier: SW"}));
    EXPECT_EQ(game->Guns[3].Gunner, 0) << "a seriously wounded bombardier no longer mans the port cheek gun";
}

} // namespace
} // namespace halvard
