#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "worksheets/worksheet.h"

namespace tallyx {

// The program options the worksheets read, as the settings keep them.
struct WorksheetOptions {
    bool endPeriodPayments = false;  // TVMEndPay
    int mortgageSchedule = 0;        // MortPaymentSched
};

// Creates a worksheet with its model and stored values. The options must
// outlive the worksheet: some worksheets read them again while they work.
using WorksheetFactory = std::unique_ptr<Worksheet> (*)(const WorksheetOptions& options);

struct WorksheetEntry {
    std::wstring_view consoleName;
    int buttonId;              // the id of the key that opens it
    WorksheetFactory create;
    bool takesDataPairs;       // fed with (x, y) pairs rather than named rows
};

std::span<const WorksheetEntry> WorksheetCatalog();
// Console names compare without regard to letter case; nullptr when unknown.
const WorksheetEntry* FindWorksheet(std::wstring_view consoleName);
const WorksheetEntry* FindWorksheetForButton(int buttonId);

}  // namespace tallyx
