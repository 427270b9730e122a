#pragma once

#include <array>
#include <cstdint>

namespace tallyx {

class StoredValues;

// The lease record of the financial family. Nothing here computes a lease
// yet; the record is kept so that the values other programs of the family
// stored under its key survive a visit to the Lease sheet unchanged.
class Lease {
public:
    static constexpr std::size_t kAmountCount = 16;

    void Load();
    void Save();

private:
    void Exchange(StoredValues& values);

    std::int32_t months_ = 0;
    std::array<double, kAmountCount> amounts_{};  // price to total interest, in stored order
    std::int32_t payTaxOnCapCost_ = 0;
};

}  // namespace tallyx
