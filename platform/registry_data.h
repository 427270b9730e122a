#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace tallyx {

// The keys and values of a registry held in memory: the model that both the
// in-memory store and the file store work on.
class RegistryData {
public:
    struct Value {
        RegistryValueType type = RegistryValueType::Dword;
        std::vector<std::uint8_t> bytes;  // REG_SZ is kept as UTF-16LE with its terminating zero
    };
    struct Key {
        std::wstring path;  // letter case as first written
        std::map<std::wstring, std::pair<std::wstring, Value>> values;  // lower-cased name -> (name, value)
    };

    const Value* Find(std::wstring_view key, std::wstring_view name) const;
    void Set(std::wstring_view key, std::wstring_view name, Value value);
    // Removes the key and every key below it; false when there was none.
    bool DeleteTree(std::wstring_view key);
    // An empty key is created by a write that later fails only in the file store.
    void CreateKey(std::wstring_view key);

    const std::map<std::wstring, Key>& Keys() const { return keys_; }
    void Clear() { keys_.clear(); }

private:
    std::map<std::wstring, Key> keys_;  // lower-cased path -> key
};

// Encoding of each value type into the stored bytes.
RegistryData::Value MakeDwordValue(std::uint32_t value);
RegistryData::Value MakeStringValue(std::wstring_view text);
RegistryData::Value MakeBinaryValue(std::span<const std::uint8_t> data);
bool DecodeDword(const RegistryData::Value& value, std::uint32_t& out);
bool DecodeString(const RegistryData::Value& value, std::wstring& out);

// The key path as stored: backslashes, no leading or trailing separator.
std::wstring NormaliseKeyPath(std::wstring_view key);

}  // namespace tallyx
