#include "app/mode_panels/constants_panel.h"

#include <algorithm>

#include "app/fitted_label.h"
#include "app/keypad_geometry.h"
#include "app/state_listing.h"
#include "convert/constants_db.h"
#include "engine/calc_engine.h"
#include "keypad/keypad_layouts.h"
#include "platform/window_messages.h"
#include "ui/popup_menu_window.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

constexpr int kLevelCount = ConstantsDb::kLevelCount;
constexpr wchar_t kGroupCaption[] = L"Group";
constexpr wchar_t kConstantsCaption[] = L"Constants";
constexpr wchar_t kPathSeparator[] = L"->";
constexpr unsigned kLevelListStyle = MenuStyleFitHeight;
constexpr int kListFontNinths = 4;
constexpr int kBold = 700;
constexpr int kNormal = 400;

std::string Number(std::size_t value)
{
    return std::to_string(value);
}

}  // namespace

long ConstantsPanel::Attach(const PanelContext& context)
{
    Panel::Attach(context);
    // The library is read only once the user first comes to it.
    if (!mapped_ && context.constants) {
        context.constants->MapResourceText();
        mapped_ = true;
    }
    return 1;
}

void ConstantsPanel::TypeChanging(int)
{
    if (Window()) Window()->KillTimer(kNoteTimer);
    note_.reset();
    pressed_.reset();
}

ConstantsPanelLayout ConstantsPanel::Layout() const
{
    const Rect client = Window() ? Window()->ClientRect() : Rect{};
    const ScreenMetrics metrics = ScreenMetrics::ForClient(client.Width(), client.Height());
    const LayoutDef* layout = Context().layouts ? Context().layouts->CurrentLayout() : nullptr;
    return LayOutConstantsPanel(ComputeKeypadGeometry(metrics, layout).alternateArea, metrics.icon);
}

int ConstantsPanel::LevelButtonCount() const
{
    const ConstantsDb* constants = Context().constants;
    int count = 0;
    while (constants && count < kLevelCount && constants->GetCount(count) > 0) ++count;
    return count;
}

std::vector<PanelButton> ConstantsPanel::Buttons() const
{
    const ConstantsPanelLayout layout = Layout();
    const int levels = LevelButtonCount();
    std::vector<PanelButton> buttons;
    for (int level = 0; level < levels; ++level) {
        const bool groupSelected = !Context().constants->GetSelectedName(level).empty();
        buttons.push_back({groupSelected ? kGroupCaption : kConstantsCaption,
                           layout.levelButtons[static_cast<std::size_t>(level)]});
    }
    buttons.push_back({kFavouriteCaption, layout.favouriteButton});
    const std::size_t focused = std::min(focus_, buttons.size() - 1);
    buttons[focused].focused = true;
    if (pressed_ && *pressed_ < buttons.size()) buttons[*pressed_].pressed = true;
    return buttons;
}

std::vector<std::wstring> ConstantsPanel::TextLines() const
{
    if (note_) return note_->lines;
    std::vector<std::wstring> lines;
    for (std::size_t level = 0; level < ConstantsPanelLayout::kLineCount; ++level) {
        lines.push_back(Context().constants ? Context().constants->GetSelectedName(static_cast<int>(level)) : L"");
    }
    return lines;
}

long ConstantsPanel::Draw(Canvas& canvas, const Rect& clip)
{
    if (!Window() || !Context().layouts) return kNotHandled;
    const ConstantsPanelLayout layout = Layout();
    const SkinColors& colors = Context().layouts->Colors();
    const int icon = ScreenMetrics::ForClient(Window()->ClientRect().Width(), Window()->ClientRect().Height()).icon;
    for (const PanelButton& button : Buttons()) {
        if (!button.rect.Intersected(clip).IsEmpty()) DrawPanelButton(canvas, button, colors, icon);
    }
    const std::vector<std::wstring> lines = TextLines();
    const Color text = ReadableOn(colors.background, colors.text);
    for (std::size_t line = 0; line < lines.size() && line < layout.lines.size(); ++line) {
        const Rect& room = layout.lines[line];
        FontSpec font = layout.textFont;
        // The constant's name heads the note.
        if (note_ && line == 0) font.weight = kBold;
        DrawFittedLabel(canvas, FitLabel(canvas, lines[line], {room.Width(), room.Height()}, font), room, text);
    }
    return 1;
}

std::optional<std::size_t> ConstantsPanel::ButtonAt(Point point) const
{
    const std::vector<PanelButton> buttons = Buttons();
    for (std::size_t index = 0; index < buttons.size(); ++index) {
        if (buttons[index].rect.Contains(point)) return index;
    }
    return std::nullopt;
}

long ConstantsPanel::PenDown(Point point)
{
    pressed_ = ButtonAt(point);
    if (!pressed_) return kNotHandled;
    focus_ = *pressed_;
    Repaint();
    return 1;
}

long ConstantsPanel::PenUp(Point point)
{
    if (!pressed_) return kNotHandled;
    const std::size_t pressed = *pressed_;
    pressed_.reset();
    Repaint();
    if (ButtonAt(point) == pressed) Press(pressed);
    return 1;
}

long ConstantsPanel::KeyDown(std::uint32_t virtualKey)
{
    // The key acts when released; taking its press keeps Return from reaching Equals.
    switch (virtualKey) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_RETURN: return 1;
    default: return kNotHandled;
    }
}

long ConstantsPanel::KeyUp(std::uint32_t virtualKey)
{
    if (KeyDown(virtualKey) == kNotHandled) return kNotHandled;
    if (virtualKey == VK_RETURN) {
        Press(std::min(focus_, static_cast<std::size_t>(LevelButtonCount())));
    } else {
        MoveFocus(virtualKey);
    }
    return 1;
}

void ConstantsPanel::MoveFocus(std::uint32_t virtualKey)
{
    const std::size_t favourite = static_cast<std::size_t>(LevelButtonCount());
    const std::size_t count = favourite + 1;
    const std::size_t focused = std::min(focus_, favourite);
    switch (virtualKey) {
    case VK_RIGHT: focus_ = (focused + 1) % count; break;
    case VK_LEFT: focus_ = (focused + count - 1) % count; break;
    default:
        // Up and Down jump between the level buttons and "+Fav".
        focus_ = focused == favourite && favourite > 0 ? favourite - 1 : favourite;
        break;
    }
    Repaint();
}

void ConstantsPanel::Press(std::size_t button)
{
    const int levels = LevelButtonCount();
    if (static_cast<int>(button) < levels) {
        OpenLevelList(static_cast<int>(button));
    } else {
        AddFavourite();
    }
}

void ConstantsPanel::OpenLevelList(int level)
{
    PopupMenuWindow* menu = Context().menuWindow;
    const ConstantsDb* constants = Context().constants;
    if (!menu || !constants || !Window()) return;
    MenuList& list = menu->List();
    list.Clear();
    list.SetTitle(level == 0 ? std::wstring(kConstantsCaption) : constants->GetSelectedName(level - 1));
    const std::wstring selected = constants->GetSelectedName(level);
    const int count = std::min(constants->GetCount(level), static_cast<int>(kLevelCommandStep));
    const std::uint32_t first = kFirstLevelCommand + static_cast<std::uint32_t>(level) * kLevelCommandStep;
    for (int index = 0; index < count; ++index) {
        const std::wstring name = constants->GetName(level, index);
        const unsigned flags = !selected.empty() && name == selected ? MenuItemCheckable | MenuItemChecked : 0u;
        list.AddItem(name, first + static_cast<std::uint32_t>(index), index, flags);
    }
    const Rect client = Window()->ClientRect();
    const int icon = ScreenMetrics::ForClient(client.Width(), client.Height()).icon;
    const int rowHeight = MenuList::DefaultRowHeight(icon);
    list.SetColors(MenuColors::ForSkin(Context().layouts->Colors()));
    list.SetRowHeights(rowHeight, rowHeight);
    list.SetFont(FontSpec{kFontFamily, kListFontNinths * icon / 9, kNormal});
    menu->Show(*Window(), kLevelListStyle, {client.left, client.top, client.right, client.bottom - SoftKeyBarHeight(icon)});
    Window()->InvalidateAll();
}

long ConstantsPanel::Command(std::uint32_t command, std::intptr_t)
{
    const std::uint32_t last = kFirstLevelCommand + kLevelCount * kLevelCommandStep;
    if (command < kFirstLevelCommand || command >= last) return kNotHandled;
    const std::uint32_t offset = command - kFirstLevelCommand;
    Choose(static_cast<int>(offset / kLevelCommandStep), static_cast<int>(offset % kLevelCommandStep));
    return 1;
}

void ConstantsPanel::Choose(int level, int index)
{
    ConstantsDb* constants = Context().constants;
    if (!constants || index >= constants->GetCount(level)) return;
    if (!constants->IsConstant(level, index)) {
        constants->Select(level, index);
        // The next step down is the likely next choice.
        focus_ = static_cast<std::size_t>(std::min(level + 1, LevelButtonCount() - 1));
        note_.reset();
        Repaint();
        return;
    }
    const std::optional<std::wstring> value = constants->GetValue(level, index);
    if (!value) return;
    if (Context().engine) Context().engine->LoadTexts(*value, L"");
    ShowNote({constants->GetName(level, index), *value, PathTo(level)});
}

std::wstring ConstantsPanel::PathTo(int level) const
{
    std::wstring path;
    for (int above = 0; above < level; ++above) {
        if (!path.empty()) path += kPathSeparator;
        path += Context().constants->GetSelectedName(above);
    }
    return path;
}

void ConstantsPanel::AddFavourite()
{
    ConstantsDb* constants = Context().constants;
    if (!constants) return;
    if (constants->AddFavourite() != StatusOk) {
        ShowNote({L"Choose a constant first", L"", L""});
        return;
    }
    ShowNote({constants->GetFavouriteName(0), L"Added to the favorites", constants->GetFavouritePath(0)});
}

void ConstantsPanel::ShowNote(std::vector<std::wstring> lines)
{
    note_ = Note{std::move(lines)};
    if (Window()) Window()->SetTimer(kNoteTimer, kNoteMilliseconds);
    Repaint();
}

long ConstantsPanel::Timer(std::uintptr_t timer)
{
    if (timer != kNoteTimer) return kNotHandled;
    if (Window()) Window()->KillTimer(timer);
    note_.reset();
    Repaint();
    return 1;
}

void ConstantsPanel::Repaint() const
{
    if (Window()) Window()->InvalidateAll();
}

void ConstantsPanel::DescribeState(std::vector<StateLine>& lines) const
{
    lines.push_back({"panel", {"constants"}});
    const std::vector<PanelButton> buttons = Buttons();
    for (std::size_t index = 0; index < buttons.size(); ++index) {
        const PanelButton& button = buttons[index];
        const bool favourite = index + 1 == buttons.size();
        lines.push_back(favourite ? StateLine{"button", {}, button.caption, button.rect}
                                  : StateLine{"level", {Number(index)}, button.caption, button.rect});
    }
    for (const std::wstring& line : TextLines()) lines.push_back({"text", {}, line});
    const std::size_t focused = std::min(focus_, buttons.size() - 1);
    lines.push_back({"focus", {focused + 1 == buttons.size() ? std::string("fav") : "level" + Number(focused)}});
}

}  // namespace tallyx
