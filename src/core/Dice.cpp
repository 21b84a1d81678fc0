#include "Dice.h"

#include <charconv>
#include <string>

namespace halvard {

FaceScript::FaceScript(std::vector<int> faces) : faces_(std::move(faces)) {
    for (int face : faces_)
        if (face < 1 || face > 6)
            throw std::invalid_argument("die face " + std::to_string(face) + " outside 1-6");
}

FaceScript FaceScript::Parse(std::string_view text) {
    std::vector<int> faces;
    std::size_t pos = 0;
    const auto isSeparator = [](char c) {
        return c == ',' || c == ' ' || c == '\t' || c == '\n' || c == '\r';
    };
    while (pos < text.size()) {
        if (isSeparator(text[pos])) {
            ++pos;
            continue;
        }
        std::size_t end = pos;
        while (end < text.size() && !isSeparator(text[end]))
            ++end;
        const std::string_view token = text.substr(pos, end - pos);
        int face = 0;
        const auto [ptr, ec] = std::from_chars(token.data(), token.data() + token.size(), face);
        if (ec != std::errc() || ptr != token.data() + token.size() || face < 1 || face > 6)
            throw std::invalid_argument("bad die face '" + std::string(token) + "' (faces are 1-6)");
        faces.push_back(face);
        pos = end;
    }
    return FaceScript(std::move(faces));
}

int FaceScript::NextFace() {
    if (next_ >= faces_.size()) throw DiceExhausted();
    return faces_[next_++];
}

} // namespace halvard
