#pragma once

#include <cstdint>

namespace tallyx {

class StoredValues;

// The tip record of the financial family: a bill, a tip percentage and the
// number of people sharing it. Every accepted change recomputes the results.
class Tip {
public:
    void Load();
    void Save();
    // No bill, no tip, one person.
    void Reset();

    void SetAmount(double amount);
    bool SetTipPercentage(double percent);         // 0 to 100
    bool SetNumberOfPeople(std::int32_t people);   // 1 to 21

    double Amount() const { return amount_; }
    double TipPercentage() const { return tipPercentage_; }
    std::int32_t NumberOfPeople() const { return numberOfPeople_; }
    double TipAmount() const { return tipAmount_; }
    double Total() const { return total_; }
    double TotalSplit() const { return totalSplit_; }

private:
    void Exchange(StoredValues& values);
    void Compute();

    double amount_ = 0.0;
    double tipAmount_ = 0.0;
    double total_ = 0.0;
    double totalSplit_ = 0.0;
    double tipPercentage_ = 0.0;
    std::int32_t numberOfPeople_ = 1;
};

}  // namespace tallyx
