#pragma once

#include <cstdint>

namespace tallyx {

// Straight-line depreciation over a life in years, the first calendar year
// counted from the start month, so that the last part-year falls in the year
// after the life ends.
class DepreciationModel {
public:
    explicit DepreciationModel(int currentYear);
    // Life 1, start in January of the current year, no cost; results 0.
    void Reset(int currentYear);

    std::int16_t Life() const { return life_; }
    std::int16_t StartMonth() const { return startMonth_; }
    std::int16_t StartYear() const { return startYear_; }
    std::int16_t Year() const { return year_; }

    bool SetLife(std::int32_t years);         // 0 or more
    bool SetStartMonth(std::int32_t month);   // 1 to 12
    bool SetStartYear(std::int32_t year);     // 0 to 9999
    bool SetYear(std::int32_t year);          // not before the start year

    double cost = 0.0;
    double salvage = 0.0;

    // The depreciation of Year and the values that remain after it.
    void Compute();
    double Depreciation() const { return depreciation_; }
    double RemainingBookValue() const { return remainingBookValue_; }
    double RemainingDepreciableValue() const { return remainingDepreciableValue_; }

    // Depreciation accumulated by the end of the asset's k-th calendar year.
    double Accumulated(int k) const;

private:
    std::int16_t life_ = 1;
    std::int16_t startMonth_ = 1;
    std::int16_t startYear_ = 0;
    std::int16_t year_ = 0;
    double depreciation_ = 0.0;
    double remainingBookValue_ = 0.0;
    double remainingDepreciableValue_ = 0.0;
};

}  // namespace tallyx
