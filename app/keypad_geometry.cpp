#include "keypad/panel/keypad_geometry.h"

#include <algorithm>

namespace tallyx {
namespace {

constexpr int kBaseScreenSide = 240;
constexpr int kIconPerStep = 32;
constexpr int kSmallIconPerStep = 16;
constexpr int kAlternateAreaPercent = 30;
// The soft-key images leave a 40-pixel gap in the middle at their own height.
constexpr int kSoftKeyGapPixels = 40;
constexpr int kSoftKeyImageHeight = 20;
constexpr int kBold = 700;
constexpr int kNormal = 400;

struct Spacing {
    int margin;
    int gap;
};

struct SpacingRule {
    int screenWidth;
    int screenHeight;  // 0 for any height
    Spacing spacing;
};

constexpr std::array kSpacingRules = {
    SpacingRule{240, 0, {3, 1}}, SpacingRule{320, 320, {1, 2}}, SpacingRule{320, 0, {3, 1}},
    SpacingRule{400, 0, {3, 1}}, SpacingRule{480, 0, {6, 2}},   SpacingRule{640, 0, {6, 2}},
    SpacingRule{800, 0, {6, 2}},
};

Spacing SpacingFor(const ScreenMetrics& metrics)
{
    for (const SpacingRule& rule : kSpacingRules) {
        if (rule.screenWidth == metrics.width && (rule.screenHeight == 0 || rule.screenHeight == metrics.height)) {
            return rule.spacing;
        }
    }
    return {metrics.icon / 10, metrics.icon / 32};
}

// Key size for count keys over length pixels with the given outer space.
int KeySpan(int length, int count, int gap)
{
    return count > 0 ? (length - (count - 1) * gap) / count : 0;
}

FontSpec Font(int height, int weight)
{
    return FontSpec{L"Tahoma", std::max(1, height), weight};
}

// Key fonts by screen shape, M being the smaller side of a key.
void ChooseKeyFonts(KeypadGeometry& geometry)
{
    const ScreenMetrics& metrics = geometry.metrics;
    auto smaller = [](const std::vector<Rect>& keys) {
        return keys.empty() ? 0 : std::min(keys.front().Width(), keys.front().Height());
    };
    const int main = smaller(geometry.mainKeys);
    const int alternate = smaller(geometry.alternateKeys);
    KeyFonts& fonts = geometry.keyFonts;
    if (metrics.Square()) {
        fonts = {Font(8 * main / 9, kBold), Font(2 * main / 3, kBold), Font(8 * alternate / 9, kNormal),
                 Font(2 * alternate / 3, kNormal), Font(3 * alternate / 5, kNormal)};
    } else if (metrics.Landscape()) {
        fonts = {Font(5 * main / 7, kBold), Font(main / 2, kBold), Font(5 * alternate / 7, kNormal),
                 Font(alternate / 2, kNormal), Font(9 * alternate / 20, kNormal)};
    } else if (metrics.Tall400()) {
        const bool smallIcon = metrics.icon < 45;
        fonts = {Font(5 * main / 7 - (smallIcon ? 2 : 4), kBold), Font(4 * main / 7 - (smallIcon ? 3 : 6), kBold),
                 Font(5 * alternate / 7, kNormal), Font(alternate / 2, kNormal), Font(17 * alternate / 40, kNormal)};
    } else {
        fonts = {Font(5 * main / 7, kBold), Font(4 * main / 7, kBold), Font(5 * alternate / 7, kNormal),
                 Font(4 * alternate / 7, kNormal), Font(11 * alternate / 20, kNormal)};
    }
}

void PlaceSoftKeyBar(KeypadGeometry& geometry)
{
    const ScreenMetrics& metrics = geometry.metrics;
    const int barHeight = SoftKeyBarHeight(metrics.icon);
    geometry.softKeyBar = {0, metrics.height - barHeight, metrics.width, metrics.height};
    const int halfGap = kSoftKeyGapPixels * barHeight / kSoftKeyImageHeight / 2;
    const int centre = metrics.width / 2;
    const Rect& bar = geometry.softKeyBar;
    geometry.softKeyLeft = {bar.left, bar.top, centre - halfGap, bar.bottom};
    geometry.softKeyMiddle = {centre - halfGap, bar.top, centre + halfGap, bar.bottom};
    geometry.softKeyRight = {centre + halfGap, bar.top, bar.right, bar.bottom};
}

void PlaceDisplay(KeypadGeometry& geometry)
{
    const ScreenMetrics& metrics = geometry.metrics;
    const int icon = metrics.icon;
    const int unit = metrics.Unit();
    const bool tallPortrait = !metrics.Landscape() && !metrics.Square() && metrics.Tall400();
    const int bottom = (tallPortrait ? 9 * icon / 5 : 7 * icon / 5) - unit;
    const int right = (metrics.Landscape() ? metrics.height : metrics.width) - unit;
    geometry.display = {unit, unit, right, bottom};
    const Rect& display = geometry.display;
    geometry.text = {display.left + unit, display.top + unit, display.right - 3 * unit, display.bottom - unit};

    constexpr std::array<int, IndicatorCount> kWidthsInThirds = {6, 6, 6, 6, 7, 6};
    int x = geometry.display.left + metrics.smallIcon;
    for (std::size_t index = 0; index < kWidthsInThirds.size(); ++index) {
        const int width = kWidthsInThirds[index] * metrics.smallIcon / 3;
        geometry.indicators[index] = {x, geometry.display.top, x + width, geometry.display.bottom + unit};
        x += width;
    }

    geometry.displayFonts = {Font(5 * icon / 6, kNormal), Font(7 * icon / 10, kNormal), Font(4 * icon / 9, kNormal),
                             Font(icon / 3 + 1, kNormal), Font(metrics.smallIcon, kBold)};
}

// Portrait and square: the alternate grid below the display, full width.
void PlaceAlternatePortrait(KeypadGeometry& geometry, int rows, int columns, std::size_t count)
{
    const ScreenMetrics& metrics = geometry.metrics;
    const int unit = metrics.Unit();
    const int top = geometry.display.bottom;
    const int areaHeight = (metrics.height - geometry.softKeyBar.Height()) * kAlternateAreaPercent / 100;
    geometry.alternateArea = {0, top, metrics.width, top + areaHeight};
    if (rows <= 0 || columns <= 0 || count == 0) {
        geometry.mainTop = top + areaHeight;
        return;
    }
    const int width = KeySpan(metrics.width - 2 * geometry.margin, columns, geometry.gap);
    const int height = KeySpan(areaHeight - unit, rows, geometry.gap);
    for (std::size_t index = 0; index < count; ++index) {
        const int row = static_cast<int>(index) / columns;
        const int column = static_cast<int>(index) % columns;
        geometry.alternateKeys.push_back(Rect::FromSize(geometry.margin + (geometry.gap + width) * column,
                                                        top + unit + (geometry.gap + height) * row, width, height));
    }
    geometry.mainTop = top + unit + (geometry.gap + height) * (rows - 1) + height;
}

// Landscape: the grid turned by a quarter, right of the display.
void PlaceAlternateLandscape(KeypadGeometry& geometry, int rows, int columns, std::size_t count)
{
    const ScreenMetrics& metrics = geometry.metrics;
    const int unit = metrics.Unit();
    const int screenHeight = metrics.height;
    const int barHeight = geometry.softKeyBar.Height();
    geometry.alternateArea = {screenHeight, 0, metrics.width, metrics.height - barHeight};
    geometry.mainTop = geometry.display.bottom;
    if (rows <= 0 || columns <= 0 || count == 0) {
        return;
    }
    const int width = KeySpan(metrics.width - screenHeight - geometry.margin, rows, geometry.gap);
    const int height = KeySpan(metrics.height - barHeight - unit, columns, geometry.gap);
    for (std::size_t index = 0; index < count; ++index) {
        const int row = static_cast<int>(index) / columns;
        const int column = static_cast<int>(index) % columns;
        geometry.alternateKeys.push_back(Rect::FromSize((rows - row - 1) * (geometry.gap + width) + screenHeight,
                                                        (columns - column - 1) * (geometry.gap + height) + unit,
                                                        width, height));
    }
}

void PlaceMain(KeypadGeometry& geometry, int rows, int columns, std::size_t count)
{
    const ScreenMetrics& metrics = geometry.metrics;
    if (rows <= 0 || columns <= 0) {
        return;
    }
    const int areaWidth = metrics.Landscape() ? metrics.height : metrics.width;
    const int top = geometry.mainTop;
    const int bottom = metrics.height - geometry.softKeyBar.Height() - 1;
    const int width = KeySpan(areaWidth - 2 * geometry.margin, columns, geometry.gap);
    const int height = (bottom - top - (rows - 1) * geometry.gap - geometry.gap) / rows;
    for (std::size_t index = 0; index < count; ++index) {
        const int row = static_cast<int>(index) / columns;
        const int column = static_cast<int>(index) % columns;
        geometry.mainKeys.push_back(Rect::FromSize(geometry.margin + (geometry.gap + width) * column,
                                                   top + geometry.gap + (geometry.gap + height) * row, width, height));
    }
}

// Every key set of the alternate area shares the same grid positions.
std::size_t AlternatePositions(const LayoutDef& layout)
{
    return std::max({layout.alternateButtons.size(), layout.secondButtons.size(), layout.hyperbolicButtons.size(),
                     layout.hyperbolicSecondButtons.size()});
}

}  // namespace

ScreenMetrics ScreenMetrics::ForClient(int width, int height)
{
    const int step = std::max(1, std::min(width, height) / kBaseScreenSide);
    return ScreenMetrics{width, height, kIconPerStep * step, kSmallIconPerStep * step};
}

int SoftKeyBarHeight(int icon)
{
    return 5 * icon / 8;
}

KeypadGeometry ComputeKeypadGeometry(const ScreenMetrics& metrics, const LayoutDef* layout)
{
    KeypadGeometry geometry;
    geometry.metrics = metrics;
    const Spacing spacing = SpacingFor(metrics);
    geometry.margin = spacing.margin;
    geometry.gap = spacing.gap;
    PlaceSoftKeyBar(geometry);
    PlaceDisplay(geometry);
    const int alternateRows = layout ? layout->alternateRows : 0;
    const int alternateColumns = layout ? layout->alternateColumns : 0;
    const std::size_t alternateCount = layout ? AlternatePositions(*layout) : 0;
    if (metrics.Landscape()) {
        PlaceAlternateLandscape(geometry, alternateRows, alternateColumns, alternateCount);
    } else {
        PlaceAlternatePortrait(geometry, alternateRows, alternateColumns, alternateCount);
    }
    if (layout) {
        PlaceMain(geometry, layout->mainRows, layout->mainColumns, layout->mainButtons.size());
    }
    ChooseKeyFonts(geometry);
    return geometry;
}

}  // namespace tallyx
