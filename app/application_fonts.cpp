#include "app/application_fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <array>

#include "ui/canvas.h"

namespace tallyx {
namespace {

constexpr std::array kWineTahomaFiles = {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"};
const QString kFallback = QStringLiteral("DejaVu Sans");

}  // namespace

void InstallApplicationFonts()
{
    const QString family = QString::fromWCharArray(kFontFamily);
    if (!QFontDatabase::families().contains(family, Qt::CaseInsensitive)) {
        for (const char* file : kWineTahomaFiles) {
            QFontDatabase::addApplicationFont(QString::fromUtf8(file));
        }
    }
    if (!QFontDatabase::families().contains(family, Qt::CaseInsensitive)) {
        QFont::insertSubstitution(family, kFallback);
    }
}

}  // namespace tallyx
