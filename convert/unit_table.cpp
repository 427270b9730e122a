#include "convert/unit_table.h"

#include <utility>

#include "convert/temperature_scale.h"
#include "convert/unit_result_text.h"
#include "platform/number_text.h"
#include "platform/services.h"

namespace tallyx {
namespace {

std::wstring TextOf(const UnitText& text)
{
    return text.fixedText ? std::wstring(text.fixedText) : Platform().resources->String(text.stringId);
}

// Distance-per-volume and volume-per-distance units are each other's
// reciprocals; the signs of their factors tell the two kinds apart.
double ConvertFuelEconomy(double value, double fromFactor, double toFactor)
{
    if (value == 0.0) {
        return 0.0;
    }
    if (toFactor * fromFactor > 0.0) {
        return toFactor / fromFactor * value;
    }
    return toFactor / value * fromFactor * -1.0;
}

}  // namespace

UnitTable::UnitTable()
{
    const auto catalogue = UnitCatalogue();
    for (std::size_t index = 0; index < kCategoryCount; ++index) {
        Category& category = categories_[index];
        category.convention = catalogue[index].convention;
        for (const UnitDefinition& definition : catalogue[index].units) {
            category.units.push_back({{}, {}, definition.factor});
        }
    }
}

bool UnitTable::Load()
{
    if (!categories_.front().name.empty()) {
        return true;
    }
    const auto catalogue = UnitCatalogue();
    for (std::size_t index = 0; index < kCategoryCount; ++index) {
        Category& category = categories_[index];
        category.name = Platform().resources->String(catalogue[index].nameId);
        for (std::size_t unit = 0; unit < category.units.size(); ++unit) {
            category.units[unit].name = TextOf(catalogue[index].units[unit].name);
            category.units[unit].abbreviation = TextOf(catalogue[index].units[unit].abbreviation);
        }
    }
    return true;
}

bool UnitTable::SelectCategory(std::uint32_t index)
{
    if (index >= kCategoryCount) {
        return false;
    }
    current_ = index;
    return true;
}

std::wstring UnitTable::GetCategoryName(std::uint32_t index) const
{
    return index < kCategoryCount ? categories_[index].name : std::wstring();
}

std::uint32_t UnitTable::GetUnitCount() const
{
    return static_cast<std::uint32_t>(CurrentCategory().units.size());
}

std::wstring UnitTable::GetUnitName(std::uint32_t unit) const
{
    return IsUnit(unit) ? CurrentCategory().units[unit].name : std::wstring();
}

std::wstring UnitTable::GetUnitAbbreviation(std::uint32_t unit) const
{
    return IsUnit(unit) ? CurrentCategory().units[unit].abbreviation : std::wstring();
}

bool UnitTable::SetFromUnit(std::uint32_t unit)
{
    if (!IsUnit(unit)) {
        return false;
    }
    selections_[current_].from = static_cast<std::uint8_t>(unit);
    return true;
}

bool UnitTable::SetToUnit(std::uint32_t unit)
{
    if (!IsUnit(unit)) {
        return false;
    }
    selections_[current_].to = static_cast<std::uint8_t>(unit);
    return true;
}

void UnitTable::SwapUnits()
{
    Selection& selection = selections_[current_];
    std::swap(selection.from, selection.to);
}

double UnitTable::ConvertValue(double value) const
{
    const Category& category = CurrentCategory();
    const double fromFactor = category.units[GetFromUnit()].factor;
    const double toFactor = category.units[GetToUnit()].factor;
    switch (category.convention) {
    case FactorConvention::Count:
        return toFactor / fromFactor * value;
    case FactorConvention::Size:
        return fromFactor / toFactor * value;
    case FactorConvention::Signed:
        return ConvertFuelEconomy(value, fromFactor, toFactor);
    case FactorConvention::Temperature:
        return ConvertTemperature(value, static_cast<TemperatureScale>(GetFromUnit()),
                                  static_cast<TemperatureScale>(GetToUnit()));
    }
    return value;
}

bool UnitTable::Convert(std::wstring_view input, std::wstring& out, ResultPart part)
{
    result_ = UnitResultText(ConvertValue(ParseDouble(input)));
    switch (part) {
    case ResultPart::Whole:
    case ResultPart::Significand:
    case ResultPart::Exponent:
        out = ResultTextPart(result_, part);
        return true;
    }
    return false;
}

UnitTable& SharedUnitTable()
{
    static UnitTable table;
    table.Load();
    return table;
}

}  // namespace tallyx
