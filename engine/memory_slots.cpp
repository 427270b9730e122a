#include "engine/memory_slots.h"

#include "engine/expression_evaluator.h"
#include "engine/text_limits.h"

namespace tallyx {

std::wstring MemorySlots::Convert(std::wstring_view text, int inputBase, int outputBase)
{
    // Memories hold plain decimal text even while the display shows BCD.
    const bool bcd = evaluator_.IsBcdMode();
    evaluator_.SetBcdMode(false);
    std::wstring result;
    evaluator_.Evaluate(text, result, inputBase, outputBase);
    evaluator_.SetBcdMode(bcd);
    return result;
}

void MemorySlots::Store(int slot, std::wstring_view display)
{
    SetText(slot, Convert(display.empty() ? L"0" : display, evaluator_.GetBase(), 10));
}

std::wstring MemorySlots::Recall(int slot)
{
    const std::wstring& text = Text(slot);
    return Convert(text.empty() ? L"0" : text, 10, evaluator_.GetBase());
}

void MemorySlots::Combine(int slot, std::wstring_view display, std::wstring_view operatorText)
{
    std::wstring expression = Recall(slot);
    if (!display.empty()) {
        expression += operatorText;
        expression += display;
    }
    SetText(slot, Convert(expression, evaluator_.GetBase(), 10));
}

void MemorySlots::Add(int slot, std::wstring_view display)
{
    Combine(slot, display, L"+");
}

void MemorySlots::Subtract(int slot, std::wstring_view display)
{
    Combine(slot, display, L"-");
}

void MemorySlots::SetText(int slot, std::wstring_view text)
{
    Slot(slot) = CutText(text, kRegisterLength);
}

bool MemorySlots::IsUsed(int slot) const
{
    return !Text(slot).empty() && Text(slot) != L"0";
}

}  // namespace tallyx
