#pragma once

#include "engine/expression_evaluator.h"
#include "graph/plot_arithmetic.h"

namespace tallyx {

// The plotter's arithmetic done by the calculator's evaluator, whose angle
// unit and base therefore hold for graphs too.
class EvaluatorArithmetic : public PlotArithmetic {
public:
    explicit EvaluatorArithmetic(ExpressionEvaluator& evaluator) : evaluator_(evaluator) {}

    std::wstring NumberText(double value) override;
    double Evaluate(std::wstring_view expression, std::wstring& resultText) override;

private:
    ExpressionEvaluator& evaluator_;
};

}  // namespace tallyx
