#include "Names.h"

#include "Game.h"

#include <algorithm>

namespace halvard {

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
        const std::string_view type = fighter.FighterType.View();
        const auto known = std::find(names::FighterTypes.begin(), names::FighterTypes.end(), type);
        if (known != names::FighterTypes.end())
            row.lblType.Caption.SetFixed(*known);
        else
            row.lblType.Caption = type;
        row.lblPosition.Caption.SetFixed(NoToString(fighter.AttackPos, "PosNoToString"), SpecialMarker(fighter.Special));
    }
}

} // namespace halvard
