#pragma once

#include "worksheets/tip.h"
#include "worksheets/worksheet.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

// Tip calculator: bill, tip percentage and people in; tip and totals out.
class TipWorksheet : public Worksheet {
public:
    explicit TipWorksheet(const WorksheetOptions& options);
    ~TipWorksheet() override;

    const Tip& Record() const { return tip_; }

    void BuildCells() override;
    void Calculate() override;
    void Reset() override;

protected:
    std::wstring ModelText(int cell) const override;
    void CommitRow(int cell, double number, std::int32_t integer) override;

private:
    Tip tip_;
};

}  // namespace tallyx
