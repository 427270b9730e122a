#include <gtest/gtest.h>

#include <string>

#include "tests/convert/command_output.h"

namespace tallyx::cli {
namespace {

using testing::CommandOutput;

CommandOutput RunConvert(const Arguments& arguments)
{
    return testing::RunCommand(kConvertCommand, arguments);
}

struct ConversionCase {
    Arguments arguments;
    std::string printed;  // or, when refused, a part of what stderr must say
    int status = kExitOk;
};

const ConversionCase kConversions[] = {
    {{"Temperature", "100", "Celsius", "Fahrenheit"}, "212\n"},
    {{"temperature", "-300", "°c", "k"}, "0\n"},
    {{"Length", "100", "m", "ft"}, "328.083989501\n"},
    {{"LENGTH", " 2.5 ", "KILOMETERS", "meters"}, "2500\n"},
    {{"weight", "1", "T", "t"}, "1.0160469088\n"},
    {{"Acceleration", "1", "m/s2", "ft/s²"}, "3.28083989501\n"},
    {{"Data Storage", "1", "MB", "Kb"}, "1024\n"},
    {{"Length", "1e-3", "Kilo", "Meter"}, "1\n"},
    {{}, "usage: tallyx-cli convert CATEGORY VALUE FROM TO", kExitUsage},
    {{"Length", "1", "m"}, "usage:", kExitUsage},
    {{"--list", "Length", "extra"}, "usage:", kExitUsage},
    {{"Lenght", "1", "m", "ft"}, "unknown category 'Lenght'; the closest are Length", kExitUsage},
    {{"Length", "1", "meterz", "ft"}, "unknown Length unit 'meterz'; the closest are Meters (m)", kExitUsage},
    {{"Volume", "1", "Gallons", "l"}, "'Gallons' could be more than one Volume unit: Gallons, liquid (US)", kExitUsage},
    {{"Length", "12abc", "m", "ft"}, "'12abc' is not a number", kExitUsage},
    {{"Length", "", "m", "ft"}, "'' is not a number", kExitUsage},
};

TEST(UnitConvertCommandTest, PrintsTheResultTextOrRefusesWithHelp)
{
    for (const ConversionCase& conversion : kConversions) {
        SCOPED_TRACE(::testing::PrintToString(conversion.arguments));
        const CommandOutput output = RunConvert(conversion.arguments);
        EXPECT_EQ(output.status, conversion.status);
        const bool refused = conversion.status != kExitOk;
        EXPECT_EQ(output.out, refused ? "" : conversion.printed);
        EXPECT_NE((refused ? output.error : output.out).find(conversion.printed), std::string::npos) << output.error;
        EXPECT_EQ(output.error.empty(), !refused);
    }
}

TEST(UnitConvertCommandTest, ListsCategoriesOrTheUnitsOfOne)
{
    const CommandOutput categories = RunConvert({"--list"});
    EXPECT_EQ(categories.status, kExitOk);
    EXPECT_TRUE(categories.out.starts_with("Acceleration\nAngle\nArea\n"));
    EXPECT_TRUE(categories.out.ends_with("Volume\nWeight (Mass)\n"));

    const CommandOutput units = RunConvert({"--list", "temperature"});
    EXPECT_EQ(units.status, kExitOk);
    EXPECT_EQ(units.out,
              "Celsius     °C\n"
              "Fahrenheit  °F\n"
              "Kelvin      °K\n"
              "Rankine     °R\n"
              "Réaumur     °Ré\n");
}

}  // namespace
}  // namespace tallyx::cli
