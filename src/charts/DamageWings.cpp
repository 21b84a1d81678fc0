// The damage tables of the wings (one table, read for either side) and of the instruments.

#include "DamageFrame.h"
#include "DamageTables.h"

namespace halvard {
namespace {

using namespace damage;
using D = DamageRecord;

// clang-format off

// Wing ----------------------------------------------------------------------------------------

// The wing table of one side. The side picks the labels, the fields and the engines: the port
// wing carries engines 1 and 2, the starboard wing 3 and 4. The fuel-leak and landing-gear
// fields are the aircraft's, shared by both wings.
template <WingSide Side> struct Wing {
    static constexpr bool IsPort = Side == WingSide::Port;
    static constexpr std::string_view Pick(std::string_view port, std::string_view starboard) {
        return IsPort ? port : starboard;
    }

    static constexpr Row Flap[] = {
        {"1-3", "", Pick("Port Flap inoperable", "Starboard Flap inoperable"), {Set(IsPort ? &D::PortFlapOut : &D::StarboardFlapOut)}},
        {"4-6", "", "No effect"},
    };
    static constexpr Row Aileron[] = {
        {"1-3", "", Pick("Port Aileron inoperable", "Starboard Aileron inoperable"), {Set(IsPort ? &D::PortAileronOut : &D::StarboardAileronOut)}},
        {"4-6", "", "No effect"},
    };

    // Row 9: which engine, then what the hit does to it, then what follows from that.
    static constexpr std::string_view EngineLabel = Pick("Damage Port Wing: 9", "Damage Starboard Wing: 9");
    static constexpr Row Feathering[] = {
        {"1-5", "", "Prop feathered"},
        {"6",   "", "Prop not feathered"},
    };
    static constexpr Row Runaway[] = {
        {"1-5", "", "Prop feathered"},
        {"6",   "", " Out of control.  Immediate bailout", {Lose(Outcome::BailedOut)}},
    };
    static constexpr Row OilTank[] = {
        {"1-2", "", "Engine Fire"},
        {"3-4", "", "Leakage, ", {EngineStatus("Leak"), EngineLeak()}},
        {"5-6", "", "Self-seal"},
    };
    static constexpr SubTable FeatheringRoll{EngineLabel, Feathering};
    static constexpr SubTable RunawayRoll{EngineLabel, Runaway};
    static constexpr SubTable OilTankRoll{EngineLabel, OilTank};
    static constexpr Row EngineDamage[] = {
        {"1-2", "", "Superficial Damage"},
        {"3-4", "", "Engine Out: ",     {EngineStatus("Out")}, &FeatheringRoll},
        {"5",   "", "Runaway Engine: ", {EngineStatus("Out")}, &RunawayRoll},
        {"6",   "", "Oil Tank Hit: ",   {},                    &OilTankRoll},
    };
    static constexpr SubTable EngineDamageRoll{EngineLabel, EngineDamage};
    static constexpr Row WhichEngine[] = {
        {"1-3", Pick("Engine #1", "Engine #3"), "", {Engine(IsPort ? 1 : 3)}, &EngineDamageRoll},
        {"4-6", Pick("Engine #2", "Engine #4"), "", {Engine(IsPort ? 2 : 4)}, &EngineDamageRoll},
    };

    // Row 10: which tank, then what the hit does; the tank changes only the text.
    static constexpr std::string_view FuelLabel = Pick("Damage Port Wing: 10", "Damage Starboard Wing: 10");
    static constexpr Row FuelFire[] = {
        {"1-5", "", "Fire: Bailout",   {Lose(Outcome::BailedOut)}},
        {"6",   "", "Fire: Explosion", {Lose(Outcome::FuelTankExploded)}},
    };
    static constexpr SubTable FuelFireRoll{FuelLabel, FuelFire};
    static constexpr Row FuelTank[] = {
        {"1-2", "", "",          {},                   &FuelFireRoll},
        {"3-4", "", "Leakage",   {FuelLeak(!IsPort)}}, // only the starboard line counts the zones
        {"5-6", "", "Self-seal"},
    };
    static constexpr SubTable FuelTankRoll{FuelLabel, FuelTank};
    static constexpr Row WhichTank[] = {
        {"1-3", "Inboard Fuel Tank",  "", {}, &FuelTankRoll},
        {"4-6", "Outboard Fuel Tank", "", {}, &FuelTankRoll},
    };

    static constexpr Row LandingGear[] = {
        {"1-3", "", "Brake out",               {Set(&D::BrakeOut)}},
        {"4-6", "", "Landing gear inoperable", {Set(&D::LandingGearOut)}},
    };

    static constexpr SubTable FlapRoll{Pick("Damage Port Wing: 4", "Damage Starboard Wing: 4"), Flap};
    static constexpr SubTable AileronRoll{Pick("Damage Port Wing: 5", "Damage Starboard Wing: 5"), Aileron};
    static constexpr SubTable WhichEngineRoll{EngineLabel, WhichEngine};
    static constexpr SubTable WhichTankRoll{FuelLabel, WhichTank};
    static constexpr SubTable LandingGearRoll{Pick("Damage Port Wing: 12", "Damage Starboard Wing: 12"), LandingGear};

    static constexpr Row Rows[] = {
        {"2, 3, 11", "Root",               "", {Hit(IsPort ? &D::PortWingRootHits : &D::StarboardWingRootHits)}},
        {"4",        "Flap",               "", {}, &FlapRoll},
        {"5",        "Aileron",            "", {}, &AileronRoll},
        {"6-8",      "Superficial Damage", ""},
        {"9",        "",                   "", {}, &WhichEngineRoll},
        {"10",       "",                   "", {}, &WhichTankRoll},
        {"12",       "Landing Gear",       "", {}, &LandingGearRoll},
    };
    static constexpr Table Damage{Pick("Damage Port Wing", "Damage Starboard Wing"),
                                  Pick("  PORT WING: ", "  STARBOARD WING: "), Rows};
    static_assert(EachResultOnce(Damage));
    static_assert(OutcomeFits(Damage));
};

// Instruments ---------------------------------------------------------------------------------

constexpr Row InstrumentsRows[] = {
    {"2",  "Instruments", "Automatic Pilot",           {Set(&D::AutopilotOut)}},
    {"3",  "Instruments", "Landing Gear",              {Set(&D::LandingGearOut)}},
    {"4",  "Instruments", "Intercom System",           {Set(&D::IntercomOut)}},
    {"5",  "Instruments", "Oxygen System",             {OxygenFire("1-10")}},
    {"6",  "Instruments", "Flaps",                     {Set(&D::PortFlapOut), Set(&D::StarboardFlapOut)}},
    {"7",  "Instruments", "Ailerons",                  {Set(&D::PortAileronOut), Set(&D::StarboardAileronOut)}},
    {"8",  "Instruments", "Elevators",                 {Set(&D::PortElevatorOut), Set(&D::StarboardElevatorOut)}},
    {"9",  "Instruments", "Rudder",                    {SetCount(&D::RudderHits, 3)}},
    {"10", "Instruments", "Propeller Feathering",      {Set(&D::PropFeatheringOut)}},
    {"11", "Instruments", "Engine Fire Extinguishers", {Set(&D::FireExtinguishersOut)}},
    {"12", "Instruments", "Electrical Systems",        {Set(&D::PropFeatheringOut)}},
};
constexpr Table Instruments{"Damage Instruments", "  INSTRUMENTS: ", InstrumentsRows};
static_assert(EachResultOnce(Instruments));
static_assert(OutcomeFits(Instruments));

// clang-format on

} // namespace

void DamageWing(Game& game, WingSide side) {
    Resolve(game, side == WingSide::Port ? Wing<WingSide::Port>::Damage : Wing<WingSide::Starboard>::Damage);
}

void DamageInstruments(Game& game) {
    Resolve(game, Instruments);
}

} // namespace halvard
