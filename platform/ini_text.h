#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/color.h"
#include "platform/status.h"

namespace tallyx {

struct IniEntry {
    std::wstring key;
    std::wstring value;
};

struct IniSection {
    std::wstring name;
    std::vector<IniEntry> entries;
};

// An INI document over an 8-bit text: the keypad layouts and skins, and the
// currency rate file. Sections and entries stay in text order and are never
// merged; names match without regard to letter case and the first match wins.
// Values stay text until a typed reader converts them.
class IniText {
public:
    // Lines, keys and values hold at most this many characters; longer lines are cut.
    static constexpr std::size_t kMaxLineLength = 255;
    // A file is read up to this many bytes.
    static constexpr std::size_t kMaxFileBytes = 30000;

    // The built-in text of type "TXT" with that name, parsed up to its own size.
    // StatusInvalidArgument for an empty name, StatusOutOfMemory when there is no such text.
    Status LoadFromResource(std::string_view name);
    // The first kMaxFileBytes bytes of the file. StatusInvalidArgument for an
    // empty path, StatusFail when it cannot be opened or read.
    Status LoadFromFile(const std::filesystem::path& path);
    // Any 8-bit text (Windows-1252).
    Status LoadFromText(std::string_view text);
    void Clear();

    // A look-up fails with StatusInvalidArgument when the section or key is
    // missing or the value is empty; the output then holds the default.
    Status GetString(std::wstring& value, std::wstring_view section, std::wstring_view key,
                     std::wstring_view defaultText) const;
    // The value read as _wtol reads it: "12abc" is 12, "abc" is 0.
    Status GetInt(std::int32_t& value, std::wstring_view section, std::wstring_view key,
                  std::int32_t defaultValue) const;
    // The value read as "red,green,blue"; a missing component counts as -1 and
    // each is cut to its low 8 bits, so "63" is 0xFFFF3F.
    Status GetColor(Color& value, std::wstring_view section, std::wstring_view key, Color defaultColor) const;

    const std::vector<IniSection>& Sections() const { return sections_; }
    // The first section of that name, or none.
    const IniSection* FindSection(std::wstring_view name) const;

private:
    Status Parse(std::string_view text);
    void ParseLine(std::string_view line);
    const std::wstring* FindValue(std::wstring_view section, std::wstring_view key) const;

    std::vector<IniSection> sections_;
    std::mutex loading_;
};

}  // namespace tallyx
