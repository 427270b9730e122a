#pragma once

#include "worksheets/break_even_model.h"
#include "worksheets/field_worksheet.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

// Break-even sales: profit, unit price, fixed cost, unit cost and quantity.
class BreakEvenWorksheet : public FieldWorksheet<BreakEvenModel, BreakEvenValue> {
public:
    explicit BreakEvenWorksheet(const WorksheetOptions& options);
};

}  // namespace tallyx
