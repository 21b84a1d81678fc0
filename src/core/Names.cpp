#include "Names.h"

#include "Game.h"

#include <algorithm>
#include <array>

namespace halvard {
namespace {

constexpr std::array<std::string_view, 21> PositionNames = {
    "",               //
    "12 High",        // 1
    "12 Level",       // 2
    "12 Low",         // 3
    "1:30 High",      // 4
    "1:30 Level",     // 5
    "1:30 Low",       // 6
    "3 High",         // 7
    "3 Level",        // 8
    "3 Low",          // 9
    "6 High",         // 10
    "6 Level",        // 11
    "6 Low",          // 12
    "9 High",         // 13
    "9 Level",        // 14
    "9 Low",          // 15
    "10:30 High",     // 16
    "10:30 Level",    // 17
    "10:30 Low",      // 18
    "Vertical Climb", // 19
    "Vertical Dive",  // 20
};

constexpr std::array<std::string_view, 11> GunNames = {
    "",                    //
    "",                    //
    "Nose Gun",            // 2
    "Port Cheek Gun",      // 3
    "Starboard Cheek Gun", // 4
    "Radio Gun",           // 5
    "Port Waist Gun",      // 6
    "Starboard Waist Gun", // 7
    "Top Turret",          // 8
    "Ball Turret",         // 9
    "Tail Guns",           // 10
};

} // namespace

std::string_view NoToString(int number, std::string_view mode) {
    if (mode == "PosNoToString" && number >= 1 && number <= 20)
        return PositionNames[static_cast<std::size_t>(number)];
    if (mode == "GunNoToString" && number >= 2 && number <= 10)
        return GunNames[static_cast<std::size_t>(number)];
    return {};
}

std::string_view SpecialMarker(std::string_view special) {
    if (special == "B") return " (B)";
    if (special == "D") return " (D)";
    if (special == "E") return " (E)";
    return {};
}

void ShowWave(Game& game) {
    for (WaveRow& row : game.Waves.Row) {
        row.lblType.Caption.clear();
        row.lblSkill.Caption.clear();
        row.lblPosition.Caption.clear();
        row.lblToHit.BackColour = Colour::Normal;
    }
    // The panel has six rows; the database keeps every wave within them.
    const int shown = std::min(game.Fighters.UpperBound(), WaveRows);
    for (int i = 1; i <= shown; ++i) {
        const FighterRecord& fighter = game.Fighters[i];
        WaveRow& row = game.Waves.Row[i];
        row.lblType.Caption = fighter.FighterType.View();
        row.lblPosition.Caption = NoToString(fighter.AttackPos, "PosNoToString");
        row.lblPosition.Caption += SpecialMarker(fighter.Special);
    }
}

} // namespace halvard
