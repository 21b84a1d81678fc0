#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <string_view>
#include <variant>
#include <vector>

namespace halvard {

// Where die faces come from: the seeded generator in play, a script of faces in tests and replays.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual int NextFace() = 0; // 1..6
};

// splitmix64: a whole generator in one word, seeded by storing it. Its outputs pass the usual
// batteries of tests, which is more than dice need.
class SplitMix64 {
  public:
    constexpr explicit SplitMix64(std::uint64_t seed) : state_(seed) {}
    constexpr std::uint64_t operator()() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    friend bool operator==(const SplitMix64&, const SplitMix64&) = default;

  private:
    std::uint64_t state_;
};

// The one random generator of a game. Its output is turned into dice by our own arithmetic,
// not by the standard distributions (whose algorithms differ between libraries), so one seed
// gives the same game on every build.
//
// A game played, traced or replayed draws from std::mt19937_64, whose seeding sets 312 words and
// whose first draw refills them all: a few thousand instructions, nothing beside a mission
// played by hand; each of its faces is one draw. A simulator seeding a generator for every one of
// many thousands of missions takes the quick one instead, which also makes ten faces of a draw.
class SeededGenerator final : public RandomSource {
  public:
    explicit SeededGenerator(std::uint64_t seed = 0) : engine_(std::in_place_type<std::mt19937_64>, seed) {}
    static SeededGenerator Quick(std::uint64_t seed) { return SeededGenerator(QuickDice{SplitMix64(seed)}); }

    // Uniform in [0, 1): the top 53 bits of one output.
    double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

    int NextFace() override {
        if (auto* quick = std::get_if<QuickDice>(&engine_)) [[likely]]
            return quick->NextFace();
        return static_cast<int>(Uniform() * 6.0) + 1;
    }

    // The target dialog's random mission number, 11..25.
    int MissionNumber() { return static_cast<int>(Uniform() * 15.0) + 11; }

  private:
    // splitmix64 read as a uniform fraction whose first ten base-6 digits are ten faces: each
    // face is the whole part of six times what is left. After ten faces 26 of the 64 bits are
    // spent, so every face is uniform and the ten independent to within one part in 10^11.
    struct QuickDice {
        __extension__ typedef unsigned __int128 Wide; // the compiler's own, for six times a fraction
        SplitMix64 Draws;
        std::uint64_t Fraction = 0;
        int FacesLeft = 0;

        int NextFace() {
            if (FacesLeft == 0) {
                Fraction = Draws();
                FacesLeft = 10;
            }
            --FacesLeft;
            const Wide six = static_cast<Wide>(Fraction) * 6;
            Fraction = static_cast<std::uint64_t>(six);
            return static_cast<int>(six >> 64) + 1;
        }
    };

    explicit SeededGenerator(QuickDice quick) : engine_(quick) {}
    std::uint64_t Next() {
        if (auto* quick = std::get_if<QuickDice>(&engine_)) [[likely]]
            return quick->Draws();
        return NextOfTheTwister();
    }
    // Out of line: it refills 312 words every 312 draws.
    [[gnu::noinline]] std::uint64_t NextOfTheTwister() { return std::get<std::mt19937_64>(engine_)(); }

    std::variant<std::mt19937_64, QuickDice> engine_;
};

// The seed of the index-th game of a series from the series' seed: its place in splitmix64's
// sequence, so that neighbouring games and neighbouring series share no stretch of their dice.
constexpr std::uint64_t MixSeed(std::uint64_t seed, std::uint64_t index) {
    return SplitMix64(seed + index * 0x9e3779b97f4a7c15ULL)();
}

// Thrown when a script of die faces has no face left for the next die.
class DiceExhausted : public std::runtime_error {
  public:
    DiceExhausted() : std::runtime_error("dice script exhausted") {}
};

// Die faces given in advance, one per die: "2d6" takes two, "d66" two (tens, then units).
class FaceScript final : public RandomSource {
  public:
    explicit FaceScript(std::vector<int> faces);

    // Parses whitespace- or comma-separated faces 1..6; throws std::invalid_argument naming
    // the first bad entry.
    static FaceScript Parse(std::string_view text);

    int NextFace() override;
    std::size_t Remaining() const { return faces_.size() - next_; }

  private:
    std::vector<int> faces_;
    std::size_t next_ = 0;
};

} // namespace halvard
