#pragma once

#include <string>

#include "platform/memory_registry.h"
#include "platform/services.h"
#include "worksheets/worksheet_host.h"

namespace tallyx {

// Stands in for the worksheet window and the engine behind it.
class RecordingHost : public WorksheetHost {
public:
    void ShowInDisplay(std::wstring_view text) override { display = text; ++displayLoads; }
    void FlashHighlight() override { ++flashes; }

    std::wstring display;
    int displayLoads = 0;
    int flashes = 0;
};

// A fresh in-memory registry for each test, so stored values never leak between them.
class FreshRegistry {
public:
    FreshRegistry() : platform_(WithRegistry()) {}
    MemoryRegistry& Registry() { return registry_; }

private:
    PlatformServices WithRegistry()
    {
        PlatformServices services = Platform();
        services.registry = &registry_;
        return services;
    }

    MemoryRegistry registry_;
    ScopedPlatform platform_;
};

}  // namespace tallyx
