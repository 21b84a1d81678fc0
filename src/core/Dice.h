#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace halvard {

// Where die faces come from: the seeded generator in play, a script of faces in tests and replays.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual int NextFace() = 0; // 1..6
};

// The one random generator of a game. Its output is turned into dice by our own arithmetic,
// not by the standard distributions (whose algorithms differ between libraries), so one seed
// gives the same game on every build.
class SeededGenerator final : public RandomSource {
  public:
    explicit SeededGenerator(std::uint64_t seed = 0) : engine_(seed) {}

    // Uniform in [0, 1): the top 53 bits of one output.
    double Uniform() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

    int NextFace() override { return static_cast<int>(Uniform() * 6.0) + 1; }

    // The target dialog's random mission number, 11..25.
    int MissionNumber() { return static_cast<int>(Uniform() * 15.0) + 11; }

  private:
    std::mt19937_64 engine_;
};

// The seed of the index-th game of a series from the series' seed: its place in splitmix64's
// sequence, so that neighbouring games and neighbouring series share no stretch of their dice.
constexpr std::uint64_t MixSeed(std::uint64_t seed, std::uint64_t index) {
    std::uint64_t z = seed + (index + 1) * 0x9e3779b97f4a7c15ULL;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
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
