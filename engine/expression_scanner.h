#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "engine/token_codes.h"

namespace tallyx {

// Reads expression text into tokens in written order and its numbers into
// value slots, by the grammar
//   expression = term { ("+" | "-") term }
//   term       = power { ("*" | "/") power }
//   power      = primary { binary-operator primary }
//   primary    = { "-" } ( "(" expression ")" | function "(" expression ")"
//                        | "pi" | "e" | number )
// A number may be empty: an operand position without digits reads as 0.
class ExpressionScanner {
public:
    ExpressionScanner(std::span<TokenCode> tokens, std::span<double> slots) : tokens_(tokens), slots_(slots) {}

    // True when the whole text was read and every bracket closed. The end
    // token is appended. Slots already read keep their numbers either way.
    bool Scan(std::string_view text);

    std::size_t TokenCount() const { return tokenCount_; }
    std::size_t SlotCount() const { return slotCount_; }

private:
    bool Expression();
    bool Term();
    bool Power();
    bool Primary();
    bool Operand();
    bool Bracketed();
    bool Number();
    bool StoreNumber(double value);
    bool Emit(TokenCode code);
    bool Take(char character);
    char Peek() const { return position_ < text_.size() ? text_[position_] : '\0'; }

    std::span<TokenCode> tokens_;
    std::span<double> slots_;
    std::string_view text_;
    std::size_t position_ = 0;
    std::size_t tokenCount_ = 0;
    std::size_t slotCount_ = 0;
};

}  // namespace tallyx
