#include "app/mode_panels/converter_panel.h"

#include <utility>

#include "app/keypad_settings.h"
#include "app/keypad_view.h"
#include "app/state_listing.h"
#include "app/window_describers.h"
#include "engine/calc_engine.h"
#include "keypad/keypad_layouts.h"
#include "platform/number_text.h"
#include "platform/wide_text.h"
#include "platform/window_messages.h"
#include "ui/popup_menu_window.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

// The buttons are no calculator keys: their presses never reach the engine.
constexpr std::int32_t kPanelButtonType = -1;
constexpr std::int32_t kPanelButtonStyle = 1;
constexpr int kFocusFrameWidth = 2;

}  // namespace

ConverterPanel::ConverterPanel(int calculatorType, ButtonCaptions captions, std::vector<int> rowWeights)
    : layoutIndex_(calculatorType), captions_(captions),
      rowWeights_(std::move(rowWeights))
{
}

long ConverterPanel::Attach(const PanelContext& context)
{
    Panel::Attach(context);
    Build();
    return 1;
}

long ConverterPanel::Size(int, int)
{
    Build();
    return 1;
}

void ConverterPanel::Build()
{
    buttons_.Clear();
    keys_.Clear();
    faces_.Clear();
    if (!Window() || !Context().layouts) return;
    const Rect client = Window()->ClientRect();
    const LayoutDef* layout = Context().layouts->Layout(layoutIndex_);
    layout_ = ComputeConverterLayout(ScreenMetrics::ForClient(client.Width(), client.Height()), layout, rowWeights_);
    const KeySkin skin{&Context().layouts->Colors(), &faces_, Window(), layout_.metrics.icon};
    std::vector<ButtonDef> buttons;
    for (std::size_t index = 0; index < captions_.size(); ++index) {
        ButtonDef button;
        button.type = kPanelButtonType;
        button.id = static_cast<std::int32_t>(index);
        button.style = kPanelButtonStyle;
        button.caption = captions_[index];
        buttons.push_back(button);
    }
    buttons_.Build(buttons, layout_.buttons, skin);
    buttons_.SetFonts(layout_.buttonFonts);
    if (layout) keys_.Build(layout->mainButtons, layout_.keypad, skin);
    keys_.SetFonts(layout_.keyFonts);
}

long ConverterPanel::Draw(Canvas& canvas, const Rect& clip)
{
    if (!Window() || !Context().layouts) return kNotHandled;
    canvas.FillRect(Window()->ClientRect().Intersected(clip), Context().layouts->Colors().background);
    buttons_.Draw(canvas, clip);
    if (static_cast<std::size_t>(focus_) < buttons_.Keys().size()) {
        const Rect focused = buttons_.Keys()[static_cast<std::size_t>(focus_)].Bounds();
        canvas.FrameRect(focused, TextColor(), kFocusFrameWidth);
    }
    DrawRows(canvas, layout_.rows);
    keys_.Draw(canvas, clip);
    return 1;
}

long ConverterPanel::Char(wchar_t)
{
    Repaint();
    return 1;
}

long ConverterPanel::KeyDown(std::uint32_t virtualKey)
{
    switch (virtualKey) {
    case VK_LEFT:
    case VK_UP: focus_ = (focus_ + ConverterLayout::kButtonCount - 1) % ConverterLayout::kButtonCount; break;
    case VK_RIGHT:
    case VK_DOWN: focus_ = (focus_ + 1) % ConverterLayout::kButtonCount; break;
    case VK_RETURN: PressButton(focus_); break;
    default: return kNotHandled;
    }
    Repaint();
    return 1;
}

long ConverterPanel::KeyUp(std::uint32_t virtualKey)
{
    switch (virtualKey) {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_RETURN: return 1;
    default: return kNotHandled;
    }
}

long ConverterPanel::PenDown(Point point)
{
    if (buttons_.PenDown(point) || keys_.PenDown(point)) {
        keySound_.Play(Context());
        return 1;
    }
    for (std::size_t row = 0; row < layout_.rows.size(); ++row) {
        if (layout_.rows[row].Contains(point)) {
            pressedRow_ = row;
            return 1;
        }
    }
    return kNotHandled;
}

long ConverterPanel::PenMove(Point point)
{
    buttons_.PenMove(point);
    keys_.PenMove(point);
    return 1;
}

long ConverterPanel::PenUp(Point point)
{
    const std::optional<std::size_t> row = std::exchange(pressedRow_, std::nullopt);
    if (const std::optional<ButtonDef> button = buttons_.PenUp(point)) {
        focus_ = button->id;
        PressButton(button->id);
        Repaint();
        return 1;
    }
    if (const std::optional<ButtonDef> key = keys_.PenUp(point)) {
        if (Window()) Window()->PostMessage(KeypadView::kKeyMessage, static_cast<std::uintptr_t>(key->type), key->id);
        Repaint();
        return 1;
    }
    if (!row) return kNotHandled;
    if (layout_.rows[*row].Contains(point) && TapRow(*row)) Repaint();
    return 1;
}

DisplayText ConverterPanel::FormatNumber(std::wstring_view numberText) const
{
    if (!Context().formatter) return {std::wstring(numberText), L"", L"", false};
    const bool regional = Context().settings && Context().settings->regional;
    return Context().formatter->FormatDisplay(numberText, regional);
}

std::wstring ConverterPanel::DisplayNumberText() const
{
    return Engine() ? Engine()->GetRawDisplayText() : std::wstring();
}

bool ConverterPanel::IsNumberText(std::wstring_view text)
{
    std::size_t consumed = 0;
    ParseDouble(text, &consumed);
    return consumed > 0;
}

void ConverterPanel::ShowList(int button, const std::function<void(MenuList& list)>& fill)
{
    PopupMenuWindow* menu = Context().menuWindow;
    if (!menu || !Window() || static_cast<std::size_t>(button) >= buttons_.Keys().size()) return;
    MenuList& list = menu->List();
    list.Clear();
    fill(list);
    const int icon = layout_.metrics.icon;
    const int rowHeight = MenuList::DefaultRowHeight(icon);
    list.SetColors(MenuColors::ForSkin(Context().layouts->Colors()));
    list.SetRowHeights(rowHeight, rowHeight);
    list.SetFont(FontSpec{kFontFamily, 4 * icon / 9});
    const Rect client = Window()->ClientRect();
    const Rect below = buttons_.Keys()[static_cast<std::size_t>(button)].Bounds();
    const Rect area{client.left, below.bottom, client.right, client.bottom - SoftKeyBarHeight(icon)};
    if (!menu->Show(*Window(), MenuStyleFitWidth | MenuStyleFitHeight, area)) return;
    const auto& entries = list.Entries();
    for (std::size_t index = 0; index < entries.size(); ++index) {
        if (!entries[index].Checked()) continue;
        list.Select(index);
        list.ScrollIntoView(menu->RowsArea(), index);
        break;
    }
    Window()->InvalidateAll();
}

void ConverterPanel::DescribeControls(std::vector<StateLine>& lines) const
{
    for (const KeyButton& button : buttons_.Keys()) lines.push_back({"button", {}, KeyCaption(button.Button()), button.Bounds()});
    for (const KeyButton& key : keys_.Keys()) {
        const ButtonDef& button = key.Button();
        lines.push_back({"key", {std::to_string(button.type), std::to_string(button.id)}, KeyCaption(button), key.Bounds()});
    }
    lines.push_back({"focus", {NarrowUtf8(captions_[static_cast<std::size_t>(focus_)])}});
}

Color ConverterPanel::TextColor() const
{
    const SkinColors& colors = Context().layouts->Colors();
    return ReadableOn(colors.background, colors.text);
}

void ConverterPanel::Repaint()
{
    if (Window()) Window()->InvalidateAll();
}

}  // namespace tallyx
