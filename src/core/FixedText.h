#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace halvard {

// A text of exactly N characters, as the game stores fighter cover (4): an assignment pads with
// blanks on the right or cuts to N; before the first assignment it holds N NUL characters, which
// is how "never assigned" can still be told apart.
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
        // Most texts fill the field, as every fighter cover does: N, known when compiled, is copied.
        if (text.size() >= N) {
            std::copy_n(text.data(), N, chars_.data());
            return;
        }
        const std::size_t n = text.size();
        std::copy_n(text.data(), n, chars_.data());
        std::fill(chars_.begin() + static_cast<std::ptrdiff_t>(n), chars_.end(), ' ');
    }

    std::array<char, N> chars_{};
};

// A text of at most N characters kept in place, such as a gun's status: a record that holds one
// is copied as plain bytes.
template <std::size_t N> class ShortText {
  public:
    ShortText() = default;
    ShortText(std::string_view text) { Assign(text); } // NOLINT: assignment from text is the point
    ShortText(const char* text) : ShortText(std::string_view(text)) {}        // NOLINT
    ShortText(const std::string& text) : ShortText(std::string_view(text)) {} // NOLINT

    std::string_view View() const { return {chars_.data(), size_}; }
    operator std::string_view() const { return View(); } // NOLINT

    friend bool operator==(const ShortText& a, const ShortText& b) { return a.View() == b.View(); }
    friend bool operator==(const ShortText& a, std::string_view b) { return a.View() == b; }
    friend bool operator==(const ShortText& a, const char* b) { return a.View() == std::string_view(b); }
    friend bool operator==(const ShortText& a, const std::string& b) {
        return a.View() == std::string_view(b);
    }
    friend std::ostream& operator<<(std::ostream& out, const ShortText& text) { return out << text.View(); }

  private:
    void Assign(std::string_view text) {
        if (text.size() > N)
            throw std::length_error("\"" + std::string(text) + "\" is longer than " + std::to_string(N));
        std::copy_n(text.data(), text.size(), chars_.data());
        size_ = static_cast<std::uint8_t>(text.size());
    }

    std::array<char, N> chars_{};
    std::uint8_t size_ = 0;
};

} // namespace halvard
