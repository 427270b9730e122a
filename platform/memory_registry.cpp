#include "platform/memory_registry.h"

#include <algorithm>

namespace tallyx {

Status MemoryRegistry::ReadDword(std::wstring_view key, std::wstring_view name, std::uint32_t& value)
{
    const auto* stored = data_.Find(key, name);
    return stored && DecodeDword(*stored, value) ? StatusOk : StatusInvalidArgument;
}

Status MemoryRegistry::WriteDword(std::wstring_view key, std::wstring_view name, std::uint32_t value)
{
    data_.Set(key, name, MakeDwordValue(value));
    return StatusOk;
}

Status MemoryRegistry::ReadString(std::wstring_view key, std::wstring_view name, std::wstring& value)
{
    const auto* stored = data_.Find(key, name);
    return stored && DecodeString(*stored, value) ? StatusOk : StatusInvalidArgument;
}

Status MemoryRegistry::WriteString(std::wstring_view key, std::wstring_view name, std::wstring_view value)
{
    data_.Set(key, name, MakeStringValue(value));
    return StatusOk;
}

Status MemoryRegistry::ReadBinary(std::wstring_view key, std::wstring_view name, std::span<std::uint8_t> data)
{
    const auto* stored = data_.Find(key, name);
    if (!stored || stored->type != RegistryValueType::Binary || stored->bytes.size() != data.size()) {
        return StatusInvalidArgument;
    }
    std::copy(stored->bytes.begin(), stored->bytes.end(), data.begin());
    return StatusOk;
}

Status MemoryRegistry::WriteBinary(std::wstring_view key, std::wstring_view name, std::span<const std::uint8_t> data)
{
    data_.Set(key, name, MakeBinaryValue(data));
    return StatusOk;
}

Status MemoryRegistry::DeleteKeyTree(std::wstring_view key)
{
    return data_.DeleteTree(key) ? StatusOk : StatusInvalidArgument;
}

}  // namespace tallyx
