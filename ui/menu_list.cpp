#include "ui/menu_list.h"

#include <algorithm>
#include <cstdlib>

#include "keypad/skin_colors.h"
#include "platform/window_messages.h"

namespace tallyx {
namespace {

constexpr int kTextMargin = 6;
constexpr int kRowHeightNumerator = 29;
constexpr int kRowHeightDenominator = 32;
constexpr std::int32_t kOrdinaryKeyStyle = 0;
// A pen that moves further than this scrolls the list instead of choosing.
constexpr int kDragDistance = 8;
constexpr int kBoldWeight = 700;

// Room at the right of the rows for the arrow of an item that opens a menu.
int SubmenuColumnWidth(int rowHeight)
{
    return rowHeight / 2;
}

Color Blend(Color from, Color to)
{
    return MakeColor((RedOf(from) + RedOf(to)) / 2, (GreenOf(from) + GreenOf(to)) / 2, (BlueOf(from) + BlueOf(to)) / 2);
}

}  // namespace

MenuColors MenuColors::ForSkin(const SkinColors& skin)
{
    const ColorSet& keys = skin.SetForStyle(kOrdinaryKeyStyle);
    MenuColors colors;
    colors.background = skin.background;
    // The skin's text colour is meant for the display, which may be light where the background is dark.
    colors.text = ReadableOn(skin.background, skin.text);
    colors.disabledText = Blend(skin.background, colors.text);
    colors.headerBackground = keys.color2;
    colors.headerText = ReadableOn(keys.color2, keys.text1);
    colors.separator = Blend(skin.background, colors.text);
    return colors;
}

int MenuList::DefaultRowHeight(int icon)
{
    return kRowHeightNumerator * icon / kRowHeightDenominator;
}

void MenuList::Clear()
{
    entries_.clear();
    selected_.reset();
    painter_ = nullptr;
    scroll_ = 0;
    penDownAt_.reset();
    dragging_ = false;
}

void MenuList::SetTitle(std::wstring title)
{
    MenuEntry header{MenuEntryKind::Header, std::move(title), 0, 0, 0, 0, nullptr};
    entries_.insert(entries_.begin(), std::move(header));
    if (selected_) ++*selected_;
}

std::size_t MenuList::AddItem(std::wstring text, std::uint32_t command, std::intptr_t value, unsigned flags)
{
    entries_.push_back({MenuEntryKind::Item, std::move(text), command, flags, value, 0, nullptr});
    return entries_.size() - 1;
}

void MenuList::AddSeparator()
{
    entries_.push_back({MenuEntryKind::Separator, L"", 0, 0, 0, 0, nullptr});
}

void MenuList::AddHeader(std::wstring text)
{
    entries_.push_back({MenuEntryKind::Header, std::move(text), 0, 0, 0, 0, nullptr});
}

MenuList& MenuList::AddSubmenu(std::wstring text, unsigned flags)
{
    MenuEntry entry{MenuEntryKind::Item, std::move(text), 0, flags, 0, 0, std::make_shared<MenuList>()};
    entry.submenu->SetLookFrom(*this);
    entries_.push_back(std::move(entry));
    return *entries_.back().submenu;
}

void MenuList::SetRowHeights(int item, int header)
{
    itemHeight_ = std::max(1, item);
    headerHeight_ = std::max(1, header);
}

void MenuList::SetLookFrom(const MenuList& other)
{
    colors_ = other.colors_;
    font_ = other.font_;
    itemHeight_ = other.itemHeight_;
    headerHeight_ = other.headerHeight_;
}

bool MenuList::HasCheckColumn() const
{
    return std::ranges::any_of(entries_, [](const MenuEntry& entry) {
        return (entry.flags & (MenuItemCheckable | MenuItemChecked | MenuItemRadio)) != 0;
    });
}

bool MenuList::HasSubmenuColumn() const
{
    return std::ranges::any_of(entries_, &MenuEntry::HasSubmenu);
}

int MenuList::RowHeight(const MenuEntry& entry) const
{
    if (entry.height > 0) return entry.height;
    switch (entry.kind) {
    case MenuEntryKind::Header: return headerHeight_;
    case MenuEntryKind::Separator: return std::max(3, itemHeight_ / 4);
    default: return itemHeight_;
    }
}

int MenuList::ContentHeight() const
{
    int height = 0;
    for (const MenuEntry& entry : entries_) height += RowHeight(entry);
    return height;
}

int MenuList::ContentWidth(Canvas& canvas) const
{
    int widest = 0;
    for (const MenuEntry& entry : entries_) {
        widest = std::max(widest, canvas.MeasureText(entry.text, FontOf(entry)).width);
    }
    const int checkColumn = HasCheckColumn() ? itemHeight_ : 0;
    const int submenuColumn = HasSubmenuColumn() ? SubmenuColumnWidth(itemHeight_) : 0;
    return widest + checkColumn + submenuColumn + 3 * kTextMargin;
}

Rect MenuList::RowRect(const Rect& area, std::size_t index) const
{
    int top = area.top - scroll_;
    for (std::size_t current = 0; current < index && current < entries_.size(); ++current) {
        top += RowHeight(entries_[current]);
    }
    const int height = index < entries_.size() ? RowHeight(entries_[index]) : 0;
    return {area.left, top, area.right, top + height};
}

std::vector<VisibleMenuItem> MenuList::VisibleItems(const Rect& area) const
{
    std::vector<VisibleMenuItem> items;
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        const MenuEntry& entry = entries_[index];
        const Rect visible = RowRect(area, index).Intersected(area);
        if (entry.kind != MenuEntryKind::Item || visible.IsEmpty()) continue;
        items.push_back({entry.text, visible, entry.Checked(), (entry.flags & MenuItemDisabled) != 0,
                         entry.HasSubmenu()});
    }
    return items;
}

std::optional<std::size_t> MenuList::EntryAt(const Rect& area, Point point) const
{
    if (!area.Contains(point)) return std::nullopt;
    int top = area.top - scroll_;
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        const int bottom = top + RowHeight(entries_[index]);
        if (point.y >= top && point.y < bottom) return index;
        top = bottom;
    }
    return std::nullopt;
}

void MenuList::Select(std::optional<std::size_t> index)
{
    if (index && (*index >= entries_.size() || !entries_[*index].Choosable())) index.reset();
    selected_ = index;
}

void MenuList::SelectNext(bool forward)
{
    const auto count = static_cast<std::ptrdiff_t>(entries_.size());
    if (count == 0) return;
    std::ptrdiff_t index = selected_ ? static_cast<std::ptrdiff_t>(*selected_) : (forward ? -1 : count);
    for (std::ptrdiff_t step = 0; step < count; ++step) {
        index += forward ? 1 : -1;
        if (index < 0 || index >= count) return;
        if (entries_[static_cast<std::size_t>(index)].Choosable()) {
            selected_ = static_cast<std::size_t>(index);
            return;
        }
    }
}

const MenuEntry* MenuList::SelectedEntry() const
{
    return selected_ ? &entries_[*selected_] : nullptr;
}

int MenuList::MaxScroll(const Rect& area) const
{
    return std::max(0, ContentHeight() - area.Height());
}

bool MenuList::ScrollBy(const Rect& area, int pixels)
{
    const int scrolled = std::clamp(scroll_ + pixels, 0, MaxScroll(area));
    if (scrolled == scroll_) return false;
    scroll_ = scrolled;
    return true;
}

bool MenuList::Wheel(const Rect& area, int delta)
{
    return ScrollBy(area, -delta * itemHeight_ / kWheelNotch);
}

void MenuList::ScrollIntoView(const Rect& area, std::size_t index)
{
    const Rect row = RowRect(area, index);
    if (row.top < area.top) {
        ScrollBy(area, row.top - area.top);
    } else if (row.bottom > area.bottom) {
        ScrollBy(area, row.bottom - area.bottom);
    }
}

bool MenuList::PenDown(const Rect& area, Point point)
{
    penDownAt_ = point;
    dragStartScroll_ = scroll_;
    dragging_ = false;
    const auto index = EntryAt(area, point);
    if (!index || !entries_[*index].Choosable() || selected_ == index) return false;
    selected_ = index;
    return true;
}

bool MenuList::PenMove(const Rect& area, Point point)
{
    if (!penDownAt_) return false;
    const int moved = point.y - penDownAt_->y;
    if (!dragging_ && std::abs(moved) > kDragDistance && area.Contains(*penDownAt_) && MaxScroll(area) > 0) {
        dragging_ = true;
    }
    if (dragging_) return ScrollBy(area, dragStartScroll_ - moved - scroll_);
    const auto index = EntryAt(area, point);
    if (!index || !entries_[*index].Choosable() || selected_ == index) return false;
    selected_ = index;
    return true;
}

MenuTap MenuList::PenUp(const Rect& area, Point point)
{
    const std::optional<Point> down = penDownAt_;
    penDownAt_.reset();
    if (!down || dragging_) {
        dragging_ = false;
        return {MenuTap::Scrolled};
    }
    if (!area.Contains(point) || !area.Contains(*down)) return {MenuTap::Outside};
    const auto index = EntryAt(area, point);
    if (!index) return {MenuTap::BelowRows};
    // A pen that slid onto another row chose neither.
    if (EntryAt(area, *down) != index) return {MenuTap::Scrolled};
    return {MenuTap::OnEntry, *index};
}

void MenuList::Draw(Canvas& canvas, const Rect& area) const
{
    canvas.FillRect(area, colors_.background);
    canvas.SetClip(area);
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        const Rect row = RowRect(area, index);
        if (row.bottom <= area.top) continue;
        if (row.top >= area.bottom) break;
        const bool selected = selected_ == index;
        if (!painter_ || !painter_(canvas, entries_[index], row, selected)) {
            DrawEntry(canvas, entries_[index], row, selected);
        }
    }
    if (MaxScroll(area) > 0) {
        // A thin bar at the right edge shows where the visible part lies.
        const int track = area.Height();
        const int thumb = std::max(kTextMargin, track * track / ContentHeight());
        const int top = area.top + (track - thumb) * scroll_ / MaxScroll(area);
        canvas.FillRect({area.right - kTextMargin / 2, top, area.right, top + thumb}, colors_.separator);
    }
}

void MenuList::DrawEntry(Canvas& canvas, const MenuEntry& entry, const Rect& row, bool selected) const
{
    constexpr unsigned kAlign = TextAlignLeft | TextAlignVCenter | TextEndEllipsis;
    switch (entry.kind) {
    case MenuEntryKind::Separator: {
        const int middle = (row.top + row.bottom) / 2;
        canvas.DrawLine({row.left + kTextMargin, middle}, {row.right - kTextMargin, middle}, colors_.separator);
        return;
    }
    case MenuEntryKind::Header: {
        canvas.FillVerticalGradient(row, colors_.headerBackground, Blend(colors_.headerBackground, colors_.background));
        canvas.DrawText(entry.text, {row.left + kTextMargin, row.top, row.right - kTextMargin, row.bottom},
                        FontOf(entry), colors_.headerText, kAlign);
        return;
    }
    case MenuEntryKind::Item: break;
    }
    if (selected) canvas.FillRect(row, colors_.selection);
    const Color text = !entry.Choosable() ? colors_.disabledText : selected ? colors_.selectedText : colors_.text;
    int left = row.left + kTextMargin;
    if (HasCheckColumn()) {
        if (entry.Checked()) DrawMark(canvas, entry, {left, row.top, left + itemHeight_, row.bottom}, text);
        left += itemHeight_;
    }
    int right = row.right - kTextMargin;
    if (HasSubmenuColumn()) {
        const int arrowColumn = SubmenuColumnWidth(itemHeight_);
        right -= arrowColumn;
        if (entry.HasSubmenu()) {
            const int middle = (row.top + row.bottom) / 2;
            const int half = arrowColumn / 3;
            const Point arrow[] = {
                {right + half, middle - half}, {right + 2 * half, middle}, {right + half, middle + half}};
            canvas.FillPolygon(arrow, text);
        }
    }
    canvas.DrawText(entry.text, {left, row.top, right, row.bottom}, FontOf(entry), text, kAlign);
}

void MenuList::DrawMark(Canvas& canvas, const MenuEntry& entry, const Rect& column, Color color) const
{
    const int size = column.Height() / 3;
    if (entry.flags & MenuItemRadio) {
        const Point centre{column.left + size, (column.top + column.bottom) / 2};
        const Rect dot{centre.x - size / 2, centre.y - size / 2, centre.x + size / 2, centre.y + size / 2};
        canvas.FillRoundRect(dot, size / 2, color);
        return;
    }
    // A tick drawn as two strokes, scaled to the row.
    const Point start{column.left + size / 4, (column.top + column.bottom) / 2};
    const Point bottom{start.x + size / 2, start.y + size / 2};
    const Point end{start.x + size + size / 2, start.y - size / 2 - size / 4};
    canvas.DrawLine(start, bottom, color, 2);
    canvas.DrawLine(bottom, end, color, 2);
}

FontSpec MenuList::FontOf(const MenuEntry& entry) const
{
    const bool bold = entry.kind == MenuEntryKind::Header || (entry.flags & MenuItemDefault);
    return bold ? FontSpec{font_.family, font_.pixelHeight, kBoldWeight} : font_;
}

}  // namespace tallyx
