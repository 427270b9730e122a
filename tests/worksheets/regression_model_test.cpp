#include "worksheets/regression_model.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace tallyx {
namespace {

struct Pair {
    double x, y;
};

RegressionModel Fitted(RegressionKind kind, const std::vector<Pair>& pairs)
{
    RegressionModel model;
    model.SetKind(kind);
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        model.SetX(i, pairs[i].x);
        model.SetY(i, pairs[i].y);
    }
    EXPECT_TRUE(model.Compute());
    return model;
}

// The NIST StRD "Norris" set: lines "y,x" after a header of comments.
std::vector<Pair> NorrisData()
{
    const auto path = std::filesystem::path(TALLYX_TEST_DATA_DIR) / "norris.csv";
    std::ifstream file(path);
    std::vector<Pair> pairs;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#' || line[0] == 'y') continue;
        const std::size_t comma = line.find(',');
        pairs.push_back({std::stod(line.substr(comma + 1)), std::stod(line.substr(0, comma))});
    }
    return pairs;
}

double RelativeError(double actual, double expected)
{
    return std::fabs(actual - expected) / std::fabs(expected);
}

TEST(RegressionModelTest, LinearFitMatchesTheCertifiedNorrisValues)
{
    const auto pairs = NorrisData();
    ASSERT_EQ(pairs.size(), 36u);
    const RegressionModel model = Fitted(RegressionKind::Linear, pairs);
    const RegressionFit& fit = model.Fit();
    EXPECT_LT(RelativeError(fit.intercept, -0.262323073774029), 1e-10);
    EXPECT_LT(RelativeError(fit.slope, 1.00211681802045), 1e-12);
    EXPECT_LT(RelativeError(fit.correlation * fit.correlation, 0.999993745883712), 1e-12);
}

// The textbook closed form over transformed values, written independently of
// the model: b = (nΣuv - ΣuΣv) / (nΣu² - (Σu)²), a = (Σv - bΣu) / n.
RegressionFit ClosedFormFit(const std::vector<Pair>& pairs, double (*tx)(double), double (*ty)(double))
{
    double su = 0, sv = 0, suu = 0, svv = 0, suv = 0;
    for (const Pair& pair : pairs) {
        const double u = tx(pair.x);
        const double v = ty(pair.y);
        su += u, sv += v, suu += u * u, svv += v * v, suv += u * v;
    }
    const double n = static_cast<double>(pairs.size());
    RegressionFit fit;
    fit.slope = (n * suv - su * sv) / (n * suu - su * su);
    fit.intercept = (sv - fit.slope * su) / n;
    fit.correlation = (n * suv - su * sv) / std::sqrt((n * suu - su * su) * (n * svv - sv * sv));
    return fit;
}

double Same(double value) { return value; }
double Log10(double value) { return std::log10(value); }

struct KindCase {
    RegressionKind kind;
    double (*tx)(double), (*ty)(double);
};

TEST(RegressionModelTest, TransformedKindsMatchAClosedFormFitOfTheTransformedData)
{
    const std::vector<Pair> pairs = {{1, 3.1}, {2, 3.5}, {3, 4.2}, {5, 4.4}, {8, 5.3}, {13, 5.2}, {21, 6.6}};
    const KindCase cases[] = {
        {RegressionKind::Linear, Same, Same},
        {RegressionKind::Logarithmic, Log10, Same},
        {RegressionKind::Exponential, Same, Log10},
        {RegressionKind::Power, Log10, Log10},
    };
    for (const KindCase& example : cases) {
        const RegressionFit expected = ClosedFormFit(pairs, example.tx, example.ty);
        const RegressionFit fit = Fitted(example.kind, pairs).Fit();
        EXPECT_NEAR(fit.slope, expected.slope, 1e-12) << static_cast<int>(example.kind);
        EXPECT_NEAR(fit.intercept, expected.intercept, 1e-12) << static_cast<int>(example.kind);
        EXPECT_NEAR(fit.correlation, expected.correlation, 1e-12) << static_cast<int>(example.kind);
    }
}

TEST(RegressionModelTest, ValuesWithALargeCommonOffsetKeepTheirDigits)
{
    const RegressionModel model =
        Fitted(RegressionKind::Linear, {{1e8 + 1, 2e8 + 3}, {1e8 + 2, 2e8 + 5}, {1e8 + 3, 2e8 + 7}});
    EXPECT_DOUBLE_EQ(model.Deviations().y, 2.0);
    EXPECT_DOUBLE_EQ(model.Fit().slope, 2.0);
    EXPECT_DOUBLE_EQ(model.Fit().correlation, 1.0);
}

TEST(RegressionModelTest, DegenerateDataGiveNaNRatherThanNumbers)
{
    const RegressionModel single = Fitted(RegressionKind::Linear, {{3, 4}});
    EXPECT_TRUE(std::isnan(single.Deviations().x));
    EXPECT_TRUE(std::isnan(single.Fit().correlation));

    const RegressionModel logOfZero = Fitted(RegressionKind::Logarithmic, {{0, 1}, {1, 2}});
    EXPECT_TRUE(std::isinf(logOfZero.TransformedSums().x));
    EXPECT_FALSE(std::isfinite(logOfZero.Fit().slope));
}

TEST(RegressionModelTest, ValuesAreStoredInOrderAndMustPair)
{
    RegressionModel model;
    EXPECT_FALSE(model.SetX(1, 5.0));
    EXPECT_TRUE(model.SetX(0, 5.0));
    EXPECT_TRUE(model.SetX(1, 5.0));
    model.SetY(0, 1.0);
    EXPECT_FALSE(model.Compute());
}

}  // namespace
}  // namespace tallyx
