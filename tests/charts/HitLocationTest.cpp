#include "HitLocation.h"

#include "TestData.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

using Lines = std::vector<std::string>;

// The area roll, then 7s (3 + 4) on every table the hit reaches: a 7 has no sub-roll and no
// wound on any damage table. Each case lists the rolls after "Area Damage" and the messages.
TEST(ChartAreaDamage, EachKindOfCellResolvesItsHit) {
    const struct {
        int position, total;
        int wingLocation; // the "Wing Location" face, when the cell rolls one
        Lines labelsThenMessages;
    } cases[] = {
        // clang-format off
        {1, 2, 0, {"  Superficial Damage"}}, {1, 6, 0, {"Damage Nose", "  NOSE: Superficial Damage"}},
        {6, 10, 0, {"Damage Tail", "  TAIL: Rudder - Hit #1"}},
        {2, 2, 0, {"Damage Port Wing", "  PORT WING: Superficial Damage"}},
        {17, 12, 0, {"Damage Starboard Wing", "  STARBOARD WING: Superficial Damage"}},
        {1, 8, 3, {"Wing Location", "Damage Port Wing", "  PORT WING: Superficial Damage"}},
        {18, 8, 4, {"Wing Location", "Damage Starboard Wing", "  STARBOARD WING: Superficial Damage"}},
        {0, 7, 0, {}}, {21, 12, 0, {}},
        // Walking hits of the second kind: two in each wing (the first kind goes nose to tail).
        {15, 2, 0, {"Walking Hits", "Damage Port Wing", "  PORT WING: Superficial Damage", "Damage Port Wing",
                    "  PORT WING: Superficial Damage", "Damage Starboard Wing", "  STARBOARD WING: Superficial Damage",
                    "Damage Starboard Wing", "  STARBOARD WING: Superficial Damage"}}};
    // clang-format on
    for (const auto& c : cases) {
        std::vector<int> faces = test::FacesFor({{"2d6", c.total, ""}});
        if (c.wingLocation != 0) faces.push_back(c.wingLocation);
        for (int i = 0; i < 6; ++i)
            faces.insert(faces.end(), {3, 4});
        auto game = test::CrewedGame(test::ShippedDatabase(), faces);
        Lines seen;
        game->Rolls.SetListener([&seen](std::string_view line) { seen.emplace_back(line.substr(3)); });
        game->Messages.SetListener([&seen](std::string_view line) { seen.emplace_back(line); });
        ChartAreaDamage(*game, c.position);
        Lines expected = c.labelsThenMessages;
        expected.insert(expected.begin(), "Area Damage");
        EXPECT_EQ(seen, expected) << "position " << c.position << ", roll " << c.total;
    }
}

} // namespace
} // namespace halvard
