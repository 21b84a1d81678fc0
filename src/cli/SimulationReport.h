#pragma once

// A simulation's figures, written for a person (a text table) or for a program (JSON, CSV).
// All three carry the same figures, overall and per target.

#include "Simulation.h"

#include <nlohmann/json_fwd.hpp>
#include <string>

namespace halvard {

std::string ReportText(const SimulationResult& result);
nlohmann::json ReportJson(const SimulationResult& result);
// A header line, then one line for all targets and one per target.
std::string ReportCsv(const SimulationResult& result);

} // namespace halvard
