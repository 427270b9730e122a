#include "worksheets/date_worksheet.h"

#include <array>

#include "platform/services.h"
#include "worksheets/cell_number_text.h"

namespace tallyx {
namespace {

using Side = DateModel::Side;

enum class DatePart { Year, Month, Day };

struct DateRow {
    CellRow row;
    Side side;
    DatePart part;
};

constexpr std::array kDateRows = {
    DateRow{{L"Start Year", CellFormat::FormatInteger, false}, Side::Start, DatePart::Year},
    DateRow{{L"Start Month", CellFormat::FormatInteger, false}, Side::Start, DatePart::Month},
    DateRow{{L"Start Day", CellFormat::FormatInteger, false}, Side::Start, DatePart::Day},
    DateRow{{L"End Year", CellFormat::FormatInteger, false}, Side::End, DatePart::Year},
    DateRow{{L"End Month", CellFormat::FormatInteger, false}, Side::End, DatePart::Month},
    DateRow{{L"End Day", CellFormat::FormatInteger, false}, Side::End, DatePart::Day},
};

constexpr int kDifferenceRow = static_cast<int>(kDateRows.size());

// "Diff. 360" takes no input, though it is not marked as a result.
constexpr std::array kRows = {
    kDateRows[0].row, kDateRows[1].row, kDateRows[2].row, kDateRows[3].row, kDateRows[4].row, kDateRows[5].row,
    CellRow{L"Difference", CellFormat::FormatInteger, true},
    CellRow{L"Diff. 360", CellFormat::FormatInteger, false},
};

DateTime Today()
{
    return Platform().clock->LocalTime();
}

std::int32_t PartOf(const CalendarDate& date, DatePart part)
{
    switch (part) {
    case DatePart::Year:
        return date.year;
    case DatePart::Month:
        return date.month;
    case DatePart::Day:
        break;
    }
    return date.day;
}

}  // namespace

DateWorksheet::DateWorksheet(const WorksheetOptions&) : model_(Today()) {}

void DateWorksheet::BuildCells()
{
    BuildCellsFrom(kRows, L"Date Calculator");
}

std::wstring DateWorksheet::ModelText(int cell) const
{
    if (cell < kDifferenceRow) {
        const DateRow& dateRow = kDateRows[cell];
        return CellIntegerText(PartOf(model_.Date(dateRow.side), dateRow.part));
    }
    if (cell == kDifferenceRow) {
        return CellIntegerText(model_.ActualDays());
    }
    return CellNumberText(model_.Days360());
}

void DateWorksheet::CommitRow(int cell, double, std::int32_t integer)
{
    if (cell >= kDifferenceRow) {
        return;
    }
    const DateRow& dateRow = kDateRows[cell];
    switch (dateRow.part) {
    case DatePart::Year:
        model_.SetYear(dateRow.side, integer);
        break;
    case DatePart::Month:
        model_.SetMonth(dateRow.side, integer);
        break;
    case DatePart::Day:
        model_.SetDay(dateRow.side, integer);
        break;
    }
    // The day follows its month and year: show what is held.
    for (int dateCell = 0; dateCell < kDifferenceRow; ++dateCell) {
        WriteCell(dateCell);
    }
}

void DateWorksheet::Calculate()
{
    CalculateResults(kDifferenceRow);
}

void DateWorksheet::Reset()
{
    model_.Reset(Today());
    WriteCells();
    HighlightFirstCell();
}

}  // namespace tallyx
