#pragma once

#include <cstdint>
#include <string_view>

#include "platform/status.h"

namespace tallyx {

class IniText;

// Skins 0 to 4 are built in; skin 5 is custom.ini in the program data folder.
constexpr std::int32_t kBuiltInSkinCount = 5;
constexpr std::int32_t kCustomSkin = 5;
constexpr std::int32_t kSkinCount = 6;
constexpr std::string_view kCustomSkinFileName = "custom.ini";

// The name the options show for a skin; empty for the custom skin. Any index
// that is not another skin's is the first, "Metallic blue".
std::wstring_view SkinOptionsName(std::int32_t skinIndex);
// The built-in text of a skin; any index other than 1 to 4 is the first's.
std::string_view SkinTextName(std::int32_t skinIndex);
// Loads the skin text: the built-in one, or custom.ini for skin 5.
Status LoadSkin(IniText& skin, std::int32_t skinIndex);

}  // namespace tallyx
