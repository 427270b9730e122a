#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "keypad/layout_catalogue.h"
#include "keypad/layout_def.h"
#include "keypad/skin_colors.h"
#include "platform/status.h"

namespace tallyx {

// The keeper of the keypad layouts of one window: builds each layout with
// the current skin on first use and keeps it until the skin or the key
// rewriting changes. The advanced-memory and RPN flags start from the stored
// settings.
class KeypadLayouts {
public:
    KeypadLayouts();

    // The layout of that index, built now if need be; none when the index is
    // out of range or the skin or layout text cannot be read.
    const LayoutDef* Layout(std::int32_t index);
    const LayoutDef* CurrentLayout() const;
    std::int32_t CurrentIndex() const { return currentIndex_; }
    // The calculator layout to go back to after a worksheet.
    std::int32_t PreviousIndex() const { return previousIndex_; }
    std::int32_t SkinIndex() const { return skinIndex_; }
    bool AdvancedMemory() const { return advancedMemory_; }
    bool RpnKeys() const { return rpnKeys_; }
    // The colours of the skin last read.
    const SkinColors& Colors() const { return colors_; }

    // StatusInvalidArgument for an index outside 0 to 12, StatusFail when the
    // layout cannot be built; either way nothing changes.
    Status SetCurrentLayout(std::int32_t index);
    // Takes the skin and rebuilds the current layout with it at once, the
    // others on next use. Without force an unchanged skin keeps a built layout.
    // StatusInvalidArgument for an index outside 0 to 5; StatusFail when the
    // current layout cannot be built with the skin.
    Status SetSkin(std::int32_t skinIndex, bool force);
    // Take effect at the next build; SetSkin with force rebuilds.
    void SetAdvancedMemory(bool on) { advancedMemory_ = on; }
    void SetRpnKeys(bool on) { rpnKeys_ = on; }

private:
    std::optional<LayoutDef> Build(std::int32_t index);

    std::array<std::optional<LayoutDef>, kLayoutCount> layouts_;
    std::int32_t currentIndex_ = kNoLayout;
    std::int32_t previousIndex_ = kNoLayout;
    std::int32_t skinIndex_ = 0;
    bool advancedMemory_ = false;
    bool rpnKeys_ = false;
    SkinColors colors_;
};

}  // namespace tallyx
