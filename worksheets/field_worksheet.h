#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "worksheets/cell_number_text.h"
#include "worksheets/stored_values.h"
#include "worksheets/worksheet.h"

namespace tallyx {

// A sheet whose rows are all doubles of its model, any one of which Calc
// solves from the others: Model::Solve takes the value to solve as an enum
// listed in row order. The values persist in the worksheets' key.
template <typename Model, typename Value>
class FieldWorksheet : public Worksheet {
public:
    struct Field {
        CellRow row;
        std::wstring_view storedName;
        double Model::*member;
    };

    FieldWorksheet(std::wstring_view title, std::span<const Field> fields, bool flashes)
        : title_(title), fields_(fields), flashes_(flashes)
    {
        Store(StoredValues::Direction::Read);
    }
    ~FieldWorksheet() override { Store(StoredValues::Direction::Write); }

    void BuildCells() override
    {
        std::vector<CellRow> rows;
        for (const Field& field : fields_) {
            rows.push_back(field.row);
        }
        BuildCellsFrom(rows, title_);
    }

    void Calculate() override
    {
        const int cell = HighlightedCell();
        if (cell < 0 || cell >= static_cast<int>(fields_.size())) {
            return;
        }
        model_.Solve(static_cast<Value>(cell));
        ShowSolvedCell(cell);
        if (flashes_) {
            Host().FlashHighlight();
        }
    }

    void Reset() override
    {
        model_ = Model();
        WriteCells();
        HighlightFirstCell();
    }

protected:
    std::wstring ModelText(int cell) const override { return CellNumberText(model_.*fields_[cell].member); }
    void CommitRow(int cell, double number, std::int32_t) override { model_.*fields_[cell].member = number; }

private:
    void Store(StoredValues::Direction direction)
    {
        StoredValues values(kWorksheetsKey, direction);
        for (const Field& field : fields_) {
            values.Double(field.storedName, model_.*field.member);
        }
    }

    std::wstring_view title_;
    std::span<const Field> fields_;
    bool flashes_;
    Model model_;
};

}  // namespace tallyx
