#pragma once

#include "worksheets/model_worksheet.h"
#include "worksheets/tip.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

// Tip calculator: bill, tip percentage and people in; tip and totals out.
class TipWorksheet : public ModelWorksheet<Tip> {
public:
    explicit TipWorksheet(const WorksheetOptions& options);
    ~TipWorksheet() override;

    const Tip& Record() const { return model_; }

    void Calculate() override;
    void Reset() override;
};

}  // namespace tallyx
