#include "app/window_describers.h"

#include <array>
#include <string>

#include "app/about_window.h"
#include "app/calculator_types.h"
#include "app/calculator_window.h"
#include "app/display_indicators.h"
#include "app/file_dialog.h"
#include "app/graph_window.h"
#include "app/keypad_geometry.h"
#include "app/main_frame.h"
#include "app/options_dialog.h"
#include "app/regression_sheet_window.h"
#include "app/results_window.h"
#include "app/worksheet_window.h"
#include "engine/calc_engine.h"
#include "engine/number_formatter.h"
#include "ui/popup_menu_window.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

StateLine Button(const std::wstring& caption, const Rect& rect)
{
    return {"button", {}, caption, rect};
}

// Where a dialog's soft-key bar sits: as on the keypad of its size.
KeypadGeometry DialogGeometry(const WindowHost& window)
{
    const Rect client = window.ClientRect();
    return ComputeKeypadGeometry(ScreenMetrics::ForClient(client.Width(), client.Height()), nullptr);
}

// A dialog's bar: a caption on the left and one on the right.
void DescribeDialogSoftKeys(const KeypadGeometry& geometry, const std::wstring& left, const std::wstring& right,
                            std::vector<StateLine>& lines)
{
    if (!left.empty()) lines.push_back(Button(left, geometry.softKeyLeft));
    if (!right.empty()) lines.push_back(Button(right, geometry.softKeyRight));
}

// The value as the display draws it: a fraction as whole, numerator and denominator.
std::wstring ShownValue(const DisplayText& value)
{
    if (!value.fraction || value.significand.empty()) return value.main;
    const std::wstring fraction = value.significand + L"/" + value.exponent;
    return value.main.empty() ? fraction : value.main + L" " + fraction;
}

bool ShowsDisplay(int type)
{
    return type != CalculatorGraphing && type != CalculatorUnits && type != CalculatorCurrencies &&
           type != CalculatorDateTime;
}

void DescribeDisplay(const CalculatorWindow& calculator, const CalcEngine& engine, const NumberFormatter& formatter,
                     std::vector<StateLine>& lines)
{
    const KeypadGeometry& geometry = calculator.View().Geometry();
    const bool regional = calculator.Settings().regional;
    lines.push_back({"display", {}, ShownValue(engine.GetDisplayText(regional)), geometry.display});
    const std::wstring pending = engine.GetIndicatorText();
    if (!pending.empty()) lines.push_back({"pending", {}, pending});
    if (engine.GetMode() == CalcModeRpn) {
        const int shown = geometry.metrics.Tall400() ? 2 : 1;
        for (int level = 0; level < shown; ++level) {
            const std::wstring value =
                formatter.FormatDisplay(engine.Rpn().GetStackRegister(level), regional).main;
            lines.push_back({"stack", {level == 0 ? "Y" : "Z"}, value});
        }
    }
    const auto texts = IndicatorTexts(IndicatorState::Of(engine, formatter.GetNotation()));
    for (std::size_t index = 0; index < texts.size(); ++index) {
        if (texts[index].empty()) continue;
        lines.push_back({"indicator", {IndicatorName(index)}, texts[index], geometry.indicators[index]});
    }
}

void DescribeKeys(const std::vector<KeyButton>& keys, std::vector<StateLine>& lines)
{
    for (const KeyButton& key : keys) {
        const ButtonDef& button = key.Button();
        lines.push_back({"key", {std::to_string(button.type), std::to_string(button.id)}, KeyCaption(button), key.Bounds()});
    }
}

void DescribeCalculator(MainFrame& frame, const std::wstring& title, const CalcEngine& engine,
                        const NumberFormatter& formatter, std::vector<StateLine>& lines)
{
    CalculatorWindow& calculator = frame.Calculator();
    const KeypadView& view = calculator.View();
    const int type = calculator.CurrentType();
    lines.push_back({"window", {"calculator", std::to_string(type)}, title});
    if (ShowsDisplay(type)) DescribeDisplay(calculator, engine, formatter, lines);
    DescribeKeys(view.AlternateKeys(), lines);
    DescribeKeys(view.MainKeys(), lines);
    const KeypadGeometry& geometry = view.Geometry();
    if (calculator.Menu().IsOpen()) {
        lines.push_back(Button(L"Cancel", geometry.softKeyLeft));
    } else {
        lines.push_back(Button(L"File", geometry.softKeyLeft));
        lines.push_back(Button(L"Menu", geometry.softKeyRight));
    }
    if (const Panel* panel = calculator.CurrentModePanel()) panel->DescribeState(lines);
}

void DescribeMenu(PopupMenuWindow& menu, std::vector<StateLine>& lines)
{
    const MenuList& list = menu.List();
    const auto& entries = list.Entries();
    const bool titled = !entries.empty() && entries.front().kind == MenuEntryKind::Header;
    lines.push_back({"window", {"menu"}, titled ? entries.front().text : L""});
    if (!menu.Window()) return;
    for (const VisibleMenuItem& item : list.VisibleItems(menu.RowsArea())) {
        StateLine line{"menu", {}, item.text, item.rect};
        if (item.checked) line.marks.push_back("checked");
        if (item.disabled) line.marks.push_back("disabled");
        if (item.submenu) line.marks.push_back("submenu");
        lines.push_back(std::move(line));
    }
}

void DescribeOptions(OptionsDialog& dialog, const std::wstring& title, std::vector<StateLine>& lines)
{
    lines.push_back({"window", {"options"}, title});
    const WindowHost* window = dialog.Window();
    if (!window) return;
    const KeypadGeometry geometry = DialogGeometry(*window);
    const Rect list{0, 0, window->ClientRect().right, geometry.softKeyBar.top};
    for (const OptionSection& section : OptionSections()) {
        for (const Option option : section.options) {
            const auto row = dialog.RowRectOf(option);
            // Rows scrolled out of the list are not there to tap.
            if (!row || !list.Contains({row->left, row->top}) || !list.Contains({row->left, row->bottom - 1})) continue;
            StateLine line{"row", {}, OptionLabel(option), *row};
            line.value = ChoiceName(option, dialog.Record()[option]);
            lines.push_back(std::move(line));
        }
    }
    DescribeDialogSoftKeys(geometry, L"OK", L"Cancel", lines);
}

void DescribeAbout(AboutWindow& about, const std::wstring& title, std::vector<StateLine>& lines)
{
    lines.push_back({"window", {"about"}, title});
    if (about.Window()) DescribeDialogSoftKeys(DialogGeometry(*about.Window()), L"Back", L"", lines);
}

void DescribeFileDialog(FileDialog& dialog, const std::wstring& title, std::vector<StateLine>& lines)
{
    lines.push_back({"window", {"file"}, title});
    lines.push_back({"folder", {}, dialog.FolderCaption()});
    lines.push_back({"name", {}, dialog.NameText()});
    lines.push_back({"type", {}, dialog.TypeText()});
    for (const FileEntry& entry : dialog.Entries()) {
        StateLine line{"entry", {}, entry.name};
        line.marks.push_back(entry.folder ? "folder" : "file");
        lines.push_back(std::move(line));
    }
    if (dialog.Window()) {
        DescribeDialogSoftKeys(DialogGeometry(*dialog.Window()), dialog.LeftCaption(), dialog.RightCaption(), lines);
    }
}

// Every cell, not only those in sight, with its text as painted.
void DescribeWorksheet(WorksheetWindow& window, const std::wstring& title, std::vector<StateLine>& lines)
{
    const Worksheet& sheet = window.Sheet();
    lines.push_back({"window", {"worksheet"}, title});
    const auto& cells = sheet.Cells();
    for (std::size_t index = 0; index < cells.size(); ++index) {
        StateLine line{"cell", {std::to_string(index)}, cells[index].Label()};
        line.value = cells[index].ShownText();
        if (cells[index].ReadOnly()) line.marks.push_back("readonly");
        if (static_cast<int>(index) == sheet.HighlightedCell()) line.marks.push_back("highlight");
        lines.push_back(std::move(line));
    }
    const WorksheetNavigation& navigation = sheet.Navigation();
    lines.push_back({"visible", {std::to_string(navigation.FirstVisibleRow()), std::to_string(navigation.VisibleRows())}});
    DescribeKeys(window.Keys(), lines);
    DescribeDialogSoftKeys(window.Layout().bar, L"Back", window.RightCaption(), lines);
}

void DescribeResults(ResultsWindow& window, const std::wstring&, std::vector<StateLine>& lines)
{
    lines.push_back({"window", {"results"}, window.Title()});
    for (const ResultRow& row : window.Rows()) {
        StateLine line{"row", {}, row.label};
        line.value = row.value;
        lines.push_back(std::move(line));
    }
    if (window.Window()) {
        DescribeDialogSoftKeys(DialogGeometry(*window.Window()), L"Back", window.RightCaption(), lines);
    }
}

}  // namespace

std::wstring KeyCaption(const ButtonDef& button)
{
    return std::wstring(button.caption ? button.caption : L"") + (button.raisedCaption ? button.raisedCaption : L"");
}

const char* IndicatorName(std::size_t index)
{
    static constexpr std::array<const char*, IndicatorCount> kNames = {"2nd",   "hyp",      "base",
                                                                       "angle", "notation", "memory"};
    return index < kNames.size() ? kNames[index] : "";
}

StateListing DesktopStateListing(const CalcEngine& engine, const NumberFormatter& formatter)
{
    StateListing listing;
    listing.Add<MainFrame>(
        [&engine, &formatter](MainFrame& frame, const std::wstring& title, std::vector<StateLine>& lines) {
            DescribeCalculator(frame, title, engine, formatter, lines);
        });
    listing.Add<PopupMenuWindow>(
        [](PopupMenuWindow& menu, const std::wstring&, std::vector<StateLine>& lines) { DescribeMenu(menu, lines); });
    listing.Add<OptionsDialog>(DescribeOptions);
    listing.Add<AboutWindow>(DescribeAbout);
    listing.Add<FileDialog>(DescribeFileDialog);
    listing.Add<WorksheetWindow>(DescribeWorksheet);
    listing.Add<RegressionSheetWindow>(DescribeWorksheet);
    listing.Add<ResultsWindow>(DescribeResults);
    listing.Add<GraphWindow>(
        [](GraphWindow& graph, const std::wstring&, std::vector<StateLine>& lines) { graph.DescribeState(lines); });
    return listing;
}

}  // namespace tallyx
