#include "platform/qt/qt_child_controls.h"

#include <QLocale>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

#include "platform/window_messages.h"

namespace tallyx {
namespace {

constexpr char kControlProperty[] = "tallyxControl";
constexpr int kIconRole = Qt::UserRole;
// The span of dates the platform's pickers take.
const QDate kFirstDate(1601, 1, 1);
const QDate kLastDate(9999, 12, 31);
constexpr int kDaysInWeek = 7;

QString ShortDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy"))) format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString TimeFormat()
{
    QString format = QLocale().timeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("ss"))) format.replace(QLatin1String("mm"), QLatin1String("mm:ss"));
    return format;
}

QIcon IconFor(const QWidget& widget, ListRowIcon icon)
{
    switch (icon) {
    case ListRowIcon::Folder: return widget.style()->standardIcon(QStyle::SP_DirIcon);
    case ListRowIcon::File: return widget.style()->standardIcon(QStyle::SP_FileIcon);
    case ListRowIcon::None: break;
    }
    return {};
}

std::optional<std::size_t> IndexOf(int row)
{
    return row < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(row));
}

int RowOf(std::optional<std::size_t> index, std::size_t count)
{
    return index && *index < count ? static_cast<int>(*index) : -1;
}

}  // namespace

ChildControl* ControlOfWidget(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        const QVariant tag = widget->property(kControlProperty);
        if (tag.isValid()) return static_cast<ChildControl*>(tag.value<void*>());
    }
    return nullptr;
}

void TagControlWidget(QWidget& widget, ChildControl& control)
{
    widget.setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(&control)));
}

QtEditBox::QtEditBox(ControlIdentity identity, const EditOptions& options, QWidget& window)
    : QtChildControl(std::move(identity), window), numeric_(options.numeric)
{
    QLineEdit* edit = View();
    if (options.maximumLength > 0) edit->setMaxLength(options.maximumLength);
    if (options.numeric) {
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    }
    if (options.centered) edit->setAlignment(Qt::AlignCenter);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [this] { Notify(WM_CONTROL_CHANGED); });
}

std::wstring QtEditBox::Text() const
{
    return View() ? View()->text().toStdWString() : std::wstring();
}

void QtEditBox::SetText(const std::wstring& text)
{
    if (!View()) return;
    QString accepted = QString::fromStdWString(text);
    if (numeric_) accepted.removeIf([](QChar character) { return !character.isDigit(); });
    // The box cuts what is beyond its maximum length itself.
    View()->setText(accepted);
}

QtDropDownList::QtDropDownList(ControlIdentity identity, QWidget& window) : QtChildControl(std::move(identity), window)
{
    QComboBox* list = View();
    QObject::connect(list, &QComboBox::currentIndexChanged, list, [this] { Notify(WM_CONTROL_SELECTED); });
}

std::wstring QtDropDownList::ValueText() const
{
    return View() ? View()->currentText().toStdWString() : std::wstring();
}

void QtDropDownList::SetItems(const std::vector<std::wstring>& items)
{
    if (!View()) return;
    const QSignalBlocker quiet(View());
    View()->clear();
    for (const std::wstring& item : items) View()->addItem(QString::fromStdWString(item));
    View()->setCurrentIndex(-1);
}

std::size_t QtDropDownList::ItemCount() const
{
    return View() ? static_cast<std::size_t>(View()->count()) : 0;
}

std::optional<std::size_t> QtDropDownList::Selected() const
{
    return View() ? IndexOf(View()->currentIndex()) : std::nullopt;
}

void QtDropDownList::Select(std::optional<std::size_t> index)
{
    if (!View()) return;
    const QSignalBlocker quiet(View());
    View()->setCurrentIndex(RowOf(index, ItemCount()));
}

QtListView::QtListView(ControlIdentity identity, QWidget& window) : QtChildControl(std::move(identity), window)
{
    QListWidget* list = View();
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    QObject::connect(list, &QListWidget::currentRowChanged, list, [this] { Notify(WM_CONTROL_SELECTED); });
    QObject::connect(list, &QListWidget::itemActivated, list, [this] { Notify(WM_CONTROL_ACTIVATED); });
}

std::wstring QtListView::ValueText() const
{
    const std::optional<std::size_t> selected = Selected();
    return selected ? View()->item(static_cast<int>(*selected))->text().toStdWString() : std::wstring();
}

void QtListView::SetRows(const std::vector<ListRow>& rows)
{
    if (!View()) return;
    const QSignalBlocker quiet(View());
    View()->clear();
    for (const ListRow& row : rows) {
        auto* item = new QListWidgetItem(IconFor(*View(), row.icon), QString::fromStdWString(row.text), View());
        item->setData(kIconRole, static_cast<int>(row.icon));
    }
    View()->setCurrentRow(-1);
}

std::vector<ListRow> QtListView::Rows() const
{
    std::vector<ListRow> rows;
    if (!View()) return rows;
    for (int row = 0; row < View()->count(); ++row) {
        const QListWidgetItem* item = View()->item(row);
        rows.push_back({static_cast<ListRowIcon>(item->data(kIconRole).toInt()), item->text().toStdWString()});
    }
    return rows;
}

std::optional<std::size_t> QtListView::Selected() const
{
    if (!View()) return std::nullopt;
    const QListWidgetItem* current = View()->currentItem();
    return current && current->isSelected() ? IndexOf(View()->row(current)) : std::nullopt;
}

void QtListView::Select(std::optional<std::size_t> index)
{
    if (!View()) return;
    const QSignalBlocker quiet(View());
    const int row = RowOf(index, static_cast<std::size_t>(View()->count()));
    View()->setCurrentRow(row);
    if (row >= 0) View()->scrollToItem(View()->item(row));
}

QtDatePicker::QtDatePicker(ControlIdentity identity, QWidget& window) : QtChildControl(std::move(identity), window)
{
    QDateEdit* picker = View();
    picker->setDateRange(kFirstDate, kLastDate);
    picker->setDisplayFormat(ShortDateFormat());
    QObject::connect(picker, &QDateEdit::dateChanged, picker, [this] { Notify(WM_CONTROL_CHANGED); });
}

std::wstring QtDatePicker::ValueText() const
{
    return View() ? View()->text().toStdWString() : std::wstring();
}

DateTime QtDatePicker::Date() const
{
    DateTime value;
    if (!View()) return value;
    const QDate date = View()->date();
    value.year = date.year();
    value.month = date.month();
    value.day = date.day();
    value.dayOfWeek = date.dayOfWeek() % kDaysInWeek;
    return value;
}

bool QtDatePicker::SetDate(const DateTime& date)
{
    const QDate wanted(date.year, date.month, date.day);
    if (!View() || !wanted.isValid() || wanted < kFirstDate || wanted > kLastDate) return false;
    const QSignalBlocker quiet(View());
    View()->setDate(wanted);
    return true;
}

QtTimePicker::QtTimePicker(ControlIdentity identity, QWidget& window) : QtChildControl(std::move(identity), window)
{
    QTimeEdit* picker = View();
    picker->setDisplayFormat(TimeFormat());
    QObject::connect(picker, &QTimeEdit::timeChanged, picker, [this] { Notify(WM_CONTROL_CHANGED); });
}

std::wstring QtTimePicker::ValueText() const
{
    return View() ? View()->text().toStdWString() : std::wstring();
}

DateTime QtTimePicker::Time() const
{
    DateTime value;
    if (!View()) return value;
    const QTime time = View()->time();
    value.hour = time.hour();
    value.minute = time.minute();
    value.second = time.second();
    return value;
}

bool QtTimePicker::SetTime(const DateTime& time)
{
    const QTime wanted(time.hour, time.minute, time.second);
    if (!View() || !wanted.isValid()) return false;
    const QSignalBlocker quiet(View());
    View()->setTime(wanted);
    return true;
}

}  // namespace tallyx
