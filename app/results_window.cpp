#include "app/results_window.h"

#include <algorithm>
#include <cstdlib>

#include "app/csv_save.h"
#include "app/keypad_geometry.h"
#include "platform/window_messages.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

constexpr long kClosed = 0;
constexpr int kBold = 700;
constexpr wchar_t kSaveCsvCaption[] = L"Save CSV";

}  // namespace

ResultsWindow::ResultsWindow(std::wstring title, std::vector<ResultRow> rows, const SkinColors& colors,
                             std::int32_t skinIndex, std::string csv)
    : title_(std::move(title)), rows_(std::move(rows)), csv_(std::move(csv)), colors_(colors), skinIndex_(skinIndex)
{
}

std::wstring ResultsWindow::RightCaption() const
{
    return csv_.empty() ? L"" : kSaveCsvCaption;
}

void ResultsWindow::Run(WindowHost& parent)
{
    RunModal(&parent, parent.ClientRect(), title_);
}

long ResultsWindow::OnCreate(std::uintptr_t, std::intptr_t)
{
    softKeys_.SetWindow(Window());
    softKeys_.SetCaptions(L"Back", RightCaption());
    Layout();
    return 1;
}

long ResultsWindow::OnSize(std::uintptr_t, std::intptr_t)
{
    Layout();
    return 1;
}

void ResultsWindow::Layout()
{
    const Rect client = Window()->ClientRect();
    const ScreenMetrics metrics = ScreenMetrics::ForClient(client.Width(), client.Height());
    const KeypadGeometry geometry = ComputeKeypadGeometry(metrics, nullptr);
    softKeys_.Place(geometry, skinIndex_);
    unit_ = metrics.Unit();
    valueFont_ = FontSpec{kFontFamily, metrics.smallIcon, kBold};
    labelFont_ = FontSpec{kFontFamily, std::max(1, metrics.smallIcon - 2 * unit_), kBold};
    rowHeight_ = std::max(1, 3 * metrics.smallIcon / 2);
    const int margin = metrics.icon / 4;
    titleLine_ = {margin, 2 * unit_, client.right - margin, 2 * unit_ + rowHeight_};
    rowsArea_ = {margin, titleLine_.bottom + unit_, client.right - margin, geometry.softKeyBar.top - unit_};
    ScrollBy(0);
    Window()->InvalidateAll();
}

int ResultsWindow::RoomForRows() const
{
    return std::max(1, rowsArea_.Height() / rowHeight_);
}

Rect ResultsWindow::RowRect(int row) const
{
    const int shown = row - firstShown_;
    if (shown < 0 || shown >= RoomForRows() || row >= static_cast<int>(rows_.size())) return {};
    const int top = rowsArea_.top + shown * rowHeight_;
    return {rowsArea_.left, top, rowsArea_.right, top + rowHeight_};
}

void ResultsWindow::ScrollBy(int rows)
{
    const int last = std::max(0, static_cast<int>(rows_.size()) - RoomForRows());
    const int first = std::clamp(firstShown_ + rows, 0, last);
    if (first == firstShown_) return;
    firstShown_ = first;
    if (Window()) Window()->InvalidateAll();
}

long ResultsWindow::Draw(Canvas& canvas, const Rect&)
{
    const Rect client = Window()->ClientRect();
    canvas.FillRect(client, colors_.background);
    canvas.DrawText(title_, titleLine_, valueFont_, colors_.topText, TextAlignCenter | TextAlignVCenter | TextEndEllipsis);
    for (int row = firstShown_; row < static_cast<int>(rows_.size()); ++row) {
        const Rect rect = RowRect(row);
        if (rect.IsEmpty()) break;
        canvas.FillRect(rect.Inflated(unit_, 0).Inflated(0, -1), row % 2 == 0 ? colors_.worksheet1 : colors_.worksheet2);
        const ResultRow& shown = rows_[static_cast<std::size_t>(row)];
        canvas.DrawText(shown.label, rect, labelFont_, colors_.topText, TextAlignLeft | TextAlignVCenter);
        canvas.DrawText(shown.value, rect, valueFont_, colors_.text, TextAlignRight | TextAlignVCenter);
    }
    softKeys_.Draw(canvas);
    return 1;
}

long ResultsWindow::OnPenDown(Point point)
{
    softKeys_.PenDown(point);
    return 1;
}

long ResultsWindow::OnPenUp(Point point)
{
    softKeys_.PenUp(point);
    return 1;
}

long ResultsWindow::OnKeyUp(std::uintptr_t first, std::intptr_t)
{
    switch (first) {
    case VK_UP: ScrollBy(-1); break;
    case VK_DOWN: ScrollBy(1); break;
    case VK_ESCAPE:
    case VK_F1:
    case VK_RETURN: Close(); break;
    default: break;
    }
    return 1;
}

long ResultsWindow::OnUserMessage(std::uint32_t message, std::uintptr_t, std::intptr_t)
{
    if (message != SoftKeyBar::kLeftMessage && message != SoftKeyBar::kMiddleMessage &&
        message != SoftKeyBar::kRightMessage) {
        return kNotHandled;
    }
    // The list stays open after a save, for another copy or another look.
    if (message == SoftKeyBar::kRightMessage && !csv_.empty()) {
        SaveCsv(*Window(), csv_, skinIndex_);
    } else {
        Close();
    }
    return 1;
}

long ResultsWindow::OnClose(std::uintptr_t, std::intptr_t)
{
    Close();
    return 1;
}

long ResultsWindow::DefaultHandler(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    if (message != WM_MOUSEWHEEL) return WindowBase::DefaultHandler(message, first, second);
    // A wheel turned away from the user (a positive turn) brings the earlier rows back.
    const int delta = WheelDeltaOf(first);
    const int notches = std::max(1, std::abs(delta) / kWheelNotch);
    if (delta != 0) ScrollBy(delta > 0 ? -notches : notches);
    return 1;
}

void ResultsWindow::Close()
{
    if (Window()) Window()->EndModal(kClosed);
}

}  // namespace tallyx
