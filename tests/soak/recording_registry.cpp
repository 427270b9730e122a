#include "recording_registry.h"

#include <cstdint>

namespace tallyx {
namespace {

bool Kept(const RegistryData::Value& value, std::wstring_view key, std::wstring_view name, Registry& store)
{
    switch (value.type) {
    case RegistryValueType::Dword: {
        std::uint32_t written = 0;
        std::uint32_t read = 0;
        return DecodeDword(value, written) && store.ReadDword(key, name, read) == StatusOk && read == written;
    }
    case RegistryValueType::String: {
        std::wstring written;
        std::wstring read;
        return DecodeString(value, written) && store.ReadString(key, name, read) == StatusOk && read == written;
    }
    case RegistryValueType::Binary: {
        std::vector<std::uint8_t> read(value.bytes.size());
        return store.ReadBinary(key, name, read) == StatusOk && read == value.bytes;
    }
    }
    return false;
}

}  // namespace

std::vector<std::wstring> ValuesNotKept(const RegistryData& written, Registry& store)
{
    std::vector<std::wstring> lost;
    for (const auto& [path, key] : written.Keys()) {
        for (const auto& [lowered, value] : key.values) {
            const auto& [name, data] = value;
            if (!Kept(data, key.path, name, store)) lost.push_back(key.path + L"\\" + name);
        }
    }
    return lost;
}

}  // namespace tallyx
