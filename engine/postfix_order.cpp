#include "engine/postfix_order.h"

namespace tallyx {

std::size_t ToPostfix(std::span<TokenCode> tokens, std::span<TokenCode> stack)
{
    // The output never runs ahead of the input, so it can share the list.
    std::size_t output = 0;
    std::size_t depth = 0;
    for (const TokenCode code : tokens) {
        if (code == kTokenEnd) break;
        if (IsNumberToken(code)) {
            tokens[output++] = code;
        } else if (code == kTokenCloseBracket) {
            while (depth > 0 && stack[depth - 1] != kTokenOpenBracket) tokens[output++] = stack[--depth];
            if (depth > 0) --depth;
        } else {
            if (IsBinaryToken(code)) {
                while (depth > 0 && stack[depth - 1] >= code) tokens[output++] = stack[--depth];
            }
            if (depth < stack.size()) stack[depth++] = code;
        }
    }
    while (depth > 0) {
        const TokenCode code = stack[--depth];
        if (code != kTokenOpenBracket) tokens[output++] = code;
    }
    tokens[output++] = kTokenEnd;
    return output;
}

}  // namespace tallyx
