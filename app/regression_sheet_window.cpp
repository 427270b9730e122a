#include "app/regression_sheet_window.h"

#include "app/file_dialog.h"
#include "app/graph_opener.h"

namespace tallyx {

std::optional<std::filesystem::path> RegressionSheetWindow::ChooseDataFile(DataFileDialog dialog,
                                                                           const std::filesystem::path& folder)
{
    FileDialogRequest request;
    request.owner = Window();
    for (const DataFileFilter& filter : kDataFileFilters) {
        request.filters.push_back({std::wstring(filter.caption), std::wstring(filter.pattern)});
    }
    request.initialFolder = folder.wstring();
    const int chosen = dialog == DataFileDialog::Open ? ShowOpenDialog(request) : ShowSaveDialog(request);
    if (chosen == 0 || request.file.empty()) return std::nullopt;
    return std::filesystem::path(request.file);
}

void RegressionSheetWindow::ShowPlot(std::wstring_view equation, std::span<const DataPoint> points)
{
    if (Window()) RunFittedPlot(*Window(), Engine(), SkinIndex(), equation, points);
}

}  // namespace tallyx
