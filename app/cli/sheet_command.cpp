#include <algorithm>
#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/cli/cli_command.h"
#include "platform/file_registry.h"
#include "platform/memory_registry.h"
#include "platform/number_text.h"
#include "platform/services.h"
#include "platform/wide_text.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx::cli {
namespace {

// What the command line asks of the sheet, in the order given.
struct SheetRequest {
    std::wstring name;
    std::vector<std::pair<std::wstring, std::wstring>> entries;  // row, value text
    std::optional<std::wstring> calculatedRow;
    std::optional<std::string> dataFile;
    std::optional<std::wstring> pairs;
    std::vector<std::pair<std::wstring, std::wstring>> optionSettings;  // name, value text
    bool persist = false;
    bool schedule = false;
};

struct OptionSetter {
    std::wstring_view name;
    void (*apply)(WorksheetOptions& options, std::int32_t value);
};

// The program options a sheet reads, under their stored names.
constexpr std::array kOptionSetters = {
    OptionSetter{L"TVMEndPay", [](WorksheetOptions& options, std::int32_t value) { options.endPeriodPayments = value != 0; }},
    OptionSetter{L"MortPaymentSched", [](WorksheetOptions& options, std::int32_t value) { options.mortgageSchedule = value; }},
};

// Splits NAME=VALUE at the first "="; nothing when there is none.
std::optional<std::pair<std::wstring, std::wstring>> SplitAssignment(const std::string& argument)
{
    const std::wstring text = WidenUtf8(argument);
    const std::size_t equals = text.find(L'=');
    if (equals == std::wstring::npos || equals == 0) {
        return std::nullopt;
    }
    return std::make_pair(text.substr(0, equals), text.substr(equals + 1));
}

// The whole text is one number (an integer, when asked), as a user would type it.
bool IsNumberText(std::wstring_view text, bool integerOnly)
{
    const std::wstring_view trimmed = TrimBlanks(text);
    std::size_t consumed = 0;
    ParseDouble(trimmed, &consumed);
    if (consumed == 0 || consumed != trimmed.size()) {
        return false;
    }
    return !integerOnly || trimmed.find_first_of(L".eE") == std::wstring_view::npos;
}

const OptionSetter* FindOption(const std::pair<std::wstring, std::wstring>& assignment)
{
    for (const OptionSetter& setter : kOptionSetters) {
        if (EqualNoCase(setter.name, assignment.first) && IsNumberText(assignment.second, true)) {
            return &setter;
        }
    }
    return nullptr;
}

// The options as the settings keep them, then the ones set on the command line.
WorksheetOptions Options(const SheetRequest& request)
{
    WorksheetOptions options;
    for (const OptionSetter& setter : kOptionSetters) {
        std::uint32_t stored = 0;
        if (Platform().registry->ReadDword(kTallyxKey, setter.name, stored) == StatusOk) {
            setter.apply(options, static_cast<std::int32_t>(stored));
        }
    }
    for (const auto& assignment : request.optionSettings) {
        FindOption(assignment)->apply(options, ParseLong(assignment.second));
    }
    return options;
}

// Reads the arguments after the sheet name; false with a message on bad ones.
bool ParseRequest(const Arguments& arguments, SheetRequest& request, std::ostream& error)
{
    const auto valueOf = [&](std::size_t& index) -> std::optional<std::string> {
        if (index + 1 >= arguments.size()) {
            error << "tallyx-cli sheet: " << arguments[index] << " needs a value\n";
            return std::nullopt;
        }
        return arguments[++index];
    };
    request.name = WidenUtf8(arguments[0]);
    for (std::size_t index = 1; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (argument == "--persist") {
            request.persist = true;
        } else if (argument == "--schedule") {
            request.schedule = true;
        } else if (argument == "--calc" || argument == "--set" || argument == "--data" || argument == "--pairs") {
            const auto value = valueOf(index);
            if (!value) {
                return false;
            }
            if (argument == "--calc") {
                request.calculatedRow = WidenUtf8(*value);
            } else if (argument == "--data") {
                request.dataFile = *value;
            } else if (argument == "--pairs") {
                request.pairs = WidenUtf8(*value);
            } else {
                const auto assignment = SplitAssignment(*value);
                if (!assignment || !FindOption(*assignment)) {
                    error << "tallyx-cli sheet: unknown option setting '" << *value
                          << "' (TVMEndPay=0|1, MortPaymentSched=0..9)\n";
                    return false;
                }
                request.optionSettings.push_back(*assignment);
            }
        } else if (const auto assignment = SplitAssignment(argument)) {
            request.entries.push_back(*assignment);
        } else {
            error << "tallyx-cli sheet: expected ROW=VALUE, got '" << argument << "'\n";
            return false;
        }
    }
    return true;
}

// A row by its label (any letter case) or by its index from 0.
std::optional<int> FindRow(const Worksheet& sheet, const std::wstring& row)
{
    const auto& cells = sheet.Cells();
    for (std::size_t cell = 0; cell < cells.size(); ++cell) {
        if (EqualNoCase(TrimBlanks(cells[cell].Label()), TrimBlanks(row))) {
            return static_cast<int>(cell);
        }
    }
    if (IsNumberText(row, true)) {
        const std::int32_t index = ParseLong(row);
        if (index >= 0 && index < static_cast<std::int32_t>(cells.size())) {
            return index;
        }
    }
    return std::nullopt;
}

// As FindRow, growing a sheet of pairs of rows to the pair named.
std::optional<int> FindOrMakeRow(Worksheet& sheet, const std::wstring& row)
{
    const auto cell = FindRow(sheet, row);
    if (cell || !sheet.MakeRowFor(TrimBlanks(row))) {
        return cell;
    }
    return FindRow(sheet, row);
}

// Types a value into a cell as the keypad would, and leaves the cell.
bool Enter(Worksheet& sheet, int cell, const std::wstring& value, std::ostream& error)
{
    if (sheet.Cells()[cell].ReadOnly()) {
        error << "tallyx-cli sheet: '" << NarrowUtf8(sheet.Cells()[cell].Label()) << "' is a result and takes no input\n";
        return false;
    }
    if (!IsNumberText(value, false)) {
        error << "tallyx-cli sheet: '" << NarrowUtf8(value) << "' is not a number\n";
        return false;
    }
    sheet.TapCell(cell);
    sheet.TakeDisplayText(TrimBlanks(value));
    sheet.CommitCell();
    return true;
}

// Each value goes to the next cell; Down on the last cell makes room as it does on the keypad.
bool EnterPairs(Worksheet& sheet, const std::wstring& pairs, std::ostream& error)
{
    std::size_t start = 0;
    for (int cell = 0; start <= pairs.size(); ++cell) {
        const std::size_t comma = std::min(pairs.find(L',', start), pairs.size());
        while (cell >= static_cast<int>(sheet.Cells().size())) {
            sheet.TapCell(static_cast<int>(sheet.Cells().size()) - 1);
            const std::size_t before = sheet.Cells().size();
            sheet.KeyUp(WorksheetKeyDown);
            if (sheet.Cells().size() == before) {
                error << "tallyx-cli sheet: no room for more than " << before << " values\n";
                return false;
            }
        }
        if (!Enter(sheet, cell, pairs.substr(start, comma - start), error)) {
            return false;
        }
        start = comma + 1;
    }
    return true;
}

bool Feed(Worksheet& sheet, const WorksheetEntry& entry, const SheetRequest& request, std::ostream& error)
{
    if ((request.dataFile || request.pairs) && !entry.takesDataPairs) {
        error << "tallyx-cli sheet: '" << NarrowUtf8(entry.consoleName) << "' takes no data pairs\n";
        return false;
    }
    if (request.dataFile && sheet.ReadDataFile(*request.dataFile) != StatusOk) {
        error << "tallyx-cli sheet: cannot read '" << *request.dataFile << "'\n";
        return false;
    }
    if (request.pairs && !EnterPairs(sheet, *request.pairs, error)) {
        return false;
    }
    for (const auto& [row, value] : request.entries) {
        const auto cell = FindOrMakeRow(sheet, row);
        if (!cell) {
            error << "tallyx-cli sheet: '" << NarrowUtf8(entry.consoleName) << "' has no row '" << NarrowUtf8(row) << "'\n";
            return false;
        }
        if (!Enter(sheet, *cell, value, error)) {
            return false;
        }
    }
    if (request.calculatedRow) {
        const auto cell = FindOrMakeRow(sheet, *request.calculatedRow);
        if (!cell) {
            error << "tallyx-cli sheet: '" << NarrowUtf8(entry.consoleName) << "' has no row '"
                  << NarrowUtf8(*request.calculatedRow) << "'\n";
            return false;
        }
        sheet.TapCell(*cell);
        sheet.Calculate();
    }
    return true;
}

void Print(const Worksheet& sheet, std::ostream& out)
{
    for (const WorksheetCell& cell : sheet.Cells()) {
        out << NarrowUtf8(cell.Label()) << '\t' << NarrowUtf8(cell.ShownText()) << '\n';
    }
    for (const ResultRow& row : sheet.ResultRows()) {
        out << NarrowUtf8(row.label) << '\t' << NarrowUtf8(row.value) << '\n';
    }
}

// The schedule as CSV, the text a sheet's "Save CSV" writes; false with a
// message when the sheet has none or its values make none.
bool PrintSchedule(Worksheet& sheet, const WorksheetEntry& entry, std::ostream& out, std::ostream& error)
{
    const ScheduleTable table = sheet.Schedule();
    if (table.columns.empty()) {
        error << "tallyx-cli sheet: '" << NarrowUtf8(entry.consoleName)
              << "' has no schedule; loan, mortgage and depreciation have\n";
        return false;
    }
    if (table.lines.empty()) {
        error << "tallyx-cli sheet: these values of '" << NarrowUtf8(entry.consoleName)
              << "' make no schedule (nothing to repay or depreciate, or more than " << kLongestSchedule
              << " lines)\n";
        return false;
    }
    out << ScheduleCsv(table);
    return true;
}

void ListSheets(std::ostream& out)
{
    out << "sheets:";
    for (const WorksheetEntry& entry : WorksheetCatalog()) {
        out << ' ' << NarrowUtf8(entry.consoleName);
    }
    out << '\n';
}

int Run(const Arguments& arguments, std::ostream& out, std::ostream& error)
{
    if (arguments.empty()) {
        error << "tallyx-cli sheet: which sheet? ";
        ListSheets(error);
        return kExitUsage;
    }
    SheetRequest request;
    if (!ParseRequest(arguments, request, error)) {
        return kExitUsage;
    }
    const WorksheetEntry* entry = FindWorksheet(request.name);
    if (!entry) {
        error << "tallyx-cli sheet: unknown sheet '" << arguments[0] << "'; ";
        ListSheets(error);
        return kExitUsage;
    }
    // Unless asked to keep its values, a console run starts from the defaults
    // and leaves the user's settings alone.
    MemoryRegistry memoryRegistry;
    std::optional<FileRegistry> fileRegistry;
    PlatformServices services = Platform();
    services.registry = &memoryRegistry;
    if (request.persist) {
        services.registry = &fileRegistry.emplace(Platform().paths->ConfigFolder());
    }
    const ScopedPlatform platform(services);

    const WorksheetOptions options = Options(request);
    const auto sheet = entry->create(options);
    sheet->BuildCells();
    if (!Feed(*sheet, *entry, request, error)) {
        return kExitUsage;
    }
    if (request.schedule) {
        return PrintSchedule(*sheet, *entry, out, error) ? kExitOk : kExitUsage;
    }
    Print(*sheet, out);
    return kExitOk;
}

}  // namespace

const Command kSheetCommand = {
    "sheet",
    "sheet NAME [ROW=VALUE ...] [--calc ROW] [--set NAME=VALUE ...] [--persist]\n"
    "       tallyx-cli sheet loan|mortgage|depreciation [ROW=VALUE ...] --schedule (the schedule as CSV)\n"
    "       tallyx-cli sheet cashflow CF0=VALUE C01=VALUE F01=COUNT ... I=RATE [--calc NPV]\n"
    "       tallyx-cli sheet linreg|logreg|expreg|pwrreg [--data FILE | --pairs x1,y1,x2,y2,...] [--calc ROW]",
    Run};

}  // namespace tallyx::cli
