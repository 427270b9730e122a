#include "engine/memory_slots.h"

#include <array>

#include "engine/base_converter.h"
#include "engine/expression_evaluator.h"
#include "engine/key_ids.h"
#include "engine/text_limits.h"
#include "engine/text_writer.h"
#include "platform/number_text.h"
#include "platform/wide_text.h"

namespace tallyx {
namespace {

// Saved values are read up to this length.
constexpr std::size_t kSavedValueLength = 255;

std::wstring SlotValueName(int slot)
{
    return L"Memory" + FormatInteger(slot);
}

}  // namespace

std::wstring MemorySlots::ToDecimal(std::wstring_view text)
{
    std::wstring result;
    if (!evaluator_.IsBcdMode()) {
        evaluator_.Evaluate(text, result, evaluator_.GetBase(), BaseKeyDecimal);
        return result;
    }
    // Evaluated as the display would be, so the next key still reads BCD.
    evaluator_.Evaluate(text, result);
    if (!evaluator_.IsBcdMode()) {
        return result;
    }
    std::array<wchar_t, kEntryLength> digits{};
    TextWriter writer(digits);
    BaseConverter::FromBcd(result, writer);
    return std::wstring(writer.View());
}

std::wstring MemorySlots::FromDecimal(std::wstring_view text)
{
    std::wstring result;
    if (!evaluator_.IsBcdMode()) {
        evaluator_.Evaluate(text, result, BaseKeyDecimal, evaluator_.GetBase());
        return result;
    }
    ShortText groups;
    return BaseConverter::ToBcd(ParseDouble(text), groups) ? WidenUtf8(groups.View()) : std::wstring(text);
}

void MemorySlots::Store(int slot, std::wstring_view display)
{
    SetText(slot, ToDecimal(display.empty() ? L"0" : display));
}

std::wstring MemorySlots::Recall(int slot)
{
    const std::wstring& text = Text(slot);
    return FromDecimal(text.empty() ? L"0" : text);
}

void MemorySlots::Combine(int slot, std::wstring_view display, std::wstring_view operatorText)
{
    std::wstring expression = Recall(slot);
    if (!display.empty()) {
        expression += operatorText;
        expression += display;
    }
    SetText(slot, ToDecimal(expression));
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
    std::wstring shortest(text);
    if (text.size() > kRegisterLength && !evaluator_.IsBcdMode()) {
        evaluator_.Evaluate(text, shortest, BaseKeyDecimal, BaseKeyDecimal);
    }
    Slot(slot) = CutText(shortest, kRegisterLength);
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
