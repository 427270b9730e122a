#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tallyx::cli {

// Something the user may name on the command line: every spelling that
// selects it (a name, an abbreviation), and how messages show it.
struct NamedChoice {
    std::vector<std::wstring> spellings;
    std::wstring label;
};

struct NameMatch {
    enum class Outcome { Found, Ambiguous, Unknown };
    Outcome outcome = Outcome::Unknown;
    std::size_t index = 0;            // the choice found
    std::vector<std::wstring> names;  // the candidates, or the closest labels
};

// Tries, in turn, the exact spelling, the spelling in any case (with "²",
// "³" and "°" written as "2", "3" and nothing), and the start of one
// spelling. Without a match it answers the closest labels.
NameMatch MatchName(std::wstring_view typed, const std::vector<NamedChoice>& choices);

// "a, b, c" for messages.
std::wstring JoinNames(const std::vector<std::wstring>& names);

}  // namespace tallyx::cli
