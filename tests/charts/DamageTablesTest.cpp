#include "DamageTables.h"

#include "TestData.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

using test::Roll;
using Lines = std::vector<std::string>;
using Change = void (*)(GameState&);

const auto D2 = [](int total, std::string_view table) { return Roll{"2d6", total, table}; };
const auto D1 = [](int face, std::string_view label) { return Roll{"1d6", face, label}; };
void (*const PortWing)(Game&) = [](Game& game) { DamageWing(game, WingSide::Port); };
void (*const StarboardWing)(Game&) = [](Game& game) { DamageWing(game, WingSide::Starboard); };

// One hit on a table: the rolls it makes (scripted and expected alike), the one line it writes
// and what it changes in a bomber manned as at the start of a mission (after Before, if any).
struct DamageCase {
    const char* Name;
    void (*Hit)(Game&);
    std::vector<Roll> Rolls;
    const char* Message;
    Change Changes;
    Change Before = nullptr;
};

// clang-format off
const DamageCase Cases[] = {
    {"Nose_3_1", DamageNose, {D2(3, "Damage Nose"), D1(1, "Damage Nose: 3")}, "  NOSE: Armament - Nose gun inoperable",
     [](GameState& s) { s.Guns[2].Status = "Out"; }},
    {"Nose_6_EmptySeat", DamageNose, {D2(6, "Damage Nose")}, "  NOSE: Crew - Bombardier: No Crew Member at Position",
     [](GameState&) {}, [](GameState& s) { s.CrewPos[3].Occupant = 0; }},
    {"Pilot_9", DamagePilotCompartment, {D2(9, "Damage Pilot Compartment"), D2(9, "Damage Instruments")},
     "  INSTRUMENTS: Instruments - Rudder", [](GameState& s) { s.Damage.RudderHits = 3; }},
    {"Waist_4", DamageWaist, {D2(4, "Damage Waist")}, "  WAIST: Superficial Damage", [](GameState&) {}},
    {"Waist_11_3", DamageWaist, {D2(11, "Damage Waist"), D1(3, "Damage Waist: 11")}, "  WAIST: Heat Out - Port Waist Gunner",
     [](GameState& s) { s.CrewPos[6].HeatOut = true; }},
    {"Tail_2", DamageTail, {D2(2, "Damage Tail")}, "  TAIL: Heat Out - Tail Gunner", [](GameState& s) { s.CrewPos[10].HeatOut = true; }},
    {"Tail_11_2", DamageTail, {D2(11, "Damage Tail"), D1(2, "Damage Tail: 11")}, "  TAIL: Oxygen Supply Hit - Tail Gunner",
     [](GameState& s) { s.CrewPos[10].OxygenHits = 1; }},
    {"PortWing_9_Runaway", PortWing, {D2(9, "Damage Port Wing"), D1(1, "Damage Port Wing: 9"), D1(5, "Damage Port Wing: 9"), D1(6, "Damage Port Wing: 9")},
     "  PORT WING: Engine #1 - Runaway Engine:  Out of control.  Immediate bailout",
     [](GameState& s) { s.Damage.Engine1Status = "Out"; s.Mission.Ending = Outcome::BailedOut; }},
    {"StarboardWing_9_OilLeak", StarboardWing, {D2(9, "Damage Starboard Wing"), D1(2, "Damage Starboard Wing: 9"), D1(6, "Damage Starboard Wing: 9"),
      D1(4, "Damage Starboard Wing: 9"), D1(1, "Damage Starboard Wing: 9")},
     "  STARBOARD WING: Engine #3 - Oil Tank Hit: Leakage, 1 more zones",
     [](GameState& s) { s.Damage.Engine3Status = "Leak"; s.Damage.Engine3LeakZones = 1; },
     [](GameState& s) { s.Damage.Engine3Status = "Out"; s.Damage.Engine3LeakZones = 5; }},
    {"StarboardWing_10_SecondLeak", StarboardWing, {D2(10, "Damage Starboard Wing"), D1(2, "Damage Starboard Wing: 10"), D1(3, "Damage Starboard Wing: 10")},
     "  STARBOARD WING: Inboard Fuel Tank - Leakage, 2 more zones", [](GameState& s) { s.Damage.FuelLeakHits = 2; s.Damage.FuelLeakZones = 2; },
     [](GameState& s) { s.Damage.FuelLeak = true; s.Damage.FuelLeakHits = 1; s.Damage.FuelLeakZones = 5; }},
    {"Instruments_5", DamageInstruments, {D2(5, "Damage Instruments")}, "  INSTRUMENTS: Instruments - Oxygen System",
     [](GameState& s) { for (int p = 1; p <= CrewCount; ++p) s.CrewPos[p].OxygenHits = 2; },
     [](GameState& s) { s.CrewPos[3].OxygenHits = 5; s.CrewPos[10].Occupant = 0; }}
};
// clang-format on

TEST(DamageTables, EachHitRollsWritesOneLineAndChangesTheState) {
    for (const DamageCase& c : Cases) {
        SCOPED_TRACE(c.Name);
        auto game = test::CrewedGame(test::ShippedDatabase(), test::FacesFor(c.Rolls));
        if (c.Before) c.Before(*game);
        GameState expected = *game;
        c.Changes(expected);

        c.Hit(*game);

        EXPECT_EQ(test::RollLines(*game), test::LinesFor(c.Rolls));
        EXPECT_EQ(test::MessageLines(*game), Lines{c.Message});
        EXPECT_EQ(test::Describe(*game), test::Describe(expected));
        EXPECT_TRUE(static_cast<const GameState&>(*game) == expected)
            << "a field outside crew and damage changed";
    }
}

TEST(DamageTables, HitsAddUpOverSeveralCalls) {
    // Two control-cable hits from different compartments share one counter, and a third
    // light wound on the same man makes him seriously wounded.
    auto game = test::CrewedGame(test::ShippedDatabase(),
                                 test::FacesFor({D2(12, "Damage Pilot Compartment"), D2(12, "Damage Waist"),
                                                 D2(6, "Damage Nose"), D1(1, "Wound"), D2(6, "Damage Nose"),
                                                 D1(2, "Wound"), D2(6, "Damage Nose"), D1(3, "Wound")}));
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
