#pragma once

#include "worksheets/car_loan.h"
#include "worksheets/model_worksheet.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

// Loan calculator: price, tax, fees and terms in; payment and totals out.
class LoanWorksheet : public ModelWorksheet<CarLoan> {
public:
    explicit LoanWorksheet(const WorksheetOptions& options);
    ~LoanWorksheet() override;

    const CarLoan& Loan() const { return model_; }

    void Calculate() override;
    void Reset() override;
    ScheduleTable Schedule() override;
    bool HasSchedule() const override { return true; }

protected:
    void Recompute() override { model_.Compute(); }
};

}  // namespace tallyx
