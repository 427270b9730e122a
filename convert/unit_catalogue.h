#pragma once

#include <cstdint>
#include <span>

namespace tallyx {

// How a category's factors relate its units to one another.
enum class FactorConvention {
    Count,        // how many of the unit make one reference unit
    Size,         // the size of one of the unit in the reference unit
    Signed,       // distance per volume positive, volume per distance negative
    Temperature,  // no factors: a formula for every pair of scales
};

// A unit's name or abbreviation: an entry of the string tables, or a text of
// its own for the units that have no entry.
struct UnitText {
    constexpr UnitText(std::uint32_t id) : stringId(id) {}
    constexpr UnitText(const wchar_t* text) : fixedText(text) {}

    std::uint32_t stringId = 0;
    const wchar_t* fixedText = nullptr;
};

struct UnitDefinition {
    UnitText name;
    UnitText abbreviation;
    double factor = 0.0;  // temperatures convert by formula
};

struct CategoryDefinition {
    std::uint32_t nameId;
    FactorConvention convention;
    std::span<const UnitDefinition> units;
};

// The 18 categories in index order: alphabetical, the order the panel stores.
std::span<const CategoryDefinition> UnitCatalogue();

}  // namespace tallyx
