#include "app/application_fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <array>

namespace tallyx {
namespace {

constexpr std::array kWineTahomaFiles = {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"};
const QString kTahoma = QStringLiteral("Tahoma");
const QString kFallback = QStringLiteral("DejaVu Sans");

}  // namespace

void InstallApplicationFonts()
{
    if (!QFontDatabase::families().contains(kTahoma, Qt::CaseInsensitive)) {
        for (const char* file : kWineTahomaFiles) {
            QFontDatabase::addApplicationFont(QString::fromUtf8(file));
        }
    }
    if (!QFontDatabase::families().contains(kTahoma, Qt::CaseInsensitive)) {
        QFont::insertSubstitution(kTahoma, kFallback);
    }
}

}  // namespace tallyx
