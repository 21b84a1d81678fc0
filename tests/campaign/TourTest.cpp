#include "Tour.h"

#include <gtest/gtest.h>
#include <set>

namespace halvard {
namespace {

struct EndCase {
    const char* name;
    std::optional<Outcome> ending;
    std::array<int, CrewCount> wounds; // by position
    bool complete;
    std::array<const char*, CrewCount> status; // of the position's flyer afterwards
    int missionsAfter;                         // of a flyer who stays
    bool damageKept;
};

constexpr std::array<const char*, CrewCount> AllStay = {"active", "active", "active", "active", "active",
                                                        "active", "active", "active", "active", "active"};
constexpr std::array<const char*, CrewCount> All(const char* status) {
    return {status, status, status, status, status, status, status, status, status, status};
}

class MissionEnd : public ::testing::TestWithParam<EndCase> {};

// Each way a mission ends, on a crew of five missions each and a bomber with one hit.
TEST_P(MissionEnd, CreditsReplacesAndRepairsAsTheOutcomeSays) {
    const EndCase& c = GetParam();
    Campaign campaign = NewCampaign("Tour", 3);
    for (CrewMember& member : campaign.Crew)
        member.Missions = 5;
    campaign.NextMission = 7;
    MissionReport report;
    report.Target = "Kiel";
    report.Ending = c.ending;
    report.Damage.WindowHits = 1;
    for (int member = 1; member <= CrewCount; ++member)
        report.Wounds[member] = c.wounds[static_cast<std::size_t>(member - 1)];
    report.Kills[6] = 2;

    ConcludeMission(campaign, report);

    ASSERT_EQ(campaign.Missions.size(), 1u);
    EXPECT_EQ(campaign.Missions[0].Number, 7);
    EXPECT_EQ(campaign.Missions[0].Complete, c.complete);
    EXPECT_EQ(campaign.Missions[0].Outcome, c.ending ? std::string(NameOf(*c.ending).Label) : "");
    EXPECT_EQ(campaign.NextMission, 8);
    EXPECT_EQ(campaign.Damage.WindowHits, c.damageKept ? 1 : 0);
    std::size_t former = 0;
    for (int position = 1; position <= CrewCount; ++position) {
        const char* status = c.status[static_cast<std::size_t>(position - 1)];
        const CrewMember& now = campaign.Crew[position];
        if (std::string_view(status) == "active") {
            EXPECT_EQ(now.Missions, c.missionsAfter) << position;
            continue;
        }
        // Gone, with what he had, and a new man of no missions in his place.
        ASSERT_LT(former, campaign.Former.size());
        const CrewMember& gone = campaign.Former[former++];
        EXPECT_EQ(gone.Position, position);
        EXPECT_EQ(StatusName(gone.Status), status) << position;
        EXPECT_EQ(gone.Kills, position == 6 ? 2 : 0);
        EXPECT_EQ(now.Missions, 0);
        EXPECT_NE(now.Name, gone.Name);
    }
    EXPECT_EQ(former, campaign.Former.size());
}

INSTANTIATE_TEST_SUITE_P(
    EachEnding, MissionEnd,
    ::testing::Values(
        EndCase{"SafeLanding", Outcome::Safe, {}, true, AllStay, 6, true},
        EndCase{"RepairedBetweenMissions", Outcome::Repairable, {}, true, AllStay, 6, false},
        EndCase{"IrreparableGivesANewBomber", Outcome::Irreparable, {}, true, AllStay, 6, false},
        EndCase{"WreckedGivesANewBomber", Outcome::Wrecked, {}, true, AllStay, 6, false},
        EndCase{"CrewKilledInTheWreck", Outcome::CrewKilledWrecked, {}, true, All("KIA"), 0, false},
        EndCase{"LandingExplosion", Outcome::LandingExplosion, {}, true, All("KIA"), 0, false},
        EndCase{"BombsDetonate", Outcome::BombsDetonated, {}, false, All("KIA"), 0, false},
        EndCase{"BailOutLeavesTheDeadDeadAndTheRestMissing",
                Outcome::BailedOut,
                {4, 0, 0, 0, 0, 0, 0, 0, 0, 3},
                false,
                {"KIA", "missing", "missing", "missing", "missing", "missing", "missing", "missing", "missing",
                 "missing"},
                0,
                false},
        EndCase{"WoundsOnALanding",
                Outcome::Safe,
                {1, 2, 0, 4, 0, 3, 0, 0, 0, 0},
                true,
                {"active", "active", "active", "KIA", "active", "sent home", "active", "active", "active", "active"},
                6,
                true},
        EndCase{"AbandonedCountsNoMission",
                std::nullopt,
                {0, 0, 3, 0, 0, 0, 0, 0, 0, 0},
                false,
                {"active", "active", "sent home", "active", "active", "active", "active", "active", "active",
                 "active"},
                5,
                true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Tour, ASentHomeMemberKeepsTheMissionHeCompleted) {
    Campaign campaign = NewCampaign("Tour", 3);
    MissionReport report;
    report.Ending = Outcome::Safe;
    report.Wounds[6] = 3;
    ConcludeMission(campaign, report);
    ASSERT_EQ(campaign.Former.size(), 1u);
    EXPECT_EQ(campaign.Former[0].Missions, 1);
}

TEST(Tour, EndsAfterMissionTwentyFive) {
    Campaign campaign = NewCampaign("Tour", 3);
    campaign.NextMission = 25;
    EXPECT_FALSE(campaign.Finished());
    ConcludeMission(campaign, MissionReport{});
    EXPECT_TRUE(campaign.Finished());
}

TEST(Tour, NewCrewsHaveTenDifferentNamesFromTheSeed) {
    const Campaign one = NewCampaign("A", 11);
    EXPECT_EQ(one.Crew, NewCampaign("B", 11).Crew);
    EXPECT_NE(one.Crew, NewCampaign("A", 12).Crew);
    std::set<std::string> names;
    for (const CrewMember& member : one.Crew)
        names.insert(member.Name);
    EXPECT_EQ(names.size(), 10u);
}

TEST(Tour, PreparesTheBomberAndTheCrewsMissionsOnAFreshState) {
    Campaign campaign = NewCampaign("Tour", 3);
    campaign.Damage.RudderHits = 2;
    campaign.Crew[3].Missions = 10;
    GameState state;
    state.Crew[1].Wound = 4;
    state.Mission.MissionNo = 17;
    PrepareMission(campaign, state);
    EXPECT_EQ(state.Damage.RudderHits, 2);
    EXPECT_EQ(state.Crew[3].Missions, 10);
    EXPECT_EQ(state.Crew[1].Wound, 0);
    EXPECT_EQ(state.Mission.MissionNo, 0);
}

TEST(Tour, NamesAreOneToSixtyCharactersWithoutControls) {
    EXPECT_FALSE(NameProblem("O'Brien \"Lucky\" <&>"));
    EXPECT_FALSE(NameProblem(std::string(60, 'x')));
    EXPECT_FALSE(NameProblem("Ærø " + std::string(56, 'y'))); // 60 characters, more bytes
    EXPECT_TRUE(NameProblem(""));
    EXPECT_TRUE(NameProblem(std::string(61, 'x')));
    EXPECT_TRUE(NameProblem("two\nlines"));
}

} // namespace
} // namespace halvard
