#include "graph/plot_arithmetic.h"

namespace tallyx {

std::wstring SubstituteVariable(std::wstring_view function, std::wstring_view numberText)
{
    std::wstring expression;
    for (const wchar_t character : function) {
        if (character == L'X') {
            expression.append(L"(").append(numberText).append(L")");
        } else {
            expression += character;
        }
    }
    if (!expression.empty() && expression.front() == L'-') {
        expression.insert(0, 1, L'0');
    }
    return expression;
}

}  // namespace tallyx
