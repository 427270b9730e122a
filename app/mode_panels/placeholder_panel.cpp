#include "app/mode_panels/placeholder_panel.h"

#include "app/calculator_types.h"
#include "keypad/keypad_layouts.h"
#include "keypad/panel/keypad_geometry.h"
#include "ui/window_host.h"

namespace tallyx {

long PlaceholderPanel::Draw(Canvas& canvas, const Rect& clip)
{
    if (!Window() || !Context().layouts) return kNotHandled;
    const Rect client = Window()->ClientRect();
    const SkinColors& colors = Context().layouts->Colors();
    canvas.FillRect(client.Intersected(clip), colors.background);
    const ScreenMetrics metrics = ScreenMetrics::ForClient(client.Width(), client.Height());
    const Rect above{client.left, client.top, client.right, client.bottom - SoftKeyBarHeight(metrics.icon)};
    const FontSpec font{L"Tahoma", metrics.icon / 2, 700};
    canvas.DrawText(CalculatorTypeName(calculatorType_), above, font, colors.text,
                    TextAlignCenter | TextAlignVCenter | TextWordBreak);
    return 1;
}

}  // namespace tallyx
