#include "Tour.h"

#include "Dice.h"

#include <algorithm>

namespace halvard {
namespace {

constexpr std::string_view StatusNames[] = {"active", "KIA", "sent home", "missing"};

// Names of our own making for the crews of new tours and their replacements.
constexpr std::string_view GivenNames[] = {
    "Abel",  "Amos",   "Arlo",  "Barney", "Boyd", "Cal",   "Clem",  "Dale",   "Dell",  "Eben",
    "Elmer", "Emmett", "Floyd", "Gus",    "Hal",  "Homer", "Ira",   "Jasper", "Jud",   "Lyle",
    "Merle", "Milo",   "Nate",  "Ned",    "Orin", "Otis",  "Percy", "Rollo",  "Rufus", "Silas",
    "Sol",   "Tad",    "Toby",  "Virgil", "Wade", "Walt",  "Wes",   "Willis", "Zeke",  "Ambrose",
};
constexpr std::string_view FamilyNames[] = {
    "Ashgrove",  "Bellwether", "Brackley", "Carrow",   "Dunmore",  "Elsby",     "Farrant",  "Fenwright",
    "Garlow",    "Halvey",     "Hartigan", "Inchley",  "Jessop",   "Kettleby",  "Larkwood", "Marlowe",
    "Netherby",  "Oakhurst",   "Pellow",   "Quarrie",  "Ransford", "Redfern",   "Sallow",   "Shadwell",
    "Thornbury", "Tolliver",   "Underhay", "Vantreen", "Wardlow",  "Whitcombe", "Yarrow",   "Zellner",
};

// The next name from the list that no active member of the crew already has.
std::string Recruit(Campaign& campaign) {
    for (;;) {
        // Apart from the missions' seeds, which mix the same seed with small numbers too.
        const std::uint64_t draw = MixSeed(~campaign.Seed, static_cast<std::uint64_t>(++campaign.Recruits));
        std::string name = std::string(GivenNames[draw % std::size(GivenNames)]) + " " +
                           std::string(FamilyNames[(draw >> 32) % std::size(FamilyNames)]);
        const bool taken = std::any_of(campaign.Crew.begin(), campaign.Crew.end(),
                                       [&](const CrewMember& member) { return member.Name == name; });
        if (!taken) return name;
    }
}

constexpr int SeriouslyWounded = 3;

} // namespace

std::string_view StatusName(MemberStatus status) {
    return StatusNames[static_cast<std::size_t>(status)];
}

std::optional<MemberStatus> StatusNamed(std::string_view name) {
    for (std::size_t i = 0; i < std::size(StatusNames); ++i)
        if (StatusNames[i] == name) return static_cast<MemberStatus>(i);
    return std::nullopt;
}

std::string Standing(const Campaign& campaign, bool inProgress) {
    if (campaign.Finished()) return "tour over";
    return "mission " + std::to_string(campaign.NextMission) + (inProgress ? " in progress" : "");
}

std::optional<std::string> NameProblem(std::string_view name) {
    if (name.empty()) return "a name needs at least one character";
    std::size_t characters = 0;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) return "a name cannot hold control characters";
        if ((byte & 0xc0) != 0x80) ++characters; // UTF-8: count the lead bytes
    }
    if (characters > 60) return "a name has at most 60 characters";
    return std::nullopt;
}

Campaign NewCampaign(std::string name, std::uint64_t seed,
                     const std::optional<std::array<std::string, CrewCount>>& names) {
    Campaign campaign;
    campaign.Name = std::move(name);
    campaign.Seed = seed;
    for (int position = 1; position <= CrewCount; ++position) {
        CrewMember& member = campaign.Crew[position];
        member.Position = position;
        member.Name = names ? (*names)[static_cast<std::size_t>(position - 1)] : Recruit(campaign);
    }
    return campaign;
}

std::uint64_t TourMissionSeed(const Campaign& campaign, int mission) {
    return MixSeed(campaign.Seed, static_cast<std::uint64_t>(mission));
}

void PrepareMission(const Campaign& campaign, GameState& state) {
    state = GameState{};
    state.Damage = campaign.Damage;
    for (int member = 1; member <= CrewCount; ++member)
        state.Crew[member].Missions = campaign.Crew[member].Missions;
}

void ConcludeMission(Campaign& campaign, const MissionReport& report) {
    MissionLog log;
    log.Number = campaign.NextMission;
    log.Target = report.Target;
    log.Started = report.Started;
    log.Ended = report.Ended;
    log.Complete = report.Ending && !LostInFlight(*report.Ending);
    if (report.Ending) log.Outcome = NameOf(*report.Ending).Label;
    log.OnTarget = report.OnTarget;
    log.BombPct = report.BombPct;
    for (int member = 1; member <= CrewCount; ++member)
        log.Wounds[static_cast<std::size_t>(member - 1)] = report.Wounds[member];
    campaign.Missions.push_back(log);

    for (int position = 1; position <= CrewCount; ++position) {
        CrewMember& member = campaign.Crew[position];
        const int wound = report.Wounds[position];
        member.Kills += report.Kills[position];
        std::optional<MemberStatus> leaves;
        if (wound >= Killed || (report.Ending && KillsTheCrew(*report.Ending)))
            leaves = MemberStatus::Killed;
        else if (report.Ending && LeavesTheCrewMissing(*report.Ending))
            leaves = MemberStatus::Missing;
        else if (wound >= SeriouslyWounded)
            leaves = MemberStatus::SentHome;
        if (log.Complete && leaves != MemberStatus::Killed) ++member.Missions;
        if (!leaves) continue;

        member.Status = *leaves;
        campaign.Former.push_back(member);
        member = CrewMember{};
        member.Position = position;
        member.Name = Recruit(campaign);
    }

    // Repaired by the ground crew, or a new bomber for one that did not come back fit to fly.
    const bool freshBomber =
        report.Ending && (*report.Ending == Outcome::Repairable || BomberLost(*report.Ending));
    campaign.Damage = freshBomber ? DamageRecord{} : report.Damage;
    ++campaign.NextMission;
}

} // namespace halvard
