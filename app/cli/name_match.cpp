#include "app/cli/name_match.h"

#include <algorithm>
#include <array>
#include <functional>
#include <numeric>
#include <utility>

#include "platform/wide_text.h"

namespace tallyx::cli {
namespace {

constexpr std::size_t kClosestCount = 3;

// Characters that are hard to type in a shell, and what stands for them.
struct Spelling {
    wchar_t character;
    std::wstring_view typed;
};
constexpr std::array<Spelling, 3> kPlainSpellings = {{{L'²', L"2"}, {L'³', L"3"}, {L'°', L""}}};

std::wstring PlainLowerText(std::wstring_view text)
{
    std::wstring plain;
    for (const wchar_t character : ToLowerText(text)) {
        const auto spelling = std::find_if(kPlainSpellings.begin(), kPlainSpellings.end(),
                                           [character](const Spelling& entry) { return entry.character == character; });
        if (spelling == kPlainSpellings.end()) {
            plain.push_back(character);
        } else {
            plain.append(spelling->typed);
        }
    }
    return plain;
}

using SpellingTest = std::function<bool(const std::wstring& spelling)>;

std::vector<std::size_t> ChoicesWhere(const std::vector<NamedChoice>& choices, const SpellingTest& test)
{
    std::vector<std::size_t> found;
    for (std::size_t index = 0; index < choices.size(); ++index) {
        if (std::any_of(choices[index].spellings.begin(), choices[index].spellings.end(), test)) {
            found.push_back(index);
        }
    }
    return found;
}

// Edits (insertions, deletions, replacements) that turn one text into the other.
std::size_t EditDistance(std::wstring_view from, std::wstring_view to)
{
    std::vector<std::size_t> previous(to.size() + 1);
    std::iota(previous.begin(), previous.end(), 0);
    for (std::size_t row = 1; row <= from.size(); ++row) {
        std::vector<std::size_t> current(to.size() + 1);
        current[0] = row;
        for (std::size_t column = 1; column <= to.size(); ++column) {
            const std::size_t replace = previous[column - 1] + (from[row - 1] == to[column - 1] ? 0 : 1);
            current[column] = std::min({replace, previous[column] + 1, current[column - 1] + 1});
        }
        previous = std::move(current);
    }
    return previous.back();
}

std::size_t DistanceTo(const std::wstring& plainTyped, const NamedChoice& choice)
{
    std::size_t best = std::wstring::npos;
    for (const std::wstring& spelling : choice.spellings) {
        best = std::min(best, EditDistance(plainTyped, PlainLowerText(spelling)));
    }
    return best;
}

std::vector<std::wstring> ClosestLabels(const std::wstring& plainTyped, const std::vector<NamedChoice>& choices)
{
    std::vector<std::pair<std::size_t, std::size_t>> ranked;  // distance, index
    for (std::size_t index = 0; index < choices.size(); ++index) {
        ranked.emplace_back(DistanceTo(plainTyped, choices[index]), index);
    }
    std::stable_sort(ranked.begin(), ranked.end());
    ranked.resize(std::min(ranked.size(), kClosestCount));
    std::vector<std::wstring> labels;
    for (const auto& [distance, index] : ranked) {
        labels.push_back(choices[index].label);
    }
    return labels;
}

NameMatch FoundOrAmbiguous(const std::vector<std::size_t>& found, const std::vector<NamedChoice>& choices)
{
    NameMatch match;
    if (found.size() == 1) {
        match.outcome = NameMatch::Outcome::Found;
        match.index = found.front();
        return match;
    }
    match.outcome = NameMatch::Outcome::Ambiguous;
    for (const std::size_t index : found) {
        match.names.push_back(choices[index].label);
    }
    return match;
}

}  // namespace

NameMatch MatchName(std::wstring_view typed, const std::vector<NamedChoice>& choices)
{
    const std::wstring plainTyped = PlainLowerText(typed);
    const std::array<SpellingTest, 3> tests = {
        [typed](const std::wstring& spelling) { return spelling == typed; },
        [&plainTyped](const std::wstring& spelling) { return PlainLowerText(spelling) == plainTyped; },
        [&plainTyped](const std::wstring& spelling) {
            return !plainTyped.empty() && PlainLowerText(spelling).starts_with(plainTyped);
        },
    };
    for (const SpellingTest& test : tests) {
        const std::vector<std::size_t> found = ChoicesWhere(choices, test);
        if (!found.empty()) {
            return FoundOrAmbiguous(found, choices);
        }
    }
    return {NameMatch::Outcome::Unknown, 0, ClosestLabels(plainTyped, choices)};
}

std::wstring JoinNames(const std::vector<std::wstring>& names)
{
    std::wstring joined;
    for (const std::wstring& name : names) {
        joined += (joined.empty() ? L"" : L", ") + name;
    }
    return joined;
}

}  // namespace tallyx::cli
