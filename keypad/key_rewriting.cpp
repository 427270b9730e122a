#include "keypad/key_rewriting.h"

#include <span>

#include "engine/key_ids.h"

namespace tallyx {
namespace {

struct KeyRewrite {
    ButtonKey from;
    ButtonKey to;
};

constexpr KeyRewrite kAdvancedMemoryRewrites[] = {
    {{ButtonTypeMemory, MemoryKeyFirstStore}, {ButtonTypeShift, ShiftKeyStore}},
    {{ButtonTypeMemory, MemoryKeyFirstRecall}, {ButtonTypeShift, ShiftKeyRecall}},
    {{ButtonTypeMemory, MemoryKeyFirstClear}, {ButtonTypeMemory, MemoryKeyFirstRegister}},
    {{ButtonTypeMemory, MemoryKeyPlus}, {ButtonTypeMemory, MemoryKeyFirstRegister + 1}},
    {{ButtonTypeMemory, MemoryKeyMinus}, {ButtonTypeMemory, MemoryKeyFirstRegister + 2}},
};

constexpr KeyRewrite kRpnRewrites[] = {
    {{ButtonTypeEquals, EqualsKeyEquals}, {ButtonTypeEquals, EqualsKeyEnter}},
    {{ButtonTypeFunction, FunctionKeyPlusMinus}, {ButtonTypeFunction, FunctionKeyChs}},
    {{ButtonTypeOperator, OperatorKeyExp}, {ButtonTypeOperator, OperatorKeyEex}},
    {{ButtonTypeBracket, BracketKeyOpen}, {ButtonTypeStack, StackKeySwap}},
    {{ButtonTypeBracket, BracketKeyClose}, {ButtonTypeStack, StackKeyRollDown}},
    {{ButtonTypeClear, ClearKeyClear}, {ButtonTypeClear, ClearKeyX}},
};

ButtonDef Rewrite(ButtonDef button, std::span<const KeyRewrite> rewrites)
{
    for (const KeyRewrite& rewrite : rewrites) {
        ButtonKey& key = button;
        if (key == rewrite.from) {
            key = rewrite.to;
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
