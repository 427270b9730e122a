#include "keypad/button_vocabulary.h"

#include "keypad/layout_builder.h"
#include "keypad/skin_catalogue.h"
#include "platform/ini_text.h"
#include "platform/wide_text.h"

namespace tallyx {
namespace {

// The sections of a skin that are not keys.
constexpr std::wstring_view kColorSections[] = {L"Init", L"Skin"};

bool IsKeySection(std::wstring_view name)
{
    for (const std::wstring_view section : kColorSections) {
        if (EqualNoCase(name, section)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<ButtonDef> FindButtonByName(std::wstring_view name, int skinIndex)
{
    IniText skin;
    if (skinIndex < 0 || skinIndex >= kBuiltInSkinCount || !IsKeySection(name) ||
        skin.LoadFromResource(SkinTextName(skinIndex)) != StatusOk || !skin.FindSection(name)) {
        return std::nullopt;
    }
    return ButtonFromSkin(skin, name);
}

std::vector<std::wstring> ButtonNames()
{
    IniText skin;
    std::vector<std::wstring> names;
    if (skin.LoadFromResource(SkinTextName(0)) != StatusOk) {
        return names;
    }
    for (const IniSection& section : skin.Sections()) {
        if (IsKeySection(section.name)) {
            names.push_back(section.name);
        }
    }
    return names;
}

}  // namespace tallyx
