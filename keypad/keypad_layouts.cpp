#include "keypad/keypad_layouts.h"

#include "keypad/layout_builder.h"
#include "keypad/skin_catalogue.h"
#include "platform/ini_text.h"
#include "platform/services.h"

namespace tallyx {
namespace {

constexpr std::wstring_view kAdvancedMemoryValue = L"AdvMem";
constexpr std::wstring_view kEntryModeValue = L"CalcMode";
constexpr std::uint32_t kRpnEntryMode = 4;

std::uint32_t StoredSetting(std::wstring_view name)
{
    std::uint32_t value = 0;
    return Platform().registry->ReadDword(kTallyxKey, name, value) == StatusOk ? value : 0;
}

// Worksheet layouts are not calculator layouts: going to or from one keeps the previous index.
bool IsCalculatorLayout(std::int32_t index)
{
    return index < LayoutWorksheet;
}

}  // namespace

KeypadLayouts::KeypadLayouts()
    : advancedMemory_(StoredSetting(kAdvancedMemoryValue) == 1), rpnKeys_(StoredSetting(kEntryModeValue) == kRpnEntryMode)
{
}

const LayoutDef* KeypadLayouts::Layout(std::int32_t index)
{
    if (!IsLayoutIndex(index)) {
        return nullptr;
    }
    auto& slot = layouts_[static_cast<std::size_t>(index)];
    if (!slot) {
        slot = Build(index);
    }
    return slot ? &*slot : nullptr;
}

const LayoutDef* KeypadLayouts::CurrentLayout() const
{
    if (!IsLayoutIndex(currentIndex_)) {
        return nullptr;
    }
    const auto& slot = layouts_[static_cast<std::size_t>(currentIndex_)];
    return slot ? &*slot : nullptr;
}

Status KeypadLayouts::SetCurrentLayout(std::int32_t index)
{
    if (!IsLayoutIndex(index)) {
        return StatusInvalidArgument;
    }
    if (index == currentIndex_) {
        return StatusOk;
    }
    if (!Layout(index)) {
        return StatusFail;
    }
    const std::int32_t leaving = IsLayoutIndex(currentIndex_) ? currentIndex_ : LayoutStandard;
    if (IsCalculatorLayout(index) && IsCalculatorLayout(leaving)) {
        previousIndex_ = leaving == index ? LayoutScientific : leaving;
    }
    currentIndex_ = index;
    return StatusOk;
}

Status KeypadLayouts::SetSkin(std::int32_t skinIndex, bool force)
{
    if (skinIndex < 0 || skinIndex >= kSkinCount) {
        return StatusInvalidArgument;
    }
    if (skinIndex == skinIndex_ && CurrentLayout() && !force) {
        return StatusOk;
    }
    skinIndex_ = skinIndex;
    for (auto& slot : layouts_) {
        slot.reset();
    }
    if (!IsLayoutIndex(currentIndex_)) {
        return StatusOk;
    }
    return Layout(currentIndex_) ? StatusOk : StatusFail;
}

std::optional<LayoutDef> KeypadLayouts::Build(std::int32_t index)
{
    IniText skin;
    if (LoadSkin(skin, skinIndex_) != StatusOk) {
        return std::nullopt;
    }
    colors_ = ReadSkinColors(skin);
    IniText layoutText;
    if (layoutText.LoadFromResource(LayoutTextName(index)) != StatusOk) {
        return std::nullopt;
    }
    return BuildLayout(layoutText, skin, {advancedMemory_, rpnKeys_ && RpnRewritingApplies(index)});
}

}  // namespace tallyx
