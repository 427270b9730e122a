#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/calculator_types.h"
#include "app/mode_panels/converter_panel.h"
#include "convert/unit_table.h"

namespace tallyx {

// The unit converter: the category, the calculator's number in the from-unit
// and the same quantity in the to-unit. "From", "To" and "Conversion" choose
// the units and the category from lists; a tap on the category shows the
// next one; a tap on a row enters the converted number and swaps the units.
// The choices are read from the settings store when the panel is made and
// written back when it goes.
class UnitPanel : public ConverterPanel {
public:
    static constexpr std::uint32_t kFromCommand = 1000;
    static constexpr std::uint32_t kToCommand = 1100;
    static constexpr std::uint32_t kCategoryCommand = 1200;

    UnitPanel();
    ~UnitPanel() override;
    UnitPanel(const UnitPanel&) = delete;
    UnitPanel& operator=(const UnitPanel&) = delete;

    long Command(std::uint32_t command, std::intptr_t parameter) override;
    void DescribeState(std::vector<StateLine>& lines) const override;

    const UnitTable& Table() const { return table_; }

protected:
    void PressButton(int index) override;
    void DrawRows(Canvas& canvas, const std::vector<Rect>& rows) override;
    bool TapRow(std::size_t row) override;

private:
    enum Row : std::size_t { RowCategory, RowFrom, RowTo };

    // The display's number, and that number converted; an error word stays itself.
    std::wstring ConvertedNumberText() const;
    void FillUnitList(MenuList& list, std::uint32_t command, std::uint32_t checked) const;
    void FillCategoryList(MenuList& list) const;

    UnitTable table_;
};

}  // namespace tallyx
