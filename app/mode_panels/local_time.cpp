#include "app/mode_panels/local_time.h"

#include <ctime>

namespace tallyx {
namespace {

constexpr int kFirstTmYear = 1900;

std::tm BrokenDown(const DateTime& moment)
{
    std::tm parts{};
    parts.tm_year = moment.year - kFirstTmYear;
    parts.tm_mon = moment.month - 1;
    parts.tm_mday = moment.day;
    parts.tm_hour = moment.hour;
    parts.tm_min = moment.minute;
    parts.tm_sec = moment.second;
    parts.tm_isdst = -1;
    return parts;
}

DateTime FromBrokenDown(const std::tm& parts, int milliseconds)
{
    return {parts.tm_year + kFirstTmYear, parts.tm_mon + 1, parts.tm_mday, parts.tm_wday,
            parts.tm_hour,                parts.tm_min,     parts.tm_sec,  milliseconds};
}

// The fields must name a moment as they stand: a normalised 31 April is refused.
bool SameFields(const std::tm& wanted, const std::tm& got)
{
    return wanted.tm_year == got.tm_year && wanted.tm_mon == got.tm_mon && wanted.tm_mday == got.tm_mday;
}

}  // namespace

bool LocalFromUniversal(const DateTime& universal, DateTime& local)
{
    std::tm parts = BrokenDown(universal);
    const std::tm wanted = parts;
    const std::time_t seconds = timegm(&parts);
    if (!SameFields(wanted, parts)) return false;
    std::tm converted{};
    if (!localtime_r(&seconds, &converted)) return false;
    local = FromBrokenDown(converted, universal.milliseconds);
    return true;
}

bool UniversalFromLocal(const DateTime& local, DateTime& universal)
{
    std::tm parts = BrokenDown(local);
    const std::tm wanted = parts;
    const std::time_t seconds = std::mktime(&parts);
    if (!SameFields(wanted, parts)) return false;
    std::tm converted{};
    if (!gmtime_r(&seconds, &converted)) return false;
    universal = FromBrokenDown(converted, local.milliseconds);
    return true;
}

}  // namespace tallyx
