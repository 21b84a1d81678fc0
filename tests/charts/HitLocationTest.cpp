#include "HitLocation.h"

#include "TestData.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

using test::ShippedDatabase;
using Lines = std::vector<std::string>;

// Faces for the area roll, then enough 7s (3 + 4) for any table the hit reaches: a 7 has no
// sub-roll and no wound on any damage table.
std::vector<int> AreaRollThenSevens(int total, int wingLocation = 0) {
    std::vector<int> faces = test::FacesFor({{"2d6", total, "Area Damage"}});
    if (wingLocation != 0) faces.push_back(wingLocation);
    for (int i = 0; i < 6; ++i)
        faces.insert(faces.end(), {3, 4});
    return faces;
}

struct AreaCase {
    int position;
    int total;
    int wingLocation; // the "Wing Location" face, when the cell rolls one
    Lines labels;     // every roll after "Area Damage"
    Lines messages;
};

// Walking hits along the fuselage: one hit in each compartment, nose to tail.
const Lines WalkingALabels = {"Damage Nose",     "Damage Pilot Compartment",
                              "Damage Bomb Bay", "Damage Radio Room",
                              "Damage Waist",    "Damage Tail"};
const Lines WalkingAMessages = {"Walking Hits",
                                "  NOSE: Superficial Damage",
                                "  PILOT COMPARTMENT: Superficial Damage",
                                "  BOMB BAY: Superficial Damage",
                                "  RADIO ROOM: Superficial Damage",
                                "  WAIST: Superficial Damage",
                                "  TAIL: Rudder - Hit #1"};

TEST(ChartAreaDamage, EachKindOfCellResolvesItsHit) {
    const AreaCase cases[] = {
        {1, 2, 0, {}, {"  Superficial Damage"}},
        {1, 6, 0, {"Damage Nose"}, {"  NOSE: Superficial Damage"}},
        {4, 7, 0, {"Damage Pilot Compartment"}, {"  PILOT COMPARTMENT: Superficial Damage"}},
        {16, 11, 0, {"Damage Bomb Bay"}, {"  BOMB BAY: Superficial Damage"}},
        {3, 5, 0, {"Damage Radio Room"}, {"  RADIO ROOM: Superficial Damage"}},
        {18, 9, 0, {"Damage Waist"}, {"  WAIST: Superficial Damage"}},
        {6, 10, 0, {"Damage Tail"}, {"  TAIL: Rudder - Hit #1"}},
        {2, 2, 0, {"Damage Port Wing"}, {"  PORT WING: Superficial Damage"}},
        {17, 12, 0, {"Damage Starboard Wing"}, {"  STARBOARD WING: Superficial Damage"}},
        {1, 8, 3, {"Wing Location", "Damage Port Wing"}, {"  PORT WING: Superficial Damage"}},
        {18, 8, 4, {"Wing Location", "Damage Starboard Wing"}, {"  STARBOARD WING: Superficial Damage"}},
        {10, 11, 0, WalkingALabels, WalkingAMessages},
        {15,
         2,
         0,
         {"Damage Port Wing", "Damage Port Wing", "Damage Starboard Wing", "Damage Starboard Wing"},
         {"Walking Hits", "  PORT WING: Superficial Damage", "  PORT WING: Superficial Damage",
          "  STARBOARD WING: Superficial Damage", "  STARBOARD WING: Superficial Damage"}},
        {20, 12, 0, {"Damage Nose"}, {"  NOSE: Superficial Damage"}},
        {19, 9, 0, WalkingALabels, WalkingAMessages},
        {0, 7, 0, {}, {}},
        {21, 12, 0, {}, {}},
    };
    for (const AreaCase& c : cases) {
        auto game = test::CrewedGame(ShippedDatabase(), AreaRollThenSevens(c.total, c.wingLocation));
        auto transcript = test::Record(*game);
        ChartAreaDamage(*game, c.position);
        Lines labels = transcript->RollLabels();
        ASSERT_FALSE(labels.empty());
        EXPECT_EQ(labels.front(), "Area Damage");
        labels.erase(labels.begin());
        EXPECT_EQ(labels, c.labels) << "position " << c.position << ", roll " << c.total;
        EXPECT_EQ(transcript->Messages, c.messages) << "position " << c.position << ", roll " << c.total;
    }
}

struct Landing {
    Lines labels; // the rolls after "Area Damage"
    Lines messages;
};

Landing WhereItLands(int position, int total) {
    auto game = test::CrewedGame(ShippedDatabase(), AreaRollThenSevens(total));
    auto transcript = test::Record(*game);
    ChartAreaDamage(*game, position);
    Lines labels = transcript->RollLabels();
    labels.erase(labels.begin());
    return {labels, transcript->Messages};
}

TEST(ChartAreaDamage, SixLevelPutsMostHitsIntoTheTail) {
    for (int total : {4, 5, 7, 9, 10})
        EXPECT_EQ(WhereItLands(11, total).labels, Lines{"Damage Tail"}) << total;
}

TEST(ChartAreaDamage, ThreeAndNineLevelNeverReachTheStarboardWingOrWalk) {
    for (int position : {8, 14}) {
        for (int total = 2; total <= 12; ++total) {
            const Landing landing = WhereItLands(position, total);
            EXPECT_LE(landing.labels.size(), 1u) << position << " " << total;
            EXPECT_EQ(landing.messages.size(), 1u) << position << " " << total;
            for (const std::string& label : landing.labels)
                EXPECT_NE(label, "Damage Starboard Wing") << position << " " << total;
        }
        EXPECT_EQ(WhereItLands(position, 3).labels, Lines{"Damage Port Wing"});
        EXPECT_EQ(WhereItLands(position, 6).labels, Lines{"Damage Port Wing"});
    }
}

TEST(ChartWalkingHits, OtherKindsOnlyWriteTheHeading) {
    for (const char* kind : {"C", "a", "", "AB"}) {
        auto game = test::CrewedGame(ShippedDatabase(), {});
        ChartWalkingHits(*game, kind);
        EXPECT_EQ(test::MessageLines(*game), Lines{"Walking Hits"}) << kind;
        EXPECT_TRUE(test::RollLines(*game).empty());
    }
}

} // namespace
} // namespace halvard
