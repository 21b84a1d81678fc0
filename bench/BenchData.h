#pragma once

// What the benchmarks share: the shipped game database, and die faces for scripted steps.

#include "GameDatabase.h"

#include <string_view>
#include <vector>

namespace halvard::bench {

// The database the build makes, opened once.
const GameDatabase& ShippedDatabase();

// A roll a scripted step is to make: the die ("1d6" or "2d6") and its result.
struct Roll {
    std::string_view Die;
    int Value;
};
// The die faces that make these rolls.
std::vector<int> FacesFor(const std::vector<Roll>& rolls);

} // namespace halvard::bench
