#pragma once

#include "Dice.h"
#include "GameDatabase.h"
#include "GameState.h"
#include "LineLog.h"
#include "View.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvard {

// One game: the mission state and the services every chart uses (dice, roll window, message
// list, game database, wave panel). No globals, so any number of games can run side by side.
class Game : public GameState {
  public:
    explicit Game(const GameDatabase& database, std::uint64_t seed = 0);
    Game(const GameDatabase& database, SeededGenerator random);

    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Rolls "1d6", "2d6" or "d66" (tens, then units) and logs "<result padded or cut to 2>:<label>"
    // in the roll window. Any other die text rolls nothing and returns -1 (still logged).
    // In line, so that the die text, always written out at the call, is read when the program
    // is compiled: a mission rolls hundreds of dice.
    [[gnu::always_inline]] int RollDice(std::string_view die, std::string_view label = {}) {
        return Roll(DieNamed(die), label);
    }

    // Appends one line, made of the parts in order, to the message list.
    template <class... Parts> void AddMessage(const Parts&... parts) { Messages.Append(parts...); }

    // From now on every die takes the next face of the script instead of the generator.
    void UseDiceScript(FaceScript script);

    // Everything the course of the game from here on depends on: its state, where its dice
    // stand, and what its windows show. Restored into a fresh game, the same actions then make
    // the same lines and the same screens.
    struct Snapshot {
        GameState State;
        SeededGenerator Random;
        std::optional<FaceScript> Script;
        std::vector<std::string> Rolls, Messages;
        WavePanel Waves;
    };
    Snapshot Save() const;
    // The logs' listeners stay as they are and hear nothing of the restored lines.
    void Restore(const Snapshot& snapshot);

    const GameDatabase& Database;
    SeededGenerator Random; // the one generator: dice unless scripted, and the mission-number draw
    RollLog Rolls;          // the roll window's list
    MessageLog Messages;    // the mission screen's message list
    WavePanel Waves;        // the mission screen's wave panel, filled by ShowWave

  private:
    enum class Die { D6, TwoD6, D66, None };
    static constexpr Die DieNamed(std::string_view die) {
        return die == "1d6" ? Die::D6 : die == "2d6" ? Die::TwoD6 : die == "d66" ? Die::D66 : Die::None;
    }
    int Roll(Die die, std::string_view label) {
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
        if (Rolls.Unseen()) [[likely]]
            Rolls.CountUnseen();
        else
            LogRoll(result, label);
        return result;
    }
    void LogRoll(int result, std::string_view label);
    // The generator's draw is called directly rather than through RandomSource, so that it is
    // inlined: a mission rolls hundreds of dice.
    int NextFace() {
        if (dice_ == &Random) [[likely]]
            return Random.NextFace();
        return dice_->NextFace();
    }

    std::unique_ptr<FaceScript> script_;
    RandomSource* dice_ = &Random;
};

} // namespace halvard
