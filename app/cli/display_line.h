#pragma once

#include <string>

#include "engine/number_formatter.h"

namespace tallyx::cli {

// A display as one console line: the main text, or a fraction as
// "<whole> <numerator>/<denominator>" with the whole part left out when empty.
std::string DisplayLine(const DisplayText& display);

}  // namespace tallyx::cli
