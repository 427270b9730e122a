#pragma once

#include "platform/registry.h"
#include "platform/registry_data.h"

namespace tallyx {

// A registry that lives only as long as the object: the test double, and the
// store of console runs that must not touch the user's settings.
class MemoryRegistry : public Registry {
public:
    Status ReadDword(std::wstring_view key, std::wstring_view name, std::uint32_t& value) override;
    Status WriteDword(std::wstring_view key, std::wstring_view name, std::uint32_t value) override;
    Status ReadString(std::wstring_view key, std::wstring_view name, std::wstring& value) override;
    Status WriteString(std::wstring_view key, std::wstring_view name, std::wstring_view value) override;
    Status ReadBinary(std::wstring_view key, std::wstring_view name, std::span<std::uint8_t> data) override;
    Status WriteBinary(std::wstring_view key, std::wstring_view name, std::span<const std::uint8_t> data) override;
    Status DeleteKeyTree(std::wstring_view key) override;

    RegistryData& Data() { return data_; }

private:
    RegistryData data_;
};

}  // namespace tallyx
