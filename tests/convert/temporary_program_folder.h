#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include "convert/rate_archive.h"
#include "platform/memory_registry.h"
#include "platform/paths.h"
#include "platform/services.h"

namespace tallyx::testing {

// A program folder of its own and an empty registry for one test.
class TemporaryProgramFolder {
public:
    TemporaryProgramFolder()
        : root_(std::filesystem::temp_directory_path() / ("tallyx-test-" + std::to_string(std::random_device()()))),
          paths_(root_), scoped_(Services())
    {
        std::filesystem::create_directories(paths_.ProgramDataFolder());
    }
    ~TemporaryProgramFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    std::filesystem::path Folder() const { return paths_.ProgramDataFolder(); }
    MemoryRegistry& Registry() { return registry_; }

    static std::string Read(const std::filesystem::path& path)
    {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    static void Write(const std::filesystem::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // The bytes of a rate archive packed from rates; empty when packing fails.
    std::string PackedRates(std::string_view rates) const
    {
        const auto packed = Folder() / "packed.zip";
        return WriteRateArchive(packed, rates) == StatusOk ? Read(packed) : std::string();
    }

private:
    PlatformServices Services()
    {
        PlatformServices services = Platform();
        services.registry = &registry_;
        services.paths = &paths_;
        return services;
    }

    std::filesystem::path root_;
    FixedPaths paths_;
    MemoryRegistry registry_;
    ScopedPlatform scoped_;
};

}  // namespace tallyx::testing
