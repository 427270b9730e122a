#include "app/about_window.h"

#include <array>

#include "app/keypad_geometry.h"
#include "platform/window_messages.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

constexpr Color kTop = MakeColor(44, 52, 70);
constexpr Color kBottom = MakeColor(10, 12, 18);
constexpr Color kWhite = MakeColor(255, 255, 255);
constexpr Color kMuted = MakeColor(190, 196, 208);
constexpr long kBack = 1;

// The product text, one block a line: its text, its size in ninths of the
// icon width, bold or not, and its colour.
struct TextBlock {
    const wchar_t* text;
    int ninths;
    bool bold;
    Color color;
};

constexpr std::array<TextBlock, 5> kProductText = {{
    {L"Tallyx", 8, true, kWhite},
    {L"Version 1.0", 3, false, kMuted},
    {L"A calculator of many kinds in one window: standard, scientific and RPN keypads, base conversions, "
     L"financial and statistics worksheets, graphing, unit and currency conversion, dates and times, and a "
     L"library of constants.",
     3, false, kWhite},
    {L"Menu changes the kind of calculator; File holds the options, the tape and help.", 3, false, kMuted},
    {L"\u00A9 2026 Vexa. All rights reserved.", 3, false, kMuted},
}};

}  // namespace

void AboutWindow::Run(WindowHost& frame)
{
    RunModal(&frame, frame.ClientRect(), kTitle);
}

long AboutWindow::OnCreate(std::uintptr_t, std::intptr_t)
{
    softKeys_.SetWindow(Window());
    softKeys_.SetCaptions(L"Back", L"");
    Layout();
    return 1;
}

long AboutWindow::OnSize(std::uintptr_t, std::intptr_t)
{
    Layout();
    return 1;
}

void AboutWindow::Layout()
{
    const Rect client = Window()->ClientRect();
    const ScreenMetrics metrics = ScreenMetrics::ForClient(client.Width(), client.Height());
    icon_ = metrics.icon;
    softKeys_.Place(ComputeKeypadGeometry(metrics, nullptr), skinIndex_);
    Window()->InvalidateAll();
}

long AboutWindow::Draw(Canvas& canvas, const Rect&)
{
    const Rect client = Window()->ClientRect();
    const Rect page{client.left, client.top, client.right, softKeys_.Bounds().top};
    canvas.FillVerticalGradient(page, kTop, kBottom);
    const int margin = icon_ / 2;
    int top = page.top + icon_;
    for (const TextBlock& block : kProductText) {
        const FontSpec font{kFontFamily, block.ninths * icon_ / 9, block.bold ? 700 : 400};
        const Rect room{page.left + margin, top, page.right - margin, page.bottom};
        const int lineWidth = room.Width();
        // Word-broken blocks take as many lines as their width needs, with a
        // quarter more for the room lost at the line ends.
        const int textWidth = canvas.MeasureText(block.text, font).width * 5 / 4;
        const int lines = lineWidth > 0 ? textWidth / lineWidth + 1 : 1;
        const int height = lines * font.pixelHeight * 5 / 4;
        canvas.DrawText(block.text, {room.left, top, room.right, top + height}, font, block.color,
                        TextAlignCenter | TextWordBreak);
        top += height + icon_ / 3;
    }
    softKeys_.Draw(canvas);
    return 1;
}

long AboutWindow::OnPenDown(Point point)
{
    softKeys_.PenDown(point);
    return 1;
}

long AboutWindow::OnPenUp(Point point)
{
    softKeys_.PenUp(point);
    return 1;
}

long AboutWindow::OnKeyUp(std::uintptr_t first, std::intptr_t)
{
    if (first == VK_ESCAPE || first == VK_F1 || first == VK_RETURN) Window()->EndModal(kBack);
    return 1;
}

long AboutWindow::OnUserMessage(std::uint32_t message, std::uintptr_t, std::intptr_t)
{
    if (message != SoftKeyBar::kLeftMessage) return kNotHandled;
    Window()->EndModal(kBack);
    return 1;
}

long AboutWindow::OnClose(std::uintptr_t, std::intptr_t)
{
    Window()->EndModal(kBack);
    return 1;
}

}  // namespace tallyx
