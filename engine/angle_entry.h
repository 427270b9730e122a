#pragma once

#include <string>

namespace tallyx {

// Typing an angle in degrees, minutes and seconds: 12°30′15.5. The degree
// key starts the minutes and then the seconds; minutes and seconds take two
// digits each, after which the next mark comes by itself.

constexpr wchar_t kDegreeSign = L'°';
constexpr wchar_t kMinuteSign = L'′';

bool HoldsDegrees(const std::wstring& number);

// Types a digit 0..9 or the degree key (EntryKeyDegree) into number, which
// either holds a degree sign or gets one from this key. False, leaving number
// as it was, when the key has no place there.
bool TypeIntoAngle(std::wstring& number, int id);

}  // namespace tallyx
