#pragma once

#include <array>
#include <vector>

#include "app/worksheet_layout.h"
#include "keypad/skin_colors.h"
#include "ui/canvas.h"
#include "ui/key_button.h"
#include "worksheets/worksheet.h"

namespace tallyx {

// What the list shows beside the sheet's own cells.
struct WorksheetListState {
    bool memoryInUse = false;     // the "M" on the title line
    bool highlightShown = true;   // off for the dark beats of a flash
};

// Draws a worksheet's list: the shaded frame, the landscape row stripes, the
// title with its "M", the scroll arrows, every visible cell in its format
// kind and the highlight frame.
void PaintWorksheetList(Canvas& canvas, const Worksheet& sheet, const WorksheetLayout& layout,
                        const SkinColors& colors, const WorksheetListState& state);

// Where a row's label and value are drawn: side by side in portrait, the
// label above the value in landscape.
struct RowTextPlaces {
    Rect label;
    Rect value;
};
RowTextPlaces PlaceRowTexts(const WorksheetLayout& layout, const Rect& row);

// The font made smaller as far as needed for the text to fit the width; a
// text that fits keeps the font.
FontSpec FittedFont(Canvas& canvas, std::wstring_view text, const FontSpec& font, int width);
// The value's font in its row, made smaller where it would run into the label.
FontSpec ValueFont(Canvas& canvas, const WorksheetLayout& layout, const WorksheetCell& cell, const Rect& row);

// The scroll arrow above or below the rows, pointing that way.
std::array<Point, 3> ScrollArrow(const WorksheetLayout& layout, const std::vector<Rect>& rows, bool up);

// The up and down keys carry arrows instead of captions.
bool IsArrowKey(const ButtonDef& button);
void PaintKeyArrow(Canvas& canvas, const KeyButton& key, const SkinColors& colors);

}  // namespace tallyx
