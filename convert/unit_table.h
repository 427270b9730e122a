#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "convert/result_text_part.h"
#include "convert/unit_catalogue.h"

namespace tallyx {

// The unit catalogue: 18 categories of quantities with their units, the
// category that is current, and for each category the unit converted from
// and the unit converted to. Values arrive as number text and leave as the
// calculator's number text.
class UnitTable {
public:
    static constexpr std::uint32_t kCategoryCount = 18;

    // Every unit and factor is there from the start; the names come with Load.
    UnitTable();

    // Reads every name from the string tables of Platform().resources; does
    // nothing once the category names are there.
    bool Load();

    std::uint32_t GetCategoryCount() const { return kCategoryCount; }
    // False, and nothing changes, for an index past the last category.
    bool SelectCategory(std::uint32_t index);
    std::uint32_t GetCategory() const { return current_; }
    // Empty for an index past the last category.
    std::wstring GetCategoryName(std::uint32_t index) const;

    // The units of the current category.
    std::uint32_t GetUnitCount() const;
    // Empty for an index past the category's last unit.
    std::wstring GetUnitName(std::uint32_t unit) const;
    std::wstring GetUnitAbbreviation(std::uint32_t unit) const;
    std::wstring GetFromAbbreviation() const { return GetUnitAbbreviation(GetFromUnit()); }
    std::wstring GetToAbbreviation() const { return GetUnitAbbreviation(GetToUnit()); }

    // False, and nothing changes, for an index past the category's last
    // unit: a stale stored selection must not point outside the catalogue.
    bool SetFromUnit(std::uint32_t unit);
    bool SetToUnit(std::uint32_t unit);
    std::uint32_t GetFromUnit() const { return selections_[current_].from; }
    std::uint32_t GetToUnit() const { return selections_[current_].to; }
    void SwapUnits();

    // The value, given in the from-unit, expressed in the to-unit.
    double ConvertValue(double value) const;
    // Reads the input as a number (no number reads as 0), converts it and
    // copies the asked part of the result text; false for an unknown part.
    bool Convert(std::wstring_view input, std::wstring& out, ResultPart part);
    // The text of the last conversion.
    const std::wstring& ResultText() const { return result_; }

private:
    struct Unit {
        std::wstring name;
        std::wstring abbreviation;
        double factor = 0.0;
    };
    struct Category {
        std::wstring name;
        FactorConvention convention = FactorConvention::Count;
        std::vector<Unit> units;
    };
    struct Selection {
        std::uint8_t from = 0;
        std::uint8_t to = 1;
    };

    const Category& CurrentCategory() const { return categories_[current_]; }
    bool IsUnit(std::uint32_t unit) const { return unit < GetUnitCount(); }

    std::array<Category, kCategoryCount> categories_;
    std::array<Selection, kCategoryCount> selections_;
    std::uint32_t current_ = 0;
    std::wstring result_;
};

// The one catalogue of the process, loaded on first use; the keypad panel,
// the unit panel and the console share it.
UnitTable& SharedUnitTable();

}  // namespace tallyx
