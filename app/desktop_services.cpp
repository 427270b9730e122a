#include "app/desktop_services.h"

#include <filesystem>
#include <system_error>

#include "convert/rate_file_store.h"
#include "platform/file_registry.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_notifier.h"
#include "platform/services.h"

namespace tallyx {

void InstallDesktopServices()
{
    static XdgPaths paths;
    static FileRegistry registry(paths.ConfigFolder());
    static QtClipboard clipboard;
    static QtNotifier notifier;
    PlatformServices& services = Platform();
    services.paths = &paths;
    services.registry = &registry;
    services.clipboard = &clipboard;
    services.notifier = &notifier;
    std::error_code ignored;
    std::filesystem::create_directories(paths.ProgramDataFolder(), ignored);
    SeedRateFile();
}

}  // namespace tallyx
