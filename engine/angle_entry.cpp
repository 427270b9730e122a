#include "engine/angle_entry.h"

#include "engine/key_ids.h"
#include "engine/key_tokens.h"

namespace tallyx {
namespace {

constexpr std::size_t kFieldDigits = 2;  // minutes and seconds

bool FieldIsFull(const std::wstring& number, wchar_t mark)
{
    return number.size() == number.find(mark) + 1 + kFieldDigits;
}

bool TypeDegreeKey(std::wstring& number)
{
    if (number.find(L'.') != std::wstring::npos) {
        return false;
    }
    if (!HoldsDegrees(number)) {
        number += number.empty() ? L"0" : L"";
        number += kDegreeSign;
        return true;
    }
    if (number.find(kMinuteSign) != std::wstring::npos) {
        return false;
    }
    while (number.size() < number.find(kDegreeSign) + 1 + kFieldDigits) {
        number += L'0';
    }
    number += kMinuteSign;
    return true;
}

bool TypeDigit(std::wstring& number, int id)
{
    if (id < 0 || id >= EntryKeyFirstLetter) {
        return false;
    }
    if (number.find(kMinuteSign) != std::wstring::npos) {
        if (FieldIsFull(number, kMinuteSign)) {
            number += L'.';
        }
    } else if (FieldIsFull(number, kDegreeSign)) {
        number += kMinuteSign;
    }
    number += DigitToken(id);
    return true;
}

}  // namespace

bool HoldsDegrees(const std::wstring& number)
{
    return number.find(kDegreeSign) != std::wstring::npos;
}

bool TypeIntoAngle(std::wstring& number, int id)
{
    return id == EntryKeyDegree ? TypeDegreeKey(number) : TypeDigit(number, id);
}

}  // namespace tallyx
