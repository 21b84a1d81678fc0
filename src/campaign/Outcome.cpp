#include "Outcome.h"

#include "GameState.h"
#include "ZoneCharts.h"

#include <algorithm>

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

namespace {

// How the damage tables word the ends of a bomber in flight, at the end of their lines.
struct InFlightLoss {
    std::string_view LineEnd;
    Outcome End;
};
constexpr InFlightLoss InFlightLosses[] = {
    {"BOMBS DETONATE - Corvane DESTROYED AND ENTIRE CREW KIA", Outcome::BombsDetonated},
    {"Fire: Explosion", Outcome::FuelTankExploded},
    {"Fire: Bailout", Outcome::BailedOut},
    {"Immediate bailout", Outcome::BailedOut},
};

constexpr int Killed = 4;

} // namespace

bool LineParts::EndsWith(std::string_view end) const {
    // Character by character from the back: a line that ends otherwise is told apart within its
    // last few characters.
    auto wanted = end.rbegin();
    for (auto part = parts_.rbegin(); part != parts_.rend(); ++part)
        for (auto c = part->rbegin(); c != part->rend(); ++c) {
            if (wanted == end.rend()) return true;
            if (*c != *wanted++) return false;
        }
    return wanted == end.rend();
}

bool LineParts::Equals(std::string_view text) const {
    for (std::string_view part : parts_) {
        if (!text.starts_with(part)) return false;
        text.remove_prefix(part.size());
    }
    return text.empty();
}

// The last characters of those line ends: most lines are passed over at a glance.
constexpr std::array<bool, 256> EndingWatcher::LossLineLastCharacters = [] {
    std::array<bool, 256> last{};
    for (const InFlightLoss& loss : InFlightLosses)
        last[static_cast<unsigned char>(loss.LineEnd.back())] = true;
    return last;
}();

void EndingWatcher::ReadClosely(const LineParts& line, bool landing) {
    if (landing) {
        for (std::size_t i = 0; i <= static_cast<std::size_t>(Outcome::LandingExplosion); ++i)
            if (line.Equals(OutcomeNames[i].Label)) ending_ = static_cast<Outcome>(i);
        return;
    }
    if (ending_) return;
    const char last = line.Back();
    for (const InFlightLoss& loss : InFlightLosses)
        if (last == loss.LineEnd.back() && line.EndsWith(loss.LineEnd)) {
            ending_ = loss.End;
            return;
        }
}

void EndingWatcher::Read(std::string_view line, bool landing) {
    Read(LineParts(std::span<const std::string_view>(&line, 1)), landing);
}

void EndingWatcher::CheckCrew(const GameState& state) {
    if (ending_) return;
    for (const CrewRecord& member : state.Crew)
        if (member.Wound < Killed) return;
    ending_ = Outcome::CrewKilled;
}

} // namespace halvard
