#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "app/mode_panels/converter_layout.h"
#include "app/mode_panels/panel_key_sound.h"
#include "app/panel.h"
#include "engine/number_formatter.h"
#include "ui/face_cache.h"
#include "ui/keypad_grid.h"
#include "ui/menu_list.h"

namespace tallyx {

class CalcEngine;

// A panel that converts the calculator's number and covers the window:
// three buttons on top, rows that show the number converted, and a keypad
// that feeds the calculator. The arrow keys move the focus over the three
// buttons and Return presses the focused one. What the buttons and the rows
// do is the converter's own.
class ConverterPanel : public Panel {
public:
    using ButtonCaptions = std::array<const wchar_t*, ConverterLayout::kButtonCount>;

    ConverterPanel(int calculatorType, ButtonCaptions captions, std::vector<int> rowWeights);

    long Draw(Canvas& canvas, const Rect& clip) override;
    long Size(int width, int height) override;
    long Attach(const PanelContext& context) override;
    long Char(wchar_t character) override;
    long KeyDown(std::uint32_t virtualKey) override;
    long KeyUp(std::uint32_t virtualKey) override;
    long PenDown(Point point) override;
    long PenMove(Point point) override;
    long PenUp(Point point) override;

    // The button the keyboard acts on, 0 to 2.
    int Focus() const { return focus_; }
    const ConverterLayout& Layout() const { return layout_; }

protected:
    // A tap on button index, or Return while it has the focus.
    virtual void PressButton(int index) = 0;
    // The rows, one rectangle per row weight.
    virtual void DrawRows(Canvas& canvas, const std::vector<Rect>& rows) = 0;
    // A tap on a row; false when the row does nothing.
    virtual bool TapRow(std::size_t row) = 0;

    CalcEngine* Engine() const { return Context().engine; }
    // The number text as the display writes it.
    DisplayText FormatNumber(std::wstring_view numberText) const;
    // The engine's display text as number text; empty without an engine.
    std::wstring DisplayNumberText() const;
    // False for an error word, which converts to nothing.
    static bool IsNumberText(std::wstring_view text);
    // Fills the keypad's drawn menu and opens it below a button, with its
    // checked item in view.
    void ShowList(int button, const std::function<void(MenuList& list)>& fill);
    // The buttons, the keys and the focus, as the headless listing writes them.
    void DescribeControls(std::vector<StateLine>& lines) const;
    void Repaint();
    // The skin's text colour, or black or white where that does not read on its background.
    Color TextColor() const;

private:
    void Build();

    int layoutIndex_;
    ButtonCaptions captions_;
    std::vector<int> rowWeights_;
    ConverterLayout layout_;
    FaceCache faces_;
    KeypadGrid buttons_;
    KeypadGrid keys_;
    PanelKeySound keySound_;
    int focus_ = 0;
    std::optional<std::size_t> pressedRow_;
};

}  // namespace tallyx
