#include "Outcome.h"

#include "ZoneCharts.h"

namespace halvard {

const std::array<OutcomeName, OutcomeCount> OutcomeNames = {{
    {"safe", landing::Safe},
    {"repairable", landing::Repairable},
    {"irreparable", landing::Irreparable},
    {"wrecked", landing::Wrecked},
    {"crew_killed_wrecked", landing::CrewKilledWrecked},
    {"landing_explosion", landing::Explosion},
    {"bombs_detonated", "Bombs detonated in flight"},
    {"fuel_tank_exploded", "Fuel tank exploded in flight"},
    {"bailed_out", "Crew bailed out in flight"},
    {"crew_killed", "Whole crew killed in flight"},
}};

} // namespace halvard
