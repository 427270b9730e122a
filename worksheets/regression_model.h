#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tallyx {

// The four least-squares fits; the numbers are those of the stored kinds.
enum class RegressionKind : std::int32_t { Linear = 0, Logarithmic = 2, Exponential = 3, Power = 4 };

// Σ of the values, of their squares and, over the pairs, of their products.
struct RegressionSums {
    double x = 0.0;
    double xSquared = 0.0;
    double y = 0.0;
    double ySquared = 0.0;
    double xy = 0.0;
};

// Sample standard deviations (n - 1 in the denominator).
struct RegressionDeviations {
    double x = 0.0;
    double y = 0.0;
    double transformedX = 0.0;
    double transformedY = 0.0;
};

// y = a + b·x over the transformed values; r the correlation.
struct RegressionFit {
    double intercept = 0.0;
    double slope = 0.0;
    double correlation = 0.0;
};

// Paired data and their least-squares fit. Logarithmic kinds fit log10 of the
// values (tx, ty); non-positive values give the infinities or NaN of log10.
class RegressionModel {
public:
    static constexpr std::size_t kCapacity = 100;
    using Values = std::array<double, kCapacity>;

    void Clear();
    void SetKind(RegressionKind kind) { kind_ = kind; }
    RegressionKind Kind() const { return kind_; }

    // Stores at an index up to the current count (the count appends); indexes
    // of kCapacity and above are refused.
    bool SetX(std::size_t index, double value) { return x_.Set(index, value); }
    bool SetY(std::size_t index, double value) { return y_.Set(index, value); }
    std::size_t XCount() const { return x_.count; }
    std::size_t YCount() const { return y_.count; }
    double X(std::size_t index) const { return x_.values[index]; }
    double Y(std::size_t index) const { return y_.values[index]; }

    // Sums, means and deviations, then the fit; false (and no fit) when the
    // counts of X and Y differ.
    bool Compute();

    const RegressionSums& Sums() const { return sums_; }
    const RegressionSums& TransformedSums() const { return transformedSums_; }
    double MeanX() const { return meanX_; }
    double MeanY() const { return meanY_; }
    const RegressionDeviations& Deviations() const { return deviations_; }
    const RegressionFit& Fit() const { return fit_; }

private:
    struct Series {
        Values values{};
        std::size_t count = 0;
        bool Set(std::size_t index, double value);
    };

    double TransformX(double value) const;
    double TransformY(double value) const;
    void ComputeSums(const Values& transformedX, const Values& transformedY);
    void ComputeDeviations(const Values& transformedX, const Values& transformedY);
    bool ComputeFit(const Values& transformedX, const Values& transformedY);

    RegressionKind kind_ = RegressionKind::Linear;
    Series x_;
    Series y_;
    RegressionSums sums_;
    RegressionSums transformedSums_;
    double meanX_ = 0.0;
    double meanY_ = 0.0;
    RegressionDeviations deviations_;
    RegressionFit fit_;
};

}  // namespace tallyx
