#pragma once

// What a label of the screens shows, as plain data: the engine decides, a window or a
// terminal only draws it.

#include "IndexedArray.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace halvard {

enum class Colour {
    Default,   // the label's own text colour
    Normal,    // the system's button-face background
    Highlight, // the system's highlight background: a gun ready with a shot
    Red,       // RGB(255,0,0)
    Blue,      // RGB(0,0,255)
    Yellow,    // RGB(255,255,0)
    Orange,    // RGB(255,128,0)
};

// What a caption shows, kept as the values it is made of; its text is put together only when a
// window draws it or a trace prints it. It is a text of the program's own (a literal or an entry
// of one of its name tables, which last as long as the program), possibly followed by a second
// one ("6 High" " (B)"); a number between two such texts ("40" "%", "Remove " 2 " Enemy
// Fighters"); or a copy of a text of the game's, such as a target's or a crew member's name.
class Caption {
  public:
    // Provided, so that a caption made with {} is not first filled with zeros: the screens make
    // some eighty of them for every mission.
    Caption() {} // NOLINT(modernize-use-equals-default)
    // A literal lasts as long as the program, so it is kept as it is, uncopied.
    template <std::size_t N>
    Caption(const char (&literal)[N]) : kind_(Kind::Fixed), head_(literal, N - 1) {} // NOLINT
    // Any other text is copied.
    Caption(std::string_view text) : kind_(Kind::Copy), copy_(text) {}    // NOLINT
    Caption(const std::string& text) : Caption(std::string_view(text)) {} // NOLINT

    // Texts of the program's own, which must last as long as the program. Set in place: a
    // caption is set on every shot, and a copy of a text it held before keeps its storage.
    Caption& SetFixed(std::string_view head, std::string_view tail = {}) {
        kind_ = Kind::Fixed;
        head_ = head;
        tail_ = tail;
        return *this;
    }
    Caption& SetNumber(int number, std::string_view head = {}, std::string_view tail = {}) {
        SetFixed(head, tail);
        kind_ = Kind::Number;
        number_ = number;
        return *this;
    }
    template <std::size_t N> Caption& operator=(const char (&literal)[N]) {
        return SetFixed(std::string_view(literal, N - 1));
    }
    Caption& operator=(std::string_view text) {
        kind_ = Kind::Copy;
        copy_.assign(text);
        return *this;
    }
    Caption& operator=(const std::string& text) { return *this = std::string_view(text); }
    // Empty: only the kind is set, for a caption is cleared on every shot.
    void clear() { kind_ = Kind::Empty; }

    std::string Text() const;
    bool empty() const {
        return kind_ == Kind::Empty ||
               (kind_ == Kind::Copy ? copy_.empty() : kind_ == Kind::Fixed && head_.empty() && tail_.empty());
    }
    // The number a caption shows, if it shows one.
    std::optional<int> Value() const {
        return kind_ == Kind::Number ? std::optional<int>(number_) : std::nullopt;
    }

    friend bool operator==(const Caption& caption, std::string_view text);
    template <std::size_t N> friend bool operator==(const Caption& caption, const char (&text)[N]) {
        return caption == std::string_view(text, N - 1);
    }
    friend bool operator==(const Caption& caption, const std::string& text) {
        return caption == std::string_view(text);
    }
    friend bool operator==(const Caption& caption, const char* text) {
        return caption == std::string_view(text);
    }
    friend bool operator==(const Caption& a, const Caption& b) { return a.Text() == b.Text(); }
    friend std::ostream& operator<<(std::ostream& out, const Caption& caption);

  private:
    enum class Kind : std::uint8_t { Empty, Fixed, Number, Copy };
    Kind kind_ = Kind::Empty;
    int number_ = 0;
    std::string_view head_, tail_;
    std::string copy_; // the text of a copy; left unused by the other kinds
};

// A text a label carries but does not show: a to-hit cell's mark, "FC" for a fighter the cover
// chases off or "XXX" for one that missed, or a gun counter's aim, "2/5" for fighter 2 at a
// to-hit number of 5.
struct Mark {
    enum class Kind : std::uint8_t { None, ChasedOff, Missed, Aim };
    Kind What = Kind::None;
    int Fighter = 0; // of an aim
    int ToHit = 0;   // of an aim

    static Mark Aim(int fighter, int toHit) { return {Kind::Aim, fighter, toHit}; }
    bool empty() const { return What == Kind::None; }
    void clear() { *this = Mark(); }
    std::string Text() const;

    friend bool operator==(const Mark&, const Mark&) = default;
    friend bool operator==(const Mark& mark, Kind kind) { return mark.What == kind; }
    friend bool operator==(const Mark& mark, std::string_view text) { return mark.Text() == text; }
    friend std::ostream& operator<<(std::ostream& out, const Mark& mark);
};

struct Label {
    halvard::Caption Caption;
    Colour ForeColour = Colour::Default;
    Colour BackColour = Colour::Normal;
    bool Bold = false;
    bool Visible = true;
    Mark Tag;

    // As a new label, keeping the room a copied caption had.
    void Clear() {
        Caption.clear();
        ForeColour = Colour::Default;
        BackColour = Colour::Normal;
        Bold = false;
        Visible = true;
        Tag.clear();
    }

    friend bool operator==(const Label&, const Label&) = default;
};

// What the wave panel keeps of a to-hit cell itself: its background (red: the cover cannot
// chase the fighter off, blue: marked for the cover, yellow: the selected gun's aim) and its
// mark. The number it shows is the selected gun's, drawn by the mission screen when read.
struct ToHitCell {
    Colour BackColour = Colour::Normal;
    Mark Tag;

    void Clear() { *this = ToHitCell(); }

    friend bool operator==(const ToHitCell&, const ToHitCell&) = default;
};

// One fighter row of the wave panel: the cells the wave handling writes. Its type and position
// cells (lblType, lblPosition) show the wave as it stands, and are drawn from it when read
// (ShownType, ShownPosition); so is the number of its to-hit cell (MissionScreen::lblToHit).
struct WaveRow {
    ToHitCell ToHit;
    Label lblSkill;

    friend bool operator==(const WaveRow&, const WaveRow&) = default;
};

// The wave panel (fraWaves): six fighter rows and the instruction line under them.
struct WavePanel {
    bool Visible = false;
    IndexedArray<WaveRow, 1, 6> Row;
    Label lblMiscWave;
    // A successive attack names the fighters' new positions alone, without the markers of
    // special fighters, until the panel is next redrawn.
    bool PositionsWithoutMarkers = false;

    // As a new panel.
    void Clear() {
        Visible = false;
        for (WaveRow& row : Row) {
            row.ToHit.Clear();
            row.lblSkill.Clear();
        }
        lblMiscWave.Clear();
        PositionsWithoutMarkers = false;
    }

    friend bool operator==(const WavePanel&, const WavePanel&) = default;
};

} // namespace halvard
