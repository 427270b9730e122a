#include "platform/resources.h"

#include "platform/embedded_resources.h"
#include "platform/number_text.h"
#include "platform/wide_text.h"

namespace tallyx {

std::map<std::uint32_t, std::wstring> ParseStringTable(std::string_view text)
{
    std::map<std::uint32_t, std::wstring> table;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const auto equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0) {
            continue;
        }
        const std::wstring id = WidenUtf8(line.substr(0, equals));
        table.emplace(static_cast<std::uint32_t>(ParseLong(id)), WidenUtf8(line.substr(equals + 1)));
    }
    return table;
}

EmbeddedResources::EmbeddedResources()
{
    for (const auto& resource : EmbeddedResourceTable()) {
        if (std::string_view(resource.type) == "STRINGS") {
            strings_.merge(ParseStringTable({reinterpret_cast<const char*>(resource.data), resource.size}));
        }
    }
}

std::optional<std::string_view> EmbeddedResources::Find(std::string_view type, std::string_view name) const
{
    for (const auto& resource : EmbeddedResourceTable()) {
        if (resource.data && type == resource.type && name == resource.name) {
            return std::string_view(reinterpret_cast<const char*>(resource.data), resource.size);
        }
    }
    return std::nullopt;
}

std::wstring EmbeddedResources::String(std::uint32_t id) const
{
    const auto entry = strings_.find(id);
    return entry == strings_.end() ? std::wstring() : entry->second;
}

std::optional<std::string_view> MemoryResources::Find(std::string_view type, std::string_view name) const
{
    const auto entry = items_.find({std::string(type), std::string(name)});
    return entry == items_.end() ? std::nullopt : std::optional<std::string_view>(entry->second);
}

std::wstring MemoryResources::String(std::uint32_t id) const
{
    const auto entry = strings_.find(id);
    return entry == strings_.end() ? std::wstring() : entry->second;
}

}  // namespace tallyx
