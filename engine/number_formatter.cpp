#include "engine/number_formatter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "engine/binary_dec_notation.h"
#include "engine/dms_notation.h"
#include "engine/fraction_notation.h"
#include "engine/key_ids.h"
#include "platform/number_text.h"

namespace tallyx {
namespace {

struct ErrorCaption {
    std::wstring_view word;
    std::wstring_view caption;
};

constexpr std::array<ErrorCaption, 3> kErrorCaptions = {{
    {L"syntax error", L"Syntax Error"},
    {L"infinity", L"Infinity"},
    {L"imaginary", L"Imaginary"},
}};

constexpr std::wstring_view kTooLarge = L"Display too large";
// Display texts without exponent keep about this many characters.
constexpr std::size_t kSignificantLength = 15;
constexpr std::size_t kExponentDigits = 3;
// Far beyond any number; a text claiming more is shown as written, which also
// keeps the exponent arithmetic clear of overflow.
constexpr int kLargestExponent = 999999999;

bool HasExponent(std::wstring_view text)
{
    return text.find(L'e') != std::wstring_view::npos;
}

bool IsDigit(wchar_t character)
{
    return character >= L'0' && character <= L'9';
}

std::wstring ExponentText(int exponent)
{
    std::wstring digits = FormatInteger(std::abs(exponent));
    if (digits.size() < kExponentDigits) digits.insert(0, kExponentDigits - digits.size(), L'0');
    return (exponent < 0 ? L"e-" : L"e+") + digits;
}

DisplayText Plain(std::wstring_view text)
{
    return {std::wstring(text), std::wstring(text), L"", false};
}

const ErrorCaption* FindErrorWord(std::wstring_view text)
{
    for (const ErrorCaption& entry : kErrorCaptions) {
        if (entry.word == text) return &entry;
    }
    return nullptr;
}

// 1.2345e+002 for 123.45, 1.23e-003 for 0.00123. Zero, single digits,
// angles and exponent texts stay as they are.
std::wstring ScientificStep(const std::wstring& text)
{
    if (text.find_first_not_of(L"0.") == std::wstring::npos || text.find(L'\u00B0') != std::wstring::npos || HasExponent(text)) {
        return text;
    }
    const bool negative = !text.empty() && text[0] == L'-';
    const std::wstring body = negative ? text.substr(1) : text;
    std::wstring digits;
    std::copy_if(body.begin(), body.end(), std::back_inserter(digits), IsDigit);
    const std::size_t zeros = digits.find_first_not_of(L'0');
    if (digits.size() <= 1 || zeros == std::wstring::npos) return text;
    // The leading digit's place: digits before the point, less the leading zeros.
    const std::size_t wholeDigits = std::min(body.find(L'.'), body.size());
    const int exponent = static_cast<int>(wholeDigits) - static_cast<int>(zeros) - 1;
    digits.erase(0, zeros);
    return (negative ? L"-" : L"") + digits.substr(0, 1) + L"." + digits.substr(1) + ExponentText(exponent);
}

// The scientific text with an exponent that is a multiple of three.
std::wstring EngineeringStep(const std::wstring& text)
{
    const std::wstring scientific = ScientificStep(text);
    const std::size_t exponentAt = scientific.find(L'e');
    if (exponentAt == std::wstring::npos) return scientific;
    const int exponent = ParseLong(std::wstring_view(scientific).substr(exponentAt + 1));
    if (exponent < -kLargestExponent || exponent > kLargestExponent) return scientific;
    const int magnitude = std::abs(exponent);
    const int shift = exponent > 0 ? magnitude % 3 : (magnitude % 3 == 0 ? 0 : 3 - magnitude % 3);
    const bool negative = scientific[0] == L'-';
    std::wstring digits;
    std::copy_if(scientific.begin() + (negative ? 1 : 0), scientific.begin() + static_cast<std::ptrdiff_t>(exponentAt),
                 std::back_inserter(digits), IsDigit);
    const std::size_t integerDigits = 1 + static_cast<std::size_t>(shift);
    if (digits.size() < integerDigits) digits.resize(integerDigits, L'0');
    std::wstring significand = (negative ? L"-" : L"") + digits.substr(0, integerDigits) + L"." + digits.substr(integerDigits);
    significand.resize(std::min(significand.size(), kSignificantLength));
    return significand + ExponentText(exponent - shift);
}

std::wstring NormalStep(const std::wstring& text, int width)
{
    const double value = ParseDouble(text);
    if (value > std::pow(10.0, width - 1) || value < -std::pow(10.0, width - 2)) return ScientificStep(text);
    return text;
}

// The fixed-point text when it fits the width.
std::optional<std::wstring> FixedStep(const std::wstring& text, int digits, int width)
{
    const double magnitude = std::fabs(ParseDouble(text));
    if (!(magnitude > std::pow(10.0, -(width - 4)) && magnitude < std::pow(10.0, width - 1))) return std::nullopt;
    std::wstring fixed = FormatFixed(ParseDouble(text), digits);
    if (fixed.size() > static_cast<std::size_t>(width)) return std::nullopt;
    return fixed;
}

// Adds one at the last digit, carrying through nines.
void RoundUpLastDigit(std::wstring& text)
{
    const std::size_t firstDigit = text.find_first_of(L"0123456789");
    if (firstDigit == std::wstring::npos) return;
    for (std::size_t position = text.size(); position-- > 0;) {
        if (!IsDigit(text[position])) continue;
        if (text[position] != L'9') {
            ++text[position];
            return;
        }
        text[position] = L'0';
    }
    text.insert(firstDigit, 1, L'1');
}

void DropTrailingZeros(std::wstring& significand)
{
    if (significand.find(L'.') == std::wstring::npos) return;
    while (!significand.empty() && significand.back() == L'0') significand.pop_back();
}

std::wstring Cleanup(std::wstring text)
{
    if (text == L"0.") return text;
    const std::size_t exponentAt = text.find(L'e');
    if (exponentAt != std::wstring::npos) {
        std::wstring significand = text.substr(0, exponentAt);
        const std::wstring exponent = text.substr(exponentAt);
        DropTrailingZeros(significand);
        return exponent == L"e+000" || exponent == L"e-000" ? significand : significand + exponent;
    }
    if (text.size() >= kSignificantLength) {
        const bool roundUp = text.size() > kSignificantLength && text[kSignificantLength] >= L'6' && text[kSignificantLength] <= L'9';
        const std::size_t keep = roundUp ? kSignificantLength : kSignificantLength + (text[0] == L'-' ? 2 : 1);
        // A cut through the whole part would show a smaller number: write it with an exponent instead.
        if (text.find(L'.') >= keep && text.size() > keep) {
            std::wstring scientific = ScientificStep(text);
            if (HasExponent(scientific)) return Cleanup(std::move(scientific));
        }
        text.resize(std::min(text.size(), keep));
        if (roundUp) RoundUpLastDigit(text);
    }
    DropTrailingZeros(text);
    return text;
}

DisplayText SplitParts(const std::wstring& text, int width)
{
    const std::size_t exponentAt = text.find(L'e');
    if (exponentAt == std::wstring::npos) {
        const std::wstring significand = text.substr(0, static_cast<std::size_t>(width));
        return {significand, significand, L"", false};
    }
    // Pasted and typed entries write their exponent as they like ("3.5e2"), not only as "e+002".
    std::wstring significand = text.substr(0, std::min(exponentAt, static_cast<std::size_t>(width - 2)));
    std::wstring exponent = text.substr(exponentAt + 1);
    if (!exponent.empty() && exponent[0] == L'+') exponent.erase(0, 1);
    const std::wstring main = significand + L"e" + (exponent.empty() || exponent[0] == L'-' ? L"" : L"+") + exponent;
    return {main, significand, exponent, false};
}

}  // namespace

NumberFormatter::NumberFormatter() : NumberFormatter(ReadProcessRegionalSettings()) {}

NumberFormatter::NumberFormatter(RegionalSettings regional) : regional_(std::move(regional)) {}

DisplayText NumberFormatter::FormatDisplay(std::wstring_view text, bool regional, int width) const
{
    return FormatInNotation(text, notation_, regional, width);
}

DisplayText NumberFormatter::Format(std::wstring_view rawText, const DisplayRequest& request) const
{
    if (const ErrorCaption* error = FindErrorWord(rawText)) return Plain(error->caption);
    if (request.bcd) return Plain(rawText);
    if (request.base != BaseKeyDecimal) return Plain(rawText.size() > kMaxBaseDisplay ? kTooLarge : rawText);
    return FormatInNotation(rawText, request.dms ? NotationDms : notation_, request.regional, request.width);
}

DisplayText NumberFormatter::FormatInNotation(std::wstring_view text, int notation, bool regional, int width) const
{
    if (const ErrorCaption* error = FindErrorWord(text)) return Plain(error->caption);
    if (notation == NotationFractions) {
        if (const auto fraction = FormatFraction(text)) return {fraction->whole, fraction->numerator, fraction->denominator, true};
    } else if (notation == NotationDms) {
        if (const auto angle = FormatDms(text)) return Plain(*angle);
    } else if (notation == NotationBinaryDec) {
        if (const auto groups = FormatBinaryDec(text)) return Plain(*groups);
    }
    std::wstring shown(text);
    if (shown.find(L'.') == std::wstring::npos) shown.insert(std::min(shown.find(L'e'), shown.size()), 1, L'.');
    DisplayText parts = SplitParts(ApplyNotation(shown, notation, width), width);
    if (regional) {
        // Only a text without exponent is grouped.
        const bool group = parts.exponent.empty();
        parts.main = RegionalNumber(parts.main, regional_, group, width);
        parts.significand = RegionalNumber(parts.significand, regional_, group, width);
    }
    return parts;
}

std::wstring NumberFormatter::ApplyNotation(const std::wstring& text, int notation, int width) const
{
    switch (notation) {
    case NotationFixed:
        if (auto fixed = FixedStep(text, fixedDigits_, width)) return *std::move(fixed);
        return Cleanup(NormalStep(text, width));
    case NotationScientific:
        return Cleanup(ScientificStep(text));
    case NotationEngineering:
        return Cleanup(EngineeringStep(text));
    default:
        return Cleanup(NormalStep(text, width));
    }
}

void NumberFormatter::SetNotation(int notation)
{
    if (notation >= NotationNormal && notation <= NotationBinaryDec) notation_ = notation;
}

void NumberFormatter::AdvanceNotation()
{
    notation_ = notation_ >= NotationNormal && notation_ < NotationFractions ? notation_ + 1 : NotationNormal;
}

void NumberFormatter::SetFixedDigits(int digits)
{
    if (digits >= 0 && digits <= kMaxFixedDigits) fixedDigits_ = digits;
}

}  // namespace tallyx
