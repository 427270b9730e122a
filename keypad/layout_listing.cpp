#include "keypad/layout_listing.h"

#include <string_view>
#include <vector>

#include "keypad/layout_def.h"
#include "keypad/skin_colors.h"
#include "platform/number_text.h"

namespace tallyx {
namespace {

struct ListedArea {
    std::wstring_view name;
    std::vector<ButtonDef> LayoutDef::*buttons;
};

constexpr ListedArea kAreas[] = {
    {L"main", &LayoutDef::mainButtons},
    {L"alt", &LayoutDef::alternateButtons},
    {L"2nd", &LayoutDef::secondButtons},
    {L"hyp", &LayoutDef::hyperbolicButtons},
    {L"hyp2nd", &LayoutDef::hyperbolicSecondButtons},
};

struct ListedSetColor {
    std::wstring_view name;
    Color ColorSet::*field;
};

constexpr ListedSetColor kSetColors[] = {
    {L"color1", &ColorSet::color1},   {L"color2", &ColorSet::color2}, {L"hilite1", &ColorSet::hiLite1},
    {L"hilite2", &ColorSet::hiLite2}, {L"text1", &ColorSet::text1},   {L"text2", &ColorSet::text2},
};

struct ListedSkinColor {
    std::wstring_view name;
    Color SkinColors::*field;
};

constexpr ListedSkinColor kSkinColors[] = {
    {L"background", &SkinColors::background}, {L"text", &SkinColors::text},
    {L"text-top", &SkinColors::topText},      {L"worksheet1", &SkinColors::worksheet1},
    {L"worksheet2", &SkinColors::worksheet2},
};

std::wstring ColorText(Color color)
{
    return FormatInteger(RedOf(color)) + L',' + FormatInteger(GreenOf(color)) + L',' + FormatInteger(BlueOf(color));
}

void ListButton(std::wstring& out, std::wstring_view area, std::size_t position, const ButtonDef& button)
{
    out.append(area).append(L" ").append(FormatInteger(static_cast<long long>(position)));
    for (const std::int32_t field : {button.type, button.id, button.style}) {
        out.append(L" ").append(FormatInteger(field));
    }
    out.append(L" \"").append(button.caption);
    if (*button.raisedCaption) {
        out.append(L"^").append(button.raisedCaption);
    }
    out.append(L"\"\n");
}

void ListColors(std::wstring& out, const SkinColors& colors)
{
    out.append(L"face-style ").append(FormatInteger(colors.faceStyle)).append(L"\n");
    out.append(L"shadow ").append(colors.shadow ? L"on" : L"off").append(L"\n");
    for (const ListedSkinColor& entry : kSkinColors) {
        out.append(entry.name).append(L" ").append(ColorText(colors.*entry.field)).append(L"\n");
    }
    for (std::size_t set = 0; set < colors.sets.size(); ++set) {
        for (const ListedSetColor& entry : kSetColors) {
            out.append(L"set").append(FormatInteger(static_cast<long long>(set))).append(L"-").append(entry.name);
            out.append(L" ").append(ColorText(colors.sets[set].*entry.field)).append(L"\n");
        }
    }
}

}  // namespace

std::wstring LayoutListing(const LayoutDef& layout, const SkinColors& colors)
{
    std::wstring out;
    for (const ListedArea& area : kAreas) {
        const std::vector<ButtonDef>& buttons = layout.*area.buttons;
        for (std::size_t index = 0; index < buttons.size(); ++index) {
            ListButton(out, area.name, index + 1, buttons[index]);
        }
    }
    ListColors(out, colors);
    return out;
}

}  // namespace tallyx
