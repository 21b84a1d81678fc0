#include "View.h"

#include <charconv>
#include <ostream>

namespace halvard {
namespace {

// The number's digits, in the buffer given.
std::string_view Digits(int number, char (&buffer)[12]) {
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, number).ptr;
    return {buffer, static_cast<std::size_t>(end - buffer)};
}

} // namespace

std::string Caption::Text() const {
    if (kind_ == Kind::Copy) return copy_;
    std::string text(head_);
    if (kind_ == Kind::Number) {
        char buffer[12];
        text += Digits(number_, buffer);
    }
    text += tail_;
    return text;
}

bool operator==(const Caption& caption, std::string_view text) {
    if (caption.kind_ == Caption::Kind::Copy) return std::string_view(caption.copy_) == text;
    if (!text.starts_with(caption.head_) || !text.ends_with(caption.tail_) ||
        text.size() < caption.head_.size() + caption.tail_.size())
        return false;
    text = text.substr(caption.head_.size(), text.size() - caption.head_.size() - caption.tail_.size());
    if (caption.kind_ == Caption::Kind::Fixed) return text.empty();
    char buffer[12];
    return text == Digits(caption.number_, buffer);
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
