#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"
#include "worksheets/schedule_table.h"
#include "worksheets/worksheet_cell.h"
#include "worksheets/worksheet_host.h"
#include "worksheets/worksheet_navigation.h"

namespace tallyx {

// Virtual key codes that reach a worksheet as key releases.
enum WorksheetKey : int {
    WorksheetKeyTab = 9,
    WorksheetKeyUp = 38,
    WorksheetKeyDown = 40,
    WorksheetKeyF1 = 112,
};

// One row of a worksheet's cell table, as the worksheet declares it.
struct CellRow {
    std::wstring_view label;
    CellFormat format;
    bool readOnly;
};

// What the window does after a worksheet took a key or button.
enum class WorksheetReply {
    Done,           // the worksheet handled it (or refused it quietly)
    PassToEngine,   // an entry key for the highlighted cell: give it to the calculator engine
    PassToKeys,     // not a worksheet key: give it to the hardware-key handler
    Close,          // close the worksheet
};

// A worksheet without its window: the cells, the title, the highlight and the
// solving rules. The window draws the cells, copies the engine's display into
// the highlighted cell before painting, and routes keys and taps here.
// Subclasses with a model read their stored values in the constructor and
// write them in the destructor.
class Worksheet {
public:
    Worksheet() = default;
    virtual ~Worksheet() = default;
    Worksheet(const Worksheet&) = delete;
    Worksheet& operator=(const Worksheet&) = delete;

    void Attach(WorksheetHost& host) { host_ = &host; }

    const std::wstring& Title() const { return title_; }
    const std::vector<WorksheetCell>& Cells() const { return cells_; }
    const WorksheetNavigation& Navigation() const { return navigation_; }
    int HighlightedCell() const { return navigation_.HighlightedCell(); }

    // Window events.
    void SetVisibleRows(int rows);
    // Before painting: the engine's display text becomes the highlighted cell's text.
    void TakeDisplayText(std::wstring_view text);
    virtual WorksheetReply KeyUp(int key);
    // A key of the worksheet keypad, or a hardware key standing for one.
    WorksheetReply PressButton(int type, int id);
    // A tap on a visible row: commits the highlighted cell, then highlights the row.
    bool TapRow(int visibleRow);
    // As a tap, for any cell: scrolls it into view first.
    bool TapCell(int cell);

    virtual void BuildCells();
    // Parses the highlighted input cell into the model (see CommitRow).
    virtual void CommitCell();
    virtual void Calculate();
    virtual void Reset() {}
    virtual void ShowGraph(int) {}
    virtual void OpenData() {}
    virtual void SaveData() {}
    // Reads the data file that OpenData would have chosen; a worksheet that
    // keeps no data answers StatusInvalidArgument.
    virtual Status ReadDataFile(const std::filesystem::path&) { return StatusInvalidArgument; }
    // Lines a worksheet reports beside its cells (the results list of the
    // regressions); empty for the others.
    virtual std::vector<ResultRow> ResultRows() const { return {}; }
    // The period-by-period schedule of the sheet's values, the entry in the
    // highlighted cell included; no columns for a sheet that has none.
    virtual ScheduleTable Schedule() { return {}; }
    // Whether Schedule makes a table: asked before there is one, so a window can offer it.
    virtual bool HasSchedule() const { return false; }
    // A sheet that grows rows (pairs of values) adds them until it has one of
    // this label; false when the label names no row it can grow.
    virtual bool MakeRowFor(std::wstring_view) { return false; }

protected:
    WorksheetHost& Host() { return *host_; }
    void SetTitle(std::wstring_view title);
    // Creates the cells of the table, titles the sheet, writes every cell from
    // the model and highlights the first cell.
    void BuildCellsFrom(std::span<const CellRow> rows, std::wstring_view title);
    // The text of a cell as the model has it; unchanged for a sheet without a model.
    virtual std::wstring ModelText(int cell) const;
    // A committed input cell's text, parsed as a double and as an integer.
    virtual void CommitRow(int, double, std::int32_t) {}
    void WriteCell(int cell);
    void WriteCells();
    // After a solve: the cell is rewritten and shown in the display.
    void ShowSolvedCell(int cell);
    // Calc on a sheet whose result cells follow its input cells: on an input
    // cell the entry is committed and the highlight goes to the last result;
    // then every result is recomputed and rewritten, the highlighted one shown
    // in the display, and the highlight flashes.
    void CalculateResults(int firstResultCell);
    virtual void Recompute() {}
    // The highlighted entry is committed and every result recomputed and
    // rewritten, as a schedule of the sheet needs them.
    void RecomputeCells();
    std::vector<WorksheetCell>& MutableCells() { return cells_; }
    WorksheetNavigation& MutableNavigation() { return navigation_; }
    void SetCellText(int cell, std::wstring_view text);
    // The cell's text goes to the engine's display.
    void ShowCell(int cell);
    // The highlight goes to the first cell, whose text goes to the display.
    void HighlightFirstCell();
    // The highlight goes to the last cell, scrolling as little as needed.
    void HighlightLastCell();

private:
    static WorksheetHost idleHost_;
    WorksheetHost* host_ = &idleHost_;
    std::wstring title_ = L"Worksheet";
    std::vector<WorksheetCell> cells_;
    WorksheetNavigation navigation_;
};

}  // namespace tallyx
