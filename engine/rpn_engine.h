#pragma once

#include <string>

#include "engine/direct_algebraic_engine.h"
#include "engine/rpn_stack.h"

namespace tallyx {

// The engine of R.P.N. mode: the entry is the X register and an operand
// stack stands in for the bracket levels. Enter pushes X; operators combine
// Y and X and drop the stack.
class RpnEngine : public DirectAlgebraicEngine {
public:
    using DirectAlgebraicEngine::DirectAlgebraicEngine;

    std::wstring GetDisplayText() const override;
    std::wstring GetIndicatorText() const override;
    bool PressDigit(int id) override;
    bool PressFunction(int id) override;
    bool PressOperator(int id) override;
    bool PressEquals(int id) override;
    // "(" exchanges X and Y, ")" rolls the stack down.
    bool PressBracket(int id) override;
    bool EnterValue(std::wstring_view text) override;
    bool PressClear(int id) override;
    void ResetEngine() override;

    // X<>Y, roll up, roll down and drop.
    bool PressStackKey(int id);
    // The number of registers including X: 3..50.
    bool SetStackSize(int size) { return stack_.SetSize(size); }
    int Depth() const { return stack_.Depth(); }
    const std::wstring& GetStackRegister(int index) const { return stack_.Register(index); }
    const std::wstring& GetLastX() const { return stack_.LastX(); }

private:
    // Makes X fit a register, writing a long number in its shortest form;
    // false when even that is too long.
    bool FitXToRegister();
    bool PushX();

    RpnStack stack_;
};

}  // namespace tallyx
