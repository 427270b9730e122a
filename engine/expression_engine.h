#pragma once

#include <string>
#include <string_view>

#include "engine/expression_history.h"

namespace tallyx {

class ExpressionEvaluator;

// Where a mode engine stands between key presses.
enum EngineState : int {
    EngineStateTyping = 0,      // a number is being typed
    EngineStateOperator = 1,    // a binary operator was just pressed
    EngineStateFunction = 2,    // a function was just pressed
    EngineStateBracket = 3,     // a bracket was just pressed (Expression mode)
    EngineStateEquals = 5,      // "=" was just pressed
    EngineStateValue = 6,       // a value was put into the entry
    EngineStateCleared = 8,     // cleared, or "(" just pressed
    EngineStateInitial = 14,
};

// The root of the mode engines, and the engine of Expression mode: keys
// append characters and names to one expression text, which "=" evaluates
// as a whole. Every key operation answers whether it accepted the press.
class ExpressionEngine {
public:
    explicit ExpressionEngine(ExpressionEvaluator& evaluator) : evaluator_(evaluator) {}
    virtual ~ExpressionEngine() = default;
    ExpressionEngine(const ExpressionEngine&) = delete;
    ExpressionEngine& operator=(const ExpressionEngine&) = delete;

    // The number display, unformatted.
    virtual std::wstring GetDisplayText() const;
    // Beside the number: here the expression being typed.
    virtual std::wstring GetIndicatorText() const;
    virtual bool PressDigit(int id);
    virtual bool PressFunction(int id);
    virtual bool PressOperator(int id);
    virtual bool PressEquals(int id);
    virtual bool PressBracket(int id);
    virtual bool PressConstant(int id);
    // A memory recall, paste, last answer or base change.
    virtual bool EnterValue(std::wstring_view text);
    virtual bool PressClear(int id);
    // Back to the state of a fresh engine.
    virtual void ResetEngine();
    virtual bool IsDmsDisplay() const;
    virtual bool IsBcdMode() const;

    EngineState State() const { return state_; }
    void SetState(EngineState state) { state_ = state; }

    // The history of expression/result pairs.
    bool HistoryUp();
    bool HistoryDown();
    bool CanHistoryUp() const { return history_.CanGoUp(); }
    bool CanHistoryDown() const { return history_.CanGoDown(); }
    const ExpressionHistory& History() const { return history_; }

    // Makes text the expression being typed, as handed over by other panels.
    void SetExpression(std::wstring_view text);

protected:
    int Base() const;
    // A text from the evaluator, held to the entry length.
    std::wstring Evaluate(std::wstring_view text);

    ExpressionEvaluator& evaluator_;
    EngineState state_ = EngineStateInitial;

private:
    // The expression the next key works on: after "=" a new one starts.
    std::wstring WorkingExpression() const;
    // Takes expression when it fits, with room left to close its brackets.
    bool Commit(std::wstring expression, EngineState state);
    // 3-5 becomes 3--5, 3+5 becomes 3+-5 and back.
    void NegateTrailingNumber(std::wstring& expression) const;
    std::wstring::size_type TrailingNumberStart(const std::wstring& expression) const;
    void LoadHistoryEntry(const ExpressionHistory::Entry& entry);

    std::wstring expression_;
    std::wstring result_;
    std::wstring lastAnswer_;
    ExpressionHistory history_;
};

}  // namespace tallyx
