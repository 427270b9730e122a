#include "platform/file_registry.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "platform/registry_text.h"
#include "platform/wide_text.h"

namespace tallyx {
namespace {

constexpr const char* kStoreName = "registry.reg";
constexpr const char* kLockSuffix = ".lock";
constexpr const char* kTemporarySuffix = ".tmp";
constexpr std::size_t kReadBlock = 65536;
// A file of garbage lines must not make the message longer than a screen.
constexpr std::size_t kDroppedValuesNamed = 12;

// A file descriptor closed when it goes out of scope.
class FileHandle {
public:
    explicit FileHandle(int descriptor) : descriptor_(descriptor) {}
    ~FileHandle()
    {
        if (descriptor_ >= 0) close(descriptor_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int Get() const { return descriptor_; }
    bool Valid() const { return descriptor_ >= 0; }

private:
    int descriptor_;
};

// Holds the advisory lock beside the store for one read-modify-write.
class StoreLock {
public:
    explicit StoreLock(const std::filesystem::path& lockPath)
        : file_(open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        while (file_.Valid() && flock(file_.Get(), LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~StoreLock()
    {
        if (file_.Valid()) flock(file_.Get(), LOCK_UN);
    }
    bool Held() const { return file_.Valid(); }

private:
    FileHandle file_;
};

bool WriteAll(int descriptor, const std::string& text)
{
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t result = write(descriptor, text.data() + written, text.size() - written);
        if (result < 0 && errno == EINTR) continue;
        if (result <= 0) return false;
        written += static_cast<std::size_t>(result);
    }
    return true;
}

std::optional<std::string> ReadAll(int descriptor)
{
    std::string text;
    char block[kReadBlock];
    for (;;) {
        const ssize_t result = read(descriptor, block, sizeof block);
        if (result < 0 && errno == EINTR) continue;
        if (result < 0) return std::nullopt;
        if (result == 0) return text;
        text.append(block, static_cast<std::size_t>(result));
    }
}

std::string Timestamp()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &parts);
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    return std::string(text) + "-" + std::to_string(milliseconds);
}

}  // namespace

FileRegistry::FileRegistry(std::filesystem::path folder)
    : folder_(std::move(folder)), storePath_(folder_ / kStoreName)
{
}

Status FileRegistry::ReadDword(std::wstring_view key, std::wstring_view name, std::uint32_t& value)
{
    const auto stored = Find(key, name);
    return stored && DecodeDword(*stored, value) ? StatusOk : StatusInvalidArgument;
}

Status FileRegistry::WriteDword(std::wstring_view key, std::wstring_view name, std::uint32_t value)
{
    return Update([&](RegistryData& data) {
        data.Set(key, name, MakeDwordValue(value));
        return true;
    });
}

Status FileRegistry::ReadString(std::wstring_view key, std::wstring_view name, std::wstring& value)
{
    const auto stored = Find(key, name);
    return stored && DecodeString(*stored, value) ? StatusOk : StatusInvalidArgument;
}

Status FileRegistry::WriteString(std::wstring_view key, std::wstring_view name, std::wstring_view value)
{
    return Update([&](RegistryData& data) {
        data.Set(key, name, MakeStringValue(value));
        return true;
    });
}

Status FileRegistry::ReadBinary(std::wstring_view key, std::wstring_view name, std::span<std::uint8_t> data)
{
    const auto stored = Find(key, name);
    if (!stored || stored->type != RegistryValueType::Binary || stored->bytes.size() != data.size()) {
        return StatusInvalidArgument;
    }
    std::copy(stored->bytes.begin(), stored->bytes.end(), data.begin());
    return StatusOk;
}

Status FileRegistry::WriteBinary(std::wstring_view key, std::wstring_view name, std::span<const std::uint8_t> data)
{
    return Update([&](RegistryData& stored) {
        stored.Set(key, name, MakeBinaryValue(data));
        return true;
    });
}

Status FileRegistry::DeleteKeyTree(std::wstring_view key)
{
    bool found = false;
    const Status status = Update([&](RegistryData& data) {
        found = data.DeleteTree(key);
        return found;
    });
    return status == StatusOk && found ? StatusOk : StatusInvalidArgument;
}

std::optional<RegistryData::Value> FileRegistry::Find(std::wstring_view key, std::wstring_view name)
{
    std::lock_guard guard(mutex_);
    Refresh();
    const auto* value = cache_.Find(key, name);
    return value ? std::optional(*value) : std::nullopt;
}

void FileRegistry::Refresh()
{
    struct stat status {};
    const bool exists = stat(storePath_.c_str(), &status) == 0;
    const FileIdentity current = exists ? FileIdentity{status.st_ino, status.st_mtim.tv_sec * 1000000000LL + status.st_mtim.tv_nsec,
                                                       static_cast<std::int64_t>(status.st_size)}
                                        : FileIdentity{};
    if (cacheIdentity_ && *cacheIdentity_ == current) {
        return;
    }
    FileIdentity loaded;
    cache_ = LoadFromDisk(loaded, false);
    cacheIdentity_ = loaded;
}

RegistryData FileRegistry::LoadFromDisk(FileIdentity& identity, bool lockHeld)
{
    identity = {};
    FileHandle file(open(storePath_.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (!file.Valid() || fstat(file.Get(), &status) != 0) {
        return {};
    }
    identity = {status.st_ino, status.st_mtim.tv_sec * 1000000000LL + status.st_mtim.tv_nsec,
                static_cast<std::int64_t>(status.st_size)};
    const auto text = ReadAll(file.Get());
    auto reading = text ? ParseRegistryText(*text) : std::nullopt;
    if (reading && reading->droppedValues.empty()) {
        return std::move(reading->data);
    }
    if (!lockHeld) {
        StoreLock lock(storePath_.string() + kLockSuffix);
        return LoadFromDisk(identity, true);
    }
    if (!reading) {
        KeepAside({});
        identity = {};
        return {};
    }
    KeepAside(reading->droppedValues);
    // Unless it could be written again, the store read now stays as it is, and is not copied once more.
    if (Save(reading->data)) identity = {};
    return std::move(reading->data);
}

void FileRegistry::KeepAside(std::vector<std::wstring> droppedValues)
{
    // Never over an earlier copy: two set-asides may share a timestamp.
    const std::string stem = storePath_.string() + ".corrupt-" + Timestamp();
    std::filesystem::path aside = stem;
    std::error_code error;
    for (int copy = 2; std::filesystem::exists(aside, error); ++copy) {
        aside = stem + "-" + std::to_string(copy);
    }
    const bool wholeStore = droppedValues.empty();
    if (wholeStore) {
        std::filesystem::rename(storePath_, aside, error);
    } else {
        std::filesystem::copy_file(storePath_, aside, error);
    }
    if (error) aside.clear();
    setAside_ = SetAside{aside, std::move(droppedValues)};
    std::fprintf(stderr, "tallyx: %s\n", NarrowUtf8(DescribeSetAside(*setAside_)).c_str());
}

std::optional<FileRegistry::SetAside> FileRegistry::TakeSetAside()
{
    std::lock_guard guard(mutex_);
    Refresh();
    return std::exchange(setAside_, std::nullopt);
}

Status FileRegistry::Update(const std::function<bool(RegistryData&)>& change)
{
    std::lock_guard guard(mutex_);
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    StoreLock lock(storePath_.string() + kLockSuffix);
    if (!lock.Held()) {
        return StatusInvalidArgument;
    }
    FileIdentity identity;
    RegistryData data = LoadFromDisk(identity, true);
    if (!change(data)) {
        cache_ = std::move(data);
        cacheIdentity_ = identity;
        return StatusOk;
    }
    if (!Save(data)) {
        cacheIdentity_.reset();
        return StatusInvalidArgument;
    }
    cache_ = std::move(data);
    cacheIdentity_.reset();
    return StatusOk;
}

bool FileRegistry::Save(const RegistryData& data)
{
    const std::filesystem::path temporary = storePath_.string() + kTemporarySuffix;
    {
        FileHandle file(open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
        if (!file.Valid() || !WriteAll(file.Get(), FormatRegistryText(data)) || fsync(file.Get()) != 0) {
            return false;
        }
    }
    if (rename(temporary.c_str(), storePath_.c_str()) != 0) {
        return false;
    }
    FileHandle folder(open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return folder.Valid() && fsync(folder.Get()) == 0;
}

std::wstring DescribeSetAside(const FileRegistry::SetAside& setAside)
{
    std::wstring text;
    if (setAside.droppedValues.empty()) {
        text = L"The settings file could not be read, so every setting and memory starts from its default.";
    } else {
        text = L"Some lines of the settings file could not be read, so these values start from their defaults: ";
        const std::size_t listed = std::min(setAside.droppedValues.size(), kDroppedValuesNamed);
        for (std::size_t index = 0; index < listed; ++index) {
            text += (index ? L", " : L"") + setAside.droppedValues[index];
        }
        if (listed < setAside.droppedValues.size()) {
            text += L" and " + std::to_wstring(setAside.droppedValues.size() - listed) + L" more";
        }
        text += L". Every other setting was kept.";
    }
    if (setAside.copy.empty()) return text + L" The file as it was could not be kept.";
    return text + L" The file as it was is kept as " + setAside.copy.wstring() + L".";
}

}  // namespace tallyx
