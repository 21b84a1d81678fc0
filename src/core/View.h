#pragma once

// What a label of the screens shows, as plain data: the engine decides, a window or a
// terminal only draws it.

#include "IndexedArray.h"

#include <string>

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

struct Label {
    std::string Caption;
    Colour ForeColour = Colour::Default;
    Colour BackColour = Colour::Normal;
    bool Bold = false;
    bool Visible = true;
    // A text the label carries but does not show: a to-hit cell's mark ("FC", "XXX"),
    // a gun counter's assignment ("2/5").
    std::string Tag;

    friend bool operator==(const Label&, const Label&) = default;
};

// One fighter row of the wave panel.
struct WaveRow {
    Label lblToHit;
    Label lblType;
    Label lblPosition;
    Label lblSkill;

    friend bool operator==(const WaveRow&, const WaveRow&) = default;
};

// The wave panel (fraWaves): six fighter rows and the instruction line under them.
struct WavePanel {
    bool Visible = false;
    IndexedArray<WaveRow, 1, 6> Row;
    Label lblMiscWave;

    friend bool operator==(const WavePanel&, const WavePanel&) = default;
};

} // namespace halvard
