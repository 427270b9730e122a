#include "app/mode_panels/converter_layout.h"

#include <algorithm>
#include <numeric>

namespace tallyx {
namespace {

// The keypad's share of a portrait window's height above the soft-key bar.
constexpr int kPortraitKeypadPercent = 55;
constexpr int kBold = 700;

FontSpec Font(int height, int weight)
{
    return FontSpec{kFontFamily, std::max(1, height), weight};
}

// Captions take about 5/7 of the smaller side of a key, long ones a little less.
CaptionFonts FontsFor(const GridPlacement& grid)
{
    const Size key = GridKeySize(grid);
    const int side = std::min(key.width, key.height);
    const FontSpec large = Font(5 * side / 7, kBold);
    const FontSpec small = Font(4 * side / 7, kBold);
    return {large, small, small, large};
}

std::vector<Rect> SplitRows(const Rect& area, std::span<const int> weights)
{
    std::vector<Rect> rows;
    const int total = std::accumulate(weights.begin(), weights.end(), 0);
    if (total <= 0) return rows;
    int top = area.top;
    int sum = 0;
    for (const int weight : weights) {
        sum += weight;
        const int bottom = area.top + area.Height() * sum / total;
        rows.push_back({area.left, top, area.right, bottom});
        top = bottom;
    }
    return rows;
}

}  // namespace

ConverterLayout ComputeConverterLayout(const ScreenMetrics& metrics, const LayoutDef* layout,
                                       std::span<const int> rowWeights)
{
    const KeypadGeometry keypadGeometry = ComputeKeypadGeometry(metrics, layout);
    const int margin = keypadGeometry.margin;
    const int gap = keypadGeometry.gap;
    const int bottom = keypadGeometry.softKeyBar.top - metrics.Unit();
    const int buttonHeight = 3 * metrics.icon / 4;

    ConverterLayout converter;
    converter.metrics = metrics;
    const GridShape keyShape = layout ? GridShape{layout->mainRows, layout->mainColumns, gap} : GridShape{};
    Rect information;
    if (metrics.Landscape()) {
        const int middle = metrics.width / 2;
        converter.buttons = {{margin, margin, middle - margin, margin + buttonHeight}, {1, ConverterLayout::kButtonCount, gap}};
        information = {margin, converter.buttons.area.bottom + margin, middle - margin, bottom};
        converter.keypad = {{middle, margin, metrics.width - margin, bottom}, keyShape};
    } else {
        const int keypadTop = bottom - (bottom - margin) * kPortraitKeypadPercent / 100;
        converter.buttons = {{margin, margin, metrics.width - margin, margin + buttonHeight}, {1, ConverterLayout::kButtonCount, gap}};
        information = {margin, converter.buttons.area.bottom + margin, metrics.width - margin, keypadTop - margin};
        converter.keypad = {{margin, keypadTop, metrics.width - margin, bottom}, keyShape};
    }
    converter.rows = SplitRows(information, rowWeights);
    converter.buttonFonts = FontsFor(converter.buttons);
    converter.keyFonts = FontsFor(converter.keypad);
    return converter;
}

}  // namespace tallyx
