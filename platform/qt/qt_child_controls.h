#pragma once

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QTimeEdit>

#include "platform/qt/qt_child_control.h"

namespace tallyx {

class QtEditBox : public QtChildControl<EditBox, QLineEdit> {
public:
    QtEditBox(ControlIdentity identity, const EditOptions& options, QWidget& window);

    ControlKind Kind() const override { return ControlKind::Edit; }
    std::wstring ValueText() const override { return Text(); }
    std::wstring Text() const override;
    void SetText(const std::wstring& text) override;

private:
    bool numeric_;
};

class QtDropDownList : public QtChildControl<DropDownList, QComboBox> {
public:
    QtDropDownList(ControlIdentity identity, QWidget& window);

    ControlKind Kind() const override { return ControlKind::DropDown; }
    std::wstring ValueText() const override;
    void SetItems(const std::vector<std::wstring>& items) override;
    std::size_t ItemCount() const override;
    std::optional<std::size_t> Selected() const override;
    void Select(std::optional<std::size_t> index) override;
};

class QtListView : public QtChildControl<ListView, QListWidget> {
public:
    QtListView(ControlIdentity identity, QWidget& window);

    ControlKind Kind() const override { return ControlKind::ListView; }
    std::wstring ValueText() const override;
    void SetRows(const std::vector<ListRow>& rows) override;
    std::vector<ListRow> Rows() const override;
    std::optional<std::size_t> Selected() const override;
    void Select(std::optional<std::size_t> index) override;
};

class QtDatePicker : public QtChildControl<DatePicker, QDateEdit> {
public:
    QtDatePicker(ControlIdentity identity, QWidget& window);

    ControlKind Kind() const override { return ControlKind::Date; }
    std::wstring ValueText() const override;
    DateTime Date() const override;
    bool SetDate(const DateTime& date) override;
};

class QtTimePicker : public QtChildControl<TimePicker, QTimeEdit> {
public:
    QtTimePicker(ControlIdentity identity, QWidget& window);

    ControlKind Kind() const override { return ControlKind::Time; }
    std::wstring ValueText() const override;
    DateTime Time() const override;
    bool SetTime(const DateTime& time) override;
};

}  // namespace tallyx
