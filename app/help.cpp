#include "app/help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/desktop_viewer.h"
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
    return OpenInDesktopViewer(guide, section, L"No viewer could open the user guide.");
}

}  // namespace tallyx
