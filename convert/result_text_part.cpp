#include "convert/result_text_part.h"

#include <algorithm>

namespace tallyx {
namespace {

constexpr std::size_t kSignificandWidth = 11;
constexpr std::size_t kExponentWidth = 4;  // sign and three digits

// The "e" of an exponent; one in the first place would be no number at all.
std::size_t ExponentMark(std::wstring_view text)
{
    return text.empty() ? std::wstring_view::npos : text.find(L'e', 1);
}

std::wstring Significand(std::wstring_view text)
{
    const std::size_t mark = ExponentMark(text);
    if (mark == std::wstring_view::npos) {
        return std::wstring(text);
    }
    std::wstring_view significand = text.substr(0, mark);
    if (text.size() > kSignificandWidth) {
        significand = significand.substr(0, kSignificandWidth);
    }
    if (significand.ends_with(L'.')) {
        significand.remove_suffix(1);
    }
    return std::wstring(significand);
}

std::wstring Exponent(std::wstring_view text)
{
    if (ExponentMark(text) == std::wstring_view::npos) {
        return {};
    }
    std::wstring_view exponent = text.substr(text.size() - std::min(text.size(), kExponentWidth));
    if (exponent.starts_with(L'+')) {
        exponent.remove_prefix(1);
    }
    return std::wstring(exponent);
}

}  // namespace

std::wstring ResultTextPart(std::wstring_view text, ResultPart part)
{
    switch (part) {
    case ResultPart::Significand:
        return Significand(text);
    case ResultPart::Exponent:
        return Exponent(text);
    case ResultPart::Whole:
        break;
    }
    return std::wstring(text);
}

}  // namespace tallyx
