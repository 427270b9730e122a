#pragma once

#include "worksheets/worksheet.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

// The cash-flow key opens an empty sheet of five rows that computes nothing
// yet: it neither moves nor solves, and keeps nothing.
class CashFlowWorksheet : public Worksheet {
public:
    explicit CashFlowWorksheet(const WorksheetOptions&) {}

    void BuildCells() override;
    WorksheetReply KeyUp(int key) override;
    void Calculate() override {}
    void Reset() override;
};

}  // namespace tallyx
