#include "app/mode_panels/date_panel_layout.h"

#include <algorithm>

namespace tallyx {
namespace {

constexpr int kBold = 700;
constexpr int kNormal = 400;
// A wide window gives the form this many fifths of its width.
constexpr int kWideFormFifths = 3;
// The date picker's share of a picker row, in percent.
constexpr int kDatePickerPercent = 55;

struct Sizes {
    int margin;
    int caption;  // the height of a caption line
    int row;      // the height of a row of controls
};

Sizes SizesFor(const ScreenMetrics& metrics)
{
    return {std::max(2, metrics.icon / 10), 7 * metrics.icon / 16, 11 * metrics.icon / 16};
}

// Lays the rows of the form from top down, each group a caption over a row
// of controls closed by a square compute button on the right.
class FormRows {
public:
    FormRows(const Rect& form, const Sizes& sizes) : form_(form), sizes_(sizes), top_(form.top + sizes.margin) {}

    Rect Caption()
    {
        const Rect caption{form_.left + sizes_.margin, top_, form_.right - sizes_.margin, top_ + sizes_.caption};
        top_ = caption.bottom;
        return caption;
    }
    // The controls' part of the row; the button's goes to button.
    Rect Row(Rect& button)
    {
        const int right = form_.right - sizes_.margin;
        button = {right - sizes_.row, top_, right, top_ + sizes_.row};
        const Rect controls{form_.left + sizes_.margin, top_, button.left - sizes_.margin, button.bottom};
        top_ = button.bottom + sizes_.margin;
        return controls;
    }
    int Bottom() const { return top_; }

private:
    Rect form_;
    Sizes sizes_;
    int top_;
};

void SplitPickers(const Rect& row, int gap, Rect& date, Rect& time)
{
    const int split = row.left + row.Width() * kDatePickerPercent / 100;
    date = {row.left, row.top, split - gap / 2, row.bottom};
    time = {split + gap - gap / 2, row.top, row.right, row.bottom};
}

// Equal columns with a gap between them.
std::array<Rect, IntervalPartCount> Columns(const Rect& row, int gap)
{
    constexpr int kCount = static_cast<int>(IntervalPartCount);
    const int width = (row.Width() - gap * (kCount - 1)) / kCount;
    std::array<Rect, IntervalPartCount> columns;
    for (int index = 0; index < kCount; ++index) {
        const int left = row.left + index * (width + gap);
        columns[static_cast<std::size_t>(index)] = {left, row.top, left + width, row.bottom};
    }
    return columns;
}

CaptionFonts KeyFonts(const GridPlacement& keypad)
{
    const Size key = GridKeySize(keypad);
    const int side = std::max(1, std::min(key.width, key.height));
    const FontSpec large{kFontFamily, std::max(1, 5 * side / 7), kBold};
    const FontSpec middle{kFontFamily, std::max(1, 3 * side / 7), kBold};
    return {large, middle, middle, middle};
}

}  // namespace

DatePanelLayout LayOutDatePanel(const ScreenMetrics& metrics, int keyRows, int keyColumns)
{
    const Sizes sizes = SizesFor(metrics);
    const int contentBottom = metrics.height - SoftKeyBarHeight(metrics.icon);
    const bool wide = metrics.Landscape();
    const int formRight = wide ? metrics.width * kWideFormFifths / 5 : metrics.width;
    DatePanelLayout layout;
    Rect form{sizes.margin, sizes.margin, formRight - sizes.margin, contentBottom - sizes.margin};
    FormRows rows(form, sizes);
    Rect controls;
    for (const DateGroup group : {DateGroupStart, DateGroupInterval, DateGroupEnd}) {
        layout.captions[group] = rows.Caption();
        if (group == DateGroupInterval) {
            const Rect parts = rows.Caption();
            controls = rows.Row(layout.computeButtons[group]);
            layout.partCaptions = Columns({controls.left, parts.top, controls.right, parts.bottom}, sizes.margin);
            layout.intervalBoxes = Columns(controls, sizes.margin);
        } else {
            controls = rows.Row(layout.computeButtons[group]);
            SplitPickers(controls, sizes.margin, layout.datePickers[group], layout.timePickers[group]);
        }
    }
    form.bottom = rows.Bottom();
    layout.form = form;
    const Rect keys = wide ? Rect{formRight, sizes.margin, metrics.width - sizes.margin, contentBottom - sizes.margin}
                           : Rect{sizes.margin, form.bottom + sizes.margin, metrics.width - sizes.margin,
                                  contentBottom - sizes.margin};
    layout.keypad = {keys, GridShape{keyRows, keyColumns, sizes.margin}};
    layout.keyFonts = KeyFonts(layout.keypad);
    layout.captionFont = FontSpec{kFontFamily, std::max(1, 3 * sizes.caption / 4), kBold};
    layout.partFont = FontSpec{kFontFamily, std::max(1, 3 * sizes.caption / 4), kNormal};
    layout.controlFont = FontSpec{kFontFamily, std::max(1, sizes.row / 2), kNormal};
    return layout;
}

}  // namespace tallyx
