#include "FlakCharts.h"

#include "TestData.h"

#include <gtest/gtest.h>

namespace halvard {
namespace {

using namespace test;
using Lines = std::vector<std::string>;

TEST(ChartFlakToHit, EachDensityHitsWithItsOwnRollsOfThree) {
    // How many of the first burst's 36 throws hit; the other two bursts roll 6 and 8, which never hit.
    for (const auto& [density, ways] :
         {std::pair{"Light", 2}, std::pair{"Medium", 10}, std::pair{"Heavy", 20}, std::pair{"heavy", 0}}) {
        int hitting = 0;
        for (int first = 1; first <= 6; ++first)
            for (int second = 1; second <= 6; ++second)
                hitting +=
                    ChartFlakToHit(*ScriptedGame(ShippedDatabase(), {first, second, 3, 3, 4, 4}), density);
        EXPECT_EQ(hitting, ways) << density;
    }
}

TEST(ChartAreaHitByFlak, EachTotalGivesTheHitsOfABurstAndTheCompartmentAHitStrikes) {
    const int hitsByTotal[] = {0, 1, 4, 3, 2, 1, 2, 3, 4, 1, 4}; // totals 2..12
    const char* tableByTotal[] = {
        "Damage Bomb Bay",  "Damage Port Wing",      "Damage Radio Room",       "Damage Tail",
        "Damage Port Wing", "Damage Tail",           "Damage Starboard Wing",   "Damage Waist",
        "Damage Nose",      "Damage Starboard Wing", "Damage Pilot Compartment"};
    for (int total = 2; total <= 12; ++total) {
        EXPECT_EQ(ChartEffectOfFlak(*ScriptedGame(ShippedDatabase(), FacesFor({{"2d6", total, ""}}))),
                  hitsByTotal[total - 2])
            << total;
        // The damage table then rolls 7, with no sub-roll and no wound in any of them.
        auto game = CrewedGame(ShippedDatabase(), FacesFor({{"2d6", total, ""}, {"2d6", 7, ""}}));
        auto transcript = Record(*game);
        ChartAreaHitByFlak(*game);
        EXPECT_EQ(transcript->RollLabels(), (Lines{"Area Hit by Flak", tableByTotal[total - 2]})) << total;
        EXPECT_EQ(transcript->Messages.size(), 1u) << total;
    }
}

} // namespace
} // namespace halvard
