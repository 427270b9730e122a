#include "app/options_record.h"

#include <algorithm>
#include <array>

namespace tallyx {
namespace {

constexpr std::array<const wchar_t*, kOptionCount> kLabels = {
    L"Use regional settings:", L"Play sounds:",     L"Record tape:",        L"Advanced memory:",
    L"Calculator mode:",       L"Notation:",        L"Conversion buffer:",  L"RPN stack size:",
    L"Skin:",                  L"Fixed digits:",    L"Fast graphing:",      L"Show points only:",
    L"End period payments (TVM):", L"Payment Sched. (Mort):", L"Calculator size:",
};

constexpr std::array<OptionChoice, 2> kOnOff = {{{1, L"On"}, {0, L"Off"}}};
constexpr std::array<OptionChoice, 3> kSounds = {{{0, L"Off"}, {1, L"On"}, {2, L"Quiet"}}};
constexpr std::array<OptionChoice, 5> kModes = {
    {{0, L"Expression"}, {1, L"Algebraic"}, {2, L"Direct Algebraic"}, {3, L"Normal"}, {4, L"R.P.N."}}};
// The last two are shown but not offered: they are reached by tapping the display.
constexpr std::array<OptionChoice, 7> kNotations = {{{0, L"Normal"},
                                                     {1, L"Fixed"},
                                                     {2, L"Scientific"},
                                                     {3, L"Engineering"},
                                                     {4, L"Fractions"},
                                                     {5, L"D\u00B0M\u2032S\u2033"},
                                                     {6, L"Binary Dec"}}};
constexpr std::size_t kOfferedNotations = 5;
constexpr std::array<OptionChoice, 5> kWordSizes = {{{8, L"Byte (8 bit)"},
                                                     {16, L"Word (16 bit)"},
                                                     {32, L"DWord (32 bit)"},
                                                     {48, L"Large (48 bit)"},
                                                     {64, L"QWord (64 bit)"}}};
constexpr std::size_t kOfferedWordSizes = 4;
constexpr std::array<OptionChoice, 4> kStackSizes = {{{4, L"4(X,Y,Z,T)"}, {5, L"5"}, {10, L"10"}, {50, L"50"}}};
constexpr std::array<OptionChoice, 5> kSkins = {
    {{0, L"Metallic blue"}, {1, L"Midnight black"}, {2, L"Wireless green"}, {3, L"Glam pink"}, {4, L"Blue Steel"}}};
constexpr std::array<OptionChoice, 9> kFixedDigits = {
    {{0, L"0"}, {1, L"1"}, {2, L"2"}, {3, L"3"}, {4, L"4"}, {5, L"5"}, {6, L"6"}, {7, L"7"}, {8, L"8"}}};
constexpr std::array<OptionChoice, 10> kSchedules = {{{0, L"Monthly"},
                                                      {1, L"Monthly Accel"},
                                                      {2, L"Bi-Weekly"},
                                                      {3, L"Bi-Weekly Accel"},
                                                      {4, L"Weekly"},
                                                      {5, L"Weekly Accel"},
                                                      {6, L"Semi Monthly"},
                                                      {7, L"Semi Monthly Accel"},
                                                      {8, L"Bi-Monthly"},
                                                      {9, L"Bi-Monthly Accel"}}};
constexpr std::size_t kOfferedSchedules = 9;
// Small sizes are shown but no longer offered.
constexpr std::array<OptionChoice, 6> kSizes = {{{2, L"Normal"},
                                                 {3, L"Normal (wide)"},
                                                 {4, L"Large"},
                                                 {5, L"Large (wide)"},
                                                 {0, L"Small"},
                                                 {1, L"Small (wide)"}}};
constexpr std::size_t kOfferedSizes = 4;

// Every value an option has a name for, the offered ones first.
struct OptionValues {
    std::span<const OptionChoice> named;
    std::size_t offered;
};

OptionValues ValuesOf(Option option)
{
    switch (option) {
    case OptionPlaySounds: return {kSounds, kSounds.size()};
    case OptionCalculatorMode: return {kModes, kModes.size()};
    case OptionNotation: return {kNotations, kOfferedNotations};
    case OptionConversionBuffer: return {kWordSizes, kOfferedWordSizes};
    case OptionRpnStackSize: return {kStackSizes, kStackSizes.size()};
    case OptionSkin: return {kSkins, kSkins.size()};
    case OptionFixedDigits: return {kFixedDigits, kFixedDigits.size()};
    case OptionPaymentSchedule: return {kSchedules, kOfferedSchedules};
    case OptionCalculatorSize: return {kSizes, kOfferedSizes};
    default: return {kOnOff, kOnOff.size()};
    }
}

constexpr std::array kGeneral = {OptionSkin, OptionPlaySounds, OptionRegionalSettings};
constexpr std::array kCalculator = {OptionCalculatorMode, OptionNotation,        OptionRecordTape,
                                    OptionAdvancedMemory, OptionFixedDigits,     OptionConversionBuffer,
                                    OptionRpnStackSize};
constexpr std::array kFinancial = {OptionEndPeriodPayments, OptionPaymentSchedule};
constexpr std::array kGraphing = {OptionFastGraphing, OptionPointsOnly};
constexpr std::array<OptionSection, 4> kSections = {{{L"General", kGeneral},
                                                     {L"Calculator", kCalculator},
                                                     {L"Financial", kFinancial},
                                                     {L"Graphing", kGraphing}}};

}  // namespace

std::wstring OptionLabel(Option option)
{
    return option >= 0 && option < kOptionCount ? kLabels[static_cast<std::size_t>(option)] : L"";
}

std::span<const OptionChoice> OfferedChoices(Option option)
{
    const OptionValues values = ValuesOf(option);
    return values.named.first(values.offered);
}

std::wstring ChoiceName(Option option, std::int32_t value)
{
    const OptionValues values = ValuesOf(option);
    const auto found = std::ranges::find(values.named, value, &OptionChoice::value);
    if (found != values.named.end()) return found->name;
    // Any other flag value is on, as the program reads flags.
    if (values.named.data() == kOnOff.data()) return value != 0 ? L"On" : L"Off";
    return L"";
}

std::span<const OptionSection> OptionSections()
{
    return kSections;
}

}  // namespace tallyx
