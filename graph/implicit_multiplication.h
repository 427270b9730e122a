#pragma once

#include <string>
#include <string_view>

namespace tallyx {

// Typing "X" before a number, a function or a bracket means a product: a "×"
// goes between an "X" and whatever follows it, unless that is an operator,
// another "X" or a closing bracket. Xsin(X) becomes X×sin(X); X+1 stays.
std::wstring InsertImplicitMultiplication(std::wstring_view text);

}  // namespace tallyx
