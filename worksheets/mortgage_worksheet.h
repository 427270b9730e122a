#pragma once

#include "worksheets/mortgage.h"
#include "worksheets/worksheet.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

// Mortgage calculator on the payment schedule chosen in the options.
class MortgageWorksheet : public Worksheet {
public:
    explicit MortgageWorksheet(const WorksheetOptions& options) : options_(options) {}
    // The sheet reads the options as it works: they must outlive it.
    explicit MortgageWorksheet(const WorksheetOptions&&) = delete;
    ~MortgageWorksheet() override;

    const Mortgage& Record() const { return mortgage_; }

    void BuildCells() override;
    void Calculate() override;
    void Reset() override;

protected:
    std::wstring ModelText(int cell) const override;
    void CommitRow(int cell, double number, std::int32_t integer) override;
    void Recompute() override;

private:
    void TitleSchedule();

    const WorksheetOptions& options_;
    Mortgage mortgage_;
};

}  // namespace tallyx
