#include "platform/wide_text.h"

#include <algorithm>
#include <array>

namespace tallyx {
namespace {

constexpr wchar_t kReplacementCharacter = 0xFFFD;

// Windows-1252 code points 0x80 to 0x9F; 0 marks the five unused positions.
constexpr std::array<wchar_t, 32> kWindows1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::size_t Utf8SequenceLength(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 0;
}

void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

wchar_t FoldCase(wchar_t character)
{
    if ((character >= L'A' && character <= L'Z') || (character >= 0xC0 && character <= 0xDE && character != 0xD7)) {
        return static_cast<wchar_t>(character + 32);
    }
    return character;
}

}  // namespace

std::wstring WidenUtf8(std::string_view text)
{
    std::wstring out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = Utf8SequenceLength(lead);
        if (length == 0 || i + length > text.size()) {
            out += kReplacementCharacter;
            ++i;
            continue;
        }
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = true;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = valid && (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        // A four-byte form can carry more than Unicode holds; no writer would give it back.
        valid = valid && code <= 0x10FFFF;
        out += valid ? static_cast<wchar_t>(code) : kReplacementCharacter;
        i += valid ? length : 1;
    }
    return out;
}

std::string NarrowUtf8(std::wstring_view text)
{
    std::string out;
    out.reserve(text.size());
    for (wchar_t character : text) {
        const auto code = static_cast<char32_t>(character);
        AppendUtf8(out, code <= 0x10FFFF ? code : kReplacementCharacter);
    }
    return out;
}

std::wstring WidenWindows1252(std::string_view text)
{
    std::wstring out;
    out.reserve(text.size());
    for (char byte : text) {
        const auto code = static_cast<unsigned char>(byte);
        const wchar_t high = code >= 0x80 && code < 0xA0 ? kWindows1252High[code - 0x80] : 0;
        out += code >= 0x80 && code < 0xA0 ? (high ? high : kReplacementCharacter) : static_cast<wchar_t>(code);
    }
    return out;
}

std::string NarrowWindows1252(std::wstring_view text)
{
    std::string out;
    out.reserve(text.size());
    for (wchar_t character : text) {
        if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
            out += static_cast<char>(character);
            continue;
        }
        char narrowed = '?';
        for (std::size_t k = 0; k < kWindows1252High.size(); ++k) {
            if (kWindows1252High[k] == character) {
                narrowed = static_cast<char>(0x80 + k);
            }
        }
        out += narrowed;
    }
    return out;
}

int CompareNoCase(std::wstring_view left, std::wstring_view right)
{
    const std::size_t common = std::min(left.size(), right.size());
    for (std::size_t i = 0; i < common; ++i) {
        const wchar_t a = FoldCase(left[i]);
        const wchar_t b = FoldCase(right[i]);
        if (a != b) {
            return a < b ? -1 : 1;
        }
    }
    return left.size() == right.size() ? 0 : (left.size() < right.size() ? -1 : 1);
}

bool EqualNoCase(std::wstring_view left, std::wstring_view right)
{
    return left.size() == right.size() && CompareNoCase(left, right) == 0;
}

std::wstring ToLowerText(std::wstring_view text)
{
    std::wstring out(text);
    for (wchar_t& character : out) {
        character = FoldCase(character);
    }
    return out;
}

bool IsBlank(wchar_t character)
{
    return character == L' ' || (character >= L'\t' && character <= L'\r');
}

std::string_view WithoutUtf8Bom(std::string_view text)
{
    constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
    if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
    return text;
}

std::wstring_view TrimBlanks(std::wstring_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace tallyx
