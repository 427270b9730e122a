#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/cli/cli_command.h"

namespace tallyx::cli {
namespace {

struct CommandOutput {
    int status;
    std::string out;
    std::string error;
};

CommandOutput RunConvert(const Arguments& arguments)
{
    std::ostringstream out;
    std::ostringstream error;
    const int status = kConvertCommand.run(arguments, out, error);
    return {status, out.str(), error.str()};
}

struct ConversionCase {
    Arguments arguments;
    std::string printed;
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
};

TEST(UnitConvertCommandTest, PrintsTheResultText)
{
    for (const ConversionCase& conversion : kConversions) {
        SCOPED_TRACE(testing::PrintToString(conversion.arguments));
        const CommandOutput output = RunConvert(conversion.arguments);
        EXPECT_EQ(output.status, kExitOk);
        EXPECT_EQ(output.out, conversion.printed);
        EXPECT_EQ(output.error, "");
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

struct RefusalCase {
    Arguments arguments;
    std::string message;  // a part of what stderr must say
};

const RefusalCase kRefusals[] = {
    {{}, "usage: tallyx-cli convert CATEGORY VALUE FROM TO"},
    {{"Length", "1", "m"}, "usage:"},
    {{"--list", "Length", "extra"}, "usage:"},
    {{"Lenght", "1", "m", "ft"}, "unknown category 'Lenght'; the closest are Length"},
    {{"Length", "1", "meterz", "ft"}, "unknown Length unit 'meterz'; the closest are Meters (m)"},
    {{"Volume", "1", "Gallons", "l"}, "'Gallons' could be more than one Volume unit: Gallons, liquid (US)"},
    {{"Length", "12abc", "m", "ft"}, "'12abc' is not a number"},
    {{"Length", "", "m", "ft"}, "'' is not a number"},
};

TEST(UnitConvertCommandTest, RefusesUnknownNamesAndBadValuesWithHelp)
{
    for (const RefusalCase& refusal : kRefusals) {
        SCOPED_TRACE(testing::PrintToString(refusal.arguments));
        const CommandOutput output = RunConvert(refusal.arguments);
        EXPECT_EQ(output.status, kExitUsage);
        EXPECT_EQ(output.out, "");
        EXPECT_NE(output.error.find(refusal.message), std::string::npos) << output.error;
    }
}

}  // namespace
}  // namespace tallyx::cli
