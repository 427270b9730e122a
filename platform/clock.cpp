#include "platform/clock.h"

#include <chrono>
#include <ctime>

namespace tallyx {
namespace {

DateTime FromBrokenDown(const std::tm& parts, int milliseconds)
{
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_wday,
            parts.tm_hour,        parts.tm_min,     parts.tm_sec,  milliseconds};
}

template <typename Convert>
DateTime Now(Convert convert)
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto sinceEpoch = now.time_since_epoch();
    const int milliseconds = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch - std::chrono::floor<std::chrono::seconds>(sinceEpoch))
            .count());
    std::tm parts{};
    convert(&seconds, &parts);
    return FromBrokenDown(parts, milliseconds);
}

}  // namespace

DateTime SystemClock::LocalTime() const
{
    return Now(localtime_r);
}

DateTime SystemClock::SystemTime() const
{
    return Now(gmtime_r);
}

}  // namespace tallyx
