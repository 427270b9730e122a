#include "graph/evaluator_arithmetic.h"

#include "engine/general_text.h"

namespace tallyx {
namespace {

// Sample positions and range labels are written with 12 significant digits.
constexpr int kPlotDigits = 12;

}  // namespace

std::wstring EvaluatorArithmetic::NumberText(double value)
{
    return NumberToText(value, kPlotDigits);
}

double EvaluatorArithmetic::Evaluate(std::wstring_view expression, std::wstring& resultText)
{
    return evaluator_.Evaluate(expression, resultText);
}

}  // namespace tallyx
