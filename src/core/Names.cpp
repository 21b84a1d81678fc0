#include "Names.h"

#include "Game.h"

#include <algorithm>

namespace halvard {

std::string_view SpecialMarker(FighterSpecial special) {
    switch (special.What()) {
    case FighterSpecial::B: return " (B)";
    case FighterSpecial::D: return " (D)";
    case FighterSpecial::E: return " (E)";
    case FighterSpecial::Extra:
    case FighterSpecial::Unmarked: break;
    }
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
