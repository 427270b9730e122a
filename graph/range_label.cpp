#include "graph/range_label.h"

namespace tallyx {
namespace {

constexpr std::size_t kLongFixedLabel = 7;
constexpr std::size_t kShortFixedLabel = 6;
constexpr std::size_t kShortestExponentLabel = 6;
constexpr std::size_t kLongestExponentLabel = 10;
constexpr std::size_t kLeadingZerosDropped = 2;

std::wstring ShortFixedLabel(std::wstring text)
{
    if (text.size() >= kLongFixedLabel && text[1] == L'.') {
        text.resize(kShortFixedLabel);
    } else if (text.size() >= kLongFixedLabel && text[0] == L'-' && text[2] == L'.') {
        text.resize(kShortFixedLabel + 1);
    }
    return text;
}

std::wstring ShortExponentLabel(std::wstring text)
{
    if (text.size() < kShortestExponentLabel) {
        return text;
    }
    std::size_t mark = text.find(L'e');
    while (text.size() > kLongestExponentLabel && mark > 0) {
        text.erase(--mark, 1);
    }
    if (mark + 1 < text.size() && text[mark + 1] == L'-') {
        const std::size_t digits = mark + 2;
        for (std::size_t dropped = 0; dropped < kLeadingZerosDropped && digits + 1 < text.size() && text[digits] == L'0';
             ++dropped) {
            text.erase(digits, 1);
        }
    }
    return text;
}

}  // namespace

std::wstring ShortRangeLabel(std::wstring_view numberText)
{
    const std::wstring text(numberText);
    return text.find(L'e') == std::wstring::npos ? ShortFixedLabel(text) : ShortExponentLabel(text);
}

}  // namespace tallyx
