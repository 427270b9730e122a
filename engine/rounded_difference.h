#pragma once

namespace tallyx {

// a − b rounded to the decimals the operands are written with, which removes
// the representation noise of doubles: 0.3 − 0.1 is exactly 0.2.
double RoundedDifference(double a, double b);

}  // namespace tallyx
