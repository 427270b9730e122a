#include "convert/unit_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/resources.h"
#include "platform/services.h"

namespace tallyx {
namespace {

// Selects a category and unit pair by their names, as a user of the panel would.
class UnitTableTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(table_.Load()); }

    std::uint32_t UnitNamed(const std::wstring& name) const
    {
        for (std::uint32_t unit = 0; unit < table_.GetUnitCount(); ++unit) {
            if (table_.GetUnitName(unit) == name) {
                return unit;
            }
        }
        ADD_FAILURE() << "no unit named " << testing::PrintToString(name);
        return 0;
    }

    void Choose(std::uint32_t category, const std::wstring& from, const std::wstring& to)
    {
        ASSERT_TRUE(table_.SelectCategory(category));
        ASSERT_TRUE(table_.SetFromUnit(UnitNamed(from)));
        ASSERT_TRUE(table_.SetToUnit(UnitNamed(to)));
    }

    UnitTable table_;
};

constexpr std::uint32_t kAngle = 1;
constexpr std::uint32_t kArea = 2;
constexpr std::uint32_t kCooking = 3;
constexpr std::uint32_t kDataStorage = 4;
constexpr std::uint32_t kFuelEconomy = 8;
constexpr std::uint32_t kLength = 9;
constexpr std::uint32_t kTemperature = 13;
constexpr std::uint32_t kTime = 14;
constexpr std::uint32_t kWeight = 17;

// Names and abbreviations must differ within a category ("nm" and "nmi").
TEST_F(UnitTableTest, EveryCategoryHasUnitsOfItsOwn)
{
    for (std::uint32_t category = 0; category < table_.GetCategoryCount(); ++category) {
        ASSERT_TRUE(table_.SelectCategory(category));
        EXPECT_GT(table_.GetUnitCount(), 1u);
        for (std::uint32_t unit = 0; unit < table_.GetUnitCount(); ++unit) {
            SCOPED_TRACE(testing::Message() << "category " << category << " unit " << unit);
            EXPECT_FALSE(table_.GetUnitName(unit).empty());
            EXPECT_FALSE(table_.GetUnitAbbreviation(unit).empty());
            for (std::uint32_t other = 0; other < unit; ++other) {
                EXPECT_NE(table_.GetUnitName(unit), table_.GetUnitName(other));
                EXPECT_NE(table_.GetUnitAbbreviation(unit), table_.GetUnitAbbreviation(other));
            }
        }
    }
}

TEST_F(UnitTableTest, NamesComeFromTheStringTablesAndFixedTexts)
{
    MemoryResources resources;
    resources.AddString(417, L"Beschleunigung");
    resources.AddString(407, L"Fläche");
    resources.AddString(1019, L"Morgen");
    ScopedPlatform platform({Platform().registry, Platform().clock, Platform().paths, Platform().clipboard,
                             Platform().notifier, &resources});
    UnitTable table;
    ASSERT_TRUE(table.Load());
    EXPECT_EQ(table.GetCategoryName(0), L"Beschleunigung");
    EXPECT_EQ(table.GetUnitName(1), L"Gravity");  // Acceleration's units have no entries
    ASSERT_TRUE(table.SelectCategory(kArea));
    EXPECT_EQ(table.GetCategoryName(kArea), L"Fläche");
    EXPECT_EQ(table.GetUnitName(0), L"Morgen");
    EXPECT_EQ(table.GetUnitName(10), L"Square miles (survey)");

    resources.AddString(417, L"Acceleration");
    EXPECT_TRUE(table.Load());
    EXPECT_EQ(table.GetCategoryName(0), L"Beschleunigung");  // loads once
}

TEST_F(UnitTableTest, SelectionsOutsideTheCatalogueAreRefusedAndChangeNothing)
{
    ASSERT_TRUE(table_.SelectCategory(kTemperature));
    EXPECT_FALSE(table_.SelectCategory(18));
    EXPECT_EQ(table_.GetCategory(), kTemperature);
    EXPECT_FALSE(table_.SetFromUnit(5));
    EXPECT_FALSE(table_.SetToUnit(256));
    EXPECT_EQ(table_.GetFromUnit(), 0u);
    EXPECT_EQ(table_.GetToUnit(), 1u);
    EXPECT_EQ(table_.GetUnitName(5), L"");
}

TEST_F(UnitTableTest, EachCategoryKeepsItsOwnPairAndSwapsIt)
{
    Choose(kLength, L"Meters", L"Feet");
    Choose(kWeight, L"Pounds", L"Kilograms");
    table_.SwapUnits();
    EXPECT_EQ(table_.GetFromAbbreviation(), L"kg");
    EXPECT_EQ(table_.GetToAbbreviation(), L"lb");
    ASSERT_TRUE(table_.SelectCategory(kLength));
    EXPECT_EQ(table_.GetFromAbbreviation(), L"m");
    EXPECT_EQ(table_.GetToAbbreviation(), L"ft");
}

struct KnownConversion {
    std::uint32_t category;
    double value;
    const wchar_t* from;
    const wchar_t* to;
    double expected;
};

// Published definitions: the international mile and pound, the imperial
// gallon, standard gravity, the thermochemical calorie, the troy pound of
// twelve troy ounces, the torr of 1/760 atmosphere.
const KnownConversion kKnownConversions[] = {
    {kLength, 1.0, L"Miles", L"Meters", 1609.344},
    {kLength, 1.0, L"Nautical miles", L"Meters", 1852.0},
    {kLength, 100.0, L"Meters", L"Feet", 328.0839895013123},
    {kWeight, 1.0, L"Pounds", L"Kilograms", 0.45359237},
    {kWeight, 1.0, L"Ounces (troy)", L"Grams", 31.1034768},
    {kWeight, 1.0, L"Troy pounds", L"Ounces (troy)", 12.0},
    {16, 1.0, L"Gallons (UK)", L"Liters", 4.54609},
    {kCooking, 1.0, L"Centiliters", L"Milliliters", 10.0},
    {kArea, 1.0, L"Acres", L"Square feet", 43560.0},
    {kDataStorage, 1.0, L"kilobyte", L"byte", 1024.0},
    {kDataStorage, 1.0, L"exabyte", L"kilobyte", 1125899906842624.0},
    {kDataStorage, 1.0, L"Word", L"bit", 16.0},
    {kDataStorage, 1.0, L"Dword", L"byte", 4.0},
    {kDataStorage, 1.0, L"Qword", L"Word", 4.0},
    {kAngle, 90.0, L"Degrees", L"Radians", 1.5707963267948966},
    {kTime, 1.0, L"Years", L"Days", 365.24219878},
    {kTime, 1.0, L"Years", L"Months", 12.0},
    {0, 1.0, L"Gravity", L"Meters per second²", 9.80665},
    {6, 1.0, L"Calories", L"Joules", 4.184},
    {11, 1.0, L"Atmospheres", L"Pascals", 101325.0},
    {11, 1.0, L"Atmospheres", L"Torrs", 760.0},
    {11, 1.0, L"Pounds force per in²", L"Pascals", 6894.757293168361},
    {10, 1.0, L"Horse Power (metric)", L"Watts", 735.49875},
    {kFuelEconomy, 10.0, L"Kilometers per liter", L"Liters per 100 km", 10.0},
    {kFuelEconomy, 10.0, L"Liters per 100 km", L"Gallons per 100 miles", 4.25143707430272},
    {kFuelEconomy, 50.0, L"Miles per gallon", L"Liters per 100 km", 4.704291666},
    {kTemperature, -10.0, L"Kelvin", L"Celsius", -273.15},
    {kTemperature, 0.0, L"Réaumur", L"Kelvin", 273.15},
    {kTemperature, 491.67, L"Rankine", L"Celsius", 0.0},
    {kTemperature, -500.0, L"Fahrenheit", L"Rankine", 0.0},
    {kTemperature, -300.0, L"Réaumur", L"Réaumur", -218.52},
};

TEST_F(UnitTableTest, KnownConversionsMatchPublishedDefinitions)
{
    for (const KnownConversion& known : kKnownConversions) {
        SCOPED_TRACE(testing::Message() << known.value << " " << testing::PrintToString(std::wstring(known.from))
                                        << " to " << testing::PrintToString(std::wstring(known.to)));
        Choose(known.category, known.from, known.to);
        EXPECT_NEAR(table_.ConvertValue(known.value), known.expected, 1e-9 * std::max(1.0, std::fabs(known.expected)));
    }
}

// Consumption (volume per distance) and economy (distance per volume) are
// reciprocal: within a kind results scale with the value, across kinds
// inversely; zero stays zero in every pair.
TEST_F(UnitTableTest, FuelEconomyPairsAreProportionalOrReciprocal)
{
    const std::vector<std::wstring> consumption = {L"l/100km", L"gal/100mi", L"gal/100km", L"gal/100mi (UK)",
                                                   L"gal/100km (UK)", L"l/100mi"};
    const auto isConsumption = [&](std::uint32_t unit) {
        return std::find(consumption.begin(), consumption.end(), table_.GetUnitAbbreviation(unit)) != consumption.end();
    };
    ASSERT_TRUE(table_.SelectCategory(kFuelEconomy));
    for (std::uint32_t from = 0; from < table_.GetUnitCount(); ++from) {
        for (std::uint32_t to = 0; to < table_.GetUnitCount(); ++to) {
            ASSERT_TRUE(table_.SetFromUnit(from));
            ASSERT_TRUE(table_.SetToUnit(to));
            EXPECT_EQ(table_.ConvertValue(0.0), 0.0) << from << " to " << to;
            const double one = table_.ConvertValue(1.0);
            const double expected = isConsumption(from) == isConsumption(to) ? 8.0 * one : one / 8.0;
            EXPECT_NEAR(table_.ConvertValue(8.0), expected, 1e-12 * std::fabs(expected)) << from << " to " << to;
        }
    }
}

TEST_F(UnitTableTest, ReadingsBelowAbsoluteZeroAreRaisedToIt)
{
    ASSERT_TRUE(table_.SelectCategory(kTemperature));
    ASSERT_TRUE(table_.SetToUnit(UnitNamed(L"Kelvin")));
    for (std::uint32_t from = 0; from < table_.GetUnitCount(); ++from) {
        ASSERT_TRUE(table_.SetFromUnit(from));
        EXPECT_NEAR(table_.ConvertValue(-1e6), 0.0, 1e-9) << "from unit " << from;
    }
}

// Values to carry there and back: temperatures stay above every scale's
// absolute zero, the others span many magnitudes.
std::vector<double> RoundTripValues(std::uint32_t category)
{
    if (category == kTemperature) {
        return {0.5, 36.6, 300.0, 1000.0};
    }
    return {-3.5, 1e-7, 0.25, 1.0, 12.5, 7e12};
}

TEST_F(UnitTableTest, EveryUnitConvertsToEveryOtherAndBack)
{
    for (std::uint32_t category = 0; category < table_.GetCategoryCount(); ++category) {
        ASSERT_TRUE(table_.SelectCategory(category));
        for (std::uint32_t from = 0; from < table_.GetUnitCount(); ++from) {
            for (std::uint32_t to = 0; to < table_.GetUnitCount(); ++to) {
                for (const double value : RoundTripValues(category)) {
                    ASSERT_TRUE(table_.SetFromUnit(from));
                    ASSERT_TRUE(table_.SetToUnit(to));
                    const double there = table_.ConvertValue(value);
                    table_.SwapUnits();
                    const double back = table_.ConvertValue(there);
                    EXPECT_NEAR(back, value, 1e-9 * std::max(1.0, std::fabs(value)))
                        << "category " << category << " units " << from << " and " << to;
                }
            }
        }
    }
}

struct TextConversion {
    std::uint32_t category;
    const wchar_t* from;
    const wchar_t* to;
    const wchar_t* input;
    const wchar_t* whole;
    const wchar_t* significand;
    const wchar_t* exponent;
};

const TextConversion kTextConversions[] = {
    {kTemperature, L"Celsius", L"Fahrenheit", L"100", L"212", L"212", L""},
    {kLength, L"Meters", L"Nanometers", L"1234567.89012", L"1.23456789012e+015", L"1.234567890", L"015"},
    {kLength, L"Meters", L"Kilometers", L"0.00025", L"2.5e-007", L"2.5", L"-007"},
    {kLength, L"Meters", L"Nanometers", L"-1e20", L"-1.e+029", L"-1", L"029"},
    {kLength, L"Meters", L"Kilometers", L"  15e-3xyz", L"0.000015", L"0.000015", L""},
    {kLength, L"Meters", L"Centimeters", L"abc", L"0", L"0", L""},
    {kDataStorage, L"exabyte", L"bit", L"1e300", L"infinity", L"infinity", L""},
};

TEST_F(UnitTableTest, ConvertGivesTheResultTextWholeOrInParts)
{
    const ResultPart parts[] = {ResultPart::Whole, ResultPart::Significand, ResultPart::Exponent};
    for (const TextConversion& conversion : kTextConversions) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(conversion.input)));
        Choose(conversion.category, conversion.from, conversion.to);
        const wchar_t* expected[] = {conversion.whole, conversion.significand, conversion.exponent};
        for (std::size_t part = 0; part < std::size(parts); ++part) {
            std::wstring out = L"stale";
            ASSERT_TRUE(table_.Convert(conversion.input, out, parts[part]));
            EXPECT_EQ(out, expected[part]);
            EXPECT_EQ(table_.ResultText(), conversion.whole);
        }
    }
}

}  // namespace
}  // namespace tallyx
