#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tallyx {

// How a cell's text is dressed for the screen; the stored text never changes.
// Scoped, as FormatInteger also names the "%i" text maker.
enum class CellFormat : int {
    FormatPlain = 0,
    FormatInteger = 1,
    FormatPercent = 2,
    FormatTwoDecimals = 3,
};

// The longest value text a cell holds, as typed or as written by the model.
inline constexpr std::size_t kCellTextLimit = 31;

// One labelled row of a worksheet.
class WorksheetCell {
public:
    WorksheetCell(std::wstring label, CellFormat format, bool readOnly, std::wstring_view text = L"");

    const std::wstring& Label() const { return label_; }
    const std::wstring& Text() const { return text_; }
    CellFormat Format() const { return format_; }
    // An output cell: typing does not reach it.
    bool ReadOnly() const { return readOnly_; }

    // Keeps at most kCellTextLimit characters.
    void SetText(std::wstring_view text);
    // The text as drawn, with the format applied.
    std::wstring ShownText() const;

private:
    std::wstring label_;
    std::wstring text_;
    CellFormat format_;
    bool readOnly_;
};

std::wstring ApplyCellFormat(std::wstring_view text, CellFormat format);

}  // namespace tallyx
