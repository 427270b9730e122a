#include <ostream>
#include <string>
#include <vector>

#include "app/cli/cli_command.h"
#include "convert/constants_db.h"
#include "platform/wide_text.h"

namespace tallyx::cli {
namespace {

constexpr std::string_view kFindOption = "--find";
constexpr std::wstring_view kPathSeparator = L"->";

// "Physics->Universal" and "Physics Universal" name the same group.
std::vector<std::wstring> PathNames(const Arguments& arguments)
{
    std::vector<std::wstring> names;
    for (const std::string& argument : arguments) {
        const std::wstring wide = WidenUtf8(argument);
        std::wstring_view rest = wide;
        while (true) {
            const std::size_t separator = rest.find(kPathSeparator);
            const std::wstring_view name = TrimBlanks(rest.substr(0, separator));
            if (!name.empty()) {
                names.emplace_back(name);
            }
            if (separator == std::wstring_view::npos) {
                break;
            }
            rest.remove_prefix(separator + kPathSeparator.size());
        }
    }
    return names;
}

int FindEntry(const ConstantsDb& db, int level, std::wstring_view name)
{
    for (int index = 0; index < db.GetCount(level); ++index) {
        if (EqualNoCase(db.GetName(level, index), name)) {
            return index;
        }
    }
    return -1;
}

void ListLevel(ConstantsDb& db, int level, std::ostream& out)
{
    for (int index = 0; index < db.GetCount(level); ++index) {
        const std::string name = NarrowUtf8(db.GetName(level, index));
        if (db.IsConstant(level, index)) {
            out << name << " = " << NarrowUtf8(db.GetValue(level, index).value_or(L"")) << '\n';
        } else {
            out << name << ' ' << NarrowUtf8(kPathSeparator) << '\n';
        }
    }
}

int Browse(ConstantsDb& db, const std::vector<std::wstring>& names, std::ostream& out, std::ostream& error)
{
    std::wstring where = L"the library";
    for (std::size_t step = 0; step < names.size(); ++step) {
        const int level = static_cast<int>(step);
        const int index = FindEntry(db, level, names[step]);
        if (index < 0) {
            error << "tallyx-cli const: there is no '" << NarrowUtf8(names[step]) << "' in " << NarrowUtf8(where)
                  << "\n";
            return kExitUsage;
        }
        const std::wstring name = db.GetName(level, index);
        if (db.IsConstant(level, index)) {
            if (step + 1 < names.size()) {
                error << "tallyx-cli const: '" << NarrowUtf8(name) << "' is a constant, not a group\n";
                return kExitUsage;
            }
            out << NarrowUtf8(db.GetValue(level, index).value_or(L"")) << '\n';
            return kExitOk;
        }
        db.Select(level, index);
        where = step == 0 ? name : where + std::wstring(kPathSeparator) + name;
    }
    ListLevel(db, static_cast<int>(names.size()), out);
    return kExitOk;
}

bool Contains(std::wstring_view name, const std::wstring& text)
{
    return ToLowerText(name).find(text) != std::wstring::npos;
}

// Prints every constant below the selected groups whose name, or the name of
// a group above it, holds the text.
int PrintMatches(ConstantsDb& db, int level, const std::wstring& path, bool pathMatches, const std::wstring& text,
                 std::ostream& out)
{
    int matches = 0;
    for (int index = 0; index < db.GetCount(level); ++index) {
        const std::wstring name = db.GetName(level, index);
        const std::wstring here = path.empty() ? name : path + std::wstring(kPathSeparator) + name;
        const bool matching = pathMatches || Contains(name, text);
        if (!db.IsConstant(level, index)) {
            db.Select(level, index);
            matches += PrintMatches(db, level + 1, here, matching, text, out);
        } else if (matching) {
            out << NarrowUtf8(here) << " = " << NarrowUtf8(db.GetValue(level, index).value_or(L"")) << '\n';
            ++matches;
        }
    }
    return matches;
}

int Find(ConstantsDb& db, const std::string& typed, std::ostream& out, std::ostream& error)
{
    const std::wstring text = ToLowerText(TrimBlanks(WidenUtf8(typed)));
    if (text.empty()) {
        error << "tallyx-cli const: --find needs a text to look for\n";
        return kExitUsage;
    }
    if (PrintMatches(db, 0, L"", false, text, out) == 0) {
        error << "tallyx-cli const: no name of a constant or group contains '" << typed << "'\n";
        return kExitFailure;
    }
    return kExitOk;
}

int Run(const Arguments& arguments, std::ostream& out, std::ostream& error)
{
    ConstantsDb db;
    if (db.MapResourceText() != StatusOk) {
        error << "tallyx-cli const: the constants library is missing from this build\n";
        return kExitFailure;
    }
    if (arguments.empty() || arguments[0] != kFindOption) {
        return Browse(db, PathNames(arguments), out, error);
    }
    if (arguments.size() != 2) {
        error << "tallyx-cli const: usage: tallyx-cli const --find TEXT\n";
        return kExitUsage;
    }
    return Find(db, arguments[1], out, error);
}

}  // namespace

const Command kConstCommand = {"const", "const [PATH...] | const --find TEXT", Run};

}  // namespace tallyx::cli
