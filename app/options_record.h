#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace tallyx {

// The option numbers: the order of the record's fields, the labels and the rows.
enum Option : int {
    OptionRegionalSettings = 0,
    OptionPlaySounds,
    OptionRecordTape,
    OptionAdvancedMemory,
    OptionCalculatorMode,
    OptionNotation,
    OptionConversionBuffer,
    OptionRpnStackSize,
    OptionSkin,
    OptionFixedDigits,
    OptionFastGraphing,
    OptionPointsOnly,
    OptionEndPeriodPayments,
    OptionPaymentSchedule,
    OptionCalculatorSize,
    kOptionCount,
};

// The settings the options dialog edits, one 32-bit value per option.
struct OptionsRecord {
    std::array<std::int32_t, kOptionCount> values{};

    std::int32_t& operator[](Option option) { return values[static_cast<std::size_t>(option)]; }
    std::int32_t operator[](Option option) const { return values[static_cast<std::size_t>(option)]; }
    bool operator==(const OptionsRecord&) const = default;
};

// A value an option offers in its choice menu, or only shows.
struct OptionChoice {
    std::int32_t value;
    const wchar_t* name;
};

// One section of the dialog's list and the options shown in it.
struct OptionSection {
    const wchar_t* title;
    std::span<const Option> options;
};

// "Use regional settings:" and the like.
std::wstring OptionLabel(Option option);
// The values the choice menu offers, in menu order.
std::span<const OptionChoice> OfferedChoices(Option option);
// What the option's row shows for a value: its name, also for values that
// are shown but not offered; empty for a value without one.
std::wstring ChoiceName(Option option, std::int32_t value);
// The sections in list order.
std::span<const OptionSection> OptionSections();

}  // namespace tallyx
