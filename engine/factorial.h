#pragma once

namespace tallyx {

// The "!" function: n! for whole n, Γ(x + 1) for other x, and -(|x|!) for
// negative x.
double Factorial(double value);

// count! as a product in doubles, for nCr and nPr: 1 for counts below 2,
// infinite once the product leaves the double range.
double FactorialProduct(double count);

}  // namespace tallyx
