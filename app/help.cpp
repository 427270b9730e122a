#include "app/help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include "platform/notifier.h"
#include "platform/services.h"

namespace tallyx {
namespace {

const QString kGuide = QStringLiteral("tallyx/help/tallyx.html");

}  // namespace

std::filesystem::path FindUserGuide()
{
    // Beside the program first, so a program run from its install tree finds its own guide.
    const QString besideProgram =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/") + kGuide);
    if (QFileInfo::exists(besideProgram)) return QDir::cleanPath(besideProgram).toStdString();
    const QString installed = QStandardPaths::locate(QStandardPaths::GenericDataLocation, kGuide);
    return installed.toStdString();
}

bool OpenHelp(std::string_view section)
{
    const std::filesystem::path guide = FindUserGuide();
    if (guide.empty()) {
        Platform().notifier->ShowMessage(L"The user guide is not installed.", L"Tallyx", NotifierIcon::Information,
                                         NotifierButtons::Ok);
        return false;
    }
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(guide.string()));
    if (!section.empty()) url.setFragment(QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())));
    if (QDesktopServices::openUrl(url)) return true;
    Platform().notifier->ShowMessage(L"No viewer could open the user guide.", L"Tallyx", NotifierIcon::Information,
                                     NotifierButtons::Ok);
    return false;
}

}  // namespace tallyx
