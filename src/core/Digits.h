#pragma once

#include <charconv>
#include <cstddef>
#include <iterator>
#include <string_view>

namespace halvard {

// A whole number's decimal digits, written into a buffer of their own: for texts put together
// on the hot paths (message lines, a hit's outcome, a caption's number) without a string.
class Digits {
  public:
    explicit Digits(int number)
        : size_(static_cast<std::size_t>(std::to_chars(chars_, std::end(chars_), number).ptr - chars_)) {}
    std::string_view View() const { return {chars_, size_}; }
    operator std::string_view() const { return View(); } // NOLINT: a part of a text like any other

  private:
    char chars_[12];
    std::size_t size_;
};

} // namespace halvard
