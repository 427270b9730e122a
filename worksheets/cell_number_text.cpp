#include "worksheets/cell_number_text.h"

#include "engine/general_text.h"
#include "platform/number_text.h"

namespace tallyx {
namespace {

constexpr int kCellPrecision = 12;

}  // namespace

std::wstring CellNumberText(double value)
{
    return NumberToText(value, kCellPrecision);
}

std::wstring CellIntegerText(long long value)
{
    return FormatInteger(value);
}

}  // namespace tallyx
