#pragma once

#include "worksheets/field_worksheet.h"
#include "worksheets/profit_margin_model.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

// Profit margin: cost, price and the margin as a share of the price.
class ProfitMarginWorksheet : public FieldWorksheet<ProfitMarginModel, ProfitMarginValue> {
public:
    explicit ProfitMarginWorksheet(const WorksheetOptions& options);
};

}  // namespace tallyx
