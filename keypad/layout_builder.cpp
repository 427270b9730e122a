#include "keypad/layout_builder.h"

#include <cstdint>
#include <string>

#include "keypad/caption_table.h"
#include "keypad/key_rewriting.h"
#include "platform/ini_text.h"
#include "platform/number_text.h"

namespace tallyx {
namespace {

constexpr std::wstring_view kInitSection = L"Init";
constexpr std::wstring_view kMainSection = L"MainButtons";
constexpr std::wstring_view kAlternateSection = L"AltButtons";
constexpr std::wstring_view kSecondSection = L"2nd";
constexpr std::wstring_view kHyperbolicSection = L"Hyp";
constexpr std::wstring_view kHyperbolicSecondSection = L"Hyp2nd";
constexpr std::int32_t kDefaultGridSize = 3;

std::wstring PositionKey(std::int64_t position)
{
    return L"Btn" + FormatInteger(position);
}

// No keypad comes near this; a larger side is a broken text, not a grid to walk.
constexpr std::int32_t kLargestGridSide = 100;

std::int64_t PositionCount(std::int32_t rows, std::int32_t columns)
{
    const auto fits = [](std::int32_t side) { return side > 0 && side <= kLargestGridSide; };
    return fits(rows) && fits(columns) ? std::int64_t{rows} * columns : 0;
}

ButtonDef WithCaption(ButtonDef button)
{
    const ButtonCaption caption = CaptionFor(button.type, button.id);
    button.caption = caption.caption;
    button.raisedCaption = caption.raisedCaption;
    return button;
}

class LayoutReader {
public:
    LayoutReader(const IniText& layoutText, const IniText& skin, KeyRewriting rewriting)
        : layoutText_(layoutText), skin_(skin), rewriting_(rewriting)
    {
    }

    // The key at a position of a section, if the position is there.
    bool Read(std::wstring_view section, std::int64_t position, bool memoryKeys, ButtonDef& button) const
    {
        std::wstring name;
        if (layoutText_.GetString(name, section, PositionKey(position), L"") != StatusOk) {
            return false;
        }
        button = ButtonFromSkin(skin_, name);
        if (memoryKeys && rewriting_.advancedMemory) {
            button = RewriteForAdvancedMemory(button);
        }
        if (rewriting_.rpnKeys) {
            button = RewriteForRpn(button);
        }
        button = WithCaption(button);
        return true;
    }

    void AppendIfPresent(std::wstring_view section, std::int64_t position, bool memoryKeys,
                         std::vector<ButtonDef>& list) const
    {
        ButtonDef button;
        if (Read(section, position, memoryKeys, button)) {
            list.push_back(button);
        }
    }

private:
    const IniText& layoutText_;
    const IniText& skin_;
    KeyRewriting rewriting_;
};

}  // namespace

ButtonDef ButtonFromSkin(const IniText& skin, std::wstring_view name)
{
    ButtonDef button;
    skin.GetInt(button.type, name, L"BtnType", 0);
    skin.GetInt(button.id, name, L"BtnId", 0);
    skin.GetInt(button.style, name, L"BtnStyle", 0);
    return WithCaption(button);
}

LayoutDef BuildLayout(const IniText& layoutText, const IniText& skin, KeyRewriting rewriting)
{
    LayoutDef layout;
    layoutText.GetInt(layout.mainRows, kInitSection, L"MainBtnRows", kDefaultGridSize);
    layoutText.GetInt(layout.mainColumns, kInitSection, L"MainBtnColumns", kDefaultGridSize);
    layoutText.GetInt(layout.alternateRows, kInitSection, L"AltBtnRows", kDefaultGridSize);
    layoutText.GetInt(layout.alternateColumns, kInitSection, L"AltBtnColumns", kDefaultGridSize);

    const LayoutReader reader(layoutText, skin, rewriting);
    const std::int64_t mainPositions = PositionCount(layout.mainRows, layout.mainColumns);
    for (std::int64_t position = 1; position <= mainPositions; ++position) {
        reader.AppendIfPresent(kMainSection, position, true, layout.mainButtons);
    }

    // [AltButtons] and [2nd] each end at their first missing position; [Hyp]
    // and [Hyp2nd] are read where [2nd] has a key.
    bool alternateGoesOn = true;
    bool secondGoesOn = true;
    const std::int64_t alternatePositions = PositionCount(layout.alternateRows, layout.alternateColumns);
    for (std::int64_t position = 1; position <= alternatePositions && (alternateGoesOn || secondGoesOn); ++position) {
        ButtonDef button;
        alternateGoesOn = alternateGoesOn && reader.Read(kAlternateSection, position, true, button);
        if (alternateGoesOn) {
            layout.alternateButtons.push_back(button);
        }
        secondGoesOn = secondGoesOn && reader.Read(kSecondSection, position, false, button);
        if (secondGoesOn) {
            layout.secondButtons.push_back(button);
            reader.AppendIfPresent(kHyperbolicSection, position, false, layout.hyperbolicButtons);
            reader.AppendIfPresent(kHyperbolicSecondSection, position, false, layout.hyperbolicSecondButtons);
        }
    }
    return layout;
}

}  // namespace tallyx
