#include "app/desktop_viewer.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>
#include <string>

#include "platform/notifier.h"
#include "platform/services.h"

namespace tallyx {

bool OpenInDesktopViewer(const std::filesystem::path& file, std::string_view section, std::wstring_view failureMessage)
{
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(file.string()));
    if (!section.empty()) url.setFragment(QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())));
    if (QDesktopServices::openUrl(url)) return true;
    Platform().notifier->ShowMessage(std::wstring(failureMessage), L"Tallyx", NotifierIcon::Information,
                                     NotifierButtons::Ok);
    return false;
}

}  // namespace tallyx
