#pragma once

#include "worksheets/date_model.h"
#include "worksheets/worksheet.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

// Days between two dates, actual and 30/360. Nothing is kept between openings.
class DateWorksheet : public Worksheet {
public:
    explicit DateWorksheet(const WorksheetOptions& options);

    void BuildCells() override;
    void Calculate() override;
    void Reset() override;

protected:
    std::wstring ModelText(int cell) const override;
    void CommitRow(int cell, double number, std::int32_t integer) override;
    void Recompute() override { model_.Compute(); }

private:
    DateModel model_;
};

}  // namespace tallyx
