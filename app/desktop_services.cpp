#include "app/desktop_services.h"

#include <filesystem>
#include <system_error>

#include "convert/rate_file_store.h"
#include "platform/file_registry.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_notifier.h"
#include "platform/services.h"

namespace tallyx {
namespace {

struct DesktopServices {
    XdgPaths paths;
    FileRegistry registry{paths.ConfigFolder()};
    QtClipboard clipboard;
    QtNotifier notifier;
};

DesktopServices& Desktop()
{
    static DesktopServices services;
    return services;
}

}  // namespace

void InstallDesktopServices()
{
    DesktopServices& desktop = Desktop();
    PlatformServices& services = Platform();
    services.paths = &desktop.paths;
    services.registry = &desktop.registry;
    services.clipboard = &desktop.clipboard;
    services.notifier = &desktop.notifier;
    std::error_code ignored;
    std::filesystem::create_directories(desktop.paths.ProgramDataFolder(), ignored);
    SeedRateFile();
}

void TellAboutSetAsideSettings(FileRegistry& registry, Notifier& notifier)
{
    const std::optional<FileRegistry::SetAside> setAside = registry.TakeSetAside();
    if (!setAside) return;
    notifier.ShowMessage(DescribeSetAside(*setAside), L"Tallyx", NotifierIcon::Warning, NotifierButtons::Ok);
}

void TellAboutSetAsideSettings()
{
    TellAboutSetAsideSettings(Desktop().registry, *Platform().notifier);
}

}  // namespace tallyx
