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
    // The panel has six rows; the database keeps every wave within them.
    const int shown = std::min(game.Fighters.UpperBound(), WaveRows);
    int i = 0;
    for (WaveRow& row : game.Waves.Row) {
        ++i;
        row.lblToHit.BackColour = Colour::Normal;
        if (i > shown) {
            row.lblType.Caption.clear();
            row.lblPosition.Caption.clear();
            continue;
        }
        const FighterRecord& fighter = game.Fighters[i];
        row.lblType.Caption.SetFixed(fighter.FighterType.View());
        row.lblPosition.Caption.SetFixed(NoToString(fighter.AttackPos, "PosNoToString"),
                                         SpecialMarker(fighter.Special));
    }
}

} // namespace halvard
