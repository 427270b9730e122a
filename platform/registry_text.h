#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry_data.h"

namespace tallyx {

// The registry export text the settings store is kept in: a "REGEDIT4"
// header, one "[HKEY_CURRENT_USER\...]" section per key and one line per value:
//   "CalcType"=dword:00000000
//   "Memory0"="12.5"               (with \\ and \" escapes)
//   "WSTVM_PVal"=hex:00,00,6a,f8,40
// Text is UTF-8. Strings that a quoted text would not give back byte for
// byte, such as those holding control characters, are written as hex(1):
// (their UTF-16LE bytes), so every value survives a round trip.
std::string FormatRegistryText(const RegistryData& data);

// What an export holds: every value whose line could be read, and the names
// of those whose line could not ("line N" when not even the name reads).
struct RegistryTextReading {
    RegistryData data;
    std::vector<std::wstring> droppedValues;
};

// Nothing when the text is not such an export at all. A line that does not
// read costs only its own value; the values under a section line that does
// not read are dropped with it, as they belong to no known key.
std::optional<RegistryTextReading> ParseRegistryText(std::string_view text);

}  // namespace tallyx
