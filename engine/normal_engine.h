#pragma once

#include <string>

#include "engine/direct_algebraic_engine.h"

namespace tallyx {

// The engine of Normal mode: immediate execution. Each operator first
// computes everything pending at its bracket level and shows the running
// result (2 + 3 × 4 = is 20); "=" repeats the last operation (2 + 3 = = is 8).
class NormalEngine : public DirectAlgebraicEngine {
public:
    using DirectAlgebraicEngine::DirectAlgebraicEngine;

    bool PressFunction(int id) override;
    bool PressOperator(int id) override;
    bool PressEquals(int id) override;
    bool PressBracket(int id) override;
    void ResetEngine() override;

private:
    std::wstring lastOperator_;
    std::wstring repeatOperand_;
};

}  // namespace tallyx
