#include "engine/normal_engine.h"

#include "engine/key_ids.h"
#include "engine/key_tokens.h"

namespace tallyx {

bool NormalEngine::PressFunction(int id)
{
    return ApplyAngleOrPercentage(id) || ApplyImmediateFunction(id);
}

bool NormalEngine::PressOperator(int id)
{
    const std::wstring_view token = OperatorToken(id);
    if (token.empty()) {
        return false;
    }
    if (state_ == EngineStateOperator) {
        ReplaceTrailingOperator(token);
        indicator_ = OperatorIndicator(token, entry_);
        lastOperator_ = token;
        return true;
    }
    if (!AppendOperandFor(token)) {
        return false;
    }
    // The running result replaces the level and stays on the display.
    entry_ = Evaluate(CurrentLevel());
    CurrentLevel() = entry_ + std::wstring(token);
    lastOperator_ = token;
    indicator_ = OperatorIndicator(token, entry_);
    state_ = EngineStateOperator;
    return true;
}

bool NormalEngine::PressEquals(int id)
{
    switch (state_) {
    case EngineStateCleared:
    case EngineStateInitial:
        return true;
    case EngineStateEquals:
        if (lastOperator_.empty()) {
            return false;
        }
        CurrentLevel() = entry_ + lastOperator_;
        entry_ = repeatOperand_;
        state_ = EngineStateValue;
        break;
    case EngineStateOperator:
        repeatOperand_ = savedOperand_;
        break;
    default:
        repeatOperand_ = entry_;
        break;
    }
    return DirectAlgebraicEngine::PressEquals(id);
}

bool NormalEngine::PressBracket(int id)
{
    if (id == BracketKeyOpen) {
        // "(" follows an operator or a number, never a clear display or "=".
        if (state_ == EngineStateEquals || state_ == EngineStateCleared || state_ == EngineStateInitial) {
            return false;
        }
        return OpenBracketLevel();
    }
    if (id != BracketKeyClose || Level() == 0 || state_ == EngineStateOperator || state_ == EngineStateEquals) {
        return false;
    }
    if (state_ == EngineStateCleared || state_ == EngineStateInitial) {
        indicator_ = L")";
        return true;
    }
    return CloseBracketLevel();
}

void NormalEngine::ResetEngine()
{
    DirectAlgebraicEngine::ResetEngine();
    lastOperator_.clear();
    repeatOperand_.clear();
    // Clearing leaves Normal mode waiting for a number, so "(" is not yet allowed.
    state_ = EngineStateCleared;
}

}  // namespace tallyx
