#include "engine/expression_evaluator.h"

namespace tallyx {

ExpressionEvaluator::ExpressionEvaluator() : random_(TimeSeed()) {}

double ExpressionEvaluator::Evaluate(std::wstring_view text, std::wstring& resultText)
{
    return Evaluate(text, resultText, base_, base_);
}

double ExpressionEvaluator::Evaluate(std::wstring_view, std::wstring& resultText, int, int)
{
    resultText = L"0";
    return 0.0;
}

bool ExpressionEvaluator::ConvertAngle(std::wstring_view valueText, std::wstring& resultText)
{
    if (valueText.size() >= kMaxAngleText) return false;
    resultText = valueText;
    return true;
}

bool ExpressionEvaluator::SetAngleUnit(int unit)
{
    if (unit == kNextAngleUnit) {
        angleUnit_ = (angleUnit_ + 1) % kNextAngleUnit;
        return true;
    }
    if (unit < AngleUnitDeg || unit > AngleUnitGrad) return false;
    angleUnit_ = unit;
    return true;
}

bool ExpressionEvaluator::SetBase(int base)
{
    if (base < BaseConverter::kMinBase || base > BaseConverter::kMaxBase) return false;
    base_ = base;
    return true;
}

std::wstring ExpressionEvaluator::SaveTape()
{
    return tape_.Save().wstring();
}

ExpressionEvaluator& Evaluator()
{
    static ExpressionEvaluator evaluator;
    return evaluator;
}

}  // namespace tallyx
