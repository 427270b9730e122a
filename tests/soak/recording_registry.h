#pragma once

#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/registry_data.h"

namespace tallyx {

// A registry that passes everything to a store and remembers what was
// written last under each name, to check later that the store kept it.
class RecordingRegistry : public Registry {
public:
    explicit RecordingRegistry(Registry& store) : store_(store) {}

    Status ReadDword(std::wstring_view key, std::wstring_view name, std::uint32_t& value) override
    {
        return store_.ReadDword(key, name, value);
    }
    Status WriteDword(std::wstring_view key, std::wstring_view name, std::uint32_t value) override
    {
        return Remember(store_.WriteDword(key, name, value), key, name, MakeDwordValue(value));
    }
    Status ReadString(std::wstring_view key, std::wstring_view name, std::wstring& value) override
    {
        return store_.ReadString(key, name, value);
    }
    Status WriteString(std::wstring_view key, std::wstring_view name, std::wstring_view value) override
    {
        return Remember(store_.WriteString(key, name, value), key, name, MakeStringValue(value));
    }
    Status ReadBinary(std::wstring_view key, std::wstring_view name, std::span<std::uint8_t> data) override
    {
        return store_.ReadBinary(key, name, data);
    }
    Status WriteBinary(std::wstring_view key, std::wstring_view name, std::span<const std::uint8_t> data) override
    {
        return Remember(store_.WriteBinary(key, name, data), key, name, MakeBinaryValue(data));
    }
    Status DeleteKeyTree(std::wstring_view key) override
    {
        const Status status = store_.DeleteKeyTree(key);
        if (status == StatusOk) written_.DeleteTree(key);
        return status;
    }

    const RegistryData& Written() const { return written_; }

private:
    Status Remember(Status status, std::wstring_view key, std::wstring_view name, RegistryData::Value value)
    {
        if (status == StatusOk) written_.Set(key, name, std::move(value));
        return status;
    }

    Registry& store_;
    RegistryData written_;
};

// Each written value the store does not give back as it was written, as
// "KEY\NAME"; none when the store kept them all.
std::vector<std::wstring> ValuesNotKept(const RegistryData& written, Registry& store);

}  // namespace tallyx
