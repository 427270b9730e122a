#include "engine/direct_algebraic_engine.h"

#include "engine/angle_entry.h"
#include "engine/angle_unit.h"
#include "engine/expression_evaluator.h"
#include "engine/key_ids.h"
#include "engine/key_tokens.h"
#include "engine/text_limits.h"

namespace tallyx {
namespace {

constexpr std::wstring_view kPercentFactor = L"×0.01";
constexpr std::wstring_view kTimes = L"×";

}  // namespace

std::wstring DirectAlgebraicEngine::GetDisplayText() const
{
    if (state_ == EngineStateCleared || state_ == EngineStateInitial) {
        return L"0";
    }
    if (!entry_.empty()) {
        return entry_;
    }
    // Between an operator and the next number the display keeps the operand.
    return state_ == EngineStateOperator && !savedOperand_.empty() ? savedOperand_ : L"0";
}

std::wstring DirectAlgebraicEngine::GetIndicatorText() const
{
    return indicator_;
}

bool DirectAlgebraicEngine::SetIndicatorText(std::wstring_view text)
{
    indicator_ = CutText(text, kLevelLength);
    return true;
}

bool DirectAlgebraicEngine::DigitFitsBase(int id) const
{
    if (DigitToken(id).empty()) {
        return false;
    }
    const bool mark = id == EntryKeyDecimal || id == EntryKeyDegree;
    return mark ? Base() == BaseKeyDecimal : id < Base();
}

bool DirectAlgebraicEngine::PressDigit(int id)
{
    if (!DigitFitsBase(id)) {
        return false;
    }
    if (state_ == EngineStateEquals && id == EntryKeyDegree) {
        evaluator_.SetDmsInput(true);
        return true;
    }
    if (state_ == EngineStateTyping && entry_.size() > kTypingLimit) {
        return false;
    }
    std::wstring entry = state_ == EngineStateTyping ? entry_ : std::wstring();
    if (id == EntryKeyDegree || HoldsDegrees(entry)) {
        if (!TypeIntoAngle(entry, id)) {
            return false;
        }
    } else if (id == EntryKeyDecimal) {
        if (entry.find(L'.') != std::wstring::npos) {
            return false;
        }
        entry += entry.empty() ? L"0." : L".";
    } else if (entry == L"0") {
        if (id == 0) {
            return false;
        }
        entry = DigitToken(id);
    } else {
        entry += DigitToken(id);
    }
    if (state_ == EngineStateEquals) {
        indicator_.clear();
    }
    entry_ = std::move(entry);
    state_ = EngineStateTyping;
    return true;
}

bool DirectAlgebraicEngine::LevelHasRoom(std::size_t added, int owedCloses) const
{
    const std::wstring& text = levels_[static_cast<std::size_t>(level_)];
    return text.size() + added + kEntryLength + static_cast<std::size_t>(owedCloses) <= kLevelLength;
}

void DirectAlgebraicEngine::AppendEntryToLevel()
{
    CurrentLevel() += entry_;
    CurrentLevel().append(static_cast<std::size_t>(CurrentOwedCloses()), L')');
    CurrentOwedCloses() = 0;
    entry_.clear();
}

void DirectAlgebraicEngine::ReplaceTrailingOperator(std::wstring_view token)
{
    if (!CurrentLevel().empty()) {
        CurrentLevel().pop_back();
    }
    CurrentLevel() += token;
    indicator_ = OperatorIndicator(token, savedOperand_);
}

std::wstring DirectAlgebraicEngine::OperatorIndicator(std::wstring_view token, const std::wstring& mantissa)
{
    // While the exponent is typed the display holds only it, so the mantissa stays in sight here.
    if (token != OperatorToken(OperatorKeyExp) || mantissa.empty()) {
        return std::wstring(token);
    }
    return mantissa + L" " + std::wstring(token);
}

bool DirectAlgebraicEngine::PressOperator(int id)
{
    const std::wstring_view token = OperatorToken(id);
    if (token.empty() || state_ == EngineStateFunction) {
        return false;
    }
    if (state_ == EngineStateOperator) {
        ReplaceTrailingOperator(token);
        return true;
    }
    if (!AppendOperandFor(token)) {
        return false;
    }
    CurrentLevel() += token;
    indicator_ = OperatorIndicator(token, savedOperand_);
    state_ = EngineStateOperator;
    return true;
}

bool DirectAlgebraicEngine::AppendOperandFor(std::wstring_view token)
{
    if (state_ == EngineStateCleared || state_ == EngineStateInitial) {
        entry_ = L"0";
    }
    if (!LevelHasRoom(entry_.size() + static_cast<std::size_t>(CurrentOwedCloses()) + token.size(), 0)) {
        return false;
    }
    savedOperand_ = entry_;
    AppendEntryToLevel();
    return true;
}

void DirectAlgebraicEngine::EvaluateLevelIntoEntry()
{
    entry_ = Evaluate(CurrentLevel());
    CurrentLevel().clear();
}

bool DirectAlgebraicEngine::PressEquals(int)
{
    switch (state_) {
    case EngineStateOperator:
        CurrentLevel().pop_back();
        break;
    case EngineStateTyping:
    case EngineStateValue:
        while (level_ > 0) {
            AppendEntryToLevel();
            EvaluateLevelIntoEntry();
            --level_;
        }
        AppendEntryToLevel();
        break;
    default:
        return false;
    }
    EvaluateLevelIntoEntry();
    state_ = EngineStateEquals;
    indicator_ = L"=";
    lastAnswer_ = entry_;
    return true;
}

bool DirectAlgebraicEngine::OpenBracketLevel()
{
    if (level_ == kLevels - 1) {
        return false;
    }
    if (state_ == EngineStateTyping || state_ == EngineStateValue) {
        // A number before "(" multiplies.
        if (!PressOperator(OperatorKeyTimes)) {
            return false;
        }
    }
    entry_.clear();
    ++level_;
    CurrentLevel().clear();
    CurrentOwedCloses() = 0;
    state_ = EngineStateCleared;
    indicator_ = L"(";
    return true;
}

bool DirectAlgebraicEngine::CloseBracketLevel()
{
    if (level_ == 0 || (state_ != EngineStateTyping && state_ != EngineStateValue)) {
        return false;
    }
    AppendEntryToLevel();
    EvaluateLevelIntoEntry();
    --level_;
    indicator_ = L")";
    state_ = EngineStateValue;
    return true;
}

bool DirectAlgebraicEngine::PressBracket(int id)
{
    if (id == BracketKeyOpen) {
        return OpenBracketLevel();
    }
    return id == BracketKeyClose && CloseBracketLevel();
}

bool DirectAlgebraicEngine::ApplyAngleOrPercentage(int id)
{
    switch (id) {
    case FunctionKeyConvertAngle:
        if (std::wstring converted; evaluator_.ConvertAngle(entry_, converted)) {
            entry_ = CutText(converted, kEntryLength);
        }
        return true;
    case FunctionKeyCycleAngle:
        evaluator_.SetAngleUnit(kNextAngleUnit);
        return true;
    case FunctionKeyPercentage: {
        const std::wstring value = entry_.empty() ? L"0" : entry_;
        const bool ofOperand = state_ == EngineStateTyping && !CurrentLevel().empty() &&
                               (CurrentLevel().back() == L'+' || CurrentLevel().back() == L'-');
        // 200 + 10 % is 10 % of 200.
        entry_ = Evaluate((ofOperand ? savedOperand_ + std::wstring(kTimes) : std::wstring()) + value +
                          std::wstring(kPercentFactor));
        return true;
    }
    default:
        return false;
    }
}

bool DirectAlgebraicEngine::ApplyImmediateFunction(int id)
{
    const std::wstring_view token = FunctionToken(id);
    if (token.empty() || state_ == EngineStateOperator) {
        return false;
    }
    if (state_ == EngineStateCleared || state_ == EngineStateInitial) {
        entry_ = L"0";
    }
    if (entry_.empty()) {
        return false;
    }
    entry_ = Evaluate(std::wstring(token) + entry_ + L")");
    state_ = EngineStateValue;
    return true;
}

bool DirectAlgebraicEngine::PressPrefixFunction(int id)
{
    const std::wstring_view token = FunctionToken(id);
    const int owed = CurrentOwedCloses() + 1;
    if (!LevelHasRoom(entry_.size() + static_cast<std::size_t>(owed) + kTimes.size() + token.size(), owed)) {
        return false;
    }
    if (state_ == EngineStateTyping || state_ == EngineStateValue) {
        // A number before a function multiplies: 2 sin 30 = is 1.
        PressOperator(OperatorKeyTimes);
    } else if (state_ == EngineStateEquals) {
        entry_.clear();
    }
    ++CurrentOwedCloses();
    CurrentLevel() += token;
    indicator_ = token.substr(0, token.size() - 1);
    state_ = EngineStateFunction;
    return true;
}

bool DirectAlgebraicEngine::PressFunction(int id)
{
    if (ApplyAngleOrPercentage(id)) {
        state_ = EngineStateValue;
        return true;
    }
    return IsPrefixFunction(id) ? PressPrefixFunction(id) : ApplyImmediateFunction(id);
}

bool DirectAlgebraicEngine::PressConstant(int id)
{
    std::wstring value;
    if (id == RecallKeyLastAnswer) {
        value = Evaluate(lastAnswer_);
    } else {
        // The graph variable has no value outside an expression.
        const std::wstring_view token = ConstantToken(id);
        if (token.empty() || id == RecallKeyVariable || Base() != BaseKeyDecimal) {
            return false;
        }
        value = Evaluate(token);
    }
    return EnterValue(value);
}

bool DirectAlgebraicEngine::EnterValue(std::wstring_view text)
{
    entry_ = CutText(text, kEntryLength);
    indicator_.clear();
    state_ = EngineStateValue;
    return true;
}

bool DirectAlgebraicEngine::PressClear(int id)
{
    switch (id) {
    case ClearKeyClear:
    case ClearKeyAll:
        state_ = EngineStateCleared;
        ResetEngine();
        return true;
    case ClearKeyEntry:
        EnterValue(L"");
        state_ = EngineStateCleared;
        return true;
    case ClearKeyBackSpace:
        if (state_ != EngineStateTyping || entry_.empty()) {
            return false;
        }
        entry_.pop_back();
        return true;
    default:
        return true;
    }
}

void DirectAlgebraicEngine::ResetEngine()
{
    savedOperand_.clear();
    indicator_.clear();
    entry_.clear();
    for (std::size_t level = 0; level < levels_.size(); ++level) {
        levels_[level].clear();
        owedCloses_[level] = 0;
    }
    level_ = 0;
    state_ = EngineStateInitial;
    evaluator_.SetDmsInput(false);
}

}  // namespace tallyx
