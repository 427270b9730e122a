#include "app/start_options.h"

#include <algorithm>
#include <iterator>
#include <span>

#include "app/command_words.h"
#include "platform/wide_text.h"

namespace tallyx {
namespace {

constexpr int kLargestScreenSide = 4096;

// "WxH" with both sides from 1 to the largest side.
std::optional<tallyx::Size> ParseScreen(std::string_view text)
{
    const auto separator = text.find('x');
    if (separator == std::string_view::npos) return std::nullopt;
    const auto width = ParseWholeNumber(text.substr(0, separator));
    const auto height = ParseWholeNumber(text.substr(separator + 1));
    if (!width || !height || *width < 1 || *height < 1 || *width > kLargestScreenSide || *height > kLargestScreenSide) {
        return std::nullopt;
    }
    return tallyx::Size{*width, *height};
}

bool IsOption(const std::string& argument)
{
    return argument.rfind("--", 0) == 0;
}

}  // namespace

const char* const kStartUsage =
    "usage: tallyx [--screen WxH] | --help\n"
    "       tallyx --screenshot FILE.png [--screen WxH] [--type N] [--mode N] [--skin N] [--keys KEY...] [--taps X,Y...]\n"
    "       tallyx --dump-layout [--screen WxH] [--type N] [--mode N]\n"
    "       tallyx --do ACTION... [--dump-state] [--screenshot FILE.png]\n"
    "              [--screen WxH] [--type N] [--mode N] [--skin N] [--keys KEY...] [--taps X,Y...]\n"
    "  each ACTION goes to the window on top: key NAME | tap X,Y | hold X,Y | drag X1,Y1,X2,Y2 | type TEXT\n"
    "    | vk Left|Right|Up|Down|Return|Escape|Tab|Back|F1|F2 | wait MS | button CAPTION | choose ITEM\n"
    "  --dump-state then lists every open window, bottom first, one fact a line\n";

ParsedStartOptions ParseStartOptions(const std::vector<std::string>& arguments)
{
    StartOptions options;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& option = arguments[index];
        const bool hasValue = index + 1 < arguments.size() && !IsOption(arguments[index + 1]);
        auto fail = [&](const std::string& why) { return ParsedStartOptions{std::nullopt, option + ": " + why}; };
        auto number = [&](std::optional<int>& target) {
            if (!hasValue) return false;
            target = ParseWholeNumber(arguments[++index]);
            return target.has_value();
        };
        if (option == "--help") {
            options.help = true;
        } else if (option == "--dump-layout") {
            options.dumpLayout = true;
        } else if (option == "--dump-state") {
            options.dumpState = true;
        } else if (option == "--do") {
            const std::size_t first = index + 1;
            while (index + 1 < arguments.size() && !IsOption(arguments[index + 1])) ++index;
            ParsedDriverActions actions = ParseDriverActions(std::span(arguments).subspan(first, index + 1 - first));
            if (!actions.error.empty()) return fail(actions.error);
            if (actions.actions.empty()) return fail("needs actions");
            std::ranges::move(actions.actions, std::back_inserter(options.actions));
        } else if (option == "--screenshot") {
            if (!hasValue) return fail("needs a file name");
            options.screenshotPath = arguments[++index];
        } else if (option == "--screen") {
            const auto screen = hasValue ? ParseScreen(arguments[++index]) : std::nullopt;
            if (!screen) return fail("needs WxH, each side 1 to 4096");
            options.screen = *screen;
        } else if (option == "--type") {
            if (!number(options.type)) return fail("needs a number");
        } else if (option == "--mode") {
            if (!number(options.mode)) return fail("needs a number");
        } else if (option == "--skin") {
            if (!number(options.skin)) return fail("needs a number");
        } else if (option == "--keys") {
            while (index + 1 < arguments.size() && !IsOption(arguments[index + 1])) {
                options.keys.push_back(WidenUtf8(arguments[++index]));
            }
        } else if (option == "--taps") {
            while (index + 1 < arguments.size() && !IsOption(arguments[index + 1])) {
                const auto tap = ParsePoints(arguments[++index], 1);
                if (!tap) return ParsedStartOptions{std::nullopt, "--taps: '" + arguments[index] + "' is not X,Y"};
                options.taps.push_back(tap->front());
            }
        } else {
            return fail("unknown option");
        }
    }
    return ParsedStartOptions{options, ""};
}

}  // namespace tallyx
