#include "engine/base_converter.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "engine/bcd_digits.h"
#include "engine/integer_conversion.h"

namespace tallyx {
namespace {

constexpr double kLargestBaseValue = 1152921504606846976.0;  // 2^60
constexpr std::uint64_t kMostWrapSteps = 10000;
constexpr double kLargestBcdValue = 999999.0;
constexpr int kBitsPerBcdDigit = 4;

bool IsBaseDigit(wchar_t character)
{
    return (character >= L'0' && character <= L'9') || (character >= L'A' && character <= L'Z');
}

unsigned DigitValue(wchar_t character)
{
    return character <= L'9' ? static_cast<unsigned>(character - L'0') : static_cast<unsigned>(character - L'A') + 10;
}

bool IsBit(wchar_t character)
{
    return character == L'0' || character == L'1';
}

// End of the run of bits and blanks that starts at position.
std::size_t BitRunEnd(std::wstring_view text, std::size_t position)
{
    while (position < text.size() && (IsBit(text[position]) || text[position] == L' ')) ++position;
    return position;
}

std::size_t BitCount(std::wstring_view run)
{
    std::size_t count = 0;
    for (const wchar_t character : run) count += IsBit(character) ? 1 : 0;
    return count;
}

char DigitCharacter(unsigned value)
{
    return static_cast<char>(value < 10 ? '0' + value : 'A' + (value - 10));
}

void AppendInteger(TextWriter& out, std::int64_t value)
{
    char digits[24];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    out.Append(std::string_view(digits, static_cast<std::size_t>(written.ptr - digits)));
}

// The pattern of value inside a word of `bits` bits: whole words are added or
// taken away, but never more than kMostWrapSteps of them (then 0).
std::uint64_t WrapIntoWord(std::int64_t value, int bits)
{
    if (bits == BaseConverter::kMaxWordSize) return static_cast<std::uint64_t>(value);
    const std::uint64_t word = std::uint64_t{1} << bits;
    if (value < 0) {
        const std::uint64_t below = 0 - static_cast<std::uint64_t>(value);
        const std::uint64_t steps = (below + word - 1) / word;
        return steps > kMostWrapSteps ? 0 : steps * word - below;
    }
    const std::uint64_t pattern = static_cast<std::uint64_t>(value);
    if (pattern < word) return pattern;
    const std::uint64_t steps = (pattern - (word - 1) + word - 1) / word;
    return steps > kMostWrapSteps ? 0 : pattern - steps * word;
}

}  // namespace

bool BaseConverter::SetWordSize(int bits)
{
    if (bits < kMinWordSize || bits > kMaxWordSize) return false;
    wordSize_ = bits;
    return true;
}

void BaseConverter::ToDecimal(std::wstring_view text, int base, TextWriter& out)
{
    std::size_t position = 0;
    while (position < text.size()) {
        if (!IsBaseDigit(text[position])) {
            out.Append(text[position++]);
            continue;
        }
        std::uint64_t value = 0;
        for (; position < text.size() && IsBaseDigit(text[position]); ++position) {
            value = value * static_cast<unsigned>(base) + DigitValue(text[position]);
        }
        AppendInteger(out, static_cast<std::int64_t>(value));
    }
}

ShortText BaseConverter::FromValue(double value, int base) const
{
    ShortText text;
    std::uint64_t pattern = 0;
    if (!(value > kLargestBaseValue)) pattern = WrapIntoWord(TruncateToInt64(value), wordSize_);
    char digits[64];
    std::size_t count = 0;
    do {
        digits[count++] = DigitCharacter(static_cast<unsigned>(pattern % static_cast<unsigned>(base)));
        pattern /= static_cast<unsigned>(base);
    } while (pattern != 0);
    while (count > 0) text.Append(digits[--count]);
    return text;
}

bool BaseConverter::ToBcd(double value, ShortText& text)
{
    if (!(value >= 0 && value <= kLargestBcdValue)) return false;
    char digits[8];
    const auto written = std::to_chars(digits, digits + sizeof digits, static_cast<int>(value));
    text.Clear();
    for (const char* digit = digits; digit < written.ptr; ++digit) {
        if (digit != digits) text.Append(' ');
        text.Append(kBcdDigitGroups[static_cast<std::size_t>(*digit - '0')]);
    }
    return true;
}

void BaseConverter::FromBcd(std::wstring_view text, TextWriter& out)
{
    std::size_t position = 0;
    while (position < text.size()) {
        const wchar_t character = text[position];
        if (!IsBit(character) && character != L' ') {
            out.Append(character);
            ++position;
            continue;
        }
        const std::size_t runEnd = BitRunEnd(text, position);
        const std::size_t runLength = BitCount(text.substr(position, runEnd - position));
        // The first group takes the bits that do not make a whole group.
        std::size_t groupLength = runLength % kBitsPerBcdDigit == 0 ? kBitsPerBcdDigit : runLength % kBitsPerBcdDigit;
        unsigned group = 0;
        std::size_t groupBits = 0;
        for (; position < runEnd; ++position) {
            if (!IsBit(text[position])) continue;
            group = group * 2 + static_cast<unsigned>(text[position] - L'0');
            if (++groupBits == groupLength) {
                AppendInteger(out, group);
                group = 0;
                groupBits = 0;
                groupLength = kBitsPerBcdDigit;
            }
        }
    }
}

}  // namespace tallyx
