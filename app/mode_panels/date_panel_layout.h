#pragma once

#include <array>

#include "app/keypad_geometry.h"
#include "ui/canvas.h"
#include "ui/keypad_grid.h"

namespace tallyx {

// The three groups of the date and time panel, top to bottom.
enum DateGroup : std::size_t { DateGroupStart, DateGroupInterval, DateGroupEnd, DateGroupCount };
// The interval's four boxes, left to right.
enum IntervalPart : std::size_t { IntervalDays, IntervalHours, IntervalMinutes, IntervalSeconds, IntervalPartCount };

// Where the date and time panel puts its captions, controls, compute buttons
// and keypad: the form above the keypad on a tall window, beside it on a
// wide one.
struct DatePanelLayout {
    Rect form;  // inside the sunken frame
    std::array<Rect, DateGroupCount> captions;
    std::array<Rect, DateGroupCount> computeButtons;
    std::array<Rect, IntervalPartCount> partCaptions;
    std::array<Rect, IntervalPartCount> intervalBoxes;
    // The pickers of the start and end groups.
    std::array<Rect, DateGroupCount> datePickers;
    std::array<Rect, DateGroupCount> timePickers;
    GridPlacement keypad;
    CaptionFonts keyFonts;
    FontSpec captionFont;
    FontSpec partFont;
    FontSpec controlFont;
};

// The keypad grid takes the layout's rows and columns.
DatePanelLayout LayOutDatePanel(const ScreenMetrics& metrics, int keyRows, int keyColumns);

}  // namespace tallyx
