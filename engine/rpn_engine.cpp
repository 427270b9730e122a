#include "engine/rpn_engine.h"

#include "engine/expression_evaluator.h"
#include "engine/key_ids.h"
#include "engine/key_tokens.h"
#include "engine/text_limits.h"

namespace tallyx {

std::wstring RpnEngine::GetDisplayText() const
{
    return entry_.empty() ? L"0" : entry_;
}

std::wstring RpnEngine::GetIndicatorText() const
{
    return {};
}

bool RpnEngine::FitXToRegister()
{
    if (entry_.size() <= kRegisterLength) {
        return true;
    }
    std::wstring shortest = Evaluate(entry_);
    if (shortest.size() > kRegisterLength) {
        return false;
    }
    entry_ = std::move(shortest);
    return true;
}

bool RpnEngine::PushX()
{
    if (!FitXToRegister()) {
        return false;
    }
    stack_.Lift(entry_);
    return true;
}

bool RpnEngine::PressEquals(int)
{
    if (entry_.empty() || !PushX()) {
        return false;
    }
    state_ = EngineStateEquals;
    evaluator_.SetDmsInput(false);
    return true;
}

bool RpnEngine::PressDigit(int id)
{
    if (!DigitFitsBase(id)) {
        return false;
    }
    if (state_ == EngineStateOperator || state_ == EngineStateFunction || state_ == EngineStateValue) {
        if (id == EntryKeyDegree) {
            evaluator_.SetDmsInput(true);
            return true;
        }
        // A result stays on the stack when a new number starts.
        if (!PushX()) {
            return false;
        }
        entry_.clear();
        state_ = EngineStateCleared;
    }
    return DirectAlgebraicEngine::PressDigit(id);
}

bool RpnEngine::PressOperator(int id)
{
    const std::wstring_view token = OperatorToken(id);
    if (token.empty()) {
        return false;
    }
    const std::wstring& y = stack_.Register(0);
    if (entry_.empty()) {
        entry_ = y;
    } else if (id == OperatorKeyXToTheY) {
        // X raised to the power Y.
        entry_ = Evaluate(entry_ + std::wstring(token) + y);
    } else {
        entry_ = Evaluate(y + std::wstring(token) + entry_);
    }
    lastAnswer_ = entry_;
    state_ = EngineStateOperator;
    stack_.Drop();
    return true;
}

bool RpnEngine::PressFunction(int id)
{
    if (ApplyAngleOrPercentage(id)) {
        return true;
    }
    const std::wstring_view token = FunctionToken(id);
    if (token.empty()) {
        return false;
    }
    entry_ = Evaluate(std::wstring(token) + (entry_.empty() ? L"0" : entry_) + L")");
    state_ = EngineStateFunction;
    return true;
}

bool RpnEngine::PressBracket(int id)
{
    if (id == BracketKeyOpen) {
        return PressStackKey(StackKeySwap);
    }
    return id == BracketKeyClose && PressStackKey(StackKeyRollDown);
}

bool RpnEngine::PressStackKey(int id)
{
    if (!FitXToRegister()) {
        return false;
    }
    switch (id) {
    case StackKeySwap:
        stack_.Swap(entry_);
        break;
    case StackKeyRollUp:
        stack_.RollUp(entry_);
        break;
    case StackKeyRollDown:
        stack_.RollDown(entry_);
        break;
    case StackKeyDrop:
        stack_.Drop();
        break;
    default:
        return false;
    }
    // The next digit starts a new number above the one shown.
    state_ = EngineStateValue;
    return true;
}

bool RpnEngine::EnterValue(std::wstring_view view)
{
    // The text may be one of the registers that the push moves.
    const std::wstring text(view);
    const bool pushFirst = !text.empty() && !entry_.empty() && state_ != EngineStateEquals;
    if (pushFirst && !PressEquals(EqualsKeyEnter)) {
        return false;
    }
    return DirectAlgebraicEngine::EnterValue(text);
}

bool RpnEngine::PressClear(int id)
{
    if (id != ClearKeyX) {
        return DirectAlgebraicEngine::PressClear(id);
    }
    entry_ = L"0";
    evaluator_.SetDmsInput(false);
    return true;
}

void RpnEngine::ResetEngine()
{
    DirectAlgebraicEngine::ResetEngine();
    lastAnswer_.clear();
    stack_.Clear();
}

}  // namespace tallyx
