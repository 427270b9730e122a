#include "app/mode_panels/placeholder_panel.h"

#include "app/calculator_types.h"
#include "keypad/keypad_layouts.h"
#include "app/keypad_geometry.h"
#include "ui/window_host.h"

namespace tallyx {
Rect PlaceholderPanel::ContentArea() const
{
    const Rect client = Window()->ClientRect();
    return {client.left, client.top, client.right, client.bottom - SoftKeyBarHeight(Icon())};
}

int PlaceholderPanel::Icon() const
{
    const Rect client = Window()->ClientRect();
    return ScreenMetrics::ForClient(client.Width(), client.Height()).icon;
}

Color PlaceholderPanel::TextColor() const
{
    const SkinColors& colors = Context().layouts->Colors();
    return ReadableOn(colors.background, colors.text);
}

long PlaceholderPanel::Draw(Canvas& canvas, const Rect& clip)
{
    if (!Window() || !Context().layouts) return kNotHandled;
    canvas.FillRect(Window()->ClientRect().Intersected(clip), Context().layouts->Colors().background);
    const FontSpec font{kFontFamily, Icon() / 2, 700};
    canvas.DrawText(CalculatorTypeName(calculatorType_), ContentArea(), font, TextColor(),
                    TextAlignCenter | TextAlignVCenter | TextWordBreak);
    return 1;
}

}  // namespace tallyx
