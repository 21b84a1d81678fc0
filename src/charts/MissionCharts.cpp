#include "MissionCharts.h"

#include "Game.h"

namespace halvard {

const std::array<std::string_view, 22> MissionChartTargets = {
    "St. Omer",  "Cherbourg", "Amiens",      "Meaulte",       "Abbeville",    "Lille",
    "Rotterdam", "Antwerp",   "Rouen",       "Paris",         "Romilly-S.S.", "Rennes",
    "Brest",     "Lorient",   "St. Nazaire", "Wilhelmshaven", "Emden",        "Vegesack",
    "Bremen",    "Hamm",      "La Rochelle", "Kiel",
};

namespace {

struct FaceRow {
    int Face;
    std::string_view Missions1To5;
    std::string_view Missions6To10;
};

constexpr std::array<FaceRow, 6> EarlyMissions = {{
    {1, "St. Omer", "Abbeville"},
    {2, "Cherbourg", "Meaulte"},
    {3, "Amiens", "Lille"},
    {4, "Meaulte", "Rotterdam"},
    {5, "Abbeville", "Antwerp"},
    {6, "Lille", "Rouen"},
}};

struct D66Row {
    int Low, High; // a range of d66 results, both ends included
    std::string_view Target;
};

// clang-format off
constexpr std::array<D66Row, 22> LaterMissions = {{
    {11, 11, "St. Omer"},
    {12, 12, "Cherbourg"},
    {13, 13, "Amiens"},
    {14, 14, "Meaulte"},
    {15, 15, "Abbeville"},
    {16, 16, "Lille"},
    {21, 21, "Rotterdam"},
    {22, 22, "Antwerp"},
    {23, 23, "Rouen"},
    {24, 25, "Paris"},
    {26, 31, "Romilly-S.S."},
    {32, 33, "Rennes"},
    {34, 35, "Brest"},
    {36, 41, "Lorient"},
    {42, 44, "St. Nazaire"},
    {45, 46, "Wilhelmshaven"},
    {51, 52, "Emden"},
    {53, 54, "Vegesack"},
    {55, 56, "Bremen"},
    {61, 62, "Hamm"},
    {63, 64, "La Rochelle"},
    {65, 66, "Kiel"},
}};
// clang-format on

// Each of the 36 d66 results falls in exactly one range: the ranges ascend without overlap and
// every result between them is one a d66 cannot show.
constexpr bool CoversEveryD66Once(const std::array<D66Row, 22>& rows) {
    int covered = 0;
    int previousHigh = 10;
    for (const D66Row& row : rows) {
        if (row.Low <= previousHigh || row.High < row.Low) return false;
        for (int roll = previousHigh + 1; roll < row.Low; ++roll)
            if (roll % 10 >= 1 && roll % 10 <= 6) return false; // a gap a d66 can roll
        for (int roll = row.Low; roll <= row.High; ++roll)
            covered += (roll % 10 >= 1 && roll % 10 <= 6);
        previousHigh = row.High;
    }
    return covered == 36 && previousHigh == 66;
}
static_assert(CoversEveryD66Once(LaterMissions));

} // namespace

std::string_view ChartMissionTarget(Game& game) {
    const int mission = game.Mission.MissionNo;
    if (mission >= 1 && mission <= 5) {
        const int face = game.RollDice("1d6", "Mission Roll: 1-5");
        return EarlyMissions[static_cast<std::size_t>(face - 1)].Missions1To5;
    }
    if (mission >= 6 && mission <= 10) {
        const int face = game.RollDice("1d6", "Mission Roll: 6-10");
        return EarlyMissions[static_cast<std::size_t>(face - 1)].Missions6To10;
    }
    if (mission >= 11 && mission <= 25) {
        const int roll = game.RollDice("d66", "Mission Roll: 11-25");
        for (const D66Row& row : LaterMissions)
            if (roll >= row.Low && roll <= row.High) return row.Target;
    }
    return {};
}

std::string_view ChartFormation(Game& game, std::string_view kind) {
    if (kind == "FORMATION") {
        const int roll = game.RollDice("2d6", "Formation Roll");
        if (roll == 2) return "Lead Bomber";
        if (roll == 12) return "Tail Bomber";
        return "Middle";
    }
    if (game.Mission.MissionNo < 6) return "Middle";
    const int face = game.RollDice("1d6", "Squadron Roll");
    if (face <= 2) return "High";
    if (face <= 4) return "Middle";
    return "Low";
}

} // namespace halvard
