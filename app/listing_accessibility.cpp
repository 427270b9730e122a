#include "app/listing_accessibility.h"

#include <algorithm>
#include <charconv>
#include <cwctype>
#include <string_view>

#include "app/key_spoken_names.h"
#include "app/state_listing.h"
#include "app/window_on_screen.h"
#include "platform/wide_text.h"

namespace tallyx {
namespace {

// Where a node's name comes from.
enum class Naming {
    Text,      // the line's text
    KeyWords,  // the words are the key's type and id; the text is its caption
    Fixed,     // the kind's own name
    FirstWord, // the first word, after the kind's name
    Words,     // the kind's name, then the words, which are quoted texts
};

struct KindOfLine {
    std::string_view kind;
    AccessibleRole role;
    Naming naming;
    const wchar_t* name = L"";
    bool number = false;  // the value is a number as the display draws it
};

// Lines of other kinds (the window line itself) are not shown. A text
// node's value is the line's text; a list item's is the line's value.
constexpr KindOfLine kKinds[] = {
    {"key", AccessibleRole::Button, Naming::KeyWords},
    {"button", AccessibleRole::Button, Naming::Text},
    {"display", AccessibleRole::Text, Naming::Fixed, L"Display", true},
    {"pending", AccessibleRole::Text, Naming::Fixed, L"Pending"},
    {"stack", AccessibleRole::Text, Naming::FirstWord, L"Stack ", true},
    {"indicator", AccessibleRole::Text, Naming::FirstWord},
    {"menu", AccessibleRole::ListItem, Naming::Text},
    {"row", AccessibleRole::ListItem, Naming::Text},
    {"cell", AccessibleRole::ListItem, Naming::Text},
    {"entry", AccessibleRole::ListItem, Naming::Text},
    // A panel's conversion row: a tap enters its value.
    {"from", AccessibleRole::Button, Naming::Words, L"From:"},
    {"to", AccessibleRole::Button, Naming::Words, L"To:"},
};

const KindOfLine* KindOf(const StateLine& line)
{
    for (const KindOfLine& kind : kKinds) {
        if (kind.kind == line.kind) return &kind;
    }
    return nullptr;
}

std::int32_t Number(const std::string& word)
{
    std::int32_t number = -1;
    std::from_chars(word.data(), word.data() + word.size(), number);
    return number;
}

// A word as QuotedStateText wrote it, back to its text.
std::wstring Unquoted(std::string_view word)
{
    if (word.size() >= 2 && word.front() == '"' && word.back() == '"') word = word.substr(1, word.size() - 2);
    std::string text;
    for (std::size_t index = 0; index < word.size(); ++index) {
        if (word[index] == '\\' && index + 1 < word.size()) ++index;
        text += word[index];
    }
    return WidenUtf8(text);
}

std::wstring NameOf(const KindOfLine& kind, const StateLine& line)
{
    const std::wstring text = line.text.value_or(L"");
    switch (kind.naming) {
    case Naming::Text: return text;
    case Naming::KeyWords:
        if (line.words.size() < 2) return text;
        return SpokenKeyName({Number(line.words[0]), Number(line.words[1])}, text);
    case Naming::Fixed: return kind.name;
    case Naming::FirstWord: return kind.name + (line.words.empty() ? std::wstring() : WidenUtf8(line.words.front()));
    case Naming::Words: {
        std::wstring name = kind.name;
        for (const std::string& word : line.words) name += L' ' + Unquoted(word);
        return name;
    }
    }
    return text;
}

// The display draws a whole number with its decimal point after it ("5."),
// which a screen reader would read out as "5 point".
std::wstring SpokenNumber(std::wstring number)
{
    const std::size_t size = number.size();
    if (size >= 2 && (number.back() == L'.' || number.back() == L',') && std::iswdigit(number[size - 2])) {
        number.pop_back();
    }
    return number;
}

std::wstring ValueOf(const KindOfLine& kind, const StateLine& line)
{
    if (kind.role != AccessibleRole::Text) return line.value.value_or(L"");
    const std::wstring text = line.text.value_or(L"");
    return kind.number ? SpokenNumber(text) : text;
}

bool HasMark(const StateLine& line, std::string_view mark)
{
    return std::find(line.marks.begin(), line.marks.end(), mark) != line.marks.end();
}

}  // namespace

std::vector<AccessibleNode> AccessibleNodesOf(const std::vector<StateLine>& lines, Point offset)
{
    std::vector<AccessibleNode> nodes;
    std::wstring title;
    int list = AccessibleNode::kTopLevel;
    for (const StateLine& line : lines) {
        // A window's items never join the list of the window under it.
        if (line.kind == "window") {
            title = line.text.value_or(L"");
            list = AccessibleNode::kTopLevel;
        }
        const KindOfLine* kind = KindOf(line);
        if (!kind) continue;
        // Items in a row make one list, named after their window.
        if (kind->role != AccessibleRole::ListItem) {
            list = AccessibleNode::kTopLevel;
        } else if (list == AccessibleNode::kTopLevel) {
            list = static_cast<int>(nodes.size());
            nodes.push_back({AccessibleRole::List, title, {}, {}, AccessibleNode::kTopLevel});
        }
        AccessibleNode node{kind->role, NameOf(*kind, line), ValueOf(*kind, line), {}, list};
        if (line.rect) node.rect = line.rect->Offset(-offset.x, -offset.y);
        node.checked = HasMark(line, "checked");
        node.disabled = HasMark(line, "disabled");
        nodes.push_back(std::move(node));
    }
    // A list spans its items.
    for (const AccessibleNode& item : nodes) {
        if (item.parent == AccessibleNode::kTopLevel) continue;
        Rect& list = nodes[static_cast<std::size_t>(item.parent)].rect;
        list = list.United(item.rect);
    }
    return nodes;
}

std::vector<AccessibleNode> ListingAccessibility::Describe(WindowBase& window) const
{
    return AccessibleNodesOf(listing_.Describe(window), OriginInTopLevel(window));
}

}  // namespace tallyx
