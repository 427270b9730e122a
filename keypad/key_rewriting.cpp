#include "keypad/key_rewriting.h"

#include <span>

namespace tallyx {
namespace {

struct KeyRewrite {
    std::int32_t fromType;
    std::int32_t fromId;
    std::int32_t toType;
    std::int32_t toId;
};

constexpr KeyRewrite kAdvancedMemoryRewrites[] = {
    {ButtonTypeMemory, 0, ButtonTypeShift, 4},    // MemoryStore -> STO
    {ButtonTypeMemory, 8, ButtonTypeShift, 3},    // MemoryRecall -> RCL
    {ButtonTypeMemory, 16, ButtonTypeMemory, 25}, // MemoryClear -> M1
    {ButtonTypeMemory, 24, ButtonTypeMemory, 26}, // MemoryPlus -> M2
    {ButtonTypeMemory, 34, ButtonTypeMemory, 27}, // MemoryMinus -> M3
};

constexpr KeyRewrite kRpnRewrites[] = {
    {ButtonTypeEquals, 0, ButtonTypeEquals, 1},      // Equals -> Enter
    {ButtonTypeFunction, 18, ButtonTypeFunction, 33}, // PlusMinus -> CHS
    {ButtonTypeOperator, 5, ButtonTypeOperator, 18},  // Exp -> EEX
    {ButtonTypeBracket, 0, ButtonTypeStack, 0},       // OpenBracket -> X<>Y
    {ButtonTypeBracket, 1, ButtonTypeStack, 2},       // CloseBracket -> Roll
    {ButtonTypeClear, 0, ButtonTypeClear, 5},         // Clear -> CLX
};

ButtonDef Rewrite(ButtonDef button, std::span<const KeyRewrite> rewrites)
{
    for (const KeyRewrite& rewrite : rewrites) {
        if (button.type == rewrite.fromType && button.id == rewrite.fromId) {
            button.type = rewrite.toType;
            button.id = rewrite.toId;
            break;
        }
    }
    return button;
}

}  // namespace

ButtonDef RewriteForAdvancedMemory(ButtonDef button)
{
    return Rewrite(button, kAdvancedMemoryRewrites);
}

ButtonDef RewriteForRpn(ButtonDef button)
{
    return Rewrite(button, kRpnRewrites);
}

}  // namespace tallyx
