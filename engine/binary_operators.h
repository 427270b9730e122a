#pragma once

#include "engine/angle_unit.h"
#include "engine/token_codes.h"

namespace tallyx {

// left OPERATOR right for the binary operator codes 3..22.
double ApplyOperator(TokenCode code, double left, double right, AngleUnit unit);

}  // namespace tallyx
