#include "engine/algebraic_engine.h"

#include "engine/key_ids.h"

namespace tallyx {

bool AlgebraicEngine::PressFunction(int id)
{
    if (ApplyAngleOrPercentage(id)) {
        // DRG> gives a new value; DRG and % leave the entry where it stood.
        if (id == FunctionKeyConvertAngle) {
            state_ = EngineStateValue;
        }
        return true;
    }
    return ApplyImmediateFunction(id);
}

}  // namespace tallyx
