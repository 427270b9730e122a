#include "platform/ini_text.h"

#include <cstdio>
#include <memory>
#include <new>

#include "platform/number_text.h"
#include "platform/services.h"
#include "platform/wide_text.h"

namespace tallyx {
namespace {

constexpr char kLineFeed = '\n';
// A CR-LF text's empty line is a lone carriage return; two in a row end the text.
constexpr std::string_view kEmptyCrLfLine = "\r";
constexpr int kEmptyLinesThatEndText = 2;
constexpr std::int32_t kMissingColorComponent = -1;
constexpr int kColorComponents = 3;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

Status IniText::LoadFromResource(std::string_view name)
{
    if (name.empty()) {
        Clear();
        return StatusInvalidArgument;
    }
    const auto text = Platform().resources->Text(name);
    if (!text) {
        Clear();
        return StatusOutOfMemory;
    }
    return LoadFromText(*text);
}

Status IniText::LoadFromFile(const std::filesystem::path& path)
{
    Clear();
    if (path.empty()) {
        return StatusInvalidArgument;
    }
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return StatusFail;
    }
    std::string bytes(kMaxFileBytes, '\0');
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
    if (std::ferror(file.get())) {
        return StatusFail;
    }
    return LoadFromText(bytes);
}

Status IniText::LoadFromText(std::string_view text)
{
    const std::lock_guard lock(loading_);
    Clear();
    try {
        return Parse(text);
    } catch (const std::bad_alloc&) {
        return StatusOutOfMemory;
    }
}

void IniText::Clear()
{
    sections_.clear();
}

Status IniText::Parse(std::string_view text)
{
    text = WithoutUtf8Bom(text);
    int emptyLinesInRow = 0;
    while (emptyLinesInRow < kEmptyLinesThatEndText) {
        // Runs of line feeds are one cut, so bare-LF texts have no empty lines.
        const auto start = text.find_first_not_of(kLineFeed);
        if (start == std::string_view::npos) {
            break;
        }
        text.remove_prefix(start);
        const auto end = text.find(kLineFeed);
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(line.size());
        ParseLine(line.substr(0, kMaxLineLength));
        emptyLinesInRow = line == kEmptyCrLfLine ? emptyLinesInRow + 1 : 0;
    }
    return StatusOk;
}

void IniText::ParseLine(std::string_view line)
{
    const std::wstring wide = WidenWindows1252(line);
    const std::wstring_view trimmed = TrimBlanks(wide);
    if (trimmed.size() >= 2 && trimmed.front() == L'[' && trimmed.back() == L']') {
        sections_.push_back({std::wstring(trimmed.substr(1, trimmed.size() - 2)), {}});
        return;
    }
    const auto equals = trimmed.find(L'=');
    if (equals == std::wstring_view::npos || equals == 0 || sections_.empty()) {
        return;
    }
    sections_.back().entries.push_back(
        {std::wstring(TrimBlanks(trimmed.substr(0, equals))), std::wstring(TrimBlanks(trimmed.substr(equals + 1)))});
}

const IniSection* IniText::FindSection(std::wstring_view name) const
{
    for (const IniSection& section : sections_) {
        if (EqualNoCase(section.name, name)) {
            return &section;
        }
    }
    return nullptr;
}

const std::wstring* IniText::FindValue(std::wstring_view section, std::wstring_view key) const
{
    const IniSection* found = FindSection(section);
    if (!found) {
        return nullptr;
    }
    for (const IniEntry& entry : found->entries) {
        if (EqualNoCase(entry.key, key)) {
            return entry.value.empty() ? nullptr : &entry.value;
        }
    }
    return nullptr;
}

Status IniText::GetString(std::wstring& value, std::wstring_view section, std::wstring_view key,
                          std::wstring_view defaultText) const
{
    const std::wstring* found = FindValue(section, key);
    value = found ? *found : defaultText;
    return found ? StatusOk : StatusInvalidArgument;
}

Status IniText::GetInt(std::int32_t& value, std::wstring_view section, std::wstring_view key,
                       std::int32_t defaultValue) const
{
    const std::wstring* found = FindValue(section, key);
    value = found ? ParseLong(*found) : defaultValue;
    return found ? StatusOk : StatusInvalidArgument;
}

Status IniText::GetColor(Color& value, std::wstring_view section, std::wstring_view key, Color defaultColor) const
{
    value = defaultColor;
    const std::wstring* found = FindValue(section, key);
    if (!found) {
        return StatusInvalidArgument;
    }
    // Pieces are the non-empty runs between commas, so "63,,5" has two.
    std::int32_t components[kColorComponents] = {kMissingColorComponent, kMissingColorComponent,
                                                  kMissingColorComponent};
    std::wstring_view rest = *found;
    for (std::int32_t& component : components) {
        const auto start = rest.find_first_not_of(L',');
        if (start == std::wstring_view::npos) {
            break;
        }
        rest.remove_prefix(start);
        const std::wstring_view piece = rest.substr(0, rest.find(L','));
        component = ParseLong(piece);
        rest.remove_prefix(piece.size());
    }
    value = MakeColor(static_cast<std::uint32_t>(components[0]), static_cast<std::uint32_t>(components[1]),
                      static_cast<std::uint32_t>(components[2]));
    return StatusOk;
}

}  // namespace tallyx
