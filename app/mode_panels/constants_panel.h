#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/mode_panels/constants_panel_layout.h"
#include "app/mode_panels/panel_button.h"
#include "app/panel.h"

namespace tallyx {

// The constants browser over the keypad: a button per level of the library
// that has entries, each opening the level's list, and "+Fav", which adds
// the constant chosen last to the favourites of the Constants key. Choosing
// a constant enters its value; three lines below show where the user is.
class ConstantsPanel : public Panel {
public:
    // Level n's list sends kFirstLevelCommand + n * kLevelCommandStep + index;
    // a list therefore shows at most kLevelCommandStep entries.
    static constexpr std::uint32_t kFirstLevelCommand = 2600;
    static constexpr std::uint32_t kLevelCommandStep = 200;
    static constexpr std::uintptr_t kNoteTimer = 11;
    static constexpr int kNoteMilliseconds = 3000;
    static constexpr wchar_t kFavouriteCaption[] = L"+Fav";

    long Draw(Canvas& canvas, const Rect& clip) override;
    long KeyDown(std::uint32_t virtualKey) override;
    long KeyUp(std::uint32_t virtualKey) override;
    long PenDown(Point point) override;
    long PenUp(Point point) override;
    long Command(std::uint32_t command, std::intptr_t parameter) override;
    long Timer(std::uintptr_t timer) override;
    long Attach(const PanelContext& context) override;
    void TypeChanging(int newType) override;
    void DescribeState(std::vector<StateLine>& lines) const override;

    // The level buttons that show, then "+Fav": the order the focus keys walk.
    std::vector<PanelButton> Buttons() const;
    // The text area's three lines, top first.
    std::vector<std::wstring> TextLines() const;
    ConstantsPanelLayout Layout() const;

private:
    // What the text area shows for a while after a choice or "+Fav".
    struct Note {
        std::vector<std::wstring> lines;
    };

    int LevelButtonCount() const;
    void Press(std::size_t button);
    void OpenLevelList(int level);
    void Choose(int level, int index);
    void AddFavourite();
    void ShowNote(std::vector<std::wstring> lines);
    std::wstring PathTo(int level) const;
    void MoveFocus(std::uint32_t virtualKey);
    std::optional<std::size_t> ButtonAt(Point point) const;
    void Repaint() const;

    bool mapped_ = false;
    std::size_t focus_ = 0;
    std::optional<std::size_t> pressed_;
    std::optional<Note> note_;
};

}  // namespace tallyx
