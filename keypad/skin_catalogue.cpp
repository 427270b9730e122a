#include "keypad/skin_catalogue.h"

#include <array>

#include "platform/ini_text.h"
#include "platform/services.h"

namespace tallyx {
namespace {

struct SkinEntry {
    std::wstring_view optionsName;
    std::string_view textName;
};

constexpr std::array<SkinEntry, kBuiltInSkinCount> kBuiltInSkins = {{
    {L"Metallic blue", "IDR_TXT_BUTTON_BLUE"},
    {L"Midnight black", "IDR_TXT_BUTTON_BLACK"},
    {L"Wireless green", "IDR_TXT_BUTTON_GREEN"},
    {L"Glam pink", "IDR_TXT_BUTTON_PINK"},
    {L"Blue Steel", "IDR_TXT_BUTTON_SILVER"},
}};

const SkinEntry& BuiltInSkin(std::int32_t skinIndex)
{
    const bool known = skinIndex >= 0 && skinIndex < kBuiltInSkinCount;
    return kBuiltInSkins[known ? static_cast<std::size_t>(skinIndex) : 0];
}

}  // namespace

std::wstring_view SkinOptionsName(std::int32_t skinIndex)
{
    return skinIndex == kCustomSkin ? std::wstring_view() : BuiltInSkin(skinIndex).optionsName;
}

std::string_view SkinTextName(std::int32_t skinIndex)
{
    return BuiltInSkin(skinIndex).textName;
}

Status LoadSkin(IniText& skin, std::int32_t skinIndex)
{
    if (skinIndex == kCustomSkin) {
        return skin.LoadFromFile(Platform().paths->ProgramDataFolder() / kCustomSkinFileName);
    }
    return skin.LoadFromResource(SkinTextName(skinIndex));
}

}  // namespace tallyx
