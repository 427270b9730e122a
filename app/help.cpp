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

std::filesystem::path GuideBesideProgram(const std::filesystem::path& programFolder)
{
    const QString besideProgram =
        QDir(QString::fromStdString(programFolder.string())).filePath(QStringLiteral("../share/") + kGuide);
    if (!QFileInfo::exists(besideProgram)) return {};
    return QDir::cleanPath(besideProgram).toStdString();
}

std::filesystem::path FindUserGuide()
{
    // Beside the program first, so a program run from its install or build tree finds its own guide.
    std::filesystem::path guide = GuideBesideProgram(QCoreApplication::applicationDirPath().toStdString());
    if (!guide.empty()) return guide;
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
