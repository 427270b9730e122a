#pragma once

#include "worksheets/depreciation_model.h"
#include "worksheets/stored_values.h"
#include "worksheets/worksheet.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

// Depreciation of one year of an asset's life, with what remains after it.
class DepreciationWorksheet : public Worksheet {
public:
    explicit DepreciationWorksheet(const WorksheetOptions& options);
    ~DepreciationWorksheet() override;

    void BuildCells() override;
    void Calculate() override;
    void Reset() override;

protected:
    std::wstring ModelText(int cell) const override;
    void CommitRow(int cell, double number, std::int32_t integer) override;

private:
    void Store(StoredValues::Direction direction);

    DepreciationModel model_;
};

}  // namespace tallyx
