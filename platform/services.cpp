#include "platform/services.h"

#include "platform/memory_registry.h"

namespace tallyx {

PlatformServices& Platform()
{
    static MemoryRegistry registry;
    static SystemClock clock;
    static XdgPaths paths;
    static MemoryClipboard clipboard;
    static ConsoleNotifier notifier;
    static const EmbeddedResources resources;
    static PlatformServices services{&registry, &clock, &paths, &clipboard, &notifier, &resources};
    return services;
}

}  // namespace tallyx
