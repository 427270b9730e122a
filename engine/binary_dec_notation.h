#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallyx {

// Each decimal digit as its four-bit group: 45 shows as 0100 0101. Only for
// whole numbers of up to eight digits; nothing otherwise (then Normal
// notation shows it).
std::optional<std::wstring> FormatBinaryDec(std::wstring_view text);

}  // namespace tallyx
