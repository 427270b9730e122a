#pragma once

#include "worksheets/compound_interest_model.h"
#include "worksheets/model_worksheet.h"
#include "worksheets/stored_values.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

// Compound interest: periods, rate per period, start and final value.
class CompoundInterestWorksheet : public ModelWorksheet<CompoundInterestModel> {
public:
    explicit CompoundInterestWorksheet(const WorksheetOptions& options);
    ~CompoundInterestWorksheet() override;

    void Calculate() override;
    void Reset() override;

private:
    void Store(StoredValues::Direction direction);
};

}  // namespace tallyx
