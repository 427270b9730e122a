#include "app/keypad_geometry.h"

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

FontSpec Font(int height, int weight)
{
    return FontSpec{kFontFamily, std::max(1, height), weight};
}

// The main area's fonts, short and long, then the alternate area's three.
struct KeyFontSizes {
    FontSpec mainShort;
    FontSpec mainLong;
    FontSpec alternateShort;
    FontSpec alternateMiddle;
    FontSpec alternateLong;
};

// Key fonts by screen shape, M being the smaller side of a key.
KeyFontSizes KeyFontsFor(const ScreenMetrics& metrics, int main, int alternate)
{
    if (metrics.Square()) {
        return {Font(8 * main / 9, kBold), Font(2 * main / 3, kBold), Font(8 * alternate / 9, kNormal),
                Font(2 * alternate / 3, kNormal), Font(3 * alternate / 5, kNormal)};
    }
    if (metrics.Landscape()) {
        return {Font(5 * main / 7, kBold), Font(main / 2, kBold), Font(5 * alternate / 7, kNormal),
                Font(alternate / 2, kNormal), Font(9 * alternate / 20, kNormal)};
    }
    if (metrics.Tall400()) {
        const bool smallIcon = metrics.icon < 45;
        return {Font(5 * main / 7 - (smallIcon ? 2 : 4), kBold), Font(4 * main / 7 - (smallIcon ? 3 : 6), kBold),
                Font(5 * alternate / 7, kNormal), Font(alternate / 2, kNormal), Font(17 * alternate / 40, kNormal)};
    }
    return {Font(5 * main / 7, kBold), Font(4 * main / 7, kBold), Font(5 * alternate / 7, kNormal),
            Font(4 * alternate / 7, kNormal), Font(11 * alternate / 20, kNormal)};
}

int SmallerSide(const GridPlacement& grid, bool hasKeys)
{
    const Size key = GridKeySize(grid);
    return hasKeys ? std::min(key.width, key.height) : 0;
}

// Main keys show short captions large and all others in the long size; an
// alternate caption with a raised part takes the middle size.
void ChooseKeyFonts(KeypadGeometry& geometry, bool mainKeys, bool alternateKeys)
{
    const KeyFontSizes sizes = KeyFontsFor(geometry.metrics, SmallerSide(geometry.mainGrid, mainKeys),
                                           SmallerSide(geometry.alternateGrid, alternateKeys));
    geometry.mainFonts = {sizes.mainShort, sizes.mainLong, sizes.mainLong, sizes.mainShort};
    geometry.alternateFonts = {sizes.alternateShort, sizes.alternateMiddle, sizes.alternateLong, sizes.alternateMiddle};
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
void PlaceAlternatePortrait(KeypadGeometry& geometry, const GridShape& shape, bool hasKeys)
{
    const ScreenMetrics& metrics = geometry.metrics;
    const int top = geometry.display.bottom;
    const int areaHeight = (metrics.height - geometry.softKeyBar.Height()) * kAlternateAreaPercent / 100;
    geometry.alternateArea = {0, top, metrics.width, top + areaHeight};
    geometry.alternateGrid = {{geometry.margin, top + metrics.Unit(), metrics.width - geometry.margin, top + areaHeight},
                              shape};
    if (!hasKeys) {
        geometry.mainTop = top + areaHeight;
        return;
    }
    const int keyHeight = GridKeySize(geometry.alternateGrid).height;
    geometry.mainTop = geometry.alternateGrid.area.top + (geometry.gap + keyHeight) * (shape.rows - 1) + keyHeight;
}

// Landscape: the grid turned by a quarter, right of the display.
void PlaceAlternateLandscape(KeypadGeometry& geometry, GridShape shape)
{
    const ScreenMetrics& metrics = geometry.metrics;
    const int screenHeight = metrics.height;
    const int bottom = metrics.height - geometry.softKeyBar.Height();
    geometry.alternateArea = {screenHeight, 0, metrics.width, bottom};
    shape.turned = true;
    geometry.alternateGrid = {{screenHeight, metrics.Unit(), metrics.width - geometry.margin, bottom}, shape};
    geometry.mainTop = geometry.display.bottom;
}

void PlaceMain(KeypadGeometry& geometry, const GridShape& shape)
{
    const ScreenMetrics& metrics = geometry.metrics;
    const int areaWidth = metrics.Landscape() ? metrics.height : metrics.width;
    const int bottom = metrics.height - geometry.softKeyBar.Height() - 1;
    geometry.mainGrid = {{geometry.margin, geometry.mainTop + geometry.gap, areaWidth - geometry.margin, bottom}, shape};
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
    const GridShape alternate = layout ? GridShape{layout->alternateRows, layout->alternateColumns, spacing.gap}
                                       : GridShape{};
    const bool alternateKeys = layout && AlternatePositions(*layout) > 0 && alternate.Cells() > 0;
    if (metrics.Landscape()) {
        PlaceAlternateLandscape(geometry, alternate);
    } else {
        PlaceAlternatePortrait(geometry, alternate, alternateKeys);
    }
    const GridShape main = layout ? GridShape{layout->mainRows, layout->mainColumns, spacing.gap} : GridShape{};
    PlaceMain(geometry, main);
    ChooseKeyFonts(geometry, layout && !layout->mainButtons.empty() && main.Cells() > 0, alternateKeys);
    return geometry;
}

}  // namespace tallyx
