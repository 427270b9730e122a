#include "graph/implicit_multiplication.h"

namespace tallyx {
namespace {

constexpr wchar_t kVariable = L'X';
constexpr wchar_t kTimes = L'×';
// What may follow an "X" without a product sign: the binary operators of the
// expression language, the square and cube signs and a closing bracket.
constexpr std::wstring_view kNoProductBefore = L"+-×÷^ErCPRX<Y&|xn%od²³)";

}  // namespace

std::wstring InsertImplicitMultiplication(std::wstring_view text)
{
    std::wstring result(text);
    for (std::size_t k = 0; k + 1 < result.size(); ++k) {
        if (result[k] == kVariable && kNoProductBefore.find(result[k + 1]) == std::wstring_view::npos) {
            result.insert(k + 1, 1, kTimes);
        }
    }
    return result;
}

}  // namespace tallyx
