#include "Game.h"

#include <charconv>

namespace halvard {

Game::Game(const GameDatabase& database, std::uint64_t seed) : Database(database), Random(seed) {}
Game::Game(const GameDatabase& database, SeededGenerator random) : Database(database), Random(random) {}

void Game::UseDiceScript(FaceScript script) {
    script_ = std::make_unique<FaceScript>(std::move(script));
    dice_ = script_.get();
}

Game::Snapshot Game::Save() const {
    Snapshot snapshot{*this, Random, std::nullopt, Rolls.Lines(), Messages.Lines(), Waves};
    if (script_) snapshot.Script = *script_;
    return snapshot;
}

void Game::Restore(const Snapshot& snapshot) {
    static_cast<GameState&>(*this) = snapshot.State;
    Random = snapshot.Random;
    if (snapshot.Script) {
        UseDiceScript(*snapshot.Script);
    } else {
        script_.reset();
        dice_ = &Random;
    }
    Waves = snapshot.Waves;
    Rolls.Refill(snapshot.Rolls);
    Messages.Refill(snapshot.Messages);
}

int Game::Roll(Die die, std::string_view label) {
    int result = -1;
    switch (die) {
    case Die::D6: result = NextFace(); break;
    case Die::TwoD6: {
        const int first = NextFace();
        result = first + NextFace();
        break;
    }
    case Die::D66: {
        const int tens = NextFace();
        result = tens * 10 + NextFace();
        break;
    }
    case Die::None: break;
    }

    // A roll window that no one sees only counts the roll.
    if (Rolls.Unseen()) {
        Rolls.Append();
        return result;
    }
    // The result column is two characters wide: "5 ", "12", "-1".
    char column[4] = {' ', ' ', ' ', ' '};
    std::to_chars(column, column + 3, result);
    Rolls.Append(std::string_view(column, 2), ":", label);
    return result;
}

} // namespace halvard
