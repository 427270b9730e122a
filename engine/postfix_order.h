#pragma once

#include <cstddef>
#include <span>

#include "engine/token_codes.h"

namespace tallyx {

// Rewrites the written-order tokens (ending with the end token) in postfix
// order, in place, by the shunting-yard rule in which a binary operator first
// moves out every stacked operator, unary minus or function whose code is at
// least its own. Operators of equal rank so group to the left, and prefix
// codes bind tighter than every binary operator. Returns the postfix length,
// end token included.
std::size_t ToPostfix(std::span<TokenCode> tokens, std::span<TokenCode> stack);

}  // namespace tallyx
