#include "app/mode_panels/graph_panel.h"

#include <algorithm>

#include "app/graph_opener.h"
#include "app/keypad_geometry.h"
#include "app/keypad_view.h"
#include "app/state_listing.h"
#include "engine/angle_unit.h"
#include "engine/calc_engine.h"
#include "engine/key_ids.h"
#include "graph/implicit_multiplication.h"
#include "keypad/keypad_layouts.h"
#include "platform/registry.h"
#include "platform/window_messages.h"
#include "ui/popup_menu_window.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

constexpr std::wstring_view kTextLabel = L"f(x)=";
constexpr unsigned kSlotListStyle = MenuStyleFitWidth | MenuStyleFitHeight;

std::wstring ValueName(int slot)
{
    return L"Graph" + std::to_wstring(slot);
}

std::wstring SlotLabel(int slot)
{
    return L"f" + std::to_wstring(slot + 1) + L"(x)";
}

// "2ndF" and "Hyp" for the shift state, the angle unit, and "M" while memory 0 holds a value.
std::wstring IndicatorLine(CalcEngine& engine)
{
    std::wstring line;
    const ShiftState shift = engine.GetShiftState();
    if (shift == ShiftStateSecond || shift == ShiftStateHypSecond) line += L"2ndF  ";
    if (shift == ShiftStateHyp || shift == ShiftStateHypSecond) line += L"Hyp  ";
    line += AngleUnitName(static_cast<AngleUnit>(std::clamp(engine.GetAngleUnit(), 0, 2)));
    if (engine.IsMemoryUsed(0)) line += L"  M";
    return line;
}

}  // namespace

GraphPanel::GraphPanel(Registry& registry) : registry_(registry)
{
    for (int slot = 0; slot < kSlots; ++slot) {
        std::wstring text;
        if (registry_.ReadString(kTallyxKey, ValueName(slot), text) != StatusOk) continue;
        texts_[static_cast<std::size_t>(slot)] = text.substr(0, kLongestStoredText);
    }
}

GraphPanel::~GraphPanel()
{
    // What was typed into the current slot is kept as a slot change would keep it.
    if (active_) CommitSlot();
    // An emptied slot is written too, or the function deleted would come back at the next start.
    for (int slot = 0; slot < kSlots; ++slot) {
        registry_.WriteString(kTallyxKey, ValueName(slot), SlotText(slot).substr(0, kLongestStoredText));
    }
}

void GraphPanel::CommitSlot()
{
    if (CalcEngine* engine = Context().engine) {
        texts_[static_cast<std::size_t>(current_)] = InsertImplicitMultiplication(engine->GetIndicatorText());
    }
}

void GraphPanel::SelectSlot(int slot)
{
    if (slot < 0 || slot >= kSlots) return;
    CommitSlot();
    current_ = slot;
    if (CalcEngine* engine = Context().engine) engine->PressButton(ButtonTypeClear, ClearKeyAll);
    LoadSlot();
    Repaint();
}

void GraphPanel::LoadSlot()
{
    CalcEngine* engine = Context().engine;
    if (engine && !SlotText(current_).empty()) engine->LoadTexts(L"", SlotText(current_));
}

void GraphPanel::ShowSlotList()
{
    PopupMenuWindow* menu = Context().menuWindow;
    if (!menu || !Window() || !Context().layouts) return;
    CommitSlot();
    MenuList& list = menu->List();
    list.Clear();
    const int icon = Icon();
    list.SetColors(MenuColors::ForSkin(Context().layouts->Colors()));
    list.SetRowHeights(MenuList::DefaultRowHeight(icon), MenuList::DefaultRowHeight(icon));
    list.SetFont(FontSpec{kFontFamily, 4 * icon / 9, 400});
    for (int slot = 0; slot < kSlots; ++slot) {
        const unsigned mark = slot == current_ ? MenuItemChecked | MenuItemDefault : 0u;
        list.AddItem(L"f" + std::to_wstring(slot + 1) + L"(x) = " + SlotText(slot), kFirstSlotCommand + static_cast<std::uint32_t>(slot),
                     slot, MenuItemRadio | mark);
    }
    const Rect button = ButtonRect();
    const Rect client = Window()->ClientRect();
    menu->Show(*Window(), kSlotListStyle, {button.left, button.bottom, client.right, client.bottom - SoftKeyBarHeight(icon)});
    Window()->InvalidateAll();
}

void GraphPanel::DrawGraph()
{
    CalcEngine* engine = Context().engine;
    if (!engine || !Window() || !Context().layouts) return;
    CommitSlot();
    PlotterContent content;
    for (int slot = 0; slot < kSlots; ++slot) {
        if (!SlotText(slot).empty()) content.functions.emplace_back(slot, SlotText(slot));
    }
    RunPlotter(*Window(), *engine, Context().layouts->SkinIndex(), content);
    Repaint();
}

int GraphPanel::Icon() const
{
    if (!Window()) return ScreenMetrics{}.icon;
    const Rect client = Window()->ClientRect();
    return ScreenMetrics::ForClient(client.Width(), client.Height()).icon;
}

Rect GraphPanel::Area() const
{
    if (!Window() || !Context().layouts) return {};
    const Rect client = Window()->ClientRect();
    return ComputeKeypadGeometry(ScreenMetrics::ForClient(client.Width(), client.Height()),
                                 Context().layouts->CurrentLayout())
        .display;
}

Rect GraphPanel::ButtonRect() const
{
    const Rect area = Area();
    const int margin = Icon() / 8;
    return {area.left + margin, area.top + margin, area.left + margin + 2 * Icon(), area.top + margin + Icon() / 2};
}

Rect GraphPanel::TextRect() const
{
    const Rect area = Area();
    const int margin = Icon() / 8;
    return {area.left + margin, ButtonRect().bottom + margin, area.right - margin, area.bottom - margin};
}

long GraphPanel::Draw(Canvas& canvas, const Rect&)
{
    CalcEngine* engine = Context().engine;
    if (!Window() || !Context().layouts || !engine) return kNotHandled;
    const SkinColors& colors = Context().layouts->Colors();
    const ColorSet& display = colors.sets[0];
    const Rect area = Area();
    const int icon = Icon();
    canvas.FillVerticalGradient(area, display.color1, display.color2);
    canvas.FrameRect(area, display.hiLite1);

    const Rect button = ButtonRect();
    const FontSpec small{kFontFamily, icon * 3 / 8, 400};
    canvas.FillRoundRect(button, icon / 8, display.color1);
    canvas.FrameRoundRect(button, icon / 8, focused_ ? colors.text : display.hiLite1, focused_ ? 2 : 1);
    canvas.DrawText(SlotLabel(current_), button, FontSpec{kFontFamily, icon * 3 / 8, 700}, colors.text,
                    TextAlignCenter | TextAlignVCenter);
    const Rect indicators{button.right + icon / 4, button.top, TextRect().right, button.bottom};
    canvas.DrawText(IndicatorLine(*engine), indicators, small, colors.topText, TextAlignRight | TextAlignVCenter);

    // The larger font while the whole text fits the width, else the smaller one over two lines.
    const Rect textArea = TextRect();
    const std::wstring text = std::wstring(kTextLabel) + engine->GetIndicatorText();
    const FontSpec large{kFontFamily, std::min(icon * 5 / 8, textArea.Height()), 400};
    const FontSpec wrapped{kFontFamily, std::min(icon * 3 / 8, textArea.Height() / 2), 400};
    const bool fits = canvas.MeasureText(text, large).width <= textArea.Width();
    canvas.DrawText(text, textArea, fits ? large : wrapped, colors.text,
                    TextAlignLeft | (fits ? TextAlignVCenter : TextAlignTop | TextWordBreak));
    return 1;
}

long GraphPanel::KeyDown(std::uint32_t virtualKey)
{
    switch (virtualKey) {
    case VK_UP: focused_ = true; break;
    case VK_DOWN: focused_ = false; break;
    case VK_RETURN:
        if (!focused_) return kNotHandled;
        ShowSlotList();
        return 1;
    default: return kNotHandled;
    }
    Repaint();
    return 1;
}

long GraphPanel::KeyUp(std::uint32_t virtualKey)
{
    return virtualKey == VK_UP || virtualKey == VK_DOWN || (virtualKey == VK_RETURN && focused_) ? 1 : kNotHandled;
}

// The display area belongs to the list: only its button answers the pen.
long GraphPanel::PenDown(Point point)
{
    if (!Area().Contains(point)) return kNotHandled;
    penOnButton_ = ButtonRect().Contains(point);
    return 1;
}

long GraphPanel::PenUp(Point point)
{
    const bool tapped = std::exchange(penOnButton_, false) && ButtonRect().Contains(point);
    if (!Area().Contains(point)) return kNotHandled;
    if (tapped) ShowSlotList();
    return 1;
}

long GraphPanel::UserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    if (message != KeypadView::kKeyMessage || first != ButtonTypeGraph) return kNotHandled;
    if (second == GraphKeyDraw) {
        DrawGraph();
    } else if (second == GraphKeyFunctions) {
        ShowSlotList();
    }
    return 1;
}

long GraphPanel::Command(std::uint32_t command, std::intptr_t)
{
    if (command < kFirstSlotCommand || command >= kFirstSlotCommand + kSlots) return kNotHandled;
    SelectSlot(static_cast<int>(command - kFirstSlotCommand));
    return 1;
}

long GraphPanel::Attach(const PanelContext& context)
{
    Panel::Attach(context);
    // Attached again while current (new keys after an option change): the typed text stays.
    if (std::exchange(active_, true)) return 1;
    if (current_ == 0) LoadSlot();
    return 1;
}

void GraphPanel::TypeChanging(int)
{
    if (active_) CommitSlot();
    active_ = false;
    focused_ = false;
}

void GraphPanel::DescribeState(std::vector<StateLine>& lines) const
{
    lines.push_back({"panel", {"graph"}});
    lines.push_back({"button", {}, SlotLabel(current_), ButtonRect()});
    for (int slot = 0; slot < kSlots; ++slot) {
        StateLine line{"slot", {std::to_string(slot + 1)}, SlotText(slot)};
        if (slot == current_) {
            line.rect = ButtonRect();
            line.marks.push_back("selected");
        }
        lines.push_back(std::move(line));
    }
    if (const CalcEngine* engine = Context().engine) {
        lines.push_back({"text", {}, std::wstring(kTextLabel) + engine->GetIndicatorText(), TextRect()});
    }
}

void GraphPanel::Repaint()
{
    if (Window()) Window()->InvalidateAll();
}

}  // namespace tallyx
