#include "platform/registry_data.h"

#include <algorithm>

#include "platform/wide_text.h"

namespace tallyx {
namespace {

bool IsSeparator(wchar_t character)
{
    return character == L'\\' || character == L'/';
}

}  // namespace

std::wstring NormaliseKeyPath(std::wstring_view key)
{
    std::wstring path;
    for (wchar_t character : key) {
        if (IsSeparator(character)) {
            if (!path.empty() && path.back() != L'\\') path += L'\\';
        } else {
            path += character;
        }
    }
    if (!path.empty() && path.back() == L'\\') path.pop_back();
    return path;
}

const RegistryData::Value* RegistryData::Find(std::wstring_view key, std::wstring_view name) const
{
    const auto keyEntry = keys_.find(ToLowerText(NormaliseKeyPath(key)));
    if (keyEntry == keys_.end()) {
        return nullptr;
    }
    const auto valueEntry = keyEntry->second.values.find(ToLowerText(name));
    return valueEntry == keyEntry->second.values.end() ? nullptr : &valueEntry->second.second;
}

void RegistryData::CreateKey(std::wstring_view key)
{
    const std::wstring path = NormaliseKeyPath(key);
    auto& entry = keys_[ToLowerText(path)];
    if (entry.path.empty()) {
        entry.path = path;
    }
}

void RegistryData::Set(std::wstring_view key, std::wstring_view name, Value value)
{
    const std::wstring path = NormaliseKeyPath(key);
    CreateKey(path);
    keys_[ToLowerText(path)].values[ToLowerText(name)] = {std::wstring(name), std::move(value)};
}

bool RegistryData::DeleteTree(std::wstring_view key)
{
    const std::wstring root = ToLowerText(NormaliseKeyPath(key));
    if (root.empty()) {
        return false;
    }
    const std::wstring prefix = root + L'\\';
    bool removed = false;
    for (auto entry = keys_.begin(); entry != keys_.end();) {
        if (entry->first == root || entry->first.starts_with(prefix)) {
            entry = keys_.erase(entry);
            removed = true;
        } else {
            ++entry;
        }
    }
    return removed;
}

RegistryData::Value MakeDwordValue(std::uint32_t value)
{
    return {RegistryValueType::Dword,
            {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
             static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}};
}

RegistryData::Value MakeStringValue(std::wstring_view text)
{
    RegistryData::Value value{RegistryValueType::String, {}};
    value.bytes.reserve((text.size() + 1) * 2);
    for (wchar_t character : text) {
        // Stored as UTF-16: characters beyond the basic plane become surrogate pairs.
        const auto code = static_cast<std::uint32_t>(character);
        if (code >= 0x10000 && code <= 0x10FFFF) {
            const std::uint32_t offset = code - 0x10000;
            for (std::uint32_t unit : {0xD800 + (offset >> 10), 0xDC00 + (offset & 0x3FF)}) {
                value.bytes.push_back(static_cast<std::uint8_t>(unit));
                value.bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
            }
        } else {
            value.bytes.push_back(static_cast<std::uint8_t>(code));
            value.bytes.push_back(static_cast<std::uint8_t>(code >> 8));
        }
    }
    value.bytes.push_back(0);
    value.bytes.push_back(0);
    return value;
}

RegistryData::Value MakeBinaryValue(std::span<const std::uint8_t> data)
{
    return {RegistryValueType::Binary, std::vector<std::uint8_t>(data.begin(), data.end())};
}

bool DecodeDword(const RegistryData::Value& value, std::uint32_t& out)
{
    if (value.type != RegistryValueType::Dword || value.bytes.size() != 4) {
        return false;
    }
    out = value.bytes[0] | value.bytes[1] << 8 | value.bytes[2] << 16 | static_cast<std::uint32_t>(value.bytes[3]) << 24;
    return true;
}

bool DecodeString(const RegistryData::Value& value, std::wstring& out)
{
    if (value.type != RegistryValueType::String || value.bytes.size() % 2 != 0) {
        return false;
    }
    out.clear();
    for (std::size_t i = 0; i + 1 < value.bytes.size(); i += 2) {
        const std::uint32_t unit = value.bytes[i] | value.bytes[i + 1] << 8;
        if (unit == 0) {
            break;
        }
        const bool pairs = unit >= 0xD800 && unit < 0xDC00 && i + 3 < value.bytes.size();
        const std::uint32_t low = pairs ? (value.bytes[i + 2] | value.bytes[i + 3] << 8) : 0;
        if (pairs && low >= 0xDC00 && low < 0xE000) {
            out += static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
            i += 2;
        } else {
            out += static_cast<wchar_t>(unit);
        }
    }
    return true;
}

}  // namespace tallyx
