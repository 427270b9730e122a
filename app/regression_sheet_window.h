#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

#include "app/worksheet_window.h"
#include "worksheets/regression_worksheet.h"

namespace tallyx {

// The window of a regression sheet: Load and Save choose their data file
// through the program's file dialog, and Graph opens the plotter.
class RegressionSheetWindow : public WorksheetWindow, public RegressionSheetHost {
public:
    using WorksheetWindow::WorksheetWindow;

    // Starts in the folder given, listing the data file types; nothing when cancelled.
    std::optional<std::filesystem::path> ChooseDataFile(DataFileDialog dialog,
                                                        const std::filesystem::path& folder) override;
    // The fitted curve over the data points.
    void ShowPlot(std::wstring_view equation, std::span<const DataPoint> points) override;
};

}  // namespace tallyx
