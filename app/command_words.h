#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "platform/geometry.h"

namespace tallyx {

// A whole decimal number and nothing else.
std::optional<int> ParseWholeNumber(std::string_view text);
// "X,Y" pairs joined by commas, as many as wanted: "10,20" or "10,20,30,40";
// no coordinate may be negative.
std::optional<std::vector<Point>> ParsePoints(std::string_view text, std::size_t wanted);

}  // namespace tallyx
