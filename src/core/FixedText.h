#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace halvard {

// A text of exactly N characters, as the game stores fighter types (5) and fighter cover (4):
// an assignment pads with blanks on the right or cuts to N; before the first assignment it
// holds N NUL characters, which is how "never assigned" can still be told apart.
template <std::size_t N> class FixedText {
  public:
    FixedText() = default;
    FixedText(std::string_view text) { Assign(text); } // NOLINT: assignment from text is the point

    FixedText& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }

    std::string_view View() const { return {chars_.data(), N}; }
    operator std::string_view() const { return View(); } // NOLINT

    // The text without the NULs of a never-assigned field.
    std::string WithoutNul() const {
        std::string text;
        for (char c : chars_)
            if (c != '\0') text += c;
        return text;
    }

    friend bool operator==(const FixedText& a, const FixedText& b) = default;
    friend bool operator==(const FixedText& a, std::string_view b) { return a.View() == b; }

  private:
    void Assign(std::string_view text) {
        const std::size_t n = std::min(text.size(), N);
        std::copy_n(text.data(), n, chars_.data());
        std::fill(chars_.begin() + static_cast<std::ptrdiff_t>(n), chars_.end(), ' ');
    }

    std::array<char, N> chars_{};
};

} // namespace halvard
