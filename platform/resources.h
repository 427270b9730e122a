#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tallyx {

// Named built-in data: 8-bit texts of type "TXT" (layouts, skins, the
// constants library), wave sounds of type "WAVE", and string tables whose
// entries are looked up by number.
class Resources {
public:
    virtual ~Resources() = default;
    // The bytes of the resource, up to its own size; nothing when there is none.
    virtual std::optional<std::string_view> Find(std::string_view type, std::string_view name) const = 0;
    // An entry of the string tables; empty when the id has none.
    virtual std::wstring String(std::uint32_t id) const = 0;

    std::optional<std::string_view> Text(std::string_view name) const { return Find("TXT", name); }
    std::optional<std::string_view> Wave(std::string_view name) const { return Find("WAVE", name); }
};

// String tables are resources of type "STRINGS": UTF-8 lines of
// "<id>=<text>"; later tables may not reuse an id.
std::map<std::uint32_t, std::wstring> ParseStringTable(std::string_view text);

// The resources compiled into the program.
class EmbeddedResources : public Resources {
public:
    EmbeddedResources();
    std::optional<std::string_view> Find(std::string_view type, std::string_view name) const override;
    std::wstring String(std::uint32_t id) const override;

private:
    std::map<std::uint32_t, std::wstring> strings_;
};

// Resources given by the test: for tests of loaders and of failures.
class MemoryResources : public Resources {
public:
    void Add(std::string type, std::string name, std::string bytes)
    {
        items_[{std::move(type), std::move(name)}] = std::move(bytes);
    }
    void AddString(std::uint32_t id, std::wstring text) { strings_[id] = std::move(text); }
    std::optional<std::string_view> Find(std::string_view type, std::string_view name) const override;
    std::wstring String(std::uint32_t id) const override;

private:
    std::map<std::pair<std::string, std::string>, std::string> items_;
    std::map<std::uint32_t, std::wstring> strings_;
};

}  // namespace tallyx
