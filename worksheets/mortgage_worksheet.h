#pragma once

#include "worksheets/model_worksheet.h"
#include "worksheets/mortgage.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

// Mortgage calculator on the payment schedule chosen in the options.
class MortgageWorksheet : public ModelWorksheet<Mortgage> {
public:
    explicit MortgageWorksheet(const WorksheetOptions& options);
    // The sheet reads the options as it works: they must outlive it.
    explicit MortgageWorksheet(const WorksheetOptions&&) = delete;
    ~MortgageWorksheet() override;

    const Mortgage& Record() const { return model_; }

    void BuildCells() override;
    void Calculate() override;
    void Reset() override;
    ScheduleTable Schedule() override;
    bool HasSchedule() const override { return true; }

protected:
    void Recompute() override;

private:
    void TitleSchedule();

    const WorksheetOptions& options_;
};

}  // namespace tallyx
