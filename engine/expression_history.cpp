#include "engine/expression_history.h"

#include "engine/text_limits.h"

namespace tallyx {

void ExpressionHistory::Add(std::wstring_view expression, std::wstring_view result)
{
    Entry entry{CutText(expression, kLevelLength), CutText(result, kRegisterLength)};
    if (position_ < entries_.size() && entries_[position_] == entry) {
        return;
    }
    if (entries_.size() == kCapacity) {
        entries_.pop_front();
    }
    entries_.push_back(std::move(entry));
    position_ = entries_.size() - 1;
}

void ExpressionHistory::Clear()
{
    entries_.clear();
    position_ = 0;
}

bool ExpressionHistory::Up(Entry& entry)
{
    if (!CanGoUp()) {
        return false;
    }
    entry = entries_[--position_];
    return true;
}

bool ExpressionHistory::Down(Entry& entry)
{
    if (!CanGoDown()) {
        return false;
    }
    ++position_;
    entry = position_ < entries_.size() ? entries_[position_] : Entry{};
    return true;
}

}  // namespace tallyx
