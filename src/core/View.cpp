#include "View.h"

#include "Digits.h"

#include <ostream>

namespace halvard {

std::string Caption::Text() const {
    if (kind_ == Kind::Empty) return {};
    if (kind_ == Kind::Copy) return copy_;
    std::string text(head_);
    if (kind_ == Kind::Number) text += Digits(number_).View();
    text += tail_;
    return text;
}

bool operator==(const Caption& caption, std::string_view text) {
    if (caption.kind_ == Caption::Kind::Empty) return text.empty();
    if (caption.kind_ == Caption::Kind::Copy) return std::string_view(caption.copy_) == text;
    if (!text.starts_with(caption.head_) || !text.ends_with(caption.tail_) ||
        text.size() < caption.head_.size() + caption.tail_.size())
        return false;
    text = text.substr(caption.head_.size(), text.size() - caption.head_.size() - caption.tail_.size());
    if (caption.kind_ == Caption::Kind::Fixed) return text.empty();
    return text == Digits(caption.number_).View();
}

std::ostream& operator<<(std::ostream& out, const Caption& caption) {
    return out << caption.Text();
}

std::string Mark::Text() const {
    switch (What) {
    case Kind::ChasedOff: return "FC";
    case Kind::Missed: return "XXX";
    case Kind::Aim: return std::to_string(Fighter) + "/" + std::to_string(ToHit);
    case Kind::None: break;
    }
    return {};
}

std::ostream& operator<<(std::ostream& out, const Mark& mark) {
    return out << mark.Text();
}

} // namespace halvard
