#include "keypad/skin_colors.h"

#include <string>

#include "platform/ini_text.h"
#include "platform/number_text.h"

namespace tallyx {
namespace {

constexpr std::wstring_view kInitSection = L"Init";
constexpr std::wstring_view kSkinSection = L"Skin";

struct ColorSetKeys {
    Color ColorSet::*field;
    std::wstring_view keyOfSetZero;    // in [Skin]
    std::wstring_view suffixOfButtons; // in [Init] after "Btn<k>"
};

constexpr ColorSetKeys kColorSetKeys[] = {
    {&ColorSet::color1, L"Color1", L"Color1"},      {&ColorSet::color2, L"Color2", L"Color2"},
    {&ColorSet::hiLite1, L"HiLite1", L"HiLite1"},   {&ColorSet::hiLite2, L"HiLite2", L"HiLite2"},
    {&ColorSet::text1, L"TextColor", L"Text1"},     {&ColorSet::text2, L"TextColorTop", L"Text2"},
};

struct SkinColorKey {
    Color SkinColors::*field;
    std::wstring_view key;
};

constexpr SkinColorKey kSkinColorKeys[] = {
    {&SkinColors::background, L"Background"}, {&SkinColors::text, L"TextColor"},
    {&SkinColors::topText, L"TextTopColor"},  {&SkinColors::worksheet1, L"WS1"},
    {&SkinColors::worksheet2, L"WS2"},
};

}  // namespace

const ColorSet& SkinColors::SetForStyle(std::int32_t style) const
{
    const bool known = style >= 0 && style < kColorSetCount - 1;
    return sets[known ? static_cast<std::size_t>(style) + 1 : 1];
}

SkinColors ReadSkinColors(const IniText& skin)
{
    SkinColors colors;
    for (const ColorSetKeys& keys : kColorSetKeys) {
        skin.GetColor(colors.sets[0].*keys.field, kSkinSection, keys.keyOfSetZero, kMissingSkinColor);
        for (int set = 1; set < SkinColors::kColorSetCount; ++set) {
            const std::wstring key = L"Btn" + FormatInteger(set) + std::wstring(keys.suffixOfButtons);
            skin.GetColor(colors.sets[static_cast<std::size_t>(set)].*keys.field, kInitSection, key, kMissingSkinColor);
        }
    }
    for (const SkinColorKey& entry : kSkinColorKeys) {
        skin.GetColor(colors.*entry.field, kSkinSection, entry.key, kMissingSkinColor);
    }
    std::int32_t shadow = 0;
    skin.GetInt(colors.faceStyle, kInitSection, L"BtnType", 0);
    skin.GetInt(shadow, kInitSection, L"UseShadow", 0);
    colors.shadow = shadow != 0;
    return colors;
}

}  // namespace tallyx
