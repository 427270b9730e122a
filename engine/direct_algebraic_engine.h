#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/expression_engine.h"

namespace tallyx {

// The engine of Direct Algebraic mode and the common engine of the
// Algebraic, Normal and R.P.N. modes: the number being typed (the entry), one
// pending expression text per bracket level, and a small state machine.
// Operators keep their precedence because a level is evaluated only when it
// closes; trigonometric and logarithmic keys are typed before their argument
// (sin 30 =).
class DirectAlgebraicEngine : public ExpressionEngine {
public:
    static constexpr int kLevels = 20;

    explicit DirectAlgebraicEngine(ExpressionEvaluator& evaluator) : ExpressionEngine(evaluator) {}

    std::wstring GetDisplayText() const override;
    std::wstring GetIndicatorText() const override;
    bool PressDigit(int id) override;
    bool PressFunction(int id) override;
    bool PressOperator(int id) override;
    bool PressEquals(int id) override;
    bool PressBracket(int id) override;
    bool PressConstant(int id) override;
    bool EnterValue(std::wstring_view text) override;
    bool PressClear(int id) override;
    void ResetEngine() override;
    // Restores what the display showed beside the number.
    virtual bool SetIndicatorText(std::wstring_view text);

    const std::wstring& EntryText() const { return entry_; }
    const std::wstring& PendingText(int level) const { return levels_[static_cast<std::size_t>(level)]; }
    int Level() const { return level_; }

protected:
    // The base rules of the entry keys: digits below the base, the point and
    // the degree key in base 10 only.
    bool DigitFitsBase(int id) const;
    // DRG>, DRG and the percentage key, which act on the entry in place;
    // false for every other key.
    bool ApplyAngleOrPercentage(int id);
    // A function of the entry, computed at once (x², √, 30 sin in Algebraic).
    bool ApplyImmediateFunction(int id);
    // A bracket's value stands in the entry like an entered value.
    bool CloseBracketLevel();
    bool OpenBracketLevel();
    void ReplaceTrailingOperator(std::wstring_view token);
    // What the indicator shows for an operator whose left operand is mantissa.
    static std::wstring OperatorIndicator(std::wstring_view token, const std::wstring& mantissa);
    // Moves the entry and the level's owed ")" into the level's text.
    void AppendEntryToLevel();
    // The operand before a new operator token goes into the level (0 when
    // nothing was entered); false when the level has no room for it.
    bool AppendOperandFor(std::wstring_view token);
    // Whether the level can take `added` more characters and still hold a
    // full entry with `owedCloses` brackets to close.
    bool LevelHasRoom(std::size_t added, int owedCloses) const;
    std::wstring& CurrentLevel() { return levels_[static_cast<std::size_t>(level_)]; }
    int& CurrentOwedCloses() { return owedCloses_[static_cast<std::size_t>(level_)]; }

    std::wstring entry_;
    std::wstring savedOperand_;  // the entry when the last operator was pressed
    std::wstring indicator_;
    std::wstring lastAnswer_;

private:
    bool PressPrefixFunction(int id);
    void EvaluateLevelIntoEntry();

    std::array<std::wstring, kLevels> levels_;
    std::array<int, kLevels> owedCloses_{};
    int level_ = 0;
};

}  // namespace tallyx
