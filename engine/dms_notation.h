#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallyx {

// Decimal degrees as degrees, minutes and seconds: 12.5 shows as 12°30′00.
// Nothing for exponent texts and beyond 999999.59 (then Normal notation shows it).
std::optional<std::wstring> FormatDms(std::wstring_view text);

}  // namespace tallyx
