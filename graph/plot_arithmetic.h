#pragma once

#include <string>
#include <string_view>

namespace tallyx {

// What the plotter borrows from the calculator: numbers written as number
// text and expressions evaluated. The plotter computes nothing else itself.
class PlotArithmetic {
public:
    virtual ~PlotArithmetic() = default;
    // The number at 12 significant digits, as the evaluator writes results.
    virtual std::wstring NumberText(double value) = 0;
    // The value of the expression; resultText receives the evaluator's text
    // (a number, or "syntax error", "infinity", "imaginary").
    virtual double Evaluate(std::wstring_view expression, std::wstring& resultText) = 0;
};

// The function text with every "X" replaced by the number text in brackets;
// a leading "-" gets a "0" before it, so that it subtracts rather than
// negates what follows (-X at -2 reads 0-(-2)).
std::wstring SubstituteVariable(std::wstring_view function, std::wstring_view numberText);

}  // namespace tallyx
