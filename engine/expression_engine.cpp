#include "engine/expression_engine.h"

#include <algorithm>

#include "engine/angle_entry.h"
#include "engine/angle_unit.h"
#include "engine/expression_evaluator.h"
#include "engine/key_ids.h"
#include "engine/key_tokens.h"
#include "engine/text_limits.h"

namespace tallyx {
namespace {

// What the last character of the expression lets follow it.
enum CharacterClass {
    ClassEmpty = 0,
    ClassNumber = 1,       // a digit or an upper-case letter
    ClassOperator = 2,
    ClassMinus = 3,
    ClassOpenBracket = 4,
    ClassClosing = 5,      // ")" and the raised powers
    ClassPoint = 6,
    ClassAngleMark = 7,
    ClassOther = 8,
};

constexpr std::wstring_view kOperatorCharacters = L"+×/*÷er^<&|xnod%";
constexpr std::wstring_view kClosingCharacters = L")²³¹";
constexpr std::wstring_view kAngleMarks = L"°′";
constexpr std::wstring_view kNumberCharacters = L"0123456789ABCDF.e°′";
constexpr std::size_t kLongestTrailingNumber = 16;
constexpr std::size_t kLongestTypedExpression = 256;

struct PostfixPower {
    int key;
    std::wstring_view text;
};

constexpr PostfixPower kPostfixPowers[] = {
    {FunctionKeyOneOverX, L"-¹"},
    {FunctionKeyXSquared, L"²"},
    {FunctionKeyXCubed, L"³"},
};

CharacterClass ClassOf(std::wstring_view expression)
{
    if (expression.empty()) {
        return ClassEmpty;
    }
    const wchar_t last = expression.back();
    if ((last >= L'0' && last <= L'9') || (last >= L'A' && last <= L'Z')) {
        return ClassNumber;
    }
    if (kOperatorCharacters.find(last) != std::wstring_view::npos) {
        return ClassOperator;
    }
    if (last == L'-') {
        return ClassMinus;
    }
    if (last == L'(') {
        return ClassOpenBracket;
    }
    if (kClosingCharacters.find(last) != std::wstring_view::npos) {
        return ClassClosing;
    }
    if (last == L'.') {
        return ClassPoint;
    }
    return kAngleMarks.find(last) != std::wstring_view::npos ? ClassAngleMark : ClassOther;
}

// After a number, a minus, a closing bracket, a point or an angle mark.
bool OperatorMayFollow(std::wstring_view expression)
{
    switch (ClassOf(expression)) {
    case ClassNumber:
    case ClassMinus:
    case ClassClosing:
    case ClassPoint:
    case ClassAngleMark:
        return true;
    default:
        return false;
    }
}

// At the start, after an operator, a minus or "(".
bool OperandMayFollow(std::wstring_view expression)
{
    const CharacterClass last = ClassOf(expression);
    return last == ClassEmpty || last == ClassOperator || last == ClassMinus || last == ClassOpenBracket;
}

std::ptrdiff_t OpenBrackets(std::wstring_view expression)
{
    return std::count(expression.begin(), expression.end(), L'(') - std::count(expression.begin(), expression.end(), L')');
}

bool CloseBracketMayFollow(std::wstring_view expression)
{
    const CharacterClass last = ClassOf(expression);
    return OpenBrackets(expression) > 0 &&
           (last == ClassNumber || last == ClassClosing || last == ClassPoint || last == ClassAngleMark);
}

std::wstring_view PostfixPowerText(int key)
{
    for (const PostfixPower& power : kPostfixPowers) {
        if (power.key == key) {
            return power.text;
        }
    }
    return {};
}

}  // namespace

std::wstring ExpressionEngine::GetDisplayText() const
{
    return result_.empty() ? L"0" : result_;
}

std::wstring ExpressionEngine::GetIndicatorText() const
{
    return expression_;
}

int ExpressionEngine::Base() const
{
    return evaluator_.GetBase();
}

std::wstring ExpressionEngine::Evaluate(std::wstring_view text)
{
    std::wstring result;
    evaluator_.Evaluate(text, result);
    return CutText(result, kEntryLength);
}

bool ExpressionEngine::IsDmsDisplay() const
{
    return evaluator_.IsDmsInput();
}

bool ExpressionEngine::IsBcdMode() const
{
    return evaluator_.IsBcdMode();
}

std::wstring ExpressionEngine::WorkingExpression() const
{
    return state_ == EngineStateEquals ? std::wstring() : expression_;
}

bool ExpressionEngine::Commit(std::wstring expression, EngineState state)
{
    if (expression.size() + static_cast<std::size_t>(std::max<std::ptrdiff_t>(OpenBrackets(expression), 0)) >
        kLevelLength) {
        return false;
    }
    expression_ = std::move(expression);
    state_ = state;
    return true;
}

std::wstring::size_type ExpressionEngine::TrailingNumberStart(const std::wstring& expression) const
{
    const bool letterE = Base() == BaseKeyHexadecimal;
    auto start = expression.size();
    while (start > 0) {
        const wchar_t character = expression[start - 1];
        if (kNumberCharacters.find(character) == std::wstring_view::npos && !(letterE && character == L'E')) {
            break;
        }
        --start;
    }
    return start;
}

bool ExpressionEngine::PressDigit(int id)
{
    const std::wstring_view token = DigitToken(id);
    const bool mark = id == EntryKeyDecimal || id == EntryKeyDegree;
    if (token.empty() || (!mark && id >= Base()) || (mark && Base() != BaseKeyDecimal)) {
        return false;
    }
    if (state_ == EngineStateEquals && id == EntryKeyDegree) {
        evaluator_.SetDmsInput(true);
        return true;
    }
    const std::wstring expression = WorkingExpression();
    if (expression.size() > kLongestTypedExpression || ClassOf(expression) == ClassClosing) {
        return false;
    }
    const auto start = TrailingNumberStart(expression);
    std::wstring number = expression.substr(start);
    if (number.size() > kLongestTrailingNumber) {
        return false;
    }
    if (id == EntryKeyDegree || HoldsDegrees(number)) {
        if (!TypeIntoAngle(number, id)) {
            return false;
        }
    } else if (id == EntryKeyDecimal) {
        if (number.find(L'.') != std::wstring::npos) {
            return false;
        }
        number += number.empty() ? L"0." : L".";
    } else {
        number = number == L"0" ? std::wstring(token) : number + std::wstring(token);
    }
    return Commit(expression.substr(0, start) + number, EngineStateTyping);
}

bool ExpressionEngine::PressOperator(int id)
{
    const std::wstring_view token = OperatorToken(id);
    const std::wstring expression = state_ == EngineStateEquals ? lastAnswer_ : expression_;
    const bool allowed = OperatorMayFollow(expression) || (id == OperatorKeyMinus && ClassOf(expression) == ClassOpenBracket);
    return !token.empty() && allowed && Commit(expression + std::wstring(token), EngineStateOperator);
}

void ExpressionEngine::NegateTrailingNumber(std::wstring& expression) const
{
    const auto start = TrailingNumberStart(expression);
    const std::wstring number = expression.substr(start);
    std::wstring rest = expression.substr(0, start);
    if (ClassOf(rest) == ClassMinus) {
        rest.pop_back();
        if (OperatorMayFollow(rest)) {
            rest += L"--";
        }
    } else {
        rest += L'-';
    }
    expression = rest + number;
}

bool ExpressionEngine::PressFunction(int id)
{
    if (id == FunctionKeyConvertAngle || id == FunctionKeyCycleAngle) {
        if (id == FunctionKeyCycleAngle) {
            evaluator_.SetAngleUnit(kNextAngleUnit);
        } else if (std::wstring converted; evaluator_.ConvertAngle(result_, converted)) {
            result_ = CutText(converted, kEntryLength);
        }
        return Commit(WorkingExpression(), EngineStateFunction);
    }
    if (const std::wstring_view power = PostfixPowerText(id); !power.empty()) {
        const std::wstring expression = state_ == EngineStateEquals ? lastAnswer_ : expression_;
        return OperatorMayFollow(expression) && Commit(expression + std::wstring(power), EngineStateFunction);
    }
    std::wstring expression = WorkingExpression();
    if (id == FunctionKeyPlusMinus) {
        NegateTrailingNumber(expression);
        return Commit(std::move(expression), EngineStateFunction);
    }
    const std::wstring_view token = FunctionToken(id);
    return !token.empty() && Base() == BaseKeyDecimal && OperandMayFollow(expression) &&
           Commit(expression + std::wstring(token), EngineStateFunction);
}

bool ExpressionEngine::PressBracket(int id)
{
    const std::wstring expression = WorkingExpression();
    if (Base() != BaseKeyDecimal) {
        return false;
    }
    if (id == BracketKeyOpen) {
        return OperandMayFollow(expression) && Commit(expression + L"(", EngineStateBracket);
    }
    return id == BracketKeyClose && CloseBracketMayFollow(expression) && Commit(expression + L")", EngineStateBracket);
}

bool ExpressionEngine::PressConstant(int id)
{
    const std::wstring expression = WorkingExpression();
    const std::wstring_view token = id == RecallKeyLastAnswer ? std::wstring_view(lastAnswer_) : ConstantToken(id);
    return !token.empty() && Base() == BaseKeyDecimal && OperandMayFollow(expression) &&
           Commit(expression + std::wstring(token), EngineStateValue);
}

bool ExpressionEngine::EnterValue(std::wstring_view text)
{
    const std::wstring expression = WorkingExpression();
    return OperandMayFollow(expression) && Commit(expression + std::wstring(text), EngineStateValue);
}

bool ExpressionEngine::PressEquals(int id)
{
    if (id != EqualsKeyEquals) {
        return false;
    }
    expression_.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(OpenBrackets(expression_), 0)), L')');
    result_ = Evaluate(expression_);
    lastAnswer_ = result_;
    history_.Add(expression_, result_);
    state_ = EngineStateEquals;
    return true;
}

bool ExpressionEngine::PressClear(int id)
{
    switch (id) {
    case ClearKeyClear:
    case ClearKeyAll:
        if (state_ == EngineStateCleared) {
            history_.Clear();
        } else {
            history_.StartNewLine();
        }
        expression_.clear();
        result_.clear();
        state_ = EngineStateCleared;
        return true;
    case ClearKeyEntry:
        expression_.clear();
        state_ = EngineStateCleared;
        return true;
    case ClearKeyBackSpace:
        if (expression_.empty()) {
            return false;
        }
        expression_.pop_back();
        return true;
    default:
        return true;
    }
}

void ExpressionEngine::ResetEngine()
{
    expression_.clear();
    result_.clear();
    state_ = EngineStateInitial;
    evaluator_.SetDmsInput(false);
}

void ExpressionEngine::LoadHistoryEntry(const ExpressionHistory::Entry& entry)
{
    expression_ = entry.expression;
    result_ = entry.result;
    state_ = EngineStateTyping;
}

bool ExpressionEngine::HistoryUp()
{
    ExpressionHistory::Entry entry;
    if (!history_.Up(entry)) {
        return false;
    }
    LoadHistoryEntry(entry);
    return true;
}

bool ExpressionEngine::HistoryDown()
{
    ExpressionHistory::Entry entry;
    if (!history_.Down(entry)) {
        return false;
    }
    LoadHistoryEntry(entry);
    return true;
}

void ExpressionEngine::SetExpression(std::wstring_view text)
{
    expression_ = CutText(text, kLevelLength);
    state_ = EngineStateTyping;
}

}  // namespace tallyx
