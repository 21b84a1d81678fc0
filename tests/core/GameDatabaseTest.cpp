#include "GameDatabase.h"

#include "MissionCharts.h"
#include "TestData.h"

#include <gtest/gtest.h>
#include <limits>

namespace halvard {
namespace {

TEST(GameDatabase, ReadsTheTablesOfAValidFile) {
    test::TempDatabase file(test::ValidSql() + R"(
        INSERT INTO WaveSelection VALUES (43, 'FW190', 11, 'B'), (43, 'Me110', 20, NULL);
        INSERT INTO Gunnery VALUES (10, 11, 4, 3, 5), (10, 11, 2, 6, 1);
        INSERT INTO Targets (TargetName, ZoneCount, TargetType, HeavyFlak, "2Mod", "3Mod", "2Ter", "3Ter")
            VALUES ('Saint-Nazaire''s Pens', 3, 'U-Boat Pens', -1, 1, 2, 'Water', 'Land');)");
    const GameDatabase db = file.Open();

    ASSERT_EQ(db.Targets().size(), 23u);
    EXPECT_EQ(db.TargetNames().front(), "St. Omer");
    const TargetRow* pens = db.FindTarget("Saint-Nazaire's Pens");
    ASSERT_NE(pens, nullptr);
    EXPECT_EQ(std::tuple(pens->ZoneCount, std::string(pens->Ter[3]), pens->Mod[3], pens->HeavyFlak),
              std::tuple(3, std::string("Land"), 2, true))
        << "-1 is True";
    EXPECT_EQ(db.FindTarget("saint-Nazaire's Pens"), nullptr) << "names are compared exactly";

    const auto wave = db.WaveRows(43);
    ASSERT_EQ(wave.size(), 3u);
    EXPECT_EQ(std::tuple(wave[1].Type, wave[1].Special, wave[2].Position, wave[2].Special),
              std::tuple("FW190", "B", 20, FighterSpecial::Unmarked));
    for (int roll : {16, 66, 0, 99, -1, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()})
        EXPECT_TRUE(db.WaveRows(roll).empty()) << roll;

    // The last of two matching rows counts; an unknown type has no column; no row: the gun cannot bear.
    // clang-format off
    for (const auto& [gun, position, type, toHit] : {std::tuple{2, 1, "Me109", 4}, {2, 1, "Me110", 3}, {2, 1, "FW190", 5},
                                                     {2, 1, "Me 10", 0}, {10, 11, "Me109", 2}, {3, 1, "Me109", 0}})
        // clang-format on
        EXPECT_EQ(db.ToHit(gun, position, type), toHit) << gun << " " << position << " " << type;
    EXPECT_EQ(db.Gunnery(2, 21), nullptr);
}

} // namespace
} // namespace halvard
