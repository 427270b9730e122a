#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace tallyx {

// Where the worksheets keep their own values, and the keys of the financial
// records that share their storage with the other programs of the family.
inline constexpr std::wstring_view kWorksheetsKey = L"SOFTWARE\\Vexa\\Tallyx\\Worksheets";
inline constexpr std::wstring_view kCarLoanKey = L"SOFTWARE\\Brelt\\Financial\\CarLoan";
inline constexpr std::wstring_view kMortgageKey = L"SOFTWARE\\Brelt\\Financial\\Mortgage";
inline constexpr std::wstring_view kLeaseKey = L"SOFTWARE\\Brelt\\Financial\\Lease";
inline constexpr std::wstring_view kTipKey = L"SOFTWARE\\Brelt\\Financial\\Tip";

// Worksheet values are binary: a double as its 8 IEEE 754 bytes, an integer
// as 4 bytes, both little-endian, in Platform().registry. A value that is
// absent or of another size reads as false and leaves the target alone;
// failed writes are ignored, as a calculator has nobody to tell.
bool ReadStoredDouble(std::wstring_view key, std::wstring_view name, double& value);
bool ReadStoredInteger(std::wstring_view key, std::wstring_view name, std::int32_t& value);
void WriteStoredDouble(std::wstring_view key, std::wstring_view name, double value);
void WriteStoredInteger(std::wstring_view key, std::wstring_view name, std::int32_t value);

// One pass over a model's stored values, in the order the model lists them:
// the same listing reads them at creation and writes them at destruction.
class StoredValues {
public:
    enum class Direction { Read, Write };
    using IntegerSetter = std::function<void(std::int32_t)>;
    using DoubleSetter = std::function<void(double)>;

    StoredValues(std::wstring_view key, Direction direction) : key_(key), direction_(direction) {}

    void Double(std::wstring_view name, double& field);
    // A double that comes back through the model's setter.
    void Double(std::wstring_view name, double current, const DoubleSetter& accept);
    void Integer(std::wstring_view name, std::int32_t& field);
    // An integer that comes back through the model's validating setter.
    void Integer(std::wstring_view name, std::int32_t current, const IntegerSetter& accept);

private:
    std::wstring_view key_;
    Direction direction_;
};

}  // namespace tallyx
