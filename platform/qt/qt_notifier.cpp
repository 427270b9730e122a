#include "platform/qt/qt_notifier.h"

#include <QMessageBox>

namespace tallyx {
namespace {

QMessageBox::Icon ToQtIcon(NotifierIcon icon)
{
    switch (icon) {
    case NotifierIcon::Information: return QMessageBox::Information;
    case NotifierIcon::Warning: return QMessageBox::Warning;
    case NotifierIcon::Error: return QMessageBox::Critical;
    case NotifierIcon::Question: return QMessageBox::Question;
    case NotifierIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(NotifierButtons buttons)
{
    switch (buttons) {
    case NotifierButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case NotifierButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case NotifierButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case NotifierButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

NotifierAnswer FromQtAnswer(int answer)
{
    switch (answer) {
    case QMessageBox::Cancel: return NotifierAnswer::Cancel;
    case QMessageBox::Yes: return NotifierAnswer::Yes;
    case QMessageBox::No: return NotifierAnswer::No;
    default: return NotifierAnswer::Ok;
    }
}

}  // namespace

NotifierAnswer QtNotifier::ShowMessage(const std::wstring& text, const std::wstring& caption, NotifierIcon icon,
                                       NotifierButtons buttons)
{
    QMessageBox box(ToQtIcon(icon), QString::fromStdWString(caption), QString::fromStdWString(text),
                    ToQtButtons(buttons), parent_);
    return FromQtAnswer(box.exec());
}

}  // namespace tallyx
