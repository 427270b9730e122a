#include "convert/unit_result_text.h"

#include "engine/general_text.h"

namespace tallyx {
namespace {

constexpr int kResultDigits = 12;

}  // namespace

std::wstring UnitResultText(double value)
{
    return NumberToText(value, kResultDigits);
}

}  // namespace tallyx
