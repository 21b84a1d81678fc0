#pragma once

// A tour of duty: 25 missions flown in order by one crew in one bomber. The roster, the
// bomber's damage and the record of the missions flown, and the rules that carry them from
// one mission to the next.

#include "GameState.h"
#include "IndexedArray.h"
#include "Outcome.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvard {

inline constexpr int TourLength = 25;

enum class MemberStatus { Active, Killed, SentHome, Missing };
// "active", "KIA", "sent home", "missing".
std::string_view StatusName(MemberStatus status);
std::optional<MemberStatus> StatusNamed(std::string_view name);

struct CrewMember {
    std::int64_t Id = 0; // the store's key; 0 until stored
    int Position = 0;    // 1-10: the crew position he flies in
    std::string Name;
    int Missions = 0; // complete missions flown
    int Kills = 0;    // fighters destroyed
    MemberStatus Status = MemberStatus::Active;

    friend bool operator==(const CrewMember&, const CrewMember&) = default;
};

// One mission of the tour as its record keeps it.
struct MissionLog {
    int Number = 0;
    std::string Target;
    std::string Started, Ended; // ISO 8601, UTC
    bool Complete = false;      // the landing was rolled; otherwise abandoned
    std::string Outcome;        // the landing's outcome or the loss in flight, as worded; empty if neither
    std::string OnTarget;       // "On", "Off", or empty without a bomb run
    int BombPct = 0;
    std::array<int, CrewCount> Wounds{}; // by position

    friend bool operator==(const MissionLog&, const MissionLog&) = default;
};

struct Campaign {
    std::int64_t Id = 0;
    std::string Name;
    std::uint64_t Seed = 0;
    int NextMission = 1;
    DamageRecord Damage; // the bomber's, as the next mission takes off with it
    int Recruits = 0;    // names drawn from the list so far
    IndexedArray<CrewMember, 1, CrewCount> Crew;
    std::vector<CrewMember> Former; // in the order they left
    std::vector<MissionLog> Missions;

    bool Finished() const { return NextMission > TourLength; }
    friend bool operator==(const Campaign&, const Campaign&) = default;
};

// Where a tour stands, as its listings word it: "mission 4", "mission 4 in progress", "tour over".
std::string Standing(const Campaign& campaign, bool inProgress = false);

// A name for a campaign or a crew member: 1-60 characters of any text but control characters.
// The problem in words, or nothing when the name is fine.
std::optional<std::string> NameProblem(std::string_view name);

// A new tour: mission 1 next, a bomber without damage, and the names given or, where none is
// given, drawn from the built-in list.
Campaign NewCampaign(std::string name, std::uint64_t seed,
                     const std::optional<std::array<std::string, CrewCount>>& names = std::nullopt);

// The seed of mission k's dice.
std::uint64_t TourMissionSeed(const Campaign& campaign, int mission);

// The state mission k of the tour takes off in: the bomber's damage, the crew's missions flown.
void PrepareMission(const Campaign& campaign, GameState& state);

// What a mission left when the player pressed OK.
struct MissionReport {
    std::string Target;
    std::string Started, Ended;
    std::optional<Outcome> Ending; // the landing's outcome or the loss in flight; none if abandoned
    std::string OnTarget;
    int BombPct = 0;
    DamageRecord Damage;
    IndexedArray<int, 1, CrewCount> Wounds{}; // by crew member, who flew at the position of his number
    IndexedArray<int, 1, CrewCount> Kills{};
};

// Ends mission NextMission: records it, credits the crew, replaces those killed, sent home or
// missing, repairs or replaces the bomber or keeps its damage, and moves the tour on.
void ConcludeMission(Campaign& campaign, const MissionReport& report);

} // namespace halvard
