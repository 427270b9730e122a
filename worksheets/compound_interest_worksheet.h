#pragma once

#include "worksheets/compound_interest_model.h"
#include "worksheets/stored_values.h"
#include "worksheets/worksheet.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

// Compound interest: periods, rate per period, start and final value.
class CompoundInterestWorksheet : public Worksheet {
public:
    explicit CompoundInterestWorksheet(const WorksheetOptions& options);
    ~CompoundInterestWorksheet() override;

    void BuildCells() override;
    void Calculate() override;
    void Reset() override;

protected:
    std::wstring ModelText(int cell) const override;
    void CommitRow(int cell, double number, std::int32_t integer) override;

private:
    void Store(StoredValues::Direction direction);

    CompoundInterestModel model_;
};

}  // namespace tallyx
