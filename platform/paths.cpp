#include "platform/paths.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace tallyx {
namespace {

std::filesystem::path Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? std::filesystem::path(value) : std::filesystem::path();
}

std::filesystem::path Home()
{
    const auto home = Environment("HOME");
    return home.empty() ? std::filesystem::temp_directory_path() : home;
}

std::filesystem::path XdgFolder(const char* variable, const char* fallbackBelowHome)
{
    const auto folder = Environment(variable);
    return folder.is_absolute() ? folder : Home() / fallbackBelowHome;
}

// XDG_DOCUMENTS_DIR from user-dirs.dirs, whose values read like "$HOME/Documents".
std::filesystem::path UserDirsDocuments()
{
    std::ifstream file(XdgFolder("XDG_CONFIG_HOME", ".config") / "user-dirs.dirs");
    std::string line;
    const std::string prefix = "XDG_DOCUMENTS_DIR=\"";
    while (std::getline(file, line)) {
        if (!line.starts_with(prefix) || line.size() <= prefix.size() || line.back() != '"') {
            continue;
        }
        std::string value = line.substr(prefix.size(), line.size() - prefix.size() - 1);
        if (value.starts_with("$HOME")) {
            value = Home().string() + value.substr(5);
        }
        if (std::filesystem::path(value).is_absolute()) {
            return value;
        }
    }
    return {};
}

}  // namespace

std::filesystem::path XdgPaths::ProgramDataFolder() const
{
    const auto overridden = Environment("TALLYX_DATA_DIR");
    return overridden.empty() ? XdgFolder("XDG_DATA_HOME", ".local/share") / "tallyx" : overridden;
}

std::filesystem::path XdgPaths::DocumentsFolder() const
{
    auto folder = Environment("XDG_DOCUMENTS_DIR");
    if (folder.empty()) folder = UserDirsDocuments();
    return folder.empty() ? Home() / "Documents" : folder;
}

std::filesystem::path XdgPaths::ConfigFolder() const
{
    const auto overridden = Environment("TALLYX_CONFIG_DIR");
    return overridden.empty() ? XdgFolder("XDG_CONFIG_HOME", ".config") / "tallyx" : overridden;
}

}  // namespace tallyx
