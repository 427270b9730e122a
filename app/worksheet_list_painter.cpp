#include "app/worksheet_list_painter.h"

#include <algorithm>

#include "engine/button_types.h"
#include "engine/key_ids.h"

namespace tallyx {
namespace {

constexpr const wchar_t* kMemoryMark = L"M";
constexpr int kSmallestFont = 6;

// A triangle in a square of that side, its point up or down.
std::array<Point, 3> Triangle(int left, int top, int side, bool up)
{
    if (up) return {Point{left, top + side}, Point{left + side, top + side}, Point{left + side / 2, top}};
    return {Point{left, top}, Point{left + side, top}, Point{left + side / 2, top + side}};
}

void PaintFrame(Canvas& canvas, const WorksheetLayout& layout, const ColorSet& shades)
{
    const int inset = layout.metrics.Unit();
    const Rect panel = layout.list.Inflated(-inset, -inset);
    canvas.FillVerticalGradient(panel, shades.color1, shades.color2);
    const Point topLeft{panel.left, panel.top};
    const Point topRight{panel.right - 1, panel.top};
    const Point bottomLeft{panel.left, panel.bottom - 1};
    const Point bottomRight{panel.right - 1, panel.bottom - 1};
    canvas.DrawLine(bottomLeft, topLeft, shades.hiLite1);
    canvas.DrawLine(topLeft, topRight, shades.hiLite1);
    canvas.DrawLine(topRight, bottomRight, shades.hiLite2);
    canvas.DrawLine(bottomRight, bottomLeft, shades.hiLite2);
}

// A row widened into the frame's margin.
Rect Widened(const WorksheetLayout& layout, const Rect& row)
{
    return row.Inflated(layout.metrics.Unit(), 0);
}

int CellOfRow(const Worksheet& sheet, int row)
{
    const int cell = sheet.Navigation().FirstVisibleRow() + row;
    return cell < static_cast<int>(sheet.Cells().size()) ? cell : -1;
}

void PaintStripes(Canvas& canvas, const Worksheet& sheet, const WorksheetLayout& layout, const SkinColors& colors,
                  const std::vector<Rect>& rows)
{
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const int cell = CellOfRow(sheet, row);
        if (cell < 0) break;
        const Rect stripe = Widened(layout, rows[static_cast<std::size_t>(row)]).Inflated(-1, -1);
        canvas.FillRect(stripe, cell % 2 == 0 ? colors.worksheet1 : colors.worksheet2);
    }
}

void PaintArrows(Canvas& canvas, const Worksheet& sheet, const WorksheetLayout& layout, const SkinColors& colors,
                 const std::vector<Rect>& rows)
{
    const WorksheetNavigation& navigation = sheet.Navigation();
    if (navigation.FirstVisibleRow() > 0) canvas.FillPolygon(ScrollArrow(layout, rows, true), colors.topText);
    const int belowLast = navigation.FirstVisibleRow() + navigation.VisibleRows();
    if (belowLast < static_cast<int>(sheet.Cells().size())) {
        canvas.FillPolygon(ScrollArrow(layout, rows, false), colors.topText);
    }
}

void PaintCells(Canvas& canvas, const Worksheet& sheet, const WorksheetLayout& layout, const SkinColors& colors,
                const std::vector<Rect>& rows)
{
    const unsigned labelAlign = layout.Landscape() ? TextAlignLeft | TextAlignTop : TextAlignLeft | TextAlignVCenter;
    const unsigned valueAlign =
        layout.Landscape() ? TextAlignRight | TextAlignBottom : TextAlignRight | TextAlignVCenter;
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const int cell = CellOfRow(sheet, row);
        if (cell < 0) break;
        const WorksheetCell& shown = sheet.Cells()[static_cast<std::size_t>(cell)];
        const Color color = shown.ReadOnly() ? colors.topText : colors.text;
        const RowTextPlaces places = PlaceRowTexts(layout, rows[static_cast<std::size_t>(row)]);
        canvas.DrawText(shown.Label(), places.label, layout.labelFont, color, labelAlign);
        const FontSpec valueFont = ValueFont(canvas, layout, shown, rows[static_cast<std::size_t>(row)]);
        canvas.DrawText(shown.ShownText(), places.value, valueFont, color, valueAlign);
    }
}

void PaintHighlight(Canvas& canvas, const Worksheet& sheet, const WorksheetLayout& layout, const SkinColors& colors,
                    const std::vector<Rect>& rows)
{
    const int row = sheet.Navigation().HighlightedRow();
    if (row < 0 || row >= static_cast<int>(rows.size()) || CellOfRow(sheet, row) < 0) return;
    Rect frame = Widened(layout, rows[static_cast<std::size_t>(row)]);
    frame.right -= 1;
    frame.bottom -= 1;
    canvas.FrameRect(frame, colors.topText);
}

}  // namespace

FontSpec FittedFont(Canvas& canvas, std::wstring_view text, const FontSpec& font, int width)
{
    FontSpec fitted = font;
    for (int textWidth = canvas.MeasureText(text, fitted).width; textWidth > width && fitted.pixelHeight > kSmallestFont;
         textWidth = canvas.MeasureText(text, fitted).width) {
        fitted.pixelHeight = std::max(kSmallestFont, std::min(fitted.pixelHeight - 1, fitted.pixelHeight * width / textWidth));
    }
    return fitted;
}

FontSpec ValueFont(Canvas& canvas, const WorksheetLayout& layout, const WorksheetCell& cell, const Rect& row)
{
    const std::wstring text = cell.ShownText();
    const int label = canvas.MeasureText(cell.Label(), layout.labelFont).width;
    // A landscape value has a line of its own, but where it reaches under
    // the label the descenders of the one meet the other: it then keeps to
    // the room beside the label, as in portrait.
    if (layout.Landscape()) {
        const FontSpec alone = FittedFont(canvas, text, layout.valueFont, row.Width());
        if (label + canvas.MeasureText(text, alone).width <= row.Width()) return alone;
    }
    const int beside = label + canvas.MeasureText(L" ", layout.labelFont).width;
    return FittedFont(canvas, text, layout.valueFont, row.Width() - beside);
}

RowTextPlaces PlaceRowTexts(const WorksheetLayout& layout, const Rect& row)
{
    if (!layout.Landscape()) return {row, row};
    const int labelBottom = row.top + layout.labelFont.pixelHeight;
    return {{row.left, row.top, row.right, labelBottom}, {row.left, labelBottom, row.right, row.bottom}};
}

std::array<Point, 3> ScrollArrow(const WorksheetLayout& layout, const std::vector<Rect>& rows, bool up)
{
    const int side = layout.metrics.smallIcon / 2;
    const int left = layout.rowLeft;
    int top = 0;
    if (layout.Landscape()) {
        // Between the title and the first row, and under the last row.
        top = up ? rows.front().top - side - 1 : rows.back().bottom + 1;
    } else {
        // In the margin the scrolling rows leave, level with the first and the last row.
        const Rect& row = up ? rows.front() : rows.back();
        top = row.top + (row.Height() - side) / 2;
    }
    return Triangle(left, top, side, up);
}

void PaintWorksheetList(Canvas& canvas, const Worksheet& sheet, const WorksheetLayout& layout,
                        const SkinColors& colors, const WorksheetListState& state)
{
    const std::vector<Rect> rows = WorksheetRows(layout, static_cast<int>(sheet.Cells().size()));
    PaintFrame(canvas, layout, colors.sets[0]);
    if (layout.Landscape()) PaintStripes(canvas, sheet, layout, colors, rows);
    const Rect title = layout.TitleLine();
    if (state.memoryInUse) {
        canvas.DrawText(kMemoryMark, title, layout.labelFont, colors.topText, TextAlignRight | TextAlignVCenter);
    }
    PaintArrows(canvas, sheet, layout, colors, rows);
    PaintCells(canvas, sheet, layout, colors, rows);
    canvas.DrawText(sheet.Title(), title, FittedFont(canvas, sheet.Title(), layout.valueFont, title.Width()),
                    colors.topText, TextAlignCenter | TextAlignVCenter);
    if (state.highlightShown) PaintHighlight(canvas, sheet, layout, colors, rows);
}

bool IsArrowKey(const ButtonDef& button)
{
    return button.type == ButtonTypeWorksheetKey &&
           (button.id == WorksheetButtonUp || button.id == WorksheetButtonDown);
}

void PaintKeyArrow(Canvas& canvas, const KeyButton& key, const SkinColors& colors)
{
    const ColorSet& set = colors.SetForStyle(key.Button().style);
    const Rect& bounds = key.Bounds();
    const int side = std::min(bounds.Width(), bounds.Height()) * 2 / 5;
    const int drop = key.Pressed() ? 1 : 0;
    const int left = bounds.left + (bounds.Width() - side) / 2;
    const int top = bounds.top + (bounds.Height() - side) / 2 + drop;
    const bool up = key.Button().id == WorksheetButtonUp;
    if (colors.shadow) canvas.FillPolygon(Triangle(left + 1, top + 1, side, up), set.text2);
    canvas.FillPolygon(Triangle(left, top, side, up), set.text1);
}

}  // namespace tallyx
