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
    const char* fate;  // by position: Active, KIA, sent Home, Missing
    int missionsAfter; // of a flyer who stays or is sent home, from 5
    bool damageKept;
};

// clang-format off
const EndCase Ends[] = {
    {"SafeLanding",                Outcome::Safe,              {}, true,  "AAAAAAAAAA", 6, true},
    {"RepairedBetweenMissions",    Outcome::Repairable,        {}, true,  "AAAAAAAAAA", 6, false},
    {"IrreparableGivesANewBomber", Outcome::Irreparable,       {}, true,  "AAAAAAAAAA", 6, false},
    {"WreckedGivesANewBomber",     Outcome::Wrecked,           {}, true,  "AAAAAAAAAA", 6, false},
    {"CrewKilledInTheWreck",       Outcome::CrewKilledWrecked, {}, true,  "KKKKKKKKKK", 0, false},
    {"LandingExplosion",           Outcome::LandingExplosion,  {}, true,  "KKKKKKKKKK", 0, false},
    {"BombsDetonate",              Outcome::BombsDetonated,    {}, false, "KKKKKKKKKK", 0, false},
    {"BailOutLeavesTheDeadDead",   Outcome::BailedOut, {4, 0, 0, 0, 0, 0, 0, 0, 0, 3}, false, "KMMMMMMMMM", 5, false},
    {"WoundsOnALanding",           Outcome::Safe,      {1, 2, 0, 4, 0, 3, 0, 0, 0, 2}, true,  "AAAKAHAAAA", 6, true},
    {"AbandonedCountsNoMission",   std::nullopt,       {0, 0, 3, 0, 0, 0, 0, 0, 0, 0}, false, "AAHAAAAAAA", 5, true},
};
// clang-format on

// Each way a mission ends, on a crew of five missions each and a bomber with one hit.
TEST(MissionEnd, CreditsReplacesAndRepairsAsTheOutcomeSays) {
    for (const EndCase& c : Ends) {
        SCOPED_TRACE(c.name);
        Campaign campaign = NewCampaign("Tour", 3);
        for (CrewMember& member : campaign.Crew)
            member.Missions = 5;
        campaign.NextMission = 7;
        MissionReport report{.Target = "Kiel", .Ending = c.ending};
        report.Damage.WindowHits = 1;
        for (int member = 1; member <= CrewCount; ++member)
            report.Wounds[member] = c.wounds[static_cast<std::size_t>(member - 1)];
        report.Kills[6] = 2;
        ConcludeMission(campaign, report);
        MissionLog log{.Number = 7, .Target = "Kiel", .Complete = c.complete, .Wounds = c.wounds};
        if (c.ending) log.Outcome = NameOf(*c.ending).Label;
        EXPECT_EQ(campaign.Missions, std::vector{log});
        EXPECT_EQ(campaign.NextMission, 8);
        EXPECT_EQ(campaign.Damage.WindowHits, c.damageKept ? 1 : 0);
        std::size_t former = 0;
        for (int position = 1; position <= CrewCount; ++position) {
            const char fate = c.fate[position - 1];
            const CrewMember& now = campaign.Crew[position];
            if (fate == 'A') {
                EXPECT_EQ(now.Missions, c.missionsAfter) << position;
                continue;
            }
            ASSERT_LT(former, campaign.Former.size());
            const CrewMember& gone = campaign.Former[former++];
            EXPECT_EQ(std::tuple(gone.Position, gone.Status, gone.Missions, gone.Kills),
                      std::tuple(position, static_cast<MemberStatus>(std::string_view("AKHM").find(fate)),
                                 fate == 'H' ? c.missionsAfter : 5, position == 6 ? 2 : 0));
            EXPECT_TRUE(now.Missions == 0 && now.Name != gone.Name) << position;
        }
        EXPECT_EQ(former, campaign.Former.size());
    }
}

TEST(Tour, NewCrewsHaveTenDifferentNamesFromTheSeedAndFlyTwentyFiveMissions) {
    Campaign one = NewCampaign("A", 11);
    EXPECT_EQ(one.Crew, NewCampaign("B", 11).Crew);
    EXPECT_NE(one.Crew, NewCampaign("A", 12).Crew);
    std::set<std::string> names;
    for (const CrewMember& member : one.Crew)
        names.insert(member.Name);
    EXPECT_EQ(names.size(), 10u);
    one.NextMission = 25;
    EXPECT_FALSE(one.Finished());
    ConcludeMission(one, MissionReport{});
    EXPECT_TRUE(one.Finished());
}

TEST(Tour, NamesAreOneToSixtyCharactersWithoutControls) {
    for (const std::string& good : {std::string("O'Brien \"Lucky\" <&>"), std::string(60, 'x'),
                                    "Ærø " + std::string(56, 'y')}) // 60 characters, more bytes
        EXPECT_FALSE(NameProblem(good)) << good;
    for (const std::string& bad : {std::string(), std::string(61, 'x'), std::string("two\nlines")})
        EXPECT_TRUE(NameProblem(bad)) << bad;
}

} // namespace
} // namespace halvard
