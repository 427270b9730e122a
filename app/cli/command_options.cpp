#include "app/cli/command_options.h"

#include <charconv>

#include "engine/angle_unit.h"
#include "platform/wide_text.h"

namespace tallyx::cli {

bool ReadInteger(std::string_view text, int low, int high, int& value)
{
    int read = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), read);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || read < low || read > high) return false;
    value = read;
    return true;
}

std::optional<int> ReadAngleUnit(std::string_view text)
{
    for (const AngleUnit unit : {AngleUnitDeg, AngleUnitRad, AngleUnitGrad}) {
        if (EqualNoCase(WidenUtf8(text), AngleUnitName(unit))) return unit;
    }
    return std::nullopt;
}

}  // namespace tallyx::cli
