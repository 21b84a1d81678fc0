#pragma once

#include <string_view>

namespace halvard {

class Game;

// Where one hit lands, as the hit-location and flak tables name it.
enum class HitArea {
    Superficial,      // S: no compartment, just a line
    Nose,             // N
    PilotCompartment, // P
    BombBay,          // B
    RadioRoom,        // R
    Waist,            // W
    Tail,             // T
    PortWing,         // PW
    StarboardWing,    // SW
    EitherWing,       // WL: a "Wing Location" roll picks the side
    WalkingHitsA,     // WA: along the fuselage
    WalkingHitsB,     // WB: across the wings
};

// Resolves one hit on an area: the damage table of a compartment, a wing, or walking hits.
void StrikeArea(Game& game, HitArea area);

// Places one shell hit of a fighter by its attack position (1..20); a position outside the
// table does nothing after the roll.
void ChartAreaDamage(Game& game, int attackPos);

// A burst along the fuselage ("A": six compartments, nose to tail) or across the wings ("B":
// port twice, then starboard twice); any other kind only writes "Walking Hits".
void ChartWalkingHits(Game& game, std::string_view kind);

} // namespace halvard
