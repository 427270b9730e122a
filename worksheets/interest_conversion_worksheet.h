#pragma once

#include "worksheets/interest_conversion_model.h"
#include "worksheets/stored_values.h"
#include "worksheets/worksheet.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

// Interest conversion between nominal and effective yearly rates.
class InterestConversionWorksheet : public Worksheet {
public:
    explicit InterestConversionWorksheet(const WorksheetOptions& options);
    ~InterestConversionWorksheet() override;

    void BuildCells() override;
    void Calculate() override;
    void Reset() override;

protected:
    std::wstring ModelText(int cell) const override;
    void CommitRow(int cell, double number, std::int32_t integer) override;

private:
    void Store(StoredValues::Direction direction);

    InterestConversionModel model_;
};

}  // namespace tallyx
