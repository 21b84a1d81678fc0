#include "Names.h"

#include "Game.h"

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
    for (WaveRow& row : game.Waves.Row)
        row.ToHit.BackColour = Colour::Normal;
    game.Waves.PositionsWithoutMarkers = false;
}

Caption ShownType(const Game& game, int row) {
    Caption caption;
    if (row >= 1 && row <= game.Fighters.UpperBound())
        caption.SetFixed(game.Fighters[row].FighterType.View());
    return caption;
}

Caption ShownPosition(const Game& game, int row) {
    Caption caption;
    if (row < 1 || row > game.Fighters.UpperBound()) return caption;
    const FighterRecord& fighter = game.Fighters[row];
    return caption.SetFixed(NoToString(fighter.AttackPos, "PosNoToString"),
                            game.Waves.PositionsWithoutMarkers ? std::string_view()
                                                               : SpecialMarker(fighter.Special));
}

} // namespace halvard
