#pragma once

#include <string>

namespace tallyx {

// Where the rate update fetches from: the string value "RateURL" under the
// program key, else the environment variable TALLYX_RATE_URL, else "http://" +
// the value "RateHost" + the rate path. Empty when none of these is set, and
// the update then fails at once.
std::wstring RateUrl();

}  // namespace tallyx
