#include <algorithm>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/cli_command.h"
#include "app/cli/name_match.h"
#include "convert/unit_table.h"
#include "platform/number_text.h"
#include "platform/wide_text.h"

namespace tallyx::cli {
namespace {

constexpr std::string_view kListOption = "--list";
constexpr std::size_t kColumnGap = 2;

std::ostream& operator<<(std::ostream& out, std::wstring_view text)
{
    return out << NarrowUtf8(text);
}

std::vector<NamedChoice> CategoryChoices(const UnitTable& table)
{
    std::vector<NamedChoice> choices;
    for (std::uint32_t index = 0; index < table.GetCategoryCount(); ++index) {
        const std::wstring name = table.GetCategoryName(index);
        choices.push_back({{name}, name});
    }
    return choices;
}

std::vector<NamedChoice> UnitChoices(const UnitTable& table)
{
    std::vector<NamedChoice> choices;
    for (std::uint32_t unit = 0; unit < table.GetUnitCount(); ++unit) {
        const std::wstring name = table.GetUnitName(unit);
        const std::wstring abbreviation = table.GetUnitAbbreviation(unit);
        choices.push_back({{name, abbreviation}, name + L" (" + abbreviation + L")"});
    }
    return choices;
}

// The index of the named choice, or a message and nothing.
std::optional<std::uint32_t> Choose(const std::string& typed, const std::vector<NamedChoice>& choices,
                                    std::string_view what, std::ostream& error)
{
    const NameMatch match = MatchName(WidenUtf8(typed), choices);
    switch (match.outcome) {
    case NameMatch::Outcome::Found:
        return static_cast<std::uint32_t>(match.index);
    case NameMatch::Outcome::Ambiguous:
        error << "tallyx-cli convert: '" << typed << "' could be more than one " << what << ": "
              << JoinNames(match.names) << '\n';
        break;
    case NameMatch::Outcome::Unknown:
        error << "tallyx-cli convert: unknown " << what << " '" << typed << "'; the closest are "
              << JoinNames(match.names) << " (convert --list shows them all)\n";
        break;
    }
    return std::nullopt;
}

bool SelectCategory(UnitTable& table, const std::string& typed, std::ostream& error)
{
    const auto category = Choose(typed, CategoryChoices(table), "category", error);
    return category && table.SelectCategory(*category);
}

// Only a whole number text is a value here: a typing slip must not convert as 0.
bool IsNumber(const std::string& text)
{
    const std::wstring wide = WidenUtf8(text);
    const std::wstring_view number = TrimBlanks(wide);
    std::size_t consumed = 0;
    ParseDouble(number, &consumed);
    return consumed > 0 && consumed == number.size();
}

void ListCategories(const UnitTable& table, std::ostream& out)
{
    for (std::uint32_t index = 0; index < table.GetCategoryCount(); ++index) {
        out << table.GetCategoryName(index) << '\n';
    }
}

// Names in one column, abbreviations lined up in the next.
void ListUnits(const UnitTable& table, std::ostream& out)
{
    std::size_t width = 0;
    for (std::uint32_t unit = 0; unit < table.GetUnitCount(); ++unit) {
        width = std::max(width, table.GetUnitName(unit).size());
    }
    for (std::uint32_t unit = 0; unit < table.GetUnitCount(); ++unit) {
        const std::wstring name = table.GetUnitName(unit);
        out << name << std::string(width - name.size() + kColumnGap, ' ') << table.GetUnitAbbreviation(unit) << '\n';
    }
}

int RunList(UnitTable& table, const Arguments& arguments, std::ostream& out, std::ostream& error)
{
    if (arguments.size() == 1) {
        ListCategories(table, out);
        return kExitOk;
    }
    if (!SelectCategory(table, arguments[1], error)) {
        return kExitUsage;
    }
    ListUnits(table, out);
    return kExitOk;
}

int RunConversion(UnitTable& table, const Arguments& arguments, std::ostream& out, std::ostream& error)
{
    const std::string& value = arguments[1];
    if (!SelectCategory(table, arguments[0], error)) {
        return kExitUsage;
    }
    if (!IsNumber(value)) {
        error << "tallyx-cli convert: '" << value << "' is not a number\n";
        return kExitUsage;
    }
    const std::vector<NamedChoice> units = UnitChoices(table);
    const std::string what = NarrowUtf8(table.GetCategoryName(table.GetCategory())) + " unit";
    const auto from = Choose(arguments[2], units, what, error);
    const auto to = Choose(arguments[3], units, what, error);
    if (!from || !to) {
        return kExitUsage;
    }
    table.SetFromUnit(*from);
    table.SetToUnit(*to);
    std::wstring result;
    table.Convert(WidenUtf8(value), result, ResultPart::Whole);
    out << result << '\n';
    return kExitOk;
}

int Run(const Arguments& arguments, std::ostream& out, std::ostream& error)
{
    // A table of its own, so that a console conversion leaves the panel's
    // selections as they are.
    UnitTable table;
    table.Load();
    const bool list = !arguments.empty() && arguments[0] == kListOption;
    if (list && arguments.size() <= 2) {
        return RunList(table, arguments, out, error);
    }
    if (!list && arguments.size() == 4) {
        return RunConversion(table, arguments, out, error);
    }
    error << "usage: tallyx-cli " << kConvertCommand.usage << '\n';
    return kExitUsage;
}

}  // namespace

const Command kConvertCommand = {"convert", "convert CATEGORY VALUE FROM TO | convert --list [CATEGORY]", Run};

}  // namespace tallyx::cli
