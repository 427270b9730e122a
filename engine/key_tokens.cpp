#include "engine/key_tokens.h"

#include <array>
#include <span>

namespace tallyx {
namespace {

constexpr std::array<std::wstring_view, 19> kDigitTokens = {
    L"0", L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9",
    L"A", L"B", L"C", L"D", L"E", L"F", L".", L"", L"°",
};

constexpr std::array<std::wstring_view, 21> kOperatorTokens = {
    L"+", L"-", L"×", L"÷", L"^", L"E", L"r", L"C", L"P", L"R", L"X",
    L"<", L"Y", L"&", L"|", L"x", L"n", L"%", L"E", L"o", L"d",
};

// By function key id; DRG> and DRG (12, 13) act on the angle unit instead.
constexpr std::array<std::wstring_view, 32> kFunctionTokens = {
    L"cos(",  L"sin(",  L"tan(", L"acos(", L"asin(", L"atan(", L"cosh(", L"sinh(",
    L"tanh(", L"acsh(", L"asnh(", L"atnh(", L"",      L"",      L"log(",  L"ln(",
    L"log2(", L"abs(",  L"pm(",  L"dc(",   L"dms(",  L"inv(",  L"sqrd(", L"cbd(",
    L"sqrt(", L"crt(",  L"e^(",  L"10^(",  L"!(",    L"sum(",  L"pct(",  L"rand(",
};

// By constant id: pi, e, the speed of light and the physical constants of
// the constants library; 20 is the graph variable.
constexpr std::array<std::wstring_view, 21> kConstantTokens = {
    L"(pi)",           L"(e)",               L"(299792458)",       L"(6.6742e-011)",   L"(9.1093826e-031)",
    L"(1.67262158e-027)", L"(1.67492716e-027)", L"(1.88353109e-028)", L"(6.022141998e+023)",
    L"(1.60217646e-019)", L"(7.297352533e-003)", L"(5.6705e-008)",  L"(6.6260693e-034)", L"(8.314472)",
    L"(1.3806505e-023)",  L"(4*pi*10^-7)",       L"(96485.3415)",   L"(149597870691)",   L"(9.80665)",
    L"1.66053886e-027",   L"X",
};

std::wstring_view Lookup(std::span<const std::wstring_view> table, int id)
{
    return id >= 0 && static_cast<std::size_t>(id) < table.size() ? table[static_cast<std::size_t>(id)]
                                                                    : std::wstring_view();
}

}  // namespace

std::wstring_view DigitToken(int id)
{
    return Lookup(kDigitTokens, id);
}

std::wstring_view OperatorToken(int id)
{
    return Lookup(kOperatorTokens, id);
}

std::wstring_view FunctionToken(int id)
{
    return Lookup(kFunctionTokens, id);
}

std::wstring_view ConstantToken(int id)
{
    return Lookup(kConstantTokens, id);
}

}  // namespace tallyx
