#include "platform/registry_text.h"

#include <cstdio>
#include <set>

#include "platform/wide_text.h"

namespace tallyx {
namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kNewHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kRootPrefix = "HKEY_CURRENT_USER\\";
constexpr std::string_view kDwordPrefix = "dword:";
constexpr std::string_view kBinaryPrefix = "hex:";
constexpr std::string_view kStringHexPrefix = "hex(1):";

bool HasControlCharacter(std::wstring_view text)
{
    for (wchar_t character : text) {
        if (character < 0x20 || character == 0x7F) return true;
    }
    return false;
}

// The text of a string value that a quoted line gives back byte for byte;
// nothing for one holding a zero before its end, no terminating zero, a lone
// surrogate or a control character, which only the hex form keeps.
std::optional<std::wstring> QuotableText(const RegistryData::Value& value)
{
    std::wstring text;
    if (!DecodeString(value, text) || HasControlCharacter(text) ||
        MakeStringValue(WidenUtf8(NarrowUtf8(text))).bytes != value.bytes) {
        return std::nullopt;
    }
    return text;
}

std::string QuoteText(std::wstring_view text)
{
    std::string out = "\"";
    for (char byte : NarrowUtf8(text)) {
        if (byte == '\\' || byte == '"') out += '\\';
        out += byte;
    }
    return out + '"';
}

std::string HexBytes(const std::vector<std::uint8_t>& bytes)
{
    std::string out;
    char pair[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(pair, sizeof pair, "%02x", bytes[i]);
        out += (i ? "," : "");
        out += pair;
    }
    return out;
}

std::string FormatValue(const RegistryData::Value& value)
{
    if (std::uint32_t number = 0; DecodeDword(value, number)) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%08x", number);
        return std::string(kDwordPrefix) + digits;
    }
    if (const auto text = QuotableText(value)) {
        return QuoteText(*text);
    }
    const auto prefix = value.type == RegistryValueType::String ? kStringHexPrefix : kBinaryPrefix;
    return std::string(prefix) + HexBytes(value.bytes);
}

// Reads a quoted text at the start of line; returns the rest after the quote.
std::optional<std::string_view> ReadQuoted(std::string_view line, std::string& text)
{
    if (line.empty() || line.front() != '"') return std::nullopt;
    text.clear();
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i] == '"') return line.substr(i + 1);
        if (line[i] == '\\') {
            if (++i == line.size() || (line[i] != '\\' && line[i] != '"')) return std::nullopt;
        }
        text += line[i];
    }
    return std::nullopt;
}

int HexDigit(char character)
{
    if (character >= '0' && character <= '9') return character - '0';
    if (character >= 'a' && character <= 'f') return character - 'a' + 10;
    if (character >= 'A' && character <= 'F') return character - 'A' + 10;
    return -1;
}

std::optional<std::vector<std::uint8_t>> ParseHexBytes(std::string_view text)
{
    std::vector<std::uint8_t> bytes;
    while (!text.empty()) {
        const int high = text.size() >= 2 ? HexDigit(text[0]) : -1;
        const int low = text.size() >= 2 ? HexDigit(text[1]) : -1;
        if (high < 0 || low < 0) return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(high << 4 | low));
        text.remove_prefix(2);
        if (!text.empty()) {
            if (text.front() != ',' || text.size() == 1) return std::nullopt;
            text.remove_prefix(1);
        }
    }
    return bytes;
}

std::optional<RegistryData::Value> ParseValue(std::string_view text)
{
    if (std::string quoted; text.starts_with('"')) {
        const auto rest = ReadQuoted(text, quoted);
        if (!rest || !rest->empty()) return std::nullopt;
        return MakeStringValue(WidenUtf8(quoted));
    }
    if (text.starts_with(kDwordPrefix)) {
        text.remove_prefix(kDwordPrefix.size());
        if (text.size() != 8) return std::nullopt;
        std::uint32_t number = 0;
        for (char character : text) {
            const int digit = HexDigit(character);
            if (digit < 0) return std::nullopt;
            number = number << 4 | static_cast<std::uint32_t>(digit);
        }
        return MakeDwordValue(number);
    }
    for (const auto& [prefix, type] : {std::pair{kBinaryPrefix, RegistryValueType::Binary},
                                       std::pair{kStringHexPrefix, RegistryValueType::String}}) {
        if (text.starts_with(prefix)) {
            auto bytes = ParseHexBytes(text.substr(prefix.size()));
            if (!bytes || (type == RegistryValueType::String && bytes->size() % 2 != 0)) return std::nullopt;
            return RegistryData::Value{type, std::move(*bytes)};
        }
    }
    return std::nullopt;
}

// Splits the text into logical lines: CR LF or LF ends, and a hex list may
// go on after a trailing backslash, as exports wrap long binary values.
std::vector<std::string> LogicalLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::string pending;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!pending.empty()) {
            while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        }
        pending += line;
        if (!pending.empty() && pending.back() == '\\' && pending.find("=hex") != std::string::npos) {
            pending.pop_back();
            continue;
        }
        lines.push_back(std::move(pending));
        pending.clear();
    }
    if (!pending.empty()) lines.push_back(std::move(pending));
    return lines;
}

// The key of a section line, or nothing.
std::optional<std::wstring> ParseSection(std::string_view line)
{
    const std::string opening = "[" + std::string(kRootPrefix);
    if (line.back() != ']' || !line.starts_with(opening)) return std::nullopt;
    std::wstring key = NormaliseKeyPath(WidenUtf8(line.substr(opening.size(), line.size() - opening.size() - 1)));
    if (key.empty()) return std::nullopt;
    return key;
}

}  // namespace

std::string FormatRegistryText(const RegistryData& data)
{
    std::string out = std::string(kHeader) + "\n";
    for (const auto& [lowered, key] : data.Keys()) {
        out += "\n[" + std::string(kRootPrefix) + NarrowUtf8(key.path) + "]\n";
        for (const auto& [loweredName, entry] : key.values) {
            out += QuoteText(entry.first) + "=" + FormatValue(entry.second) + "\n";
        }
    }
    return out;
}

std::optional<RegistryTextReading> ParseRegistryText(std::string_view text)
{
    const auto lines = LogicalLines(WithoutUtf8Bom(text));
    if (lines.empty() || (lines.front() != kHeader && lines.front() != kNewHeader)) return std::nullopt;
    RegistryTextReading reading;
    std::set<std::wstring> droppedNames;
    std::optional<std::wstring> key;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            key = ParseSection(line);
            if (key) reading.data.CreateKey(*key);
            continue;
        }
        std::string name;
        const auto rest = ReadQuoted(line, name);
        auto value = key && rest && rest->starts_with('=') ? ParseValue(rest->substr(1)) : std::nullopt;
        if (value) {
            reading.data.Set(*key, WidenUtf8(name), std::move(*value));
            continue;
        }
        std::wstring dropped = rest ? WidenUtf8(name) : L"line " + std::to_wstring(i + 1);
        if (droppedNames.insert(dropped).second) reading.droppedValues.push_back(std::move(dropped));
    }
    return reading;
}

}  // namespace tallyx
