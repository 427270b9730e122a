#pragma once

#include <string>
#include <string_view>

#include "engine/button_types.h"

namespace tallyx {

// What a key does, in the words a screen reader speaks: "Square root" for
// the key drawn "√‾". A key without a spoken name is read by its caption.
std::wstring SpokenKeyName(const ButtonKey& key, std::wstring_view caption);

}  // namespace tallyx
