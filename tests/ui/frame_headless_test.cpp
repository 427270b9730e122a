#include <sstream>

#include <gtest/gtest.h>

#include "app/headless_driver.h"
#include "app/start_options.h"

namespace tallyx {
namespace {

TEST(FrameStartOptions, ReadsEveryOption)
{
    const auto parsed = ParseStartOptions({"--screenshot", "out.png", "--screen", "640x480", "--type", "3", "--mode",
                                           "4", "--skin", "2", "--keys", "7", "Plus", "--taps", "10,20", "30,40"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    const StartOptions& options = *parsed.options;
    EXPECT_EQ(options.screenshotPath, "out.png");
    EXPECT_EQ(options.screen, (tallyx::Size{640, 480}));
    EXPECT_EQ(options.type, 3);
    EXPECT_EQ(options.mode, 4);
    EXPECT_EQ(options.skin, 2);
    EXPECT_EQ(options.keys, (std::vector<std::wstring>{L"7", L"Plus"}));
    EXPECT_EQ(options.taps, (std::vector<Point>{{10, 20}, {30, 40}}));
    EXPECT_TRUE(options.Headless());

    const auto plain = ParseStartOptions({});
    ASSERT_TRUE(plain.options);
    EXPECT_FALSE(plain.options->Headless());
    EXPECT_EQ(plain.options->screen, (tallyx::Size{480, 640}));
}

TEST(FrameStartOptions, RefusesBadInput)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--screen", "640"}, {"--screen", "0x480"}, {"--screen", "99999x2"}, {"--type"},
        {"--type", "three"}, {"--taps", "10"},      {"--frobnicate"},
    };
    for (const auto& arguments : cases) {
        const auto parsed = ParseStartOptions(arguments);
        EXPECT_FALSE(parsed.options) << arguments.front();
        EXPECT_FALSE(parsed.error.empty());
    }
}

TEST(FrameHeadless, DumpsTheLayoutAndRefusesUnknownKeys)
{
    StartOptions options;
    options.dumpLayout = true;
    options.screen = {240, 320};
    options.type = 1;
    std::ostringstream out;
    std::ostringstream errors;
    ASSERT_EQ(RunHeadless(options, out, errors), 0) << errors.str();
    const std::string text = out.str();
    EXPECT_NE(text.find("display 2 2 236 40\n"), std::string::npos) << text;
    EXPECT_NE(text.find("indicator memory "), std::string::npos);
    EXPECT_NE(text.find(" 2 1 \"sin\"\n"), std::string::npos);

    options.keys = {L"NoSuchKey"};
    EXPECT_EQ(RunHeadless(options, out, errors), 2);
    EXPECT_NE(errors.str().find("NoSuchKey"), std::string::npos);
}

}  // namespace
}  // namespace tallyx
