#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace halvard {

// A list of at most Capacity lines, oldest first, that drops its oldest line to make room:
// the roll window (38) and the message list (45). The slots are reused, so a long run
// allocates nothing once every slot has held a line of its length.
template <std::size_t Capacity> class LineLog {
  public:
    static constexpr std::size_t MaxLines = Capacity;
    using Listener = std::function<void(std::string_view line)>;

    // Appends one line made of the parts, in order.
    template <class... Parts> void Append(const Parts&... parts) {
        std::string* slot;
        if (count_ == Capacity) {
            slot = &slots_[first_];
            first_ = (first_ + 1) % Capacity;
        } else {
            slot = &slots_[(first_ + count_) % Capacity];
            ++count_;
        }
        slot->clear();
        (slot->append(std::string_view(parts)), ...);
        ++total_;
        if (listener_) listener_(*slot);
    }

    std::size_t Count() const { return count_; }
    // Line 0 is the oldest still held.
    const std::string& Line(std::size_t i) const { return slots_[(first_ + i) % Capacity]; }
    const std::string& Last() const { return Line(count_ - 1); }
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        lines.reserve(count_);
        for (std::size_t i = 0; i < count_; ++i)
            lines.push_back(Line(i));
        return lines;
    }
    // Lines ever appended, including those dropped since.
    std::size_t Total() const { return total_; }

    void Clear() {
        first_ = 0;
        count_ = 0;
    }

    // Called with each line as it is appended, so a window or a terminal can follow the log.
    void SetListener(Listener listener) { listener_ = std::move(listener); }

  private:
    std::array<std::string, Capacity> slots_;
    std::size_t first_ = 0;
    std::size_t count_ = 0;
    std::size_t total_ = 0;
    Listener listener_;
};

using RollLog = LineLog<38>;
using MessageLog = LineLog<45>;

} // namespace halvard
