#include "app/keypad_settings.h"

#include <optional>
#include <string>

#include "engine/calc_engine.h"
#include "engine/number_formatter.h"
#include "platform/number_text.h"
#include "platform/registry.h"

namespace tallyx {
namespace {

constexpr int kMinimumStack = 3;
constexpr int kMaximumStack = 50;
constexpr int kDefaultStack = 4;

std::optional<std::uint32_t> Read(Registry& registry, std::wstring_view name)
{
    std::uint32_t value = 0;
    if (registry.ReadDword(kTallyxKey, name, value) != StatusOk) return std::nullopt;
    return value;
}

void ReadInto(Registry& registry, std::wstring_view name, std::int32_t& target)
{
    if (const auto value = Read(registry, name)) target = static_cast<std::int32_t>(*value);
}

void ReadInto(Registry& registry, std::wstring_view name, bool& target)
{
    if (const auto value = Read(registry, name)) target = *value != 0;
}

void Write(Registry& registry, std::wstring_view name, std::int32_t value)
{
    registry.WriteDword(kTallyxKey, name, static_cast<std::uint32_t>(value));
}

std::wstring MemoryValueName(int slot)
{
    return L"Memory" + FormatInteger(slot);
}

}  // namespace

ProcessSettings& SharedProcessSettings()
{
    static ProcessSettings settings;
    return settings;
}

PanelSettings ReadPanelSettings(Registry& registry)
{
    PanelSettings settings;
    ReadInto(registry, L"RegionalSettings", settings.regional);
    ReadInto(registry, L"PlaySounds", settings.playSounds);
    ReadInto(registry, L"UseTape", settings.useTape);
    ReadInto(registry, L"Ani2ndHyp", settings.animateShift);
    ReadInto(registry, L"Skin", settings.skin);
    ReadInto(registry, L"CalcType", settings.calculatorType);
    ReadInto(registry, L"CalcMode", settings.entryMode);
    ReadInto(registry, L"AdvMem", settings.advancedMemory);
    return settings;
}

void ReadEngineSettings(Registry& registry, CalcEngine& engine, NumberFormatter& formatter)
{
    if (const auto bits = Read(registry, L"BaseBits")) {
        // Only the low byte counts, as a signed number.
        engine.SetWordSize(static_cast<std::int8_t>(*bits & 0xFF));
    }
    if (const auto notation = Read(registry, L"Notation")) formatter.SetNotation(static_cast<int>(*notation));
    // A size out of range counts as absent: the four levels the options offer first.
    const auto stack = Read(registry, L"RPNStack");
    const bool usable = stack && *stack >= kMinimumStack && *stack <= kMaximumStack;
    engine.Rpn().SetStackSize(usable ? static_cast<int>(*stack) : kDefaultStack);
    if (const auto digits = Read(registry, L"FixedDigits")) formatter.SetFixedDigits(static_cast<int>(*digits));
    ProcessSettings& shared = SharedProcessSettings();
    ReadInto(registry, L"TVMEndPay", shared.tvmEndPayments);
    ReadInto(registry, L"MortPaymentSched", shared.mortgageSchedule);
    ReadInto(registry, L"GraphFast", shared.graphFast);
    ReadInto(registry, L"GraphPoints", shared.graphPoints);
    if (const auto unit = Read(registry, L"DRG")) engine.SetAngleUnit(static_cast<int>(*unit));
    ReadInto(registry, L"Size", shared.calculatorSize);
    for (int slot = 0; slot < MemorySlots::kSlots; ++slot) {
        std::wstring text;
        if (registry.ReadString(kTallyxKey, MemoryValueName(slot), text) == StatusOk) {
            engine.Memories().SetText(slot, text);
        }
    }
}

void SaveSettings(Registry& registry, const PanelSettings& panel, CalcEngine& engine, const NumberFormatter& formatter)
{
    const bool recording = engine.IsTapeOn();
    engine.SetTapeRecording(false);
    Write(registry, L"UseTape", recording);
    for (int slot = 0; slot < MemorySlots::kSlots; ++slot) {
        registry.WriteString(kTallyxKey, MemoryValueName(slot), engine.Memories().Text(slot));
    }
    const ProcessSettings& shared = SharedProcessSettings();
    Write(registry, L"CalcType", panel.calculatorType);
    Write(registry, L"CalcMode", panel.entryMode);
    // The engine counts the levels above X.
    Write(registry, L"RPNStack", engine.Rpn().Depth() + 1);
    Write(registry, L"Notation", formatter.GetNotation());
    Write(registry, L"BaseBits", engine.GetWordSize());
    Write(registry, L"RegionalSettings", panel.regional);
    Write(registry, L"AdvMem", panel.advancedMemory);
    Write(registry, L"PlaySounds", panel.playSounds);
    Write(registry, L"Skin", panel.skin);
    Write(registry, L"Ani2ndHyp", panel.animateShift);
    Write(registry, L"FixedDigits", formatter.GetFixedDigits());
    Write(registry, L"TVMEndPay", shared.tvmEndPayments);
    Write(registry, L"MortPaymentSched", shared.mortgageSchedule);
    Write(registry, L"GraphFast", shared.graphFast);
    Write(registry, L"GraphPoints", shared.graphPoints);
    Write(registry, L"DRG", engine.GetAngleUnit());
    Write(registry, L"Size", shared.calculatorSize);
    engine.SetTapeRecording(recording);
}

}  // namespace tallyx
