#include "app/command_words.h"

#include <charconv>

namespace tallyx {

std::optional<int> ParseWholeNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<std::vector<Point>> ParsePoints(std::string_view text, std::size_t wanted)
{
    std::vector<int> numbers;
    while (true) {
        const auto separator = text.find(',');
        const auto number = ParseWholeNumber(text.substr(0, separator));
        if (!number || *number < 0) return std::nullopt;
        numbers.push_back(*number);
        if (separator == std::string_view::npos) break;
        text.remove_prefix(separator + 1);
    }
    if (numbers.size() != 2 * wanted) return std::nullopt;
    std::vector<Point> points;
    for (std::size_t index = 0; index < numbers.size(); index += 2) {
        points.push_back({numbers[index], numbers[index + 1]});
    }
    return points;
}

}  // namespace tallyx
