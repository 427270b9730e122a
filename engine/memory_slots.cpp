#include "engine/memory_slots.h"

#include "engine/expression_evaluator.h"
#include "engine/text_limits.h"
#include "platform/number_text.h"

namespace tallyx {
namespace {

// Saved values are read up to this length.
constexpr std::size_t kSavedValueLength = 255;

std::wstring SlotValueName(int slot)
{
    return L"Memory" + FormatInteger(slot);
}

}  // namespace

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
    Slot(slot) = CutText(text.size() > kRegisterLength ? Convert(text, 10, 10) : std::wstring(text), kRegisterLength);
}

Status MemorySlots::Save(Registry& registry) const
{
    Status status = StatusOk;
    for (int slot = 0; slot < kSlots; ++slot) {
        if (const Status written = registry.WriteString(kTallyxKey, SlotValueName(slot), Text(slot)); written != StatusOk) {
            status = written;
        }
    }
    return status;
}

void MemorySlots::Load(Registry& registry)
{
    for (int slot = 0; slot < kSlots; ++slot) {
        std::wstring text;
        if (registry.ReadString(kTallyxKey, SlotValueName(slot), text) == StatusOk) {
            SetText(slot, CutText(text, kSavedValueLength));
        }
    }
}

std::wstring MemorySlots::ViewText(bool advancedMemory)
{
    if (!advancedMemory) {
        return IsUsed(0) ? L"Memory: " + Recall(0) : std::wstring();
    }
    std::wstring text;
    for (int slot = 0; slot < kSlots; ++slot) {
        text += SlotValueName(slot) + L": " + Recall(slot) + L"\r\n";
    }
    return text;
}

bool MemorySlots::IsUsed(int slot) const
{
    return !Text(slot).empty() && Text(slot) != L"0";
}

}  // namespace tallyx
