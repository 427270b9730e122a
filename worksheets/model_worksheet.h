#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "worksheets/cell_number_text.h"
#include "worksheets/worksheet.h"

namespace tallyx {

// A sheet whose rows each show one value of its model and, for an input row,
// write a committed entry back: one getter and setter pair per row, listed
// in a table. A getter or setter is a member function or a field; a row whose
// getter gives a whole number shows and commits the integer parse.
template <typename Model>
class ModelWorksheet : public Worksheet {
public:
    struct Row {
        CellRow cell;
        std::wstring (*text)(const Model&);
        void (*commit)(Model&, double number, std::int32_t integer);

        template <auto Get, auto Set = Get>
        static constexpr Row Input(std::wstring_view label, CellFormat format)
        {
            return {{label, format, false}, &TextOf<Get>, &Commit<Get, Set>};
        }

        template <auto Get>
        static constexpr Row Result(std::wstring_view label, CellFormat format)
        {
            return {{label, format, true}, &TextOf<Get>, nullptr};
        }

    private:
        template <auto Get>
        using Value = std::remove_cvref_t<std::invoke_result_t<decltype(Get), const Model&>>;

        template <auto Get>
        static std::wstring TextOf(const Model& model)
        {
            if constexpr (std::is_integral_v<Value<Get>>) {
                return CellIntegerText(std::invoke(Get, model));
            } else {
                return CellNumberText(std::invoke(Get, model));
            }
        }

        template <auto Get, auto Set>
        static void Commit(Model& model, double number, std::int32_t integer)
        {
            if constexpr (std::is_integral_v<Value<Get>>) {
                Assign<Set>(model, integer);
            } else {
                Assign<Set>(model, number);
            }
        }

        template <auto Set, typename Entry>
        static void Assign(Model& model, Entry entry)
        {
            if constexpr (std::is_member_function_pointer_v<decltype(Set)>) {
                (model.*Set)(entry);
            } else {
                model.*Set = static_cast<std::remove_cvref_t<decltype(model.*Set)>>(entry);
            }
        }
    };

    void BuildCells() override { BuildCellsFrom(CellRows(), title_); }

protected:
    template <typename... ModelArguments>
    ModelWorksheet(std::wstring_view title, std::span<const Row> rows, ModelArguments&&... arguments)
        : model_(std::forward<ModelArguments>(arguments)...), title_(title), rows_(rows)
    {
    }

    std::wstring ModelText(int cell) const override
    {
        return IsRow(cell) ? rows_[static_cast<std::size_t>(cell)].text(model_) : std::wstring();
    }

    void CommitRow(int cell, double number, std::int32_t integer) override
    {
        if (IsRow(cell) && rows_[static_cast<std::size_t>(cell)].commit) {
            rows_[static_cast<std::size_t>(cell)].commit(model_, number, integer);
        }
    }

    std::vector<CellRow> CellRows() const
    {
        std::vector<CellRow> cells;
        for (const Row& row : rows_) {
            cells.push_back(row.cell);
        }
        return cells;
    }

    // The first of the read-only rows that follow the input rows.
    int FirstResultRow() const
    {
        int row = 0;
        while (row < static_cast<int>(rows_.size()) && !rows_[static_cast<std::size_t>(row)].cell.readOnly) ++row;
        return row;
    }

    Model model_;

private:
    bool IsRow(int cell) const { return cell >= 0 && cell < static_cast<int>(rows_.size()); }

    std::wstring_view title_;
    std::span<const Row> rows_;
};

}  // namespace tallyx
