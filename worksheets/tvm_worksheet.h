#pragma once

#include "worksheets/model_worksheet.h"
#include "worksheets/stored_values.h"
#include "worksheets/tvm_engine.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

// Time value of money: four of the five amounts given, Calc solves the fifth.
class TvmWorksheet : public ModelWorksheet<TvmEngine> {
public:
    explicit TvmWorksheet(const WorksheetOptions& options);
    // The sheet reads the options as it works: they must outlive it.
    explicit TvmWorksheet(const WorksheetOptions&&) = delete;
    ~TvmWorksheet() override;

    const TvmEngine& Engine() const { return model_; }

    void Calculate() override;
    void Reset() override;

private:
    void Store(StoredValues::Direction direction);

    const WorksheetOptions& options_;
};

}  // namespace tallyx
