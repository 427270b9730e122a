#include "convert/constants_db.h"

#include <algorithm>
#include <utility>

#include "platform/number_text.h"
#include "platform/services.h"
#include "platform/wide_text.h"

namespace tallyx {
namespace {

constexpr std::string_view kResourceName = "IDR_TXT_Constants";
constexpr std::wstring_view kPathSeparator = L"->";
constexpr std::wstring_view kNameValue = L"CName";
constexpr std::wstring_view kConstValue = L"CConst";

struct BuiltInFavourite {
    std::wstring_view name;
    std::wstring_view path;
    std::wstring_view value;
};

// Installed when the registry holds none; each names a constant of the
// built-in library at its path, with the library's value.
constexpr std::array<BuiltInFavourite, ConstantsDb::kMaxFavourites> kBuiltInFavourites = {{
    {L"Elementary charge (C)", L"Physics->Electromagnetic", L"1.602176634e-019"},
    {L"Electron mass (kg)", L"Physics->Atomic and Nuclear", L"9.1093837015e-031"},
    {L"Proton mass (kg)", L"Physics->Atomic and Nuclear", L"1.67262192369e-027"},
    {L"Neutron mass (kg)", L"Physics->Atomic and Nuclear", L"1.67492749804e-027"},
    {L"Standard gravity (m/s²)", L"Physics->Common Values", L"9.80665"},
    {L"Speed of sound (m/s)", L"Physics->Common Values", L"343"},
    {L"Speed of light (m/s)", L"Physics->Universal", L"299792458"},
    {L"Gravitation (m³/kg·s²)", L"Physics->Universal", L"6.6743e-011"},
    {L"Planck (J·s)", L"Physics->Universal", L"6.62607015e-034"},
    {L"Gas constant R (J/°K mol)", L"Physics->Physico-chemical", L"8.314462618"},
    {L"Boltzmann k (J/K)", L"Physics->Physico-chemical", L"1.380649e-023"},
    {L"Avagadro's number", L"Physics->Physico-chemical", L"6.02214076e+023"},
}};

std::wstring FavouritesKey()
{
    return std::wstring(kTallyxKey) + L"\\Constants";
}

std::wstring ValueName(std::wstring_view stem, std::size_t index)
{
    return std::wstring(stem) + FormatInteger(static_cast<long long>(index));
}

struct Line {
    std::wstring text;
    std::size_t begin;  // the first byte of the line
    std::size_t next;   // the first byte behind its line feed
};

// The next line with any text in it, from position up to end, trimmed.
std::optional<Line> NextLine(std::string_view text, std::size_t position, std::size_t end)
{
    const std::string_view range = text.substr(0, end);
    while (position < end) {
        const std::size_t feed = range.find('\n', position);
        const std::size_t lineEnd = feed == std::string_view::npos ? end : feed;
        const std::size_t next = feed == std::string_view::npos ? end : feed + 1;
        std::wstring trimmed(TrimBlanks(WidenWindows1252(range.substr(position, lineEnd - position))));
        if (!trimmed.empty()) {
            return Line{std::move(trimmed), position, next};
        }
        position = next;
    }
    return std::nullopt;
}

bool IsMarker(std::wstring_view line)
{
    return !line.empty() && line.front() == L'*' && line.back() == L'*';
}

std::wstring GroupMarker(int level)
{
    const std::wstring stars(static_cast<std::size_t>(level) + 1, L'*');
    return stars + L"GROUP" + stars;
}

}  // namespace

ConstantsDb::ConstantsDb()
{
    selected_.fill(-1);
    LoadFavourites();
}

Status ConstantsDb::MapResourceText()
{
    const auto text = Platform().resources->Text(kResourceName);
    MapText(text.value_or(std::string_view()));
    return text ? StatusOk : StatusInvalidArgument;
}

void ConstantsDb::MapText(std::string_view text)
{
    text_ = text;
    ReadLevel(0);
}

int ConstantsDb::GetCount(int level) const
{
    if (level < 0 || level >= kLevelCount) {
        return 0;
    }
    return static_cast<int>(levels_[static_cast<std::size_t>(level)].size());
}

const ConstantsDb::Entry* ConstantsDb::Find(int level, int index) const
{
    if (index < 0 || index >= GetCount(level)) {
        return nullptr;
    }
    return &levels_[static_cast<std::size_t>(level)][static_cast<std::size_t>(index)];
}

std::wstring ConstantsDb::GetName(int level, int index) const
{
    const Entry* entry = Find(level, index);
    return entry ? entry->name : std::wstring();
}

bool ConstantsDb::IsConstant(int level, int index) const
{
    const Entry* entry = Find(level, index);
    return entry && !entry->isGroup;
}

Status ConstantsDb::Select(int level, int index)
{
    if (!Find(level, index)) {
        return StatusInvalidArgument;
    }
    if (level > 0 && selected_[static_cast<std::size_t>(level - 1)] < 0) {
        return StatusInvalidArgument;
    }
    std::fill(selected_.begin() + level, selected_.end(), -1);
    selected_[static_cast<std::size_t>(level)] = index;
    if (level + 1 < kLevelCount) {
        ReadLevel(level + 1);
    }
    return StatusOk;
}

std::wstring ConstantsDb::GetSelectedName(int level) const
{
    if (level < 0 || level >= kLevelCount) {
        return {};
    }
    return GetName(level, selected_[static_cast<std::size_t>(level)]);
}

std::optional<std::wstring> ConstantsDb::GetValue(int level, int index)
{
    const Entry* entry = Find(level, index);
    if (!entry || entry->isGroup) {
        return std::nullopt;
    }
    current_ = Position{level, index};
    return entry->value;
}

void ConstantsDb::ReadLevel(int level)
{
    current_.reset();
    for (int deeper = level; deeper < kLevelCount; ++deeper) {
        levels_[static_cast<std::size_t>(deeper)].clear();
    }
    std::size_t begin = 0;
    std::size_t end = text_.size();
    if (level > 0) {
        const Entry* parent = Find(level - 1, selected_[static_cast<std::size_t>(level - 1)]);
        if (!parent || !parent->isGroup) {
            return;
        }
        begin = parent->begin;
        end = parent->end;
    }
    if (!ReadGroups(level, begin, end)) {
        ReadConstants(level, begin, end);
    }
}

bool ConstantsDb::ReadGroups(int level, std::size_t begin, std::size_t end)
{
    auto& entries = levels_[static_cast<std::size_t>(level)];
    const std::wstring marker = GroupMarker(level);
    bool found = false;
    for (auto line = NextLine(text_, begin, end); line; line = NextLine(text_, line->next, end)) {
        if (line->text != marker) {
            continue;
        }
        found = true;
        if (!entries.empty()) {
            entries.back().end = line->begin;
        }
        auto name = NextLine(text_, line->next, end);
        if (!name) {
            break;
        }
        entries.push_back(Entry{std::move(name->text), {}, true, name->next, end});
        line = std::move(name);
    }
    return found;
}

void ConstantsDb::ReadConstants(int level, std::size_t begin, std::size_t end)
{
    auto& entries = levels_[static_cast<std::size_t>(level)];
    auto name = NextLine(text_, begin, end);
    while (name && !IsMarker(name->text)) {
        auto value = NextLine(text_, name->next, end);
        if (!value || IsMarker(value->text)) {
            return;
        }
        entries.push_back(Entry{std::move(name->text), std::move(value->text), false, 0, 0});
        name = NextLine(text_, value->next, end);
    }
}

std::optional<std::wstring> ConstantsDb::PathAbove(int level) const
{
    std::wstring path;
    for (int above = 0; above < level; ++above) {
        const std::wstring name = GetSelectedName(above);
        if (name.empty()) {
            return std::nullopt;
        }
        if (above > 0) {
            path += kPathSeparator;
        }
        path += name;
    }
    return path;
}

Status ConstantsDb::AddFavourite()
{
    if (!current_) {
        return StatusInvalidArgument;
    }
    const Entry* constant = Find(current_->level, current_->index);
    const auto path = PathAbove(current_->level);
    if (!constant || constant->name.empty() || !path) {
        return StatusInvalidArgument;
    }
    const auto same = std::find_if(favourites_.begin(), favourites_.end(), [&](const Favourite& favourite) {
        return favourite.name == constant->name && favourite.path == *path;
    });
    if (same != favourites_.end()) {
        return StatusOk;
    }
    favourites_.insert(favourites_.begin(), Favourite{constant->name, *path, constant->value});
    if (favourites_.size() > kMaxFavourites) {
        favourites_.pop_back();
    }
    return SaveFavourites();
}

int ConstantsDb::GetFavouriteCount() const
{
    return static_cast<int>(favourites_.size());
}

std::wstring ConstantsDb::GetFavouriteName(int index) const
{
    return index >= 0 && index < GetFavouriteCount() ? favourites_[static_cast<std::size_t>(index)].name : L"";
}

std::wstring ConstantsDb::GetFavouritePath(int index) const
{
    return index >= 0 && index < GetFavouriteCount() ? favourites_[static_cast<std::size_t>(index)].path : L"";
}

std::wstring ConstantsDb::GetFavouriteValue(int index) const
{
    return index >= 0 && index < GetFavouriteCount() ? favourites_[static_cast<std::size_t>(index)].value : L"";
}

void ConstantsDb::LoadFavourites()
{
    Registry& registry = *Platform().registry;
    const std::wstring key = FavouritesKey();
    for (std::size_t index = 0; index < kMaxFavourites; ++index) {
        std::wstring stored;
        std::wstring value;
        if (registry.ReadString(key, ValueName(kNameValue, index), stored) != StatusOk ||
            registry.ReadString(key, ValueName(kConstValue, index), value) != StatusOk) {
            break;
        }
        const std::size_t separator = stored.rfind(kPathSeparator);
        if (separator == std::wstring::npos) {
            break;
        }
        favourites_.push_back(Favourite{stored.substr(separator + kPathSeparator.size()),
                                        stored.substr(0, separator), std::move(value)});
    }
    if (!favourites_.empty()) {
        return;
    }
    for (const auto& builtIn : kBuiltInFavourites) {
        favourites_.push_back(Favourite{std::wstring(builtIn.name), std::wstring(builtIn.path),
                                        std::wstring(builtIn.value)});
    }
    SaveFavourites();
}

Status ConstantsDb::SaveFavourites() const
{
    Registry& registry = *Platform().registry;
    const std::wstring key = FavouritesKey();
    // A key that does not exist yet cannot be deleted; that is no failure.
    registry.DeleteKeyTree(key);
    for (std::size_t index = 0; index < favourites_.size(); ++index) {
        const Favourite& favourite = favourites_[index];
        const std::wstring stored = favourite.path + std::wstring(kPathSeparator) + favourite.name;
        Status status = registry.WriteString(key, ValueName(kNameValue, index), stored);
        if (status == StatusOk) {
            status = registry.WriteString(key, ValueName(kConstValue, index), favourite.value);
        }
        if (status != StatusOk) {
            return status;
        }
    }
    return StatusOk;
}

}  // namespace tallyx
