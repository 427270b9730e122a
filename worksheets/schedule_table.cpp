#include "worksheets/schedule_table.h"

#include <cmath>
#include <cstdlib>
#include <cwchar>

#include "platform/number_text.h"
#include "platform/wide_text.h"
#include "worksheets/cell_number_text.h"
#include "worksheets/worksheet_cell.h"

namespace tallyx {
namespace {

constexpr Cents kCentsPerUnit = 100;
constexpr std::size_t kShownDecimals = 2;
// Amounts beyond this many units would not fit the cents of a line.
constexpr double kLargestAmount = 1e15;
constexpr wchar_t kCsvSeparator = L',';
constexpr std::wstring_view kResultSeparator = L"  ";

// The line's texts: the key, then each amount, an empty column as empty text.
std::vector<std::wstring> LineTexts(const ScheduleLine& line)
{
    std::vector<std::wstring> texts{line.key};
    for (const auto& amount : line.amounts) {
        texts.push_back(amount ? CentsText(*amount) : std::wstring());
    }
    return texts;
}

std::wstring Joined(const std::vector<std::wstring>& texts, std::size_t first, std::wstring_view separator)
{
    std::wstring joined;
    for (std::size_t index = first; index < texts.size(); ++index) {
        if (index > first) joined += separator;
        joined += texts[index];
    }
    return joined;
}

}  // namespace

std::wstring CentsText(Cents amount)
{
    const Cents magnitude = std::llabs(amount);
    const Cents fraction = magnitude % kCentsPerUnit;
    return std::wstring(amount < 0 ? L"-" : L"") + FormatInteger(magnitude / kCentsPerUnit) + L"." +
           (fraction < 10 ? L"0" : L"") + FormatInteger(fraction);
}

std::string ScheduleCsv(const ScheduleTable& table)
{
    std::wstring text = Joined(table.columns, 0, std::wstring(1, kCsvSeparator)) + L"\n";
    for (const ScheduleLine& line : table.lines) {
        text += Joined(LineTexts(line), 0, std::wstring(1, kCsvSeparator)) + L"\n";
    }
    text += Joined(LineTexts(table.totals), 0, std::wstring(1, kCsvSeparator)) + L"\n";
    return NarrowUtf8(text);
}

std::vector<ResultRow> ScheduleResultRows(const ScheduleTable& table)
{
    std::vector<ResultRow> rows;
    if (table.columns.empty()) {
        return rows;
    }
    rows.push_back({table.columns.front(), Joined(table.columns, 1, kResultSeparator)});
    const auto add = [&](const ScheduleLine& line) {
        const std::vector<std::wstring> texts = LineTexts(line);
        rows.push_back({texts.front(), Joined(texts, 1, kResultSeparator)});
    };
    for (const ScheduleLine& line : table.lines) add(line);
    add(table.totals);
    return rows;
}

Cents ShownCents(double amount)
{
    const std::wstring shown = ApplyCellFormat(CellNumberText(amount), CellFormat::FormatTwoDecimals);
    const std::size_t point = shown.find(L'.');
    const bool plain = point != std::wstring::npos && point + kShownDecimals + 1 == shown.size() &&
                       shown.find(L'e') == std::wstring::npos;
    if (!plain) {
        // Beyond twelve digits the cell shows an exponent: the nearest cent is as near as it gets.
        return std::llround(amount * kCentsPerUnit);
    }
    return std::wcstoll((shown.substr(0, point) + shown.substr(point + 1)).c_str(), nullptr, 10);
}

bool IsScheduleAmount(double amount)
{
    return std::isfinite(amount) && std::fabs(amount) < kLargestAmount;
}

Cents CentRounding::Next(double amount)
{
    total_ += amount;
    const Cents rounded = ShownCents(total_);
    const Cents step = rounded - listed_;
    listed_ = rounded;
    return step;
}

}  // namespace tallyx
