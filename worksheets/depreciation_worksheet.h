#pragma once

#include "worksheets/depreciation_model.h"
#include "worksheets/model_worksheet.h"
#include "worksheets/stored_values.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

// Depreciation of one year of an asset's life, with what remains after it.
class DepreciationWorksheet : public ModelWorksheet<DepreciationModel> {
public:
    explicit DepreciationWorksheet(const WorksheetOptions& options);
    ~DepreciationWorksheet() override;

    void Calculate() override;
    void Reset() override;
    ScheduleTable Schedule() override;
    bool HasSchedule() const override { return true; }

private:
    void Store(StoredValues::Direction direction);
};

}  // namespace tallyx
