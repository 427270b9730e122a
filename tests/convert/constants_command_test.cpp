#include <string>

#include <gtest/gtest.h>

#include "platform/memory_registry.h"
#include "platform/services.h"
#include "tests/convert/command_output.h"

namespace tallyx::cli {
namespace {

using testing::CommandOutput;

class ConstCommandTest : public ::testing::Test {
protected:
    CommandOutput Run(const Arguments& arguments) { return testing::RunCommand(kConstCommand, arguments); }

    MemoryRegistry registry_;
    ScopedPlatform platform_{[this] {
        PlatformServices services = Platform();
        services.registry = &registry_;
        return services;
    }()};
};

TEST_F(ConstCommandTest, BrowsesGroupsAndPrintsValues)
{
    struct Case {
        Arguments arguments;
        std::string printed;
    };
    const Case cases[] = {
        {{}, "Mathematics ->\nPhysics ->\nSolar System ->\nElements ->\n"},
        {{"Physics"}, "Universal ->\nElectromagnetic ->\nAtomic and Nuclear ->\nPhysico-chemical ->\nCommon Values ->\n"},
        {{"Physics", "Universal"},
         "Speed of light (m/s) = 299792458\nGravitation (m³/kg·s²) = 6.6743e-011\n"
         "Planck (J·s) = 6.62607015e-034\nReduced Planck (J·s) = 1.054571817e-034\n"},
        {{"physics->UNIVERSAL -> speed of light (m/s)"}, "299792458\n"},
        {{"Solar System", "Earth", "Basic Attributes", "Mass (kg)"}, "5.9736e+024\n"},
        {{"Elements", "C to D", "Carbon (C)", "Atomic number"}, "6\n"},
    };
    for (const Case& testCase : cases) {
        const CommandOutput output = Run(testCase.arguments);
        EXPECT_EQ(output.status, kExitOk) << output.error;
        EXPECT_EQ(output.out.substr(0, testCase.printed.size()), testCase.printed);
        EXPECT_EQ(output.error, "");
    }
}

TEST_F(ConstCommandTest, WrongPathsAreUsageErrors)
{
    struct Case {
        Arguments arguments;
        std::string message;
    };
    const Case cases[] = {
        {{"Chemistry"}, "there is no 'Chemistry' in the library"},
        {{"Physics", "Universal", "Speed"}, "there is no 'Speed' in Physics->Universal"},
        {{"Mathematics", "Apery", "digits"}, "'Apery' is a constant, not a group"},
        {{"--find"}, "usage"},
        {{"--find", "  "}, "needs a text"},
    };
    for (const Case& testCase : cases) {
        const CommandOutput output = Run(testCase.arguments);
        EXPECT_EQ(output.status, kExitUsage) << testCase.message;
        EXPECT_EQ(output.out, "");
        EXPECT_NE(output.error.find(testCase.message), std::string::npos) << output.error;
    }
}

TEST_F(ConstCommandTest, FindSearchesConstantAndGroupNamesInAnyCase)
{
    const CommandOutput light = Run({"--find", "SPEED OF LIGHT"});
    EXPECT_EQ(light.status, kExitOk);
    EXPECT_EQ(light.out, "Physics->Universal->Speed of light (m/s) = 299792458\n");

    const CommandOutput accented = Run({"--find", "DENSITY (G/CM³)"});
    EXPECT_NE(accented.out.find("Elements->C to D->Carbon (C)->Density (g/cm³) = 2.2\n"), std::string::npos);
    EXPECT_TRUE(Run({"--find", "ganymede"})
                    .out.starts_with("Solar System->Jupiter Satellites->Ganymede->Semimajor axis (km) = 1070400\n"));

    const CommandOutput none = Run({"--find", "xyzzy"});
    EXPECT_EQ(none.status, kExitFailure);
    EXPECT_EQ(none.out, "");
    EXPECT_NE(none.error.find("xyzzy"), std::string::npos);
}

}  // namespace
}  // namespace tallyx::cli
