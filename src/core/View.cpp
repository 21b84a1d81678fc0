#include "View.h"

namespace halvard {

std::string_view ColourName(Colour colour) {
    switch (colour) {
    case Colour::Default: return "default";
    case Colour::Normal: return "normal";
    case Colour::Highlight: return "highlight";
    case Colour::Red: return "red";
    case Colour::Blue: return "blue";
    case Colour::Yellow: return "yellow";
    case Colour::Orange: return "orange";
    }
    return "default";
}

} // namespace halvard
