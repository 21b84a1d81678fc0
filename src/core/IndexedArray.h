#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace halvard {

// An array indexed by the game's own numbers: crew 1..10, guns 2..10, wave rows 1..6.
// Touching an index outside the range is a programming error, so it throws instead of
// silently reading the neighbouring record.
template <typename T, int Low, int High> class IndexedArray {
    static_assert(Low <= High);

  public:
    static constexpr std::size_t Size = std::size_t(High - Low + 1);

    T& operator[](int index) { return items_[Offset(index)]; }
    const T& operator[](int index) const { return items_[Offset(index)]; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    friend bool operator==(const IndexedArray&, const IndexedArray&) = default;

  private:
    // The check sits on every access of the game's records; the message is built out of line so
    // that the check itself stays small enough to inline.
    static std::size_t Offset(int index) {
        if (index < Low || index > High) [[unlikely]]
            OutOfRange(index);
        return std::size_t(index - Low);
    }
    [[noreturn, gnu::cold, gnu::noinline]] static void OutOfRange(int index) {
        throw std::out_of_range("index " + std::to_string(index) + " outside " + std::to_string(Low) + ".." +
                                std::to_string(High));
    }

    std::array<T, Size> items_{};
};

} // namespace halvard
