#include "app/fitted_label.h"

#include <algorithm>
#include <optional>

namespace tallyx {
namespace {

// One line may shrink by a quarter before the label takes two lines.
constexpr int kOneLineShrinkQuarters = 3;
// Below this no text is legible; a label that fits nowhere is drawn at it.
constexpr int kSmallestPixels = 6;

// The widest line's width and the tallest line's height.
Size MeasureLines(Canvas& canvas, const std::vector<std::wstring>& lines, const FontSpec& font)
{
    Size measured;
    for (const std::wstring& line : lines) {
        const Size size = canvas.MeasureText(line, font);
        measured.width = std::max(measured.width, size.width);
        measured.height = std::max(measured.height, size.height);
    }
    return measured;
}

// The largest font from wanted down to smallest in which the lines fit the room.
std::optional<FittedLabel> FitIn(Canvas& canvas, const std::vector<std::wstring>& lines, Size room,
                                 const FontSpec& wanted, int smallest)
{
    FontSpec font = wanted;
    const int lineCount = static_cast<int>(lines.size());
    for (font.pixelHeight = wanted.pixelHeight; font.pixelHeight >= smallest; --font.pixelHeight) {
        const Size measured = MeasureLines(canvas, lines, font);
        if (measured.width <= room.width && measured.height * lineCount <= room.height) {
            return FittedLabel{font, lines, measured.height};
        }
    }
    return std::nullopt;
}

// The split at a space that makes the wider of the two lines narrowest.
std::optional<std::vector<std::wstring>> BalancedLines(Canvas& canvas, std::wstring_view text, const FontSpec& font)
{
    std::optional<std::vector<std::wstring>> best;
    int bestWidth = 0;
    for (std::size_t space = text.find(L' '); space != std::wstring_view::npos; space = text.find(L' ', space + 1)) {
        std::vector<std::wstring> lines{std::wstring(text.substr(0, space)), std::wstring(text.substr(space + 1))};
        const int width = MeasureLines(canvas, lines, font).width;
        if (!best || width < bestWidth) {
            best = std::move(lines);
            bestWidth = width;
        }
    }
    return best;
}

}  // namespace

FittedLabel FitLabel(Canvas& canvas, std::wstring_view text, Size room, const FontSpec& wanted)
{
    const std::vector<std::wstring> oneLine{std::wstring(text)};
    const int oneLineSmallest = std::max(kSmallestPixels, wanted.pixelHeight * kOneLineShrinkQuarters / 4);
    if (auto fitted = FitIn(canvas, oneLine, room, wanted, oneLineSmallest)) return *fitted;
    if (const auto twoLines = BalancedLines(canvas, text, wanted)) {
        if (auto fitted = FitIn(canvas, *twoLines, room, wanted, kSmallestPixels)) return *fitted;
    }
    if (auto fitted = FitIn(canvas, oneLine, room, wanted, kSmallestPixels)) return *fitted;
    FontSpec smallest = wanted;
    smallest.pixelHeight = kSmallestPixels;
    return {smallest, oneLine, canvas.MeasureText(text, smallest).height};
}

void DrawFittedLabel(Canvas& canvas, const FittedLabel& label, const Rect& room, Color color)
{
    const int lineCount = static_cast<int>(label.lines.size());
    int top = room.top + (room.Height() - lineCount * label.lineHeight) / 2;
    for (const std::wstring& line : label.lines) {
        canvas.DrawText(line, {room.left, top, room.right, top + label.lineHeight}, label.font, color,
                        TextAlignLeft | TextAlignVCenter);
        top += label.lineHeight;
    }
}

}  // namespace tallyx
