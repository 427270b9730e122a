#include "worksheets/worksheet_cell.h"

#include <utility>

namespace tallyx {
namespace {

constexpr std::size_t kPercentTextLimit = 11;

std::wstring TwoDecimals(std::wstring text)
{
    const std::size_t point = text.find(L'.');
    if (point == std::wstring::npos) {
        return text + L".00";
    }
    const std::size_t decimals = text.size() - point - 1;
    if (decimals < 2) {
        return text.append(2 - decimals, L'0');
    }
    return text.substr(0, point + 3);
}

// The error words ("infinity", "imaginary") stand for no number: a format
// would turn them into "infinity.00" or "imaginary%".
bool IsWord(std::wstring_view text)
{
    return !text.empty() && text.find_first_of(L"0123456789") == std::wstring_view::npos;
}

}  // namespace

WorksheetCell::WorksheetCell(std::wstring label, CellFormat format, bool readOnly, std::wstring_view text)
    : label_(std::move(label)), format_(format), readOnly_(readOnly)
{
    SetText(text);
}

void WorksheetCell::SetText(std::wstring_view text)
{
    text_ = text.substr(0, kCellTextLimit);
}

std::wstring WorksheetCell::ShownText() const
{
    return ApplyCellFormat(text_, format_);
}

std::wstring ApplyCellFormat(std::wstring_view text, CellFormat format)
{
    std::wstring shown(text);
    if (IsWord(shown)) {
        return shown;
    }
    const bool exponent = shown.find(L'e') != std::wstring::npos;
    switch (format) {
    case CellFormat::FormatInteger:
        if (!exponent) {
            shown = shown.substr(0, shown.find(L'.'));
        }
        return shown;
    case CellFormat::FormatPercent:
        if (!shown.empty() && shown.back() == L'.') {
            shown.pop_back();
        }
        return shown.substr(0, kPercentTextLimit) + L"%";
    case CellFormat::FormatTwoDecimals:
        return exponent ? shown : TwoDecimals(std::move(shown));
    case CellFormat::FormatPlain:
        break;
    }
    return shown;
}

}  // namespace tallyx
