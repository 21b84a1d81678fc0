#include "Game.h"

#include <charconv>

namespace halvard {

Game::Game(const GameDatabase& database, std::uint64_t seed) : Database(database), Random(seed) {}

void Game::UseDiceScript(FaceScript script) {
    script_ = std::make_unique<FaceScript>(std::move(script));
    dice_ = script_.get();
}

int Game::RollDice(std::string_view die, std::string_view label) {
    int result;
    if (die == "1d6") {
        result = dice_->NextFace();
    } else if (die == "2d6") {
        const int first = dice_->NextFace();
        result = first + dice_->NextFace();
    } else if (die == "d66") {
        const int tens = dice_->NextFace();
        result = tens * 10 + dice_->NextFace();
    } else {
        result = -1;
    }

    // The result column is two characters wide: "5 ", "12", "-1".
    char column[4] = {' ', ' ', ' ', ' '};
    std::to_chars(column, column + 3, result);
    Rolls.Append(std::string_view(column, 2), ":", label);
    return result;
}

} // namespace halvard
