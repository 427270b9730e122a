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
    double x;
    double y;
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
    const auto path = std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / "norris.csv";
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
    double (*tx)(double);
    double (*ty)(double);
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

struct ExactCase {
    RegressionKind kind;
    std::vector<Pair> pairs;
    double intercept;
    double slope;
};

TEST(RegressionModelTest, ExactCurvesAreRecovered)
{
    const ExactCase cases[] = {
        {RegressionKind::Linear, {{1, 2}, {2, 4}}, 0.0, 2.0},
        {RegressionKind::Exponential, {{0, 1}, {1, 10}}, 0.0, 1.0},
        {RegressionKind::Power, {{1, 1}, {10, 100}}, 0.0, 2.0},
        {RegressionKind::Logarithmic, {{1, 5}, {10, 8}, {100, 11}}, 5.0, 3.0},
    };
    for (const ExactCase& example : cases) {
        const RegressionFit fit = Fitted(example.kind, example.pairs).Fit();
        EXPECT_NEAR(fit.intercept, example.intercept, 1e-12);
        EXPECT_NEAR(fit.slope, example.slope, 1e-12);
        EXPECT_NEAR(fit.correlation, 1.0, 1e-12);
    }
}

TEST(RegressionModelTest, SumsMeansAndSampleDeviations)
{
    const RegressionModel model = Fitted(RegressionKind::Linear, {{1, 2}, {2, 4}});
    EXPECT_EQ(model.Sums().x, 3.0);
    EXPECT_EQ(model.Sums().xSquared, 5.0);
    EXPECT_EQ(model.Sums().y, 6.0);
    EXPECT_EQ(model.Sums().ySquared, 20.0);
    EXPECT_EQ(model.Sums().xy, 10.0);
    EXPECT_EQ(model.MeanX(), 1.5);
    EXPECT_EQ(model.MeanY(), 3.0);
    EXPECT_DOUBLE_EQ(model.Deviations().x, std::sqrt(0.5));
    EXPECT_DOUBLE_EQ(model.Deviations().y, std::sqrt(2.0));
}

TEST(RegressionModelTest, ValuesWithALargeCommonOffsetKeepTheirDigits)
{
    const RegressionModel model =
        Fitted(RegressionKind::Linear, {{1e8 + 1, 2e8 + 3}, {1e8 + 2, 2e8 + 5}, {1e8 + 3, 2e8 + 7}});
    EXPECT_DOUBLE_EQ(model.Deviations().x, 1.0);
    EXPECT_DOUBLE_EQ(model.Deviations().y, 2.0);
    EXPECT_DOUBLE_EQ(model.Fit().slope, 2.0);
    EXPECT_DOUBLE_EQ(model.Fit().correlation, 1.0);
}

TEST(RegressionModelTest, DegenerateDataGiveNaNRatherThanNumbers)
{
    const RegressionModel zeros = Fitted(RegressionKind::Linear, {{0, 0}, {0, 0}});
    EXPECT_TRUE(std::isnan(zeros.Fit().slope));
    EXPECT_TRUE(std::isnan(zeros.Fit().correlation));

    const RegressionModel single = Fitted(RegressionKind::Linear, {{3, 4}});
    EXPECT_TRUE(std::isnan(single.Deviations().x));
    EXPECT_TRUE(std::isnan(single.Fit().correlation));

    const RegressionModel logOfZero = Fitted(RegressionKind::Logarithmic, {{0, 1}, {1, 2}});
    EXPECT_TRUE(std::isinf(logOfZero.TransformedSums().x));
    EXPECT_FALSE(std::isfinite(logOfZero.Fit().slope));
}

TEST(RegressionModelTest, ValuesAreStoredUpToTheCountAndTheCapacity)
{
    RegressionModel model;
    EXPECT_FALSE(model.SetX(1, 5.0));
    EXPECT_TRUE(model.SetX(0, 5.0));
    EXPECT_TRUE(model.SetX(0, 6.0));
    EXPECT_EQ(model.XCount(), 1u);
    EXPECT_EQ(model.X(0), 6.0);
    for (std::size_t i = 1; i < RegressionModel::kCapacity; ++i) EXPECT_TRUE(model.SetX(i, 1.0));
    EXPECT_FALSE(model.SetX(RegressionModel::kCapacity, 1.0));
    EXPECT_EQ(model.XCount(), RegressionModel::kCapacity);
    model.Clear();
    EXPECT_EQ(model.XCount(), 0u);
}

TEST(RegressionModelTest, UnequalCountsMakeTheFitFail)
{
    RegressionModel model;
    model.SetX(0, 1.0);
    model.SetX(1, 2.0);
    model.SetY(0, 1.0);
    EXPECT_FALSE(model.Compute());
    EXPECT_EQ(model.Sums().xy, 0.0);
    EXPECT_EQ(model.Sums().x, 3.0);
}

}  // namespace
}  // namespace tallyx
