#include "app/start_options.h"

#include <charconv>

#include "platform/wide_text.h"

namespace tallyx {
namespace {

constexpr int kLargestScreenSide = 4096;

std::optional<int> ParseNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// "WxH" with both sides from 1 to the largest side.
std::optional<tallyx::Size> ParseScreen(std::string_view text)
{
    const auto separator = text.find('x');
    if (separator == std::string_view::npos) return std::nullopt;
    const auto width = ParseNumber(text.substr(0, separator));
    const auto height = ParseNumber(text.substr(separator + 1));
    if (!width || !height || *width < 1 || *height < 1 || *width > kLargestScreenSide || *height > kLargestScreenSide) {
        return std::nullopt;
    }
    return tallyx::Size{*width, *height};
}

std::optional<Point> ParseTap(std::string_view text)
{
    const auto separator = text.find(',');
    if (separator == std::string_view::npos) return std::nullopt;
    const auto x = ParseNumber(text.substr(0, separator));
    const auto y = ParseNumber(text.substr(separator + 1));
    if (!x || !y || *x < 0 || *y < 0) return std::nullopt;
    return Point{*x, *y};
}

bool IsOption(const std::string& argument)
{
    return argument.rfind("--", 0) == 0;
}

}  // namespace

const char* const kStartUsage =
    "usage: tallyx [--screen WxH]\n"
    "       tallyx --screenshot FILE.png [--screen WxH] [--type N] [--mode N] [--skin N] [--keys KEY...] [--taps X,Y...]\n"
    "       tallyx --dump-layout [--screen WxH] [--type N] [--mode N]\n";

ParsedStartOptions ParseStartOptions(const std::vector<std::string>& arguments)
{
    StartOptions options;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& option = arguments[index];
        const bool hasValue = index + 1 < arguments.size() && !IsOption(arguments[index + 1]);
        auto fail = [&](const std::string& why) { return ParsedStartOptions{std::nullopt, option + ": " + why}; };
        auto number = [&](std::optional<int>& target) {
            if (!hasValue) return false;
            target = ParseNumber(arguments[++index]);
            return target.has_value();
        };
        if (option == "--dump-layout") {
            options.dumpLayout = true;
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
                const auto tap = ParseTap(arguments[++index]);
                if (!tap) return ParsedStartOptions{std::nullopt, "--taps: '" + arguments[index] + "' is not X,Y"};
                options.taps.push_back(*tap);
            }
        } else {
            return fail("unknown option");
        }
    }
    return ParsedStartOptions{options, ""};
}

}  // namespace tallyx
