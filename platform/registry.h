#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace tallyx {

// The per-user settings store, organised as the familiar registry: keys are
// backslash paths under HKEY_CURRENT_USER ("SOFTWARE\\Vexa\\Tallyx\\Worksheets"),
// compared without regard to letter case, holding named values of three types.
// A value of another type or size than asked for reads as absent.
enum class RegistryValueType : std::uint32_t {
    String = 1,  // REG_SZ
    Binary = 3,  // REG_BINARY
    Dword = 4,   // REG_DWORD
};

class Registry {
public:
    virtual ~Registry() = default;

    virtual Status ReadDword(std::wstring_view key, std::wstring_view name, std::uint32_t& value) = 0;
    virtual Status WriteDword(std::wstring_view key, std::wstring_view name, std::uint32_t value) = 0;
    virtual Status ReadString(std::wstring_view key, std::wstring_view name, std::wstring& value) = 0;
    virtual Status WriteString(std::wstring_view key, std::wstring_view name, std::wstring_view value) = 0;
    // Reads exactly data.size() bytes; stored data of another length is absent.
    virtual Status ReadBinary(std::wstring_view key, std::wstring_view name, std::span<std::uint8_t> data) = 0;
    virtual Status WriteBinary(std::wstring_view key, std::wstring_view name, std::span<const std::uint8_t> data) = 0;
    // Removes the key with all its sub-keys.
    virtual Status DeleteKeyTree(std::wstring_view key) = 0;
};

// Where the calculator keeps its own values.
inline constexpr std::wstring_view kTallyxKey = L"SOFTWARE\\Vexa\\Tallyx";

}  // namespace tallyx
