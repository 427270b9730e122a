#include "platform/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace tallyx {

bool QtClipboard::SetText(const std::wstring& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) {
        return false;
    }
    clipboard->setText(QString::fromStdWString(text));
    return true;
}

std::optional<std::wstring> QtClipboard::GetText() const
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data || !data->hasText()) {
        return std::nullopt;
    }
    return data->text().toStdWString();
}

}  // namespace tallyx
