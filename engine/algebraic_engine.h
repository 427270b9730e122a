#pragma once

#include "engine/direct_algebraic_engine.h"

namespace tallyx {

// The engine of Algebraic mode: as Direct Algebraic, but every function key
// acts at once on the displayed number (30 sin shows 0.5).
class AlgebraicEngine : public DirectAlgebraicEngine {
public:
    using DirectAlgebraicEngine::DirectAlgebraicEngine;

    bool PressFunction(int id) override;
};

}  // namespace tallyx
