#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/algebraic_engine.h"
#include "engine/button_types.h"
#include "engine/direct_algebraic_engine.h"
#include "engine/expression_engine.h"
#include "engine/expression_evaluator.h"
#include "engine/memory_slots.h"
#include "engine/normal_engine.h"
#include "engine/number_formatter.h"
#include "engine/rpn_engine.h"
#include "engine/shift_rule.h"

namespace tallyx {

// The entry modes, in the order of the options list.
enum CalcMode : int {
    CalcModeExpression = 0,
    CalcModeAlgebraic = 1,
    CalcModeDirectAlgebraic = 2,
    CalcModeNormal = 3,
    CalcModeRpn = 4,
};

// The calculator proper: takes every key press as a (type, id) pair, routes
// it to the engine of the current entry mode, and keeps what the modes
// share: the shift state, the memories, the last answer and the count of
// refused presses. Every engine stays alive, so switching modes keeps each
// one's state.
class CalcEngine {
public:
    static constexpr int kRefusalsBeforeMessage = 4;
    static constexpr int kModes = 5;
    static constexpr int kDefaultWordSize = 32;

    // The engine works with the evaluator and formatter it is given; they must outlive it.
    CalcEngine(ExpressionEvaluator& evaluator, NumberFormatter& formatter);
    CalcEngine(const CalcEngine&) = delete;
    CalcEngine& operator=(const CalcEngine&) = delete;

    // True when a handler accepted the press. The fourth refusal in a row
    // tells the user why nothing happens.
    bool PressButton(int type, int id);
    // The handler of the button type alone, as typed characters reach it:
    // a refusal is not counted.
    bool HandleButton(int type, int id);

    // The display as the keypad draws it, in the current notation and base.
    DisplayText GetDisplayText(bool regional) const;
    // The engine's own display text, before any notation or grouping.
    std::wstring GetRawDisplayText() const;
    // The expression (Expression mode) or the operator indicator.
    std::wstring GetIndicatorText() const;
    // What waits for "=": the expression, or the open bracket level of the
    // keypad modes (nothing in R.P.N. mode, whose operands are on the stack).
    std::wstring GetPendingText() const;

    bool SetMode(int mode);
    int GetMode() const { return mode_; }
    ShiftState GetShiftState() const { return shiftState_; }
    int UnusableCount() const { return unusableCount_; }

    bool SetAngleUnit(int unit);
    int GetAngleUnit() const;
    bool SetWordSize(int bits);
    int GetWordSize() const;
    int GetBase() const;
    bool IsBcdMode() const;

    bool IsMemoryUsed(int slot) const;
    MemorySlots& Memories() { return memories_; }
    const std::wstring& LastAnswerText() const { return lastAnswer_; }

    // The Reset key: base 10, 32-bit words, Algebraic mode, Normal notation,
    // everything cleared and the plain memory emptied.
    void Reset();

    // The Expression-mode history; the other modes have none and answer false.
    bool HistoryUp();
    bool HistoryDown();
    bool CanHistoryUp() const;
    bool CanHistoryDown() const;

    // Hands a value and an expression to the calculator, as the graph
    // function list does: the value is entered, the expression becomes the
    // Expression-mode text or the indicator of the other modes.
    void LoadTexts(std::wstring_view valueText, std::wstring_view expressionText);

    bool IsTapeOn() const;
    void SetTapeRecording(bool on);
    // Writes the tape when recording; gives the file's path.
    std::wstring SaveTape();

    ExpressionEngine& CurrentEngine() const { return *engines_[static_cast<std::size_t>(mode_)]; }
    // The evaluator the engine computes with, which the plotter shares.
    ExpressionEvaluator& Evaluator() const { return evaluator_; }
    RpnEngine& Rpn() { return rpn_; }
    const RpnEngine& Rpn() const { return rpn_; }

private:
    using KeyHandler = bool (CalcEngine::*)(int id);

    bool PressEntryKey(int id);
    bool PressOperatorKey(int id);
    bool PressFunctionKey(int id);
    bool PressBracketKey(int id);
    bool PressMemoryKey(int id);
    bool PressEqualsKey(int id);
    bool PressRecallKey(int id);
    bool PressShiftKey(int id);
    bool PressClearKey(int id);
    bool PressClipboardKey(int id);
    bool PressBaseKey(int id);
    bool PressStackKey(int id);

    void StoreMemory(int slot);
    bool RecallMemory(int slot);
    bool PressMemoryRegisterKey(int slot);
    void CountRefusal();
    // The engine of a mode other than Expression.
    DirectAlgebraicEngine& KeypadEngine() const;

    static const std::array<KeyHandler, ButtonTypeStack + 1> kKeyHandlers;

    ExpressionEvaluator& evaluator_;
    NumberFormatter& formatter_;
    ExpressionEngine expression_;
    AlgebraicEngine algebraic_;
    DirectAlgebraicEngine directAlgebraic_;
    NormalEngine normal_;
    RpnEngine rpn_;
    std::array<ExpressionEngine*, kModes> engines_;
    MemorySlots memories_;
    int mode_ = CalcModeNormal;
    ShiftState shiftState_ = ShiftStateNone;
    std::int8_t unusableCount_ = 0;
    std::wstring lastAnswer_;
};

}  // namespace tallyx
