#include "app/mode_panels/unit_panel.h"

#include <optional>

#include "app/mode_panels/conversion_row.h"
#include "app/mode_panels/unit_selection_store.h"
#include "app/state_listing.h"
#include "convert/unit_result_text.h"
#include "engine/calc_engine.h"
#include "engine/key_ids.h"
#include "keypad/keypad_layouts.h"
#include "platform/number_text.h"
#include "platform/services.h"

namespace tallyx {
namespace {

enum Button : int { ButtonFrom, ButtonTo, ButtonConversion };

// The caption takes less height than the two rows of numbers.
constexpr int kCaptionWeight = 2;
constexpr int kRowWeight = 3;
constexpr int kBold = 700;

// The entry of a list whose commands run from base, one per entry.
std::optional<std::uint32_t> IndexIn(std::uint32_t command, std::uint32_t base, std::uint32_t count)
{
    if (command < base || command - base >= count) return std::nullopt;
    return command - base;
}

}  // namespace

UnitPanel::UnitPanel()
    : ConverterPanel(CalculatorUnits, {L"From", L"To", L"Conversion"}, {kCaptionWeight, kRowWeight, kRowWeight})
{
    table_.Load();
    RestoreUnitSelection(table_, *Platform().registry);
}

UnitPanel::~UnitPanel()
{
    SaveUnitSelection(table_, *Platform().registry);
}

std::wstring UnitPanel::ConvertedNumberText() const
{
    const std::wstring number = DisplayNumberText();
    if (!IsNumberText(number)) return number;
    return UnitResultText(table_.ConvertValue(ParseDouble(number)));
}

void UnitPanel::FillUnitList(MenuList& list, std::uint32_t command, std::uint32_t checked) const
{
    for (std::uint32_t unit = 0; unit < table_.GetUnitCount(); ++unit) {
        list.AddItem(table_.GetUnitName(unit), command + unit, 0, unit == checked ? MenuItemChecked : 0u);
    }
}

void UnitPanel::FillCategoryList(MenuList& list) const
{
    for (std::uint32_t category = 0; category < table_.GetCategoryCount(); ++category) {
        list.AddItem(table_.GetCategoryName(category), kCategoryCommand + category, 0,
                     category == table_.GetCategory() ? MenuItemChecked : 0u);
    }
}

void UnitPanel::PressButton(int index)
{
    switch (index) {
    case ButtonFrom: ShowList(index, [&](MenuList& list) { FillUnitList(list, kFromCommand, table_.GetFromUnit()); }); break;
    case ButtonTo: ShowList(index, [&](MenuList& list) { FillUnitList(list, kToCommand, table_.GetToUnit()); }); break;
    case ButtonConversion: ShowList(index, [&](MenuList& list) { FillCategoryList(list); }); break;
    default: break;
    }
}

long UnitPanel::Command(std::uint32_t command, std::intptr_t)
{
    if (const auto unit = IndexIn(command, kFromCommand, table_.GetUnitCount())) {
        table_.SetFromUnit(*unit);
    } else if (const auto to = IndexIn(command, kToCommand, table_.GetUnitCount())) {
        table_.SetToUnit(*to);
    } else if (const auto category = IndexIn(command, kCategoryCommand, table_.GetCategoryCount())) {
        table_.SelectCategory(*category);
    } else {
        return kNotHandled;
    }
    Repaint();
    return 1;
}

bool UnitPanel::TapRow(std::size_t row)
{
    if (row == RowCategory) {
        table_.SelectCategory((table_.GetCategory() + 1) % table_.GetCategoryCount());
        return true;
    }
    if (!Engine() || !IsNumberText(DisplayNumberText())) return false;
    const std::wstring converted = ConvertedNumberText();
    // The converted number becomes a finished result, now in the from-unit.
    Engine()->CurrentEngine().EnterValue(converted);
    Engine()->PressButton(ButtonTypeEquals, EqualsKeyEquals);
    table_.SwapUnits();
    return true;
}

void UnitPanel::DrawRows(Canvas& canvas, const std::vector<Rect>& rows)
{
    if (rows.size() <= RowTo || !Context().layouts) return;
    const Rect& caption = rows[RowCategory];
    const std::wstring name = table_.GetCategoryName(table_.GetCategory());
    const FontSpec wanted{kFontFamily, 3 * caption.Height() / 5, kBold};
    canvas.DrawText(name, caption, FittedFont(canvas, name, caption.Width(), wanted), TextColor(),
                    TextAlignCenter | TextAlignVCenter);
    const SkinColors& colors = Context().layouts->Colors();
    DrawConversionRow(canvas, rows[RowFrom], table_.GetFromAbbreviation(), FormatNumber(DisplayNumberText()), colors);
    DrawConversionRow(canvas, rows[RowTo], table_.GetToAbbreviation(), FormatNumber(ConvertedNumberText()), colors);
}

void UnitPanel::DescribeState(std::vector<StateLine>& lines) const
{
    const std::vector<Rect>& rows = Layout().rows;
    if (rows.size() <= RowTo) return;
    lines.push_back({"panel", {"units"}, table_.GetCategoryName(table_.GetCategory()), rows[RowCategory]});
    const auto row = [&](const char* kind, std::uint32_t unit, const std::wstring& number, const Rect& rect) {
        lines.push_back({kind,
                         {QuotedStateText(table_.GetUnitName(unit)), QuotedStateText(table_.GetUnitAbbreviation(unit)),
                          QuotedStateText(RowNumberText(FormatNumber(number)))},
                         std::nullopt, rect});
    };
    row("from", table_.GetFromUnit(), DisplayNumberText(), rows[RowFrom]);
    row("to", table_.GetToUnit(), ConvertedNumberText(), rows[RowTo]);
    DescribeControls(lines);
}

}  // namespace tallyx
