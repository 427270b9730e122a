#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/geometry.h"
#include "ui/canvas.h"

namespace tallyx {

// The desktop's own fields hosted inside a window: they come with the
// keyboard, selection, clipboard and input methods users know. A control
// tells its window of every change the user makes (not those made through
// these operations) by posting WM_CONTROL_CHANGED, WM_CONTROL_SELECTED or
// WM_CONTROL_ACTIVATED with its id as the first parameter. Controls start
// hidden; they go with their window.
enum class ControlKind { Edit, DropDown, ListView, Date, Time };

// "edit", "dropdown", "listview", "date", "time".
std::wstring_view ControlKindName(ControlKind kind);

// Who a control is to its window: the id its messages carry, and a name for
// listings.
struct ControlIdentity {
    int id = 0;
    std::wstring name;
};

class ChildControl {
public:
    virtual ~ChildControl() = default;

    virtual ControlKind Kind() const = 0;
    virtual const ControlIdentity& Identity() const = 0;
    // In the window's client coordinates.
    virtual void Place(const Rect& rect) = 0;
    virtual Rect Placement() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool IsVisible() const = 0;
    virtual void SetFont(const FontSpec& font) = 0;
    virtual void Focus() = 0;
    virtual bool HasFocus() const = 0;
    // The value as the control shows it: the text, the selected row, the date.
    virtual std::wstring ValueText() const = 0;
    // Types one character as from the keyboard; L'\b' is Backspace.
    virtual void Type(wchar_t character) = 0;
};

struct EditOptions {
    int maximumLength = 0;  // 0: no limit of its own
    bool numeric = false;   // digits only
    bool centered = false;
};

class EditBox : public ChildControl {
public:
    virtual std::wstring Text() const = 0;
    // Cut to the box's rules: letters dropped from a numeric box, the rest
    // beyond the maximum length.
    virtual void SetText(const std::wstring& text) = 0;
};

// A list that shows one chosen item and drops down the others.
class DropDownList : public ChildControl {
public:
    virtual void SetItems(const std::vector<std::wstring>& items) = 0;
    virtual std::size_t ItemCount() const = 0;
    virtual std::optional<std::size_t> Selected() const = 0;
    // An index past the end clears the selection.
    virtual void Select(std::optional<std::size_t> index) = 0;
};

enum class ListRowIcon { None, Folder, File };

struct ListRow {
    ListRowIcon icon = ListRowIcon::None;
    std::wstring text;
    bool operator==(const ListRow&) const = default;
};

// Rows of an icon and a text; a double click or Return on a row activates it.
class ListView : public ChildControl {
public:
    virtual void SetRows(const std::vector<ListRow>& rows) = 0;
    virtual std::vector<ListRow> Rows() const = 0;
    virtual std::optional<std::size_t> Selected() const = 0;
    // An index past the end clears the selection.
    virtual void Select(std::optional<std::size_t> index) = 0;
};

// Picks a date, shown short with a four-digit year. Only the year, month
// and day of a DateTime count.
class DatePicker : public ChildControl {
public:
    virtual DateTime Date() const = 0;
    // False, and nothing changed, for a date that does not exist.
    virtual bool SetDate(const DateTime& date) = 0;
};

// Picks a time of day to the second. Only the hour, minute and second of a
// DateTime count.
class TimePicker : public ChildControl {
public:
    virtual DateTime Time() const = 0;
    // False, and nothing changed, for a time that does not exist.
    virtual bool SetTime(const DateTime& time) = 0;
};

}  // namespace tallyx
