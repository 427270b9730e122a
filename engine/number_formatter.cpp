#include "engine/number_formatter.h"

#include <utility>

namespace tallyx {

NumberFormatter::NumberFormatter() : NumberFormatter(ReadProcessRegionalSettings()) {}

NumberFormatter::NumberFormatter(RegionalSettings regional) : regional_(std::move(regional)) {}

DisplayText NumberFormatter::FormatDisplay(std::wstring_view text, bool regional, int width) const
{
    return FormatInNotation(text, notation_, regional, width);
}

DisplayText NumberFormatter::Format(std::wstring_view rawText, const DisplayRequest& request) const
{
    return FormatDisplay(rawText, request.regional, request.width);
}

DisplayText NumberFormatter::FormatInNotation(std::wstring_view text, int, bool, int) const
{
    return {std::wstring(text), std::wstring(text), L"", false};
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

NumberFormatter& Formatter()
{
    static NumberFormatter formatter;
    return formatter;
}

}  // namespace tallyx
