#include "engine/binary_dec_notation.h"

#include "engine/bcd_digits.h"

namespace tallyx {
namespace {

constexpr std::size_t kLongestText = 8;
// From this many digits on the groups are written together.
constexpr std::size_t kJoinedFrom = 7;

}  // namespace

std::optional<std::wstring> FormatBinaryDec(std::wstring_view text)
{
    if (text.empty() || text.size() > kLongestText) return std::nullopt;
    std::wstring shown;
    for (const wchar_t digit : text) {
        if (digit < L'0' || digit > L'9') return std::nullopt;
        if (!shown.empty() && text.size() < kJoinedFrom) shown += L' ';
        const std::string_view group = kBcdDigitGroups[static_cast<std::size_t>(digit - L'0')];
        shown.append(group.begin(), group.end());
    }
    return shown;
}

}  // namespace tallyx
