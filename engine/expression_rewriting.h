#pragma once

#include <string_view>

#include "engine/text_writer.h"

namespace tallyx {

// Writes the keypad's symbols in the evaluator's language: "÷" as "/", "×"
// as "*", "²" as "^(2)", "³" as "^(3)" and "-¹" as "^(-1)", at any length.
void RewriteSymbols(std::wstring_view text, TextWriter& out);

// Replaces each angle written D°M or D°M′S by its decimal degrees. Returns
// true when the text held a degree sign. An angle whose parts are too long to
// be numbers is left as it stands, and so reads as a syntax error.
bool RewriteDegrees(std::wstring_view text, TextWriter& out);

}  // namespace tallyx
