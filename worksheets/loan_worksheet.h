#pragma once

#include "worksheets/car_loan.h"
#include "worksheets/worksheet.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

// Loan calculator: price, tax, fees and terms in; payment and totals out.
class LoanWorksheet : public Worksheet {
public:
    explicit LoanWorksheet(const WorksheetOptions& options);
    ~LoanWorksheet() override;

    const CarLoan& Loan() const { return loan_; }

    void BuildCells() override;
    void Calculate() override;
    void Reset() override;

protected:
    std::wstring ModelText(int cell) const override;
    void CommitRow(int cell, double number, std::int32_t integer) override;
    void Recompute() override { loan_.Compute(); }

private:
    CarLoan loan_;
};

}  // namespace tallyx
