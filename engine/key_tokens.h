#pragma once

#include <string_view>

namespace tallyx {

// The texts that keys put into expressions, in the evaluator's language.
// Each gives an empty text for an id that has none.

// "0".."9", "A".."F", "." for the entry keys 0..16, "°" for the degree key.
std::wstring_view DigitToken(int id);
// "+", "-", "×", "÷", "^", "E", "r", "C", "P", "R", "X", "<", "Y", "&", "|",
// "x", "n", "%", "E", "o", "d" for the operator keys 0..20.
std::wstring_view OperatorToken(int id);
// "cos(", "sin(" ... "rand(" for the function keys.
std::wstring_view FunctionToken(int id);
// The bracketed constants of the constants keys and panel ("(pi)" ...).
std::wstring_view ConstantToken(int id);

}  // namespace tallyx
