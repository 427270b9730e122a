#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "worksheets/cash_flow_model.h"
#include "worksheets/stored_values.h"
#include "worksheets/worksheet.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

// Uneven cash flows: the initial flow "CF0", then pairs of a flow "Cnn" and
// the number of periods it repeats "Fnn", the rate "I" per period, and the
// results, all computed by Calc on any row. Down on the last pair adds one.
// The values persist in the worksheets' key.
class CashFlowWorksheet : public Worksheet {
public:
    explicit CashFlowWorksheet(const WorksheetOptions&);
    ~CashFlowWorksheet() override;

    const CashFlowModel& Model() const { return model_; }

    void BuildCells() override;
    WorksheetReply KeyUp(int key) override;
    void Calculate() override;
    void Reset() override;
    // "C12" or "F12": adds pairs up to the twelfth.
    bool MakeRowFor(std::wstring_view label) override;

protected:
    std::wstring ModelText(int cell) const override;
    void CommitRow(int cell, double number, std::int32_t integer) override;
    void Recompute() override { results_ = model_.Compute(); }

private:
    enum class Role { Initial, Amount, Count, Rate, Result };
    struct CellRole {
        Role role;
        std::size_t index;  // of the flow or of the result
    };

    CellRole RoleOf(int cell) const;
    int RateCell() const;
    void AddFlowCells();
    void Store(StoredValues::Direction direction);

    CashFlowModel model_;
    CashFlowResults results_;
};

}  // namespace tallyx
