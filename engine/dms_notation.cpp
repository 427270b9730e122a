#include "engine/dms_notation.h"

#include <cmath>

#include "engine/general_text.h"
#include "platform/number_text.h"

namespace tallyx {
namespace {

constexpr double kLargestDmsValue = 999999.59;
constexpr double kMinuteNudge = 1e-13;
constexpr int kDmsPrecision = 12;
constexpr std::size_t kFieldDigits = 2;

// D.MMSS of decimal degrees.
double DmsValue(double degrees)
{
    const double whole = std::floor(degrees);
    double minutes = (degrees - whole) * 0.6;
    if (minutes != 0) minutes += kMinuteNudge;
    const double minuteDigits = minutes * 100;
    const double wholeMinutes = std::floor(minuteDigits);
    const double seconds = (minuteDigits - wholeMinutes) * 60;
    return wholeMinutes * 0.01 + seconds * 0.0001 + whole;
}

// The field of two digits at offset, completed with zeros.
std::wstring Field(std::wstring_view digits, std::size_t offset)
{
    std::wstring field(digits.substr(std::min(offset, digits.size()), kFieldDigits));
    field.resize(kFieldDigits, L'0');
    return field;
}

}  // namespace

std::optional<std::wstring> FormatDms(std::wstring_view text)
{
    const double value = ParseDouble(text);
    if (text.find(L'e') != std::wstring_view::npos || !(std::fabs(value) <= kLargestDmsValue)) return std::nullopt;
    double dms = DmsValue(std::fabs(value));
    // Below one degree the leading "0." would not survive the formatting; a 1 stands in for it.
    const bool belowOne = dms > 0 && dms < 1;
    if (belowOne) dms += 1;
    std::wstring digits = NumberToText(dms, kDmsPrecision);
    if (digits.find(L'e') != std::wstring::npos) return std::nullopt;
    if (belowOne) digits[0] = L'0';

    const std::size_t point = digits.find(L'.');
    const std::wstring_view fraction = point == std::wstring::npos ? std::wstring_view() : std::wstring_view(digits).substr(point + 1);
    std::wstring shown = value < 0 ? L"-" : L"";
    shown += digits.substr(0, point);
    shown += L'\u00B0' + Field(fraction, 0) + L'\u2032' + Field(fraction, kFieldDigits);
    if (fraction.size() > 2 * kFieldDigits) {
        shown += L'.';
        shown += fraction.substr(2 * kFieldDigits);
    }
    return shown;
}

}  // namespace tallyx
