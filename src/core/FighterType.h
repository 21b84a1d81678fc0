#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace halvard {

// One of a few values that the game writes as texts (Kinds gives its enum Kind and, in that
// order, the Texts), kept as its kind, for the rules ask it of every fighter on every shot. It
// reads and compares as its text; a text that names none of them is refused with
// std::invalid_argument. A value never given a kind has the first.
template <class Kinds> class TextValue : public Kinds {
  public:
    using Kind = typename Kinds::Kind;

    constexpr TextValue() = default;
    constexpr TextValue(Kind kind) : kind_(kind) {}                           // NOLINT: a kind is a value
    TextValue(std::string_view text) : kind_(Named(text)) {}                  // NOLINT: so is its text
    TextValue(const char* text) : TextValue(std::string_view(text)) {}        // NOLINT
    TextValue(const std::string& text) : TextValue(std::string_view(text)) {} // NOLINT

    // The kind a text names, if it names one.
    static constexpr std::optional<Kind> Find(std::string_view text) {
        for (std::size_t kind = 0; kind < Kinds::Texts.size(); ++kind)
            if (Kinds::Texts[kind] == text) return static_cast<Kind>(kind);
        return std::nullopt;
    }

    constexpr Kind What() const { return kind_; }
    constexpr std::string_view View() const { return Kinds::Texts[kind_]; }

    friend constexpr bool operator==(TextValue a, TextValue b) { return a.kind_ == b.kind_; }
    friend constexpr bool operator==(TextValue value, Kind kind) { return value.kind_ == kind; }
    friend constexpr bool operator==(TextValue value, std::string_view text) { return value.View() == text; }
    friend constexpr bool operator==(TextValue value, const char* text) {
        return value.View() == std::string_view(text);
    }
    friend std::ostream& operator<<(std::ostream& out, TextValue value) { return out << value.View(); }

  private:
    static Kind Named(std::string_view text) {
        if (const std::optional<Kind> kind = Find(text)) return *kind;
        throw std::invalid_argument("no " + std::string(Kinds::Called) + " \"" + std::string(text) + "\"");
    }

    Kind kind_{};
};

// A fighter's type: one of the three the charts have columns for, or none in a record never
// given one.
struct FighterTypeKinds {
    enum Kind : std::uint8_t { None, Me109, Me110, FW190 };
    static constexpr std::array<std::string_view, 4> Texts = {"", "Me109", "Me110", "FW190"};
    static constexpr std::string_view Called = "fighter type";
};
using FighterType = TextValue<FighterTypeKinds>;

// A fighter's special marking: none (" "), the database's "B", "D" or "E", or, for the extra
// fighter a lead or tail bomber draws, the empty text; a record never given one has that too.
struct FighterSpecialKinds {
    enum Kind : std::uint8_t { Extra, Unmarked, B, D, E };
    static constexpr std::array<std::string_view, 5> Texts = {"", " ", "B", "D", "E"};
    static constexpr std::string_view Called = "fighter marking";
};
using FighterSpecial = TextValue<FighterSpecialKinds>;

} // namespace halvard
