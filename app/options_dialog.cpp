#include "app/options_dialog.h"

#include <array>

#include "app/fitted_label.h"
#include "app/keypad_geometry.h"
#include "platform/window_messages.h"
#include "ui/popup_menu_window.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

constexpr const wchar_t* kTitle = L"Tallyx";
constexpr Color kWhite = MakeColor(255, 255, 255);
constexpr Color kUnselectedValue = MakeColor(208, 208, 208);
constexpr Color kSelection = MakeColor(149, 223, 49);
constexpr Color kListBackground = MakeColor(36, 40, 48);
constexpr Color kSectionBackground = MakeColor(84, 92, 110);
constexpr Color kRowLine = MakeColor(58, 64, 76);
constexpr unsigned kChoiceMenuStyle = MenuStyleFitHeight | MenuStyleFromBottom;

MenuColors ListColors()
{
    MenuColors colors;
    colors.background = kListBackground;
    colors.text = kWhite;
    colors.headerBackground = kSectionBackground;
    colors.headerText = kWhite;
    colors.selection = kSelection;
    colors.selectedText = kWhite;
    colors.separator = kRowLine;
    return colors;
}

}  // namespace

OptionsDialog::OptionsDialog(const OptionsRecord& record, PopupMenuWindow& menu, std::int32_t skinIndex)
    : record_(record), menu_(menu), skinIndex_(skinIndex)
{
}

bool OptionsDialog::Run(WindowHost& parent)
{
    return RunModal(&parent, parent.ClientRect(), kTitle) == kResultOk;
}

long OptionsDialog::OnCreate(std::uintptr_t, std::intptr_t)
{
    softKeys_.SetWindow(Window());
    softKeys_.SetCaptions(L"OK", L"Cancel");
    FillList();
    Layout();
    return 1;
}

long OptionsDialog::OnSize(std::uintptr_t, std::intptr_t)
{
    Layout();
    return 1;
}

void OptionsDialog::Layout()
{
    const Rect client = Window()->ClientRect();
    const ScreenMetrics metrics = ScreenMetrics::ForClient(client.Width(), client.Height());
    icon_ = metrics.icon;
    smallIcon_ = metrics.smallIcon;
    softKeys_.Place(ComputeKeypadGeometry(metrics, nullptr), skinIndex_);
    listArea_ = {client.left, client.top, client.right, softKeys_.Bounds().top};
    const int rowHeight = 3 * icon_ / 4;
    list_.SetRowHeights(rowHeight, rowHeight);
    list_.SetFont({kFontFamily, 4 * icon_ / 9, 700});
    if (list_.Selected()) list_.ScrollIntoView(listArea_, *list_.Selected());
    Window()->InvalidateAll();
}

void OptionsDialog::FillList()
{
    list_.Clear();
    list_.SetColors(ListColors());
    for (const OptionSection& section : OptionSections()) {
        list_.AddHeader(section.title);
        for (const Option option : section.options) list_.AddItem(OptionLabel(option), kRowCommand, option);
    }
    list_.SetRowPainter([this](Canvas& canvas, const MenuEntry& entry, const Rect& row, bool selected) {
        return DrawRow(canvas, entry, row, selected);
    });
    list_.SelectNext(true);
}

bool OptionsDialog::DrawRow(Canvas& canvas, const MenuEntry& entry, const Rect& row, bool selected) const
{
    if (entry.kind != MenuEntryKind::Item) return false;
    if (selected) canvas.FillRect(row, kSelection);
    canvas.DrawLine({row.left, row.bottom - 1}, {row.right, row.bottom - 1}, kRowLine);
    // The arrow that says a menu opens here, a small-icon square at the right edge.
    const int arrowLeft = row.right - smallIcon_;
    const int middle = (row.top + row.bottom) / 2;
    const int reach = smallIcon_ / 4;
    const std::array<Point, 3> arrow = {Point{arrowLeft + reach, middle - reach},
                                        Point{arrowLeft + 2 * reach, middle},
                                        Point{arrowLeft + reach, middle + reach}};
    canvas.FillPolygon(arrow, kWhite);
    // The value keeps its room; the label takes a smaller font or two lines to read whole in the rest.
    const auto option = static_cast<Option>(entry.value);
    const std::wstring value = ChoiceName(option, record_[option]);
    const FontSpec valueFont{kFontFamily, 3 * icon_ / 7, 400};
    const int valueLeft = arrowLeft - canvas.MeasureText(value, valueFont).width;
    canvas.DrawText(value, {valueLeft, row.top, arrowLeft, row.bottom}, valueFont, selected ? kWhite : kUnselectedValue,
                    TextAlignRight | TextAlignVCenter);
    const Rect room{row.left + smallIcon_ / 4, row.top, valueLeft - smallIcon_ / 4, row.bottom};
    const FittedLabel label =
        FitLabel(canvas, entry.text, {room.Width(), room.Height()}, {kFontFamily, 4 * icon_ / 9, 700});
    DrawFittedLabel(canvas, label, room, kWhite);
    return true;
}

long OptionsDialog::Draw(Canvas& canvas, const Rect&)
{
    // The list clips what follows it to its area, so the bar goes first.
    softKeys_.Draw(canvas);
    list_.Draw(canvas, listArea_);
    return 1;
}

bool OptionsDialog::PenBlocked() const
{
    return menu_.IsOpen() || menu_.ClosedWithin(kPenGuard);
}

long OptionsDialog::OnPenDown(Point point)
{
    if (PenBlocked() || softKeys_.PenDown(point)) return 1;
    if (list_.PenDown(listArea_, point)) Window()->InvalidateAll();
    return 1;
}

long OptionsDialog::OnPenMove(Point point)
{
    if (PenBlocked()) return 1;
    if (list_.PenMove(listArea_, point)) Window()->InvalidateAll();
    return 1;
}

long OptionsDialog::OnPenUp(Point point)
{
    if (PenBlocked() || softKeys_.PenUp(point)) return 1;
    const MenuTap tap = list_.PenUp(listArea_, point);
    if (tap.kind == MenuTap::OnEntry && list_.Entries()[tap.index].Choosable()) {
        Window()->PostMessage(WM_COMMAND, kRowCommand, 0);
    }
    return 1;
}

long OptionsDialog::OnKeyDown(std::uintptr_t first, std::intptr_t)
{
    if (first == VK_UP || first == VK_DOWN) {
        list_.SelectNext(first == VK_DOWN);
        if (list_.Selected()) list_.ScrollIntoView(listArea_, *list_.Selected());
        Window()->InvalidateAll();
    } else if (first == VK_RETURN || first == VK_SPACE) {
        OpenChoices();
    }
    return 1;
}

// Ending on the release keeps the key from reaching the window below.
long OptionsDialog::OnKeyUp(std::uintptr_t first, std::intptr_t)
{
    switch (first) {
    case VK_F1: End(kResultOk); return 1;
    case VK_F2:
    case VK_ESCAPE: End(kResultCancel); return 1;
    default: return 1;
    }
}

long OptionsDialog::OnCommand(std::uintptr_t first, std::intptr_t)
{
    switch (first) {
    case kRowCommand:
    case kOpenCommand: OpenChoices(); return 1;
    case kChoiceCommand: StoreChoice(); return 1;
    case kOkCommand: End(kResultOk); return 1;
    case kCancelCommand: End(kResultCancel); return 1;
    default: return kNotHandled;
    }
}

long OptionsDialog::OnUserMessage(std::uint32_t message, std::uintptr_t, std::intptr_t)
{
    switch (message) {
    case SoftKeyBar::kLeftMessage: End(kResultOk); return 1;
    case SoftKeyBar::kRightMessage: End(kResultCancel); return 1;
    default: return kNotHandled;
    }
}

long OptionsDialog::DefaultHandler(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    if (message != WM_MOUSEWHEEL) return WindowBase::DefaultHandler(message, first, second);
    // A choice menu over the rows takes the wheel itself.
    if (!menu_.IsOpen() && list_.Wheel(listArea_, WheelDeltaOf(first))) Window()->InvalidateAll();
    return 1;
}

// Closing the window is Cancel.
long OptionsDialog::OnClose(std::uintptr_t, std::intptr_t)
{
    End(kResultCancel);
    return 1;
}

void OptionsDialog::End(long result)
{
    if (Window()) Window()->EndModal(result);
}

// However the dialog ends, a choice menu over it goes with it.
long OptionsDialog::OnDestroy(std::uintptr_t, std::intptr_t)
{
    menu_.Close();
    return 1;
}

std::optional<Option> OptionsDialog::SelectedOption() const
{
    const MenuEntry* entry = list_.SelectedEntry();
    if (!entry) return std::nullopt;
    return static_cast<Option>(entry->value);
}

std::optional<std::size_t> OptionsDialog::RowIndexOf(Option option) const
{
    const auto& entries = list_.Entries();
    for (std::size_t index = 0; index < entries.size(); ++index) {
        if (entries[index].kind == MenuEntryKind::Item && entries[index].value == option) return index;
    }
    return std::nullopt;
}

bool OptionsDialog::SelectOption(Option option)
{
    const std::optional<std::size_t> index = RowIndexOf(option);
    if (!index) return false;
    list_.Select(index);
    list_.ScrollIntoView(listArea_, *index);
    if (Window()) Window()->InvalidateAll();
    return true;
}

std::optional<Rect> OptionsDialog::RowRectOf(Option option) const
{
    const std::optional<std::size_t> index = RowIndexOf(option);
    if (!index) return std::nullopt;
    return list_.RowRect(listArea_, *index);
}

void OptionsDialog::OpenChoices()
{
    const std::optional<Option> option = SelectedOption();
    if (!option || !Window() || menu_.IsOpen()) return;
    MenuList& choices = menu_.List();
    choices.Clear();
    choices.SetColors(ListColors());
    choices.SetFont({kFontFamily, 3 * icon_ / 7, 400});
    const int rowHeight = MenuList::DefaultRowHeight(icon_);
    choices.SetRowHeights(rowHeight, rowHeight);
    choices.SetTitle(OptionLabel(*option));
    for (const OptionChoice& choice : OfferedChoices(*option)) {
        const unsigned flags = MenuItemCheckable | (choice.value == record_[*option] ? MenuItemChecked : 0u);
        choices.AddItem(choice.name, kChoiceCommand, choice.value, flags);
    }
    const Rect client = Window()->ClientRect();
    const int eighth = client.Width() / 8;
    const Rect area{client.left + eighth, client.top, client.left + eighth + 3 * client.Width() / 4,
                    softKeys_.Bounds().top};
    menu_.Show(*Window(), kChoiceMenuStyle, area);
}

void OptionsDialog::StoreChoice()
{
    const std::optional<Option> option = SelectedOption();
    const MenuEntry* choice = menu_.SelectedEntry();
    if (!option || !choice || choice->command != kChoiceCommand) return;
    record_[*option] = static_cast<std::int32_t>(choice->value);
    if (Window()) Window()->InvalidateAll();
}

}  // namespace tallyx
