#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "graph/plot_view.h"
#include "worksheets/regression_model.h"
#include "worksheets/worksheet.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

// The filters the data file dialogs offer: caption and pattern.
struct DataFileFilter {
    std::wstring_view caption;
    std::wstring_view pattern;
};
inline constexpr DataFileFilter kDataFileFilters[] = {
    {L"CSV Files (*.csv)", L"*.csv"},
    {L"TXT Files (*.txt)", L"*.txt"},
    {L"All Files (*.*)", L"*.*"},
};

enum class DataFileDialog { Open, Save };

// What the regression sheet asks of a window beyond the worksheet host: a
// window that offers these implements this interface beside WorksheetHost.
class RegressionSheetHost {
public:
    virtual ~RegressionSheetHost() = default;
    // The chosen file's full path, or nothing when cancelled.
    virtual std::optional<std::filesystem::path> ChooseDataFile(DataFileDialog dialog,
                                                                const std::filesystem::path& folder) = 0;
    // Runs the plotter with the fitted curve in slot 0 and the data as points.
    virtual void ShowPlot(std::wstring_view equation, std::span<const DataPoint> points) = 0;
};

// Statistics with a regression of one kind: (X, Y) pairs in a growing list of
// cells, the results list and the fitted curve for the plotter. Every
// computation reads the cells afresh; nothing is stored in the settings.
class RegressionWorksheet : public Worksheet {
public:
    explicit RegressionWorksheet(RegressionKind kind);

    RegressionKind Kind() const { return kind_; }

    void BuildCells() override;
    // Down on the last cell first adds a pair.
    WorksheetReply KeyUp(int key) override;
    void Calculate() override;
    void Reset() override;
    void ShowGraph(int) override;
    void OpenData() override;
    void SaveData() override;
    Status ReadDataFile(const std::filesystem::path& path) override;
    Status WriteDataFile(const std::filesystem::path& path) const;
    // Empty when the fit fails.
    std::vector<ResultRow> ResultRows() const override;
    // The fitted curve in the expression language, X its variable.
    std::wstring GraphEquation() const;
    // One point per pair taken into the model.
    std::vector<DataPoint> DataPoints() const;

private:
    RegressionModel LoadedModel() const;
    void AppendPair();
    void StartPairs();
    RegressionSheetHost* SheetHost();

    RegressionKind kind_;
    std::filesystem::path dataFolder_;
};

// The catalog's factory for each kind.
template <RegressionKind kind>
std::unique_ptr<Worksheet> CreateRegression(const WorksheetOptions&)
{
    return std::make_unique<RegressionWorksheet>(kind);
}

}  // namespace tallyx
