#include <sstream>

#include <gtest/gtest.h>

#include "app/driver_action.h"
#include "app/headless_driver.h"
#include "app/start_options.h"
#include "app/state_listing.h"
#include "platform/window_messages.h"

namespace tallyx {
namespace {

TEST(FrameStartOptions, ReadsEveryOption)
{
    const auto parsed = ParseStartOptions({"--screenshot", "out.png", "--screen", "640x480", "--type", "3", "--mode",
                                           "4", "--skin", "2", "--keys", "7", "Plus", "--taps", "10,20", "30,40",
                                           "--do", "key", "2", "hold", "5,6", "--dump-state"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    const StartOptions& options = *parsed.options;
    EXPECT_EQ(options.screenshotPath, "out.png");
    EXPECT_EQ(options.screen, (tallyx::Size{640, 480}));
    EXPECT_EQ(options.type, 3);
    EXPECT_EQ(options.mode, 4);
    EXPECT_EQ(options.skin, 2);
    EXPECT_EQ(options.keys, (std::vector<std::wstring>{L"7", L"Plus"}));
    EXPECT_EQ(options.taps, (std::vector<Point>{{10, 20}, {30, 40}}));
    ASSERT_EQ(options.actions.size(), 2u);
    EXPECT_EQ(options.actions.back().words, "hold 5,6");
    EXPECT_TRUE(options.dumpState);
    EXPECT_TRUE(options.Headless());

    // Actions alone, or the listing alone, run without a display too.
    EXPECT_TRUE(ParseStartOptions({"--do", "wait", "1"}).options->Headless());
    EXPECT_TRUE(ParseStartOptions({"--dump-state"}).options->Headless());
    EXPECT_TRUE(ParseStartOptions({"--help"}).options->help);

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
        {"--do"},            {"--do", "--dump-state"}, {"--do", "tap", "10"},
    };
    for (const auto& arguments : cases) {
        const auto parsed = ParseStartOptions(arguments);
        EXPECT_FALSE(parsed.options) << arguments.front();
        EXPECT_FALSE(parsed.error.empty());
    }
}

TEST(DriverActions, ReadsEachActionAndItsArgument)
{
    const std::vector<std::string> words = {"key",  "Plus",     "tap",  "10,20",  "hold", "0,0",
                                            "drag", "1,2,30,40", "type", "12*3=", "vk",   "Escape",
                                            "wait", "250",       "button", "Back", "choose", "About..."};
    const ParsedDriverActions parsed = ParseDriverActions(words);
    ASSERT_TRUE(parsed.error.empty()) << parsed.error;
    ASSERT_EQ(parsed.actions.size(), 9u);
    const auto& actions = parsed.actions;
    EXPECT_EQ(actions[0].kind, DriverAction::Key);
    EXPECT_EQ(actions[0].text, L"Plus");
    EXPECT_EQ(actions[1].points, (std::vector<Point>{{10, 20}}));
    EXPECT_EQ(actions[2].kind, DriverAction::Hold);
    EXPECT_EQ(actions[3].points, (std::vector<Point>{{1, 2}, {30, 40}}));
    EXPECT_EQ(actions[4].text, L"12*3=");
    EXPECT_EQ(actions[5].virtualKey, static_cast<std::uint32_t>(VK_ESCAPE));
    EXPECT_EQ(actions[6].milliseconds, 250);
    EXPECT_EQ(actions[7].kind, DriverAction::Button);
    EXPECT_EQ(actions[8].text, L"About...");
    EXPECT_EQ(actions[8].words, "choose About...");
}

TEST(DriverActions, RefusesWhatCannotBeDone)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"press", "7"}, "'press' is not an action"},
        {{"key"}, "'key' needs an argument"},
        {{"tap", "10"}, "'tap 10' needs X,Y"},
        {{"tap", "-1,5"}, "'tap -1,5' needs X,Y"},
        {{"tap", "1,2,3,4"}, "'tap 1,2,3,4' needs X,Y"},
        {{"hold", "a,b"}, "'hold a,b' needs X,Y"},
        {{"drag", "1,2"}, "'drag 1,2' needs X1,Y1,X2,Y2"},
        {{"drag", "1,2,3,"}, "'drag 1,2,3,' needs X1,Y1,X2,Y2"},
        {{"wait", "-5"}, "'wait -5' needs milliseconds"},
        {{"wait", "3600000"}, "'wait 3600000' needs milliseconds"},
        {{"vk", "Home"}, "'vk Home' is not one of"},
        {{"type", ""}, "'type ' needs a text"},
    };
    for (const auto& [words, error] : cases) {
        const ParsedDriverActions parsed = ParseDriverActions(words);
        EXPECT_TRUE(parsed.actions.empty()) << words.front();
        EXPECT_EQ(parsed.error.rfind(error, 0), 0u) << parsed.error;
    }
}

TEST(StateListingLines, WriteKindWordsTextRectangleMarksAndValue)
{
    StateLine menu{"menu", {}, L"Copy", Rect::FromSize(10, 40, 80, 29)};
    menu.marks = {"checked", "disabled"};
    StateLine control{"control", {"amount", "edit"}, std::nullopt, Rect::FromSize(1, 2, 3, 4)};
    control.value = L"12.5";
    const std::vector<std::pair<StateLine, std::string>> cases = {
        {{"window", {"calculator", "0"}, L"Tallyx - Standard"}, R"(window calculator 0 "Tallyx - Standard")"},
        {menu, R"(menu "Copy" 10 40 80 29 checked disabled)"},
        {control, R"(control amount edit 1 2 3 4 "12.5")"},
        {{"pending", {}, L"say \"hi\" \\ 5\u00b0"}, "pending \"say \\\"hi\\\" \\\\ 5\u00b0\""},
        {Offset({"button", {}, L"OK", Rect::FromSize(0, 600, 200, 40)}, {5, -10}), R"(button "OK" 5 590 200 40)"},
    };
    for (const auto& [line, text] : cases) EXPECT_EQ(FormatStateLine(line), text);
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
