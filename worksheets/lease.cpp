#include "worksheets/lease.h"

#include <string_view>

#include "worksheets/stored_values.h"

namespace tallyx {
namespace {

constexpr std::array<std::wstring_view, Lease::kAmountCount> kAmountNames = {
    L"Price",          L"TaxPercent", L"TotalTax",         L"Fees",
    L"Residual",       L"DownPayment", L"Trade",           L"Interest",
    L"MoneyFactor",    L"MonthlyPayment", L"MonthlyDep",   L"MonthlyInterest",
    L"MonthlyTax",     L"TotalPayments", L"TotalDepreciation", L"TotalInterest",
};

}  // namespace

void Lease::Exchange(StoredValues& values)
{
    values.Integer(L"Months", months_);
    for (std::size_t index = 0; index < kAmountCount; ++index) {
        values.Double(kAmountNames[index], amounts_[index]);
    }
    values.Integer(L"PayTaxOnCapCost", payTaxOnCapCost_);
}

void Lease::Load()
{
    StoredValues values(kLeaseKey, StoredValues::Direction::Read);
    Exchange(values);
}

void Lease::Save()
{
    StoredValues values(kLeaseKey, StoredValues::Direction::Write);
    Exchange(values);
}

}  // namespace tallyx
