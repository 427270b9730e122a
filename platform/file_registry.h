#pragma once

#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/registry_data.h"

namespace tallyx {

// The registry as one text file per user, "registry.reg" in the config folder.
// Every write has reached the disk when the call returns: the new store is
// written beside the old one, synced and renamed over it, so a crash leaves
// the old store or the new one, never a torn one. An advisory lock around each
// read-modify-write keeps writers in two processes from losing each other's
// values. A store that is not a registry text at all is set aside as
// "registry.reg.corrupt-<time>" and the defaults apply; one with lines that do
// not read is copied there, and written again without them, so that only
// their values take the defaults.
class FileRegistry : public Registry {
public:
    // A store that could not be read whole, for telling the user.
    struct SetAside {
        std::filesystem::path copy;  // empty when the store could not even be copied
        // None when nothing of the store could be read.
        std::vector<std::wstring> droppedValues;
    };

    explicit FileRegistry(std::filesystem::path folder);

    Status ReadDword(std::wstring_view key, std::wstring_view name, std::uint32_t& value) override;
    Status WriteDword(std::wstring_view key, std::wstring_view name, std::uint32_t value) override;
    Status ReadString(std::wstring_view key, std::wstring_view name, std::wstring& value) override;
    Status WriteString(std::wstring_view key, std::wstring_view name, std::wstring_view value) override;
    Status ReadBinary(std::wstring_view key, std::wstring_view name, std::span<std::uint8_t> data) override;
    Status WriteBinary(std::wstring_view key, std::wstring_view name, std::span<const std::uint8_t> data) override;
    Status DeleteKeyTree(std::wstring_view key) override;

    const std::filesystem::path& StorePath() const { return storePath_; }
    // Reads the store if not yet read, and hands over what was set aside since the last call.
    std::optional<SetAside> TakeSetAside();

private:
    struct FileIdentity {
        std::uintmax_t inode = 0;
        std::int64_t modified = 0;
        std::int64_t size = -1;
        bool operator==(const FileIdentity&) const = default;
    };

    // The value as the store holds it now, or nothing.
    std::optional<RegistryData::Value> Find(std::wstring_view key, std::wstring_view name);
    // Applies change under the lock to the store as it is on disk; the change
    // answers false when there is nothing to write.
    Status Update(const std::function<bool(RegistryData&)>& change);
    void Refresh();
    // A store found corrupt is set aside only under the lock, after reading it once more.
    RegistryData LoadFromDisk(FileIdentity& identity, bool lockHeld);
    bool Save(const RegistryData& data);
    // Moves the store aside when nothing of it was read, copies it otherwise.
    void KeepAside(std::vector<std::wstring> droppedValues);

    std::filesystem::path folder_;
    std::filesystem::path storePath_;
    std::mutex mutex_;
    RegistryData cache_;
    std::optional<FileIdentity> cacheIdentity_;
    std::optional<SetAside> setAside_;
};

// For the user: which values start from their defaults, and where the store as it was is kept.
std::wstring DescribeSetAside(const FileRegistry::SetAside& setAside);

}  // namespace tallyx
