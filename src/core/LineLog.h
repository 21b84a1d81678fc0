#pragma once

#include "Digits.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace halvard {

// A list of at most Capacity lines, oldest first, that drops its oldest line to make room:
// the roll window (38) and the message list (45). The slots are reused, so a long run
// allocates nothing once every slot has held a line of its length.
template <std::size_t Capacity> class LineLog {
  public:
    static constexpr std::size_t MaxLines = Capacity;
    using Listener = std::function<void(std::string_view line)>;

    // Appends one line made of the parts, in order: texts, and whole numbers written in
    // decimal. The parts are turned into views here, at the call, where the lengths of literal
    // parts are known without counting; a number's digits last as long as the call.
    template <class... Parts> void Append(const Parts&... parts) {
        if (Unseen())
            CountUnseen();
        else
            AppendLine(std::string_view(PartText(parts))...);
    }

    // A log that nobody reads back, such as the roll window of a simulated mission, need not
    // keep its lines: while not kept, a line is only counted (Total) and handed to the listener.
    void KeepLines(bool keep) {
        kept_ = keep;
        seen_ = kept_ || listener_;
    }
    // Neither kept nor followed: a line appended now is only counted, so its parts need not be
    // prepared either.
    bool Unseen() const { return !seen_; }
    // Counts a line that is Unseen, without putting anything together.
    void CountUnseen() { ++total_; }

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

    // Puts back lines read off a log earlier (Lines), oldest first, without telling the
    // listeners, who heard them when they first came.
    void Refill(const std::vector<std::string>& lines) {
        Clear();
        MakeSlots();
        const std::size_t skip = lines.size() > Capacity ? lines.size() - Capacity : 0;
        for (std::size_t i = skip; i < lines.size(); ++i)
            slots_[count_++] = lines[i];
    }

    // Called with each line as it is appended, so a window or a terminal can follow the log.
    void SetListener(Listener listener) {
        listener_ = std::move(listener);
        seen_ = kept_ || listener_;
    }

  private:
    // A part that names itself (a fighter's type, an attack position by number) is named
    // only here, for a line that is seen.
    template <class Part> static decltype(auto) PartText(const Part& part) {
        if constexpr (std::is_same_v<Part, int>)
            return Digits(part);
        else if constexpr (requires { part.View(); })
            return part.View();
        else
            return std::string_view(part);
    }

    // Only for a line that is seen: kept, followed, or both.
    // Out of line, so that the callers, which mostly only count, stay small.
    template <class... Views> [[gnu::noinline]] void AppendLine(Views... parts) {
        ++total_;
        std::string* line = &scratch_;
        if (kept_) {
            MakeSlots();
            if (count_ == Capacity) {
                line = &slots_[first_];
                first_ = (first_ + 1) % Capacity;
            } else {
                line = &slots_[(first_ + count_) % Capacity];
                ++count_;
            }
        }
        line->clear();
        (line->append(parts), ...);
        if (listener_) listener_(*line);
    }

    // The slots are made with the first line kept: a log that keeps none, as in a simulated
    // mission, never makes them.
    void MakeSlots() {
        if (slots_.empty()) slots_.resize(Capacity);
    }

    std::vector<std::string> slots_;
    std::size_t first_ = 0;
    std::size_t count_ = 0;
    std::size_t total_ = 0;
    Listener listener_;
    bool kept_ = true;
    bool seen_ = true;    // kept or followed: asked of every roll and message
    std::string scratch_; // the line being handed over while lines are not kept
};

using RollLog = LineLog<38>;
using MessageLog = LineLog<45>;

} // namespace halvard
