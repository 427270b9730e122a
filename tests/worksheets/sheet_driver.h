#pragma once

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "worksheets/worksheet.h"

namespace tallyx {

// Drives a sheet as a user on the keypad would.
inline int CellNamed(const Worksheet& sheet, std::wstring_view label)
{
    for (std::size_t cell = 0; cell < sheet.Cells().size(); ++cell) {
        if (sheet.Cells()[cell].Label() == label) {
            return static_cast<int>(cell);
        }
    }
    ADD_FAILURE() << "no cell labelled " << std::string(label.begin(), label.end());
    return 0;
}

// Taps the cell, types the text and leaves the cell with Down.
inline void TypeInto(Worksheet& sheet, std::wstring_view label, std::wstring_view text)
{
    sheet.TapCell(CellNamed(sheet, label));
    sheet.TakeDisplayText(text);
    sheet.CommitCell();
}

inline void CalculateOn(Worksheet& sheet, std::wstring_view label)
{
    sheet.TapCell(CellNamed(sheet, label));
    sheet.Calculate();
}

inline std::wstring Shown(const Worksheet& sheet, std::wstring_view label)
{
    return sheet.Cells()[CellNamed(sheet, label)].ShownText();
}

}  // namespace tallyx
