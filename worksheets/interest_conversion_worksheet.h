#pragma once

#include "worksheets/interest_conversion_model.h"
#include "worksheets/model_worksheet.h"
#include "worksheets/stored_values.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

// Interest conversion between nominal and effective yearly rates.
class InterestConversionWorksheet : public ModelWorksheet<InterestConversionModel> {
public:
    explicit InterestConversionWorksheet(const WorksheetOptions& options);
    ~InterestConversionWorksheet() override;

    void Calculate() override;
    void Reset() override;

private:
    void Store(StoredValues::Direction direction);
};

}  // namespace tallyx
