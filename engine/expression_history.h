#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace tallyx {

// The last expressions evaluated in Expression mode and their results, with
// a position that the history keys move. The position runs from 0 (the
// oldest pair) to the count, which stands for a new, empty line.
class ExpressionHistory {
public:
    static constexpr std::size_t kCapacity = 20;

    struct Entry {
        std::wstring expression;
        std::wstring result;
        bool operator==(const Entry&) const = default;
    };

    // Adds a pair unless it equals the one at the position; the oldest pair
    // goes when the history is full. The position is then the newest pair.
    void Add(std::wstring_view expression, std::wstring_view result);
    void Clear();
    // Moves to the empty line after the newest pair, from where the up key
    // brings back the last expression.
    void StartNewLine() { position_ = entries_.size(); }

    // Move the position; false when there is nowhere to go. Stepping down past
    // the newest pair leaves an empty entry.
    bool Up(Entry& entry);
    bool Down(Entry& entry);
    bool CanGoUp() const { return position_ > 0; }
    bool CanGoDown() const { return position_ < entries_.size(); }

    std::size_t Count() const { return entries_.size(); }
    std::size_t Position() const { return position_; }

private:
    std::deque<Entry> entries_;
    std::size_t position_ = 0;
};

}  // namespace tallyx
