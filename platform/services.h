#pragma once

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/notifier.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "platform/resources.h"

namespace tallyx {

// The platform services the core reaches for. One set serves the process;
// until the program installs its own, it holds an in-memory registry and
// clipboard, the system clock, the XDG folders, a console notifier and the
// built-in resources, so tests and console runs never touch the user's files.
struct PlatformServices {
    Registry* registry;
    Clock* clock;
    Paths* paths;
    Clipboard* clipboard;
    Notifier* notifier;
    const Resources* resources;
};

PlatformServices& Platform();

// Installs other services for the lifetime of the object, then restores the
// previous ones: tests replace what they need and keep the rest.
class ScopedPlatform {
public:
    explicit ScopedPlatform(PlatformServices services) : saved_(Platform()) { Platform() = services; }
    ~ScopedPlatform() { Platform() = saved_; }
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    PlatformServices saved_;
};

}  // namespace tallyx
