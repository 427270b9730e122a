#pragma once

#include "worksheets/stored_values.h"
#include "worksheets/tvm_engine.h"
#include "worksheets/worksheet.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

// Time value of money: four of the five amounts given, Calc solves the fifth.
class TvmWorksheet : public Worksheet {
public:
    explicit TvmWorksheet(const WorksheetOptions& options);
    // The sheet reads the options as it works: they must outlive it.
    explicit TvmWorksheet(const WorksheetOptions&&) = delete;
    ~TvmWorksheet() override;

    const TvmEngine& Engine() const { return engine_; }

    void BuildCells() override;
    void Calculate() override;
    void Reset() override;

protected:
    std::wstring ModelText(int cell) const override;
    void CommitRow(int cell, double number, std::int32_t integer) override;

private:
    void Store(StoredValues::Direction direction);

    const WorksheetOptions& options_;
    TvmEngine engine_;
};

}  // namespace tallyx
