#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace halvard {

// A fighter's type: one of the three the charts have columns for. Kept as a value, for every
// aim, every hit and every redraw of the wave asks which it is; it reads and compares as its
// name. A record never given a type has none, and reads as the empty text.
class FighterType {
  public:
    enum Kind : std::uint8_t { None, Me109, Me110, FW190 };

    constexpr FighterType() = default;
    constexpr FighterType(Kind kind) : kind_(kind) {} // NOLINT: a kind is a type
    // By name; a name that is none of the three is refused with std::invalid_argument.
    FighterType(std::string_view name) : kind_(Named(name)) { // NOLINT: so is its name
        if (kind_ == None) throw std::invalid_argument("no fighter type \"" + std::string(name) + "\"");
    }
    FighterType(const char* name) : FighterType(std::string_view(name)) {} // NOLINT

    // The type of that name, None for any other text.
    static constexpr Kind Named(std::string_view name) {
        for (std::size_t kind = Me109; kind <= FW190; ++kind)
            if (Names[kind] == name) return static_cast<Kind>(kind);
        return None;
    }

    constexpr Kind What() const { return kind_; }
    constexpr std::string_view View() const { return Names[kind_]; }

    friend constexpr bool operator==(FighterType, FighterType) = default;
    friend constexpr bool operator==(FighterType type, Kind kind) { return type.kind_ == kind; }
    friend constexpr bool operator==(FighterType type, std::string_view name) { return type.View() == name; }
    friend constexpr bool operator==(FighterType type, const char* name) {
        return type.View() == std::string_view(name);
    }
    friend std::ostream& operator<<(std::ostream& out, FighterType type) { return out << type.View(); }

  private:
    static constexpr std::array<std::string_view, 4> Names = {"", "Me109", "Me110", "FW190"};
    Kind kind_ = None;
};

// A fighter's special marking: none (" "), the database's "B", "D" or "E", or, for the extra
// fighter a lead or tail bomber draws, the empty text; a record never given one has that too.
// A value, for the cover and the wave panel ask it of every fighter; it reads and compares as
// its text.
class FighterSpecial {
  public:
    enum Kind : std::uint8_t { Extra, Unmarked, B, D, E };

    constexpr FighterSpecial() = default;
    constexpr FighterSpecial(Kind kind) : kind_(kind) {} // NOLINT: a kind is a marking
    // By its text; any other text is refused with std::invalid_argument.
    FighterSpecial(std::string_view text) : kind_(Named(text)) {}                // NOLINT: so is its text
    FighterSpecial(const char* text) : FighterSpecial(std::string_view(text)) {} // NOLINT
    FighterSpecial(const std::string& text) : FighterSpecial(std::string_view(text)) {} // NOLINT

    constexpr Kind What() const { return kind_; }
    constexpr std::string_view View() const { return Texts[kind_]; }

    friend constexpr bool operator==(FighterSpecial, FighterSpecial) = default;
    friend constexpr bool operator==(FighterSpecial special, Kind kind) { return special.kind_ == kind; }
    friend constexpr bool operator==(FighterSpecial special, std::string_view text) {
        return special.View() == text;
    }
    friend constexpr bool operator==(FighterSpecial special, const char* text) {
        return special.View() == std::string_view(text);
    }
    friend std::ostream& operator<<(std::ostream& out, FighterSpecial special) {
        return out << special.View();
    }

  private:
    static Kind Named(std::string_view text) {
        for (std::size_t kind = Extra; kind <= E; ++kind)
            if (Texts[kind] == text) return static_cast<Kind>(kind);
        throw std::invalid_argument("no fighter marking \"" + std::string(text) + "\"");
    }

    static constexpr std::array<std::string_view, 5> Texts = {"", " ", "B", "D", "E"};
    Kind kind_ = Extra;
};

} // namespace halvard
