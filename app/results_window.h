#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/soft_key_bar.h"
#include "keypad/skin_colors.h"
#include "ui/window_base.h"
#include "worksheets/worksheet_host.h"

namespace tallyx {

// A modal list of labelled values over the whole frame: the label left, the
// value right, "Back" on the soft-key bar. Up, Down and the wheel scroll a
// list longer than the window; Back, F1, Escape or any other tap on the bar
// close it. A list given the CSV text of its table offers "Save CSV" on the
// bar's right side, which saves that text through the file dialog.
class ResultsWindow : public WindowBase {
public:
    ResultsWindow(std::wstring title, std::vector<ResultRow> rows, const SkinColors& colors, std::int32_t skinIndex,
                  std::string csv = {});

    void Run(WindowHost& parent);

    const std::wstring& Title() const { return title_; }
    const std::vector<ResultRow>& Rows() const { return rows_; }
    // "Save CSV" for a list with a CSV to save, empty otherwise.
    std::wstring RightCaption() const;
    int FirstShownRow() const { return firstShown_; }
    // How many rows the window has room for.
    int RoomForRows() const;
    // Where a shown row sits; nothing for a row scrolled away.
    Rect RowRect(int row) const;

protected:
    long OnCreate(std::uintptr_t first, std::intptr_t second) override;
    long OnSize(std::uintptr_t first, std::intptr_t second) override;
    long Draw(Canvas& canvas, const Rect& clip) override;
    long OnPenDown(Point point) override;
    long OnPenUp(Point point) override;
    long OnKeyUp(std::uintptr_t first, std::intptr_t second) override;
    long OnUserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    long OnClose(std::uintptr_t first, std::intptr_t second) override;
    // Takes the mouse wheel, which scrolls the rows.
    long DefaultHandler(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;

private:
    void Layout();
    void ScrollBy(int rows);
    void Close();

    std::wstring title_;
    std::vector<ResultRow> rows_;
    std::string csv_;
    const SkinColors& colors_;
    std::int32_t skinIndex_;
    SoftKeyBar softKeys_;
    Rect titleLine_;
    Rect rowsArea_;
    int rowHeight_ = 1;
    int unit_ = 2;
    FontSpec labelFont_;
    FontSpec valueFont_;
    int firstShown_ = 0;
};

}  // namespace tallyx
