// Every option label reads whole on the screens the program is used on,
// measured in the fonts it is drawn in.
#include <QTimer>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "app/options_dialog.h"
#include "forwarding_canvas.h"
#include "platform/window_messages.h"
#include "ui/popup_menu_window.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

struct DrawnText {
    std::wstring text;
    Rect rect;
    FontSpec font;
    unsigned align;
    int width;
    int height;
};

// Draws on a real image and keeps every text with its measured size.
class MeasuringCanvas : public ForwardingCanvas {
public:
    using ForwardingCanvas::ForwardingCanvas;

    std::vector<DrawnText> texts;

    void DrawText(std::wstring_view text, const Rect& rect, const FontSpec& font, Color color, unsigned align) override
    {
        const Size size = MeasureText(text, font);
        texts.push_back({std::wstring(text), rect, font, align, size.width, size.height});
        ForwardingCanvas::DrawText(text, rect, font, color, align);
    }
};

class DrawableDialog : public OptionsDialog {
public:
    using OptionsDialog::OptionsDialog;
    using OptionsDialog::Draw;
};

class Parent : public WindowBase {};

// The label's lines as drawn inside its row: whole, no ellipsis, each inside its rectangle.
void ExpectWholeLabel(const std::vector<DrawnText>& texts, Option option, const Rect& row)
{
    const std::wstring label = OptionLabel(option);
    std::wstring joined;
    for (const DrawnText& drawn : texts) {
        if (drawn.font.weight != 700 || drawn.rect.top < row.top || drawn.rect.bottom > row.bottom) continue;
        EXPECT_EQ(drawn.align & TextEndEllipsis, 0u) << drawn.text;
        EXPECT_LE(drawn.width, drawn.rect.Width()) << drawn.text;
        EXPECT_LE(drawn.height, drawn.rect.Height()) << drawn.text;
        joined += (joined.empty() ? L"" : L" ") + drawn.text;
    }
    EXPECT_EQ(joined, label);
}

TEST(OptionsLabels, EveryLabelReadsWholeAtEveryScreenSize)
{
    // The widest value of each row, which leaves its label the least room.
    OptionsRecord record;
    record[OptionPaymentSchedule] = 7;  // Semi Monthly Accel
    record[OptionConversionBuffer] = 32;
    record[OptionCalculatorMode] = 2;  // Direct Algebraic
    record[OptionSkin] = 2;            // Wireless green
    for (const Size screen : {Size{240, 320}, Size{480, 640}, Size{640, 480}}) {
        SCOPED_TRACE(std::to_string(screen.width) + "x" + std::to_string(screen.height));
        Parent parent;
        parent.Create(L"Tallyx", nullptr, Rect::FromSize(0, 0, screen.width, screen.height));
        PopupMenuWindow menu;
        DrawableDialog dialog(record, menu, 0);
        QTimer::singleShot(0, [&] {
            const Rect client = dialog.Window()->ClientRect();
            const std::unique_ptr<Image> image = dialog.Window()->CreateImage(client.Width(), client.Height());
            for (const OptionSection& section : OptionSections()) {
                for (const Option option : section.options) {
                    SCOPED_TRACE(option);
                    ASSERT_TRUE(dialog.SelectOption(option));
                    MeasuringCanvas canvas(image->Paint());
                    dialog.Draw(canvas, client);
                    ExpectWholeLabel(canvas.texts, option, *dialog.RowRectOf(option));
                }
            }
            dialog.WindowProcedure(WM_CLOSE, 0, 0);
        });
        dialog.Run(*parent.Window());
    }
}

}  // namespace
}  // namespace tallyx
