// The charts of the guns' fire and of the hits the bomber takes: gunnery, where a hit lands, and
// what it damages.

#include "DamageTables.h"
#include "Gunnery.h"
#include "HitLocation.h"
#include "TestData.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

using Lines = std::vector<std::string>;
using test::Roll;
using Change = void (*)(GameState&);

// Rows this test relies on, beyond the nose gun at 12 High (4, 3, 5) of the test database.
const GameDatabase& GunneryDatabase() {
    static const test::TempDatabase file(test::ValidSql() + R"(
INSERT INTO Gunnery VALUES (10, 10, 6, 4, 3), (5, 7, 3, 0, 2), (6, 13, 2, 2, 2), (6, 13, 5, 4, 3);)");
    static const GameDatabase database = file.Open();
    return database;
}

// The table's number, then six (five for the tail guns) with the intercom out, then six for a
// gunner with a second light wound; a gun without a row for the position cannot fire.
TEST(ChartGunnery, TableNumberThenIntercomThenSecondLightWound) {
    // A wound of -1: nobody at the gun's own position.
    // clang-format off
    for (const auto& [gun, position, type, intercomOut, wound, toHit] : {
             std::tuple{2, 1, "Me109", false, 0, 4}, {2, 1, "Me110", false, 0, 3}, {2, 1, "FW190", false, 0, 5},
             {6, 13, "Me109", false, 0, 5}, {2, 1, "Me262", false, 0, 0}, {2, 10, "Me109", true, 0, 0},
             {9, 1, "Me109", false, 2, 0}, {10, 10, "Me109", true, 0, 5}, {2, 1, "Me110", true, 0, 6},
             {2, 1, "Me262", true, 0, 6}, {5, 7, "Me109", false, 2, 6}, {10, 10, "Me110", true, 2, 6},
             {5, 7, "Me109", false, 1, 3}, {5, 7, "FW190", false, 3, 2}, {5, 7, "Me109", false, -1, 3}}) {
        // clang-format on
        auto game = test::CrewedGame(GunneryDatabase(), {});
        game->Damage.IntercomOut = intercomOut;
        game->Crew[gun].Wound = wound < 0 ? 2 : wound;
        if (wound < 0) game->CrewPos[gun].Occupant = 0;
        const FighterType fighter = FighterType::Find(type).value_or(FighterType::None);
        EXPECT_EQ(ChartGunnery(*game, gun, position, fighter), toHit) << gun << position << type << wound;
    }
}

// The area roll, then 7s (3 + 4) on every table the hit reaches: a 7 has no sub-roll and no
// wound on any damage table. Each case lists the rolls after "Area Damage" and the messages.
TEST(ChartAreaDamage, EachKindOfCellResolvesItsHit) {
    const struct {
        int position, total;
        int wingLocation; // the "Wing Location" face, when the cell rolls one
        Lines labelsThenMessages;
    } cases[] = {
        // clang-format off
        {1, 2, 0, {"  Superficial Damage"}}, {1, 6, 0, {"Damage Nose", "  NOSE: Superficial Damage"}},
        {6, 10, 0, {"Damage Tail", "  TAIL: Rudder - Hit #1"}},
        {2, 2, 0, {"Damage Port Wing", "  PORT WING: Superficial Damage"}},
        {17, 12, 0, {"Damage Starboard Wing", "  STARBOARD WING: Superficial Damage"}},
        {1, 8, 3, {"Wing Location", "Damage Port Wing", "  PORT WING: Superficial Damage"}},
        {18, 8, 4, {"Wing Location", "Damage Starboard Wing", "  STARBOARD WING: Superficial Damage"}},
        {0, 7, 0, {}}, {21, 12, 0, {}},
        // Walking hits of the second kind: two in each wing (the first kind goes nose to tail).
        {15, 2, 0, {"Walking Hits", "Damage Port Wing", "  PORT WING: Superficial Damage", "Damage Port Wing",
                    "  PORT WING: Superficial Damage", "Damage Starboard Wing", "  STARBOARD WING: Superficial Damage",
                    "Damage Starboard Wing", "  STARBOARD WING: Superficial Damage"}}};
    // clang-format on
    for (const auto& c : cases) {
        std::vector<int> faces = test::FacesFor({{"2d6", c.total, ""}});
        if (c.wingLocation != 0) faces.push_back(c.wingLocation);
        for (int i = 0; i < 6; ++i)
            faces.insert(faces.end(), {3, 4});
        auto game = test::CrewedGame(test::ShippedDatabase(), faces);
        Lines seen;
        game->Rolls.SetListener([&seen](std::string_view line) { seen.emplace_back(line.substr(3)); });
        game->Messages.SetListener([&seen](std::string_view line) { seen.emplace_back(line); });
        ChartAreaDamage(*game, c.position);
        Lines expected = c.labelsThenMessages;
        expected.insert(expected.begin(), "Area Damage");
        EXPECT_EQ(seen, expected) << "position " << c.position << ", roll " << c.total;
    }
}

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

        EXPECT_EQ(game->Rolls.Lines(), test::LinesFor(c.Rolls));
        EXPECT_EQ(game->Messages.Lines(), Lines{c.Message});
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
    EXPECT_EQ(game->Messages.Lines(),
              (Lines{"  PILOT COMPARTMENT: Control Cables - Hit #1", "  WAIST: Control Cables - Hit #2",
                     "  NOSE: Crew - Bombardier: LW", "  NOSE: Crew - Bombardier: LW2",
                     "  NOSE: Crew - Bombardier: SW"}));
    EXPECT_EQ(game->Guns[3].Gunner, 0) << "a seriously wounded bombardier no longer mans the port cheek gun";
}

} // namespace
} // namespace halvard
