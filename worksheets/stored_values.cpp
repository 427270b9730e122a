#include "worksheets/stored_values.h"

#include <array>
#include <bit>

#include "platform/services.h"

namespace tallyx {
namespace {

template <std::size_t Size>
std::uint64_t FromLittleEndian(const std::array<std::uint8_t, Size>& bytes)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < Size; ++i) {
        value |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    }
    return value;
}

template <std::size_t Size>
std::array<std::uint8_t, Size> ToLittleEndian(std::uint64_t value)
{
    std::array<std::uint8_t, Size> bytes{};
    for (std::size_t i = 0; i < Size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    return bytes;
}

}  // namespace

bool ReadStoredDouble(std::wstring_view key, std::wstring_view name, double& value)
{
    std::array<std::uint8_t, sizeof(double)> bytes{};
    if (Platform().registry->ReadBinary(key, name, bytes) != StatusOk) {
        return false;
    }
    value = std::bit_cast<double>(FromLittleEndian(bytes));
    return true;
}

bool ReadStoredInteger(std::wstring_view key, std::wstring_view name, std::int32_t& value)
{
    std::array<std::uint8_t, sizeof(std::int32_t)> bytes{};
    if (Platform().registry->ReadBinary(key, name, bytes) != StatusOk) {
        return false;
    }
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(FromLittleEndian(bytes)));
    return true;
}

void WriteStoredDouble(std::wstring_view key, std::wstring_view name, double value)
{
    const auto bytes = ToLittleEndian<sizeof(double)>(std::bit_cast<std::uint64_t>(value));
    Platform().registry->WriteBinary(key, name, bytes);
}

void WriteStoredInteger(std::wstring_view key, std::wstring_view name, std::int32_t value)
{
    const auto bytes = ToLittleEndian<sizeof(std::int32_t)>(static_cast<std::uint32_t>(value));
    Platform().registry->WriteBinary(key, name, bytes);
}

void StoredValues::Double(std::wstring_view name, double& field)
{
    if (direction_ == Direction::Read) {
        ReadStoredDouble(key_, name, field);
    } else {
        WriteStoredDouble(key_, name, field);
    }
}

void StoredValues::Double(std::wstring_view name, double current, const DoubleSetter& accept)
{
    double stored = current;
    if (direction_ == Direction::Write) {
        WriteStoredDouble(key_, name, current);
    } else if (ReadStoredDouble(key_, name, stored)) {
        accept(stored);
    }
}

void StoredValues::Integer(std::wstring_view name, std::int32_t& field)
{
    if (direction_ == Direction::Read) {
        ReadStoredInteger(key_, name, field);
    } else {
        WriteStoredInteger(key_, name, field);
    }
}

void StoredValues::Integer(std::wstring_view name, std::int32_t current, const IntegerSetter& accept)
{
    std::int32_t stored = current;
    if (direction_ == Direction::Write) {
        WriteStoredInteger(key_, name, current);
    } else if (ReadStoredInteger(key_, name, stored)) {
        accept(stored);
    }
}

}  // namespace tallyx
