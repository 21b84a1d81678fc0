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

} // namespace halvard
