#pragma once

#include <cmath>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "graph/plot_arithmetic.h"
#include "platform/number_text.h"

namespace tallyx {

// Stands in for the evaluator: reads the first bracketed number of the text
// it is given, applies a function to it and records every text.
class FakePlotArithmetic : public PlotArithmetic {
public:
    explicit FakePlotArithmetic(std::function<double(double)> function = [](double x) { return x; })
        : function_(std::move(function))
    {
    }

    std::wstring NumberText(double value) override
    {
        std::wostringstream text;
        text.precision(12);
        text << value;
        return text.str();
    }

    double Evaluate(std::wstring_view expression, std::wstring& resultText) override
    {
        expressions.emplace_back(expression);
        const std::size_t bracket = expression.find(L'(');
        const double x = bracket == std::wstring_view::npos ? 0.0 : ParseDouble(expression.substr(bracket + 1));
        const double value = function_(x);
        resultText = std::isnan(value) ? L"imaginary" : std::isinf(value) ? L"infinity" : NumberText(value);
        return value;
    }

    std::vector<std::wstring> expressions;

private:
    std::function<double(double)> function_;
};

}  // namespace tallyx
