#pragma once

#include <array>

#include "keypad/layout_def.h"
#include "platform/geometry.h"
#include "ui/canvas.h"
#include "ui/keypad_grid.h"

namespace tallyx {

// The size the keypad is laid out for: the client area of the window, which
// stands for the device screen. A landscape window is a rotated device.
struct ScreenMetrics {
    int width = 0;
    int height = 0;
    int icon = 32;       // I: the icon width every size derives from
    int smallIcon = 16;  // S: the small-icon width

    // k = max(1, min(width, height) / 240); I = 32k, S = 16k.
    static ScreenMetrics ForClient(int width, int height);
    int Unit() const { return icon / 16; }
    bool Landscape() const { return width > height; }
    bool Square() const { return width == height; }
    bool Tall400() const { return height > 0 && height % 400 == 0; }
};

// The six status indicators of the display, left to right.
enum Indicator : int {
    IndicatorSecond = 0,
    IndicatorHyp,
    IndicatorBase,
    IndicatorAngle,
    IndicatorNotation,
    IndicatorMemory,
    IndicatorCount,
};

// The soft-key bar regions, numbered as their pressed marks.
enum SoftKeyRegion : int {
    SoftKeyNone = 0,
    SoftKeyLeft = 1,
    SoftKeyRight = 2,
    SoftKeyMiddle = 3,
};

struct DisplayFonts {
    FontSpec large;
    FontSpec medium;
    FontSpec small;
    FontSpec indicator;
    FontSpec stack;  // the bold font of the RPN lines
};

// Where everything of the keypad view sits for one client size and layout.
struct KeypadGeometry {
    ScreenMetrics metrics;
    int margin = 0;
    int gap = 0;
    Rect display;
    Rect text;  // the display's text area
    std::array<Rect, IndicatorCount> indicators;
    Rect softKeyBar;
    Rect softKeyLeft;
    Rect softKeyMiddle;
    Rect softKeyRight;
    Rect alternateArea;
    int mainTop = 0;
    // The key grids of the two areas; every key set of the alternate area shares its grid.
    GridPlacement mainGrid;
    GridPlacement alternateGrid;
    // The main area has two caption sizes, the alternate area three.
    CaptionFonts mainFonts;
    CaptionFonts alternateFonts;
    DisplayFonts displayFonts;
};

// Lays out the panel; a missing layout leaves both key areas empty.
KeypadGeometry ComputeKeypadGeometry(const ScreenMetrics& metrics, const LayoutDef* layout);

// The soft-key bar's height for that icon width.
int SoftKeyBarHeight(int icon);

}  // namespace tallyx
