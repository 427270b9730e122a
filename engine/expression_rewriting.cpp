#include "engine/expression_rewriting.h"

#include <charconv>

#include "engine/general_text.h"

namespace tallyx {
namespace {

constexpr wchar_t kDegreeSign = L'\u00B0';
constexpr wchar_t kMinuteSign = L'\u2032';
constexpr double kDegreesPerMinute = 0.016666666666666666;
constexpr double kDegreesPerSecond = 0.0002777777777777778;

struct SymbolSpelling {
    std::wstring_view symbol;
    std::wstring_view spelling;
};

constexpr SymbolSpelling kSymbols[] = {
    {L"\u00F7", L"/"},
    {L"\u00D7", L"*"},
    {L"\u00B2", L"^(2)"},
    {L"\u00B3", L"^(3)"},
    {L"-\u00B9", L"^(-1)"},
};

// Every symbol but the minus of "-¹" lies beyond ASCII.
constexpr wchar_t kFirstSymbol = 0x80;

bool IsAngleCharacter(wchar_t character)
{
    return (character >= L'0' && character <= L'9') || character == L'.' || character == kDegreeSign ||
           character == kMinuteSign;
}

// The number at the start of part, read as wcstod would; false when the part
// is too long to be a number.
bool ReadAnglePart(std::wstring_view part, double& value)
{
    value = 0.0;
    ShortText narrow;
    for (const wchar_t character : part) {
        if ((character < L'0' || character > L'9') && character != L'.') break;
        if (!narrow.Append(static_cast<char>(character))) return false;
    }
    const std::string_view digits = narrow.View();
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return true;
}

// The decimal degrees of one angle group, or false when a part is too long.
bool AngleValue(std::wstring_view group, double& degrees)
{
    const std::size_t degreeAt = group.find(kDegreeSign);
    const std::wstring_view afterDegree = group.substr(degreeAt + 1);
    const std::size_t minuteAt = afterDegree.find(kMinuteSign);
    double minutes = 0.0;
    double seconds = 0.0;
    if (!ReadAnglePart(group.substr(0, degreeAt), degrees) || !ReadAnglePart(afterDegree.substr(0, minuteAt), minutes)) {
        return false;
    }
    if (minuteAt != std::wstring_view::npos && !ReadAnglePart(afterDegree.substr(minuteAt + 1), seconds)) return false;
    degrees += minutes * kDegreesPerMinute + seconds * kDegreesPerSecond;
    return true;
}

}  // namespace

void RewriteSymbols(std::wstring_view text, TextWriter& out)
{
    std::size_t position = 0;
    while (position < text.size()) {
        if (text[position] < kFirstSymbol && text[position] != L'-') {
            out.Append(text[position++]);
            continue;
        }
        bool replaced = false;
        for (const SymbolSpelling& entry : kSymbols) {
            if (text.substr(position).starts_with(entry.symbol)) {
                out.Append(entry.spelling);
                position += entry.symbol.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) out.Append(text[position++]);
    }
}

bool RewriteDegrees(std::wstring_view text, TextWriter& out)
{
    bool found = false;
    std::size_t copied = 0;
    for (std::size_t sign = text.find(kDegreeSign); sign != std::wstring_view::npos; sign = text.find(kDegreeSign, copied)) {
        std::size_t start = sign;
        while (start > copied && IsAngleCharacter(text[start - 1])) --start;
        std::size_t end = sign + 1;
        while (end < text.size() && IsAngleCharacter(text[end])) ++end;
        out.Append(text.substr(copied, start - copied));
        double degrees = 0.0;
        if (!AngleValue(text.substr(start, end - start), degrees)) {
            out.Append(text.substr(start));
            return true;
        }
        out.Append(NumberChars(degrees).View());
        copied = end;
        found = true;
    }
    out.Append(text.substr(copied));
    return found;
}

}  // namespace tallyx
