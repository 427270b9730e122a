#include "worksheets/tip.h"

#include "worksheets/stored_values.h"

namespace tallyx {
namespace {

constexpr double kPercent = 0.01;
constexpr double kHighestPercent = 100.0;
constexpr std::int32_t kMostPeople = 21;

}  // namespace

void Tip::Exchange(StoredValues& values)
{
    values.Double(L"Amount", amount_);
    values.Double(L"TipAmount", tipAmount_);
    values.Double(L"Total", total_);
    values.Double(L"TotalSplit", totalSplit_);
    values.Double(L"TipPercentage", tipPercentage_);
    // Through the setter: a stored count of 0 would split the bill by nobody.
    values.Integer(L"NumberOfPeople", numberOfPeople_, [this](std::int32_t people) { SetNumberOfPeople(people); });
}

void Tip::Load()
{
    StoredValues values(kTipKey, StoredValues::Direction::Read);
    Exchange(values);
}

void Tip::Save()
{
    StoredValues values(kTipKey, StoredValues::Direction::Write);
    Exchange(values);
}

void Tip::Reset()
{
    *this = Tip();
}

void Tip::SetAmount(double amount)
{
    amount_ = amount;
    Compute();
}

bool Tip::SetTipPercentage(double percent)
{
    if (!(percent >= 0.0 && percent <= kHighestPercent)) {
        return false;
    }
    tipPercentage_ = percent;
    Compute();
    return true;
}

bool Tip::SetNumberOfPeople(std::int32_t people)
{
    if (people < 1 || people > kMostPeople) {
        return false;
    }
    numberOfPeople_ = people;
    Compute();
    return true;
}

void Tip::Compute()
{
    tipAmount_ = amount_ * tipPercentage_ * kPercent;
    total_ = tipAmount_ + amount_;
    totalSplit_ = total_ / numberOfPeople_;
}

}  // namespace tallyx
