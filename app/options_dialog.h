#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/options_record.h"
#include "app/soft_key_bar.h"
#include "ui/menu_list.h"
#include "ui/window_base.h"

namespace tallyx {

class PopupMenuWindow;

// The full-screen options dialog: the settings as a sectioned list of rows;
// a tapped row opens a choice menu of its values. It edits a copy of the
// record: the caller applies and saves it when the dialog answers OK.
class OptionsDialog : public WindowBase {
public:
    static constexpr long kResultOk = 1;
    static constexpr long kResultCancel = 2;
    static constexpr std::uint32_t kRowCommand = 5000;
    static constexpr std::uint32_t kChoiceCommand = 5001;
    static constexpr std::uint32_t kOkCommand = 32775;
    static constexpr std::uint32_t kCancelCommand = 32774;
    static constexpr std::uint32_t kOpenCommand = 1;
    // Pen input is ignored this long after a choice menu closed.
    static constexpr std::chrono::milliseconds kPenGuard{1000};

    // menu is the caller's drawn menu, shown over the dialog for the choices;
    // skinIndex colours the soft-key bar.
    OptionsDialog(const OptionsRecord& record, PopupMenuWindow& menu, std::int32_t skinIndex);

    // Runs full screen over parent; true when OK ended it.
    bool Run(WindowHost& parent);
    const OptionsRecord& Record() const { return record_; }

    // The option of the selected row, if a row is selected.
    std::optional<Option> SelectedOption() const;
    // Selects the row of that option; false when it has no row.
    bool SelectOption(Option option);
    // The list's rows: where each option's row sits (tests tap them).
    std::optional<Rect> RowRectOf(Option option) const;
    // Opens the choice menu of the selected row.
    void OpenChoices();

protected:
    long OnCreate(std::uintptr_t first, std::intptr_t second) override;
    long OnSize(std::uintptr_t first, std::intptr_t second) override;
    long Draw(Canvas& canvas, const Rect& clip) override;
    long OnPenDown(Point point) override;
    long OnPenMove(Point point) override;
    long OnPenUp(Point point) override;
    long OnKeyDown(std::uintptr_t first, std::intptr_t second) override;
    long OnKeyUp(std::uintptr_t first, std::intptr_t second) override;
    long OnCommand(std::uintptr_t first, std::intptr_t second) override;
    long OnClose(std::uintptr_t first, std::intptr_t second) override;
    long OnDestroy(std::uintptr_t first, std::intptr_t second) override;
    long OnUserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    // Takes the mouse wheel, which scrolls the rows.
    long DefaultHandler(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;

private:
    void Layout();
    void FillList();
    bool DrawRow(Canvas& canvas, const MenuEntry& entry, const Rect& row, bool selected) const;
    bool PenBlocked() const;
    void StoreChoice();
    void End(long result);
    std::optional<std::size_t> RowIndexOf(Option option) const;

    OptionsRecord record_;
    PopupMenuWindow& menu_;
    std::int32_t skinIndex_;
    MenuList list_;
    SoftKeyBar softKeys_;
    Rect listArea_;
    int icon_ = 32;
    int smallIcon_ = 16;
};

}  // namespace tallyx
