// Any text typed for conversion, in any pair of units of any category: the
// result text must stay within the panel's room and split into a significand
// that starts it and an exponent that ends it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "convert/unit_table.h"
#include "platform/wide_text.h"

namespace {

constexpr std::size_t kSelectionBytes = 3;
constexpr std::size_t kResultRoom = 45;

void Require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < kSelectionBytes) {
        return 0;
    }
    tallyx::UnitTable& table = tallyx::SharedUnitTable();
    Require(table.SelectCategory(data[0] % table.GetCategoryCount()));
    Require(table.SetFromUnit(data[1] % table.GetUnitCount()));
    Require(table.SetToUnit(data[2] % table.GetUnitCount()));
    const std::wstring input =
        tallyx::WidenUtf8(std::string_view(reinterpret_cast<const char*>(data + kSelectionBytes), size - kSelectionBytes));

    std::wstring whole;
    std::wstring significand;
    std::wstring exponent;
    Require(table.Convert(input, whole, tallyx::ResultPart::Whole));
    Require(table.Convert(input, significand, tallyx::ResultPart::Significand));
    Require(table.Convert(input, exponent, tallyx::ResultPart::Exponent));
    Require(!whole.empty() && whole.size() <= kResultRoom);
    Require(whole.starts_with(significand));
    Require(whole.ends_with(exponent));
    return 0;
}
