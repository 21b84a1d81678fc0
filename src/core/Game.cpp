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

void Game::LogRoll(int result, std::string_view label) {
    // The result column is two characters wide: "5 ", "12", "-1".
    char column[4] = {' ', ' ', ' ', ' '};
    std::to_chars(column, column + 3, result);
    Rolls.Append(std::string_view(column, 2), ":", label);
}

} // namespace halvard
