#include "engine/binary_dec_notation.h"

#include <array>


namespace tallyx {
namespace {

constexpr std::size_t kLongestText = 8;
// From this many digits on the groups are written together.
constexpr std::size_t kJoinedFrom = 7;
constexpr std::array<std::wstring_view, 10> kGroups = {
    L"0000", L"0001", L"0010", L"0011", L"0100", L"0101", L"0110", L"0111", L"1000", L"1001",
};

}  // namespace

std::optional<std::wstring> FormatBinaryDec(std::wstring_view text)
{
    if (text.empty() || text.size() > kLongestText) return std::nullopt;
    std::wstring shown;
    for (const wchar_t digit : text) {
        if (digit < L'0' || digit > L'9') return std::nullopt;
        if (!shown.empty() && text.size() < kJoinedFrom) shown += L' ';
        shown += kGroups[static_cast<std::size_t>(digit - L'0')];
    }
    return shown;
}

}  // namespace tallyx
