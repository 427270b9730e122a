#include "app/cli/key_names.h"

#include <algorithm>
#include <charconv>

#include "keypad/button_vocabulary.h"
#include "platform/wide_text.h"

namespace tallyx::cli {
namespace {

constexpr std::size_t kSuggestions = 3;
constexpr std::string_view kDigitRunCharacters = "0123456789.";

// Levenshtein distance, letters compared without regard to case.
std::size_t EditDistance(std::wstring_view left, std::wstring_view right)
{
    const std::wstring a = ToLowerText(left);
    const std::wstring b = ToLowerText(right);
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j < row.size(); ++j) {
        row[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

bool ReadNumber(std::string_view text, int& value)
{
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && result.ec == std::errc() && result.ptr == text.data() + text.size();
}

// "TYPE:ID", such as "1:0" for Plus.
std::optional<ButtonDef> TypeAndId(std::string_view word)
{
    const auto colon = word.find(':');
    ButtonDef button;
    if (colon == std::string_view::npos || !ReadNumber(word.substr(0, colon), button.type) ||
        !ReadNumber(word.substr(colon + 1), button.id)) {
        return std::nullopt;
    }
    return button;
}

std::optional<std::vector<NamedKey>> DigitRun(std::string_view word)
{
    if (word.empty() || word.find_first_not_of(kDigitRunCharacters) != std::string_view::npos) {
        return std::nullopt;
    }
    std::vector<NamedKey> keys;
    for (const char character : word) {
        const std::wstring name = character == '.' ? L"Decimal" : std::wstring(1, static_cast<wchar_t>(character));
        const auto button = FindButtonByName(name);
        if (!button) {
            return std::nullopt;
        }
        keys.push_back({std::string(1, character), *button});
    }
    return keys;
}

}  // namespace

std::optional<std::vector<NamedKey>> ResolveKeyWord(std::string_view word)
{
    if (const auto button = FindButtonByName(WidenUtf8(word))) {
        return std::vector<NamedKey>{{std::string(word), *button}};
    }
    if (const auto button = TypeAndId(word)) {
        return std::vector<NamedKey>{{std::string(word), *button}};
    }
    return DigitRun(word);
}

std::vector<std::wstring> ClosestKeyNames(std::wstring_view word)
{
    std::vector<std::pair<std::size_t, std::wstring>> ranked;
    for (std::wstring& name : ButtonNames()) {
        ranked.emplace_back(EditDistance(word, name), std::move(name));
    }
    const std::size_t count = std::min(kSuggestions, ranked.size());
    std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(count), ranked.end());
    std::vector<std::wstring> names;
    for (std::size_t index = 0; index < count; ++index) {
        names.push_back(std::move(ranked[index].second));
    }
    return names;
}

}  // namespace tallyx::cli
