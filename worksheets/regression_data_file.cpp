#include "worksheets/regression_data_file.h"

#include <fstream>
#include <new>
#include <utility>

#include "worksheets/worksheet_cell.h"

namespace tallyx {
namespace {

constexpr char16_t kSeparator = u',';
constexpr char32_t kReplacement = U'\uFFFD';

void AppendUnit(std::string& bytes, char16_t unit)
{
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
}

void AppendCharacter(std::string& bytes, wchar_t character)
{
    const auto code = static_cast<char32_t>(character);
    if (code < 0x10000) {
        AppendUnit(bytes, static_cast<char16_t>(code));
        return;
    }
    const char32_t offset = code - 0x10000;
    AppendUnit(bytes, static_cast<char16_t>(0xD800 + (offset >> 10)));
    AppendUnit(bytes, static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
}

std::u16string Units(std::string_view bytes)
{
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return units;
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

// A field's code units as wide text, surrogate pairs joined, stray halves
// replaced; a cell's text ends at a NUL as its stored string would.
std::wstring Widen(std::u16string_view field)
{
    std::wstring text;
    for (std::size_t i = 0; i < field.size() && field[i] != u'\0' && text.size() < kCellTextLimit; ++i) {
        char32_t code = field[i];
        if (IsHighSurrogate(field[i]) && i + 1 < field.size() && IsLowSurrogate(field[i + 1])) {
            code = 0x10000 + ((code - 0xD800) << 10) + (field[i + 1] - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(field[i]) || IsLowSurrogate(field[i])) {
            code = kReplacement;
        }
        text += static_cast<wchar_t>(code);
    }
    return text;
}

}  // namespace

std::string EncodeRegressionData(const std::vector<std::wstring>& texts)
{
    std::string bytes;
    for (const std::wstring& text : texts) {
        for (const wchar_t character : text) AppendCharacter(bytes, character);
        AppendUnit(bytes, kSeparator);
    }
    return bytes;
}

std::vector<std::wstring> DecodeRegressionData(std::string_view bytes)
{
    const std::u16string units = Units(bytes);
    std::vector<std::wstring> texts;
    std::size_t start = 0;
    // A field starting on the last unit cannot have its comma after it.
    while (start + 1 < units.size()) {
        const std::size_t comma = units.find(kSeparator, start);
        if (comma == std::u16string::npos) {
            break;
        }
        // A field led by a NUL is as empty as one without units, and ends the
        // reading the same way: a saved file never holds an empty text.
        std::wstring text = Widen(std::u16string_view(units).substr(start, comma - start));
        if (text.empty()) {
            break;
        }
        texts.push_back(std::move(text));
        start = comma + 1;
    }
    return texts;
}

Status SaveRegressionData(const std::filesystem::path& path, const std::vector<std::wstring>& texts)
{
    const std::string bytes = EncodeRegressionData(texts);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return file ? StatusOk : StatusFail;
}

Status LoadRegressionData(const std::filesystem::path& path, std::vector<std::wstring>& texts)
{
    // Only a plain file: a folder or a device would read as endless bytes.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return StatusFail;
    }
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        return StatusFail;
    }
    const std::streamoff size = file.tellg();
    if (size < 0) {
        return StatusFail;
    }
    std::string bytes;
    try {
        bytes.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        return StatusOutOfMemory;
    } catch (const std::length_error&) {
        return StatusOutOfMemory;
    }
    file.seekg(0);
    if (!file.read(bytes.data(), size)) {
        return StatusFail;
    }
    texts = DecodeRegressionData(bytes);
    return StatusOk;
}

}  // namespace tallyx
