#pragma once

// What a mission's ending (Mission.Ending, set by the charts) means to those who read it: the
// simulator's figures and a campaign's roster and bomber.

#include "GameState.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace halvard {

struct OutcomeName {
    std::string_view Key;   // for machine-readable reports
    std::string_view Label; // as the message list words it, or what happened in flight
};
// By Outcome, in its order.
extern const std::array<OutcomeName, OutcomeCount> OutcomeNames;

constexpr const OutcomeName& NameOf(Outcome outcome) {
    return OutcomeNames[static_cast<std::size_t>(outcome)];
}

// The bomber does not come back fit to fly again: it was destroyed or abandoned in flight, or
// the landing wrecked it, blew it up or damaged it beyond repair.
constexpr bool BomberLost(Outcome outcome) {
    return outcome != Outcome::Safe && outcome != Outcome::Repairable;
}
// The outcome says that every crew member still aboard died with the bomber.
constexpr bool KillsTheCrew(Outcome outcome) {
    return outcome == Outcome::CrewKilledWrecked || outcome == Outcome::LandingExplosion ||
           outcome == Outcome::BombsDetonated;
}
// The crew left the bomber over enemy country, or it blew up around them with no word of who
// got out: nobody aboard comes home, and nobody is known to be dead.
constexpr bool LeavesTheCrewMissing(Outcome outcome) {
    return outcome == Outcome::BailedOut || outcome == Outcome::FuelTankExploded;
}

} // namespace halvard
