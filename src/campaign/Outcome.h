#pragma once

// How a mission ends, for every reader of it: the simulator's figures and a campaign's roster
// and bomber. The damage tables announce the loss of the bomber only in words, and the landing
// chart its outcome; this is the one place that reads those words.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace halvard {

struct GameState;

// One of the landing chart's outcomes, or the bomber lost on the way.
enum class Outcome : std::size_t {
    // The landing chart's outcomes, in its order (landing:: in ZoneCharts.h).
    Safe,
    Repairable,
    Irreparable,
    Wrecked,
    CrewKilledWrecked,
    LandingExplosion,
    BombsDetonated,   // in flight: the bombs went off in the bay
    FuelTankExploded, // in flight: a fuel-tank fire became an explosion
    BailedOut,        // in flight: a runaway engine or a fuel-tank fire made the crew jump
    CrewKilled,       // in flight: every crew member killed
};
inline constexpr std::size_t OutcomeCount = 10;

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
constexpr bool LostInFlight(Outcome outcome) {
    return outcome >= Outcome::BombsDetonated;
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

// A message line as the parts the message list was given: read without putting it together.
class LineParts {
  public:
    explicit LineParts(std::span<const std::string_view> parts) : parts_(parts) {}

    // The last character, or NUL for an empty line.
    char Back() const {
        for (auto part = parts_.rbegin(); part != parts_.rend(); ++part)
            if (!part->empty()) return part->back();
        return '\0';
    }
    bool EndsWith(std::string_view end) const;
    bool Equals(std::string_view text) const;

  private:
    std::span<const std::string_view> parts_;
};

// Follows one mission's message lines and crew and tells how it ended, once it has.
class EndingWatcher {
  public:
    // Every message line, as it is written; landing is true while the step pressed is the
    // landing, whose one outcome line it then looks for. Most lines are passed over in line.
    void Read(const LineParts& line, bool landing) {
        if (landing || (!ending_ && MayTellALoss(line.Back()))) ReadClosely(line, landing);
    }
    void Read(std::string_view line, bool landing);
    // After each press: a bomber whose every crew member is dead is lost too.
    void CheckCrew(const GameState& state);

    // The loss in flight, or the landing's outcome; nothing while the mission goes on.
    std::optional<Outcome> Ending() const { return ending_; }
    bool LostInFlight() const { return ending_ && halvard::LostInFlight(*ending_); }

  private:
    // Whether a line ending in this character may tell how the bomber was lost.
    static bool MayTellALoss(char last) { return LossLineLastCharacters[static_cast<unsigned char>(last)]; }
    static const std::array<bool, 256> LossLineLastCharacters;
    void ReadClosely(const LineParts& line, bool landing);

    std::optional<Outcome> ending_;
};

} // namespace halvard
