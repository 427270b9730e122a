#include "worksheets/regression_worksheet.h"

#include <algorithm>
#include <cmath>

#include "platform/number_text.h"
#include "platform/services.h"
#include "worksheets/cell_number_text.h"
#include "worksheets/regression_data_file.h"

namespace tallyx {
namespace {

constexpr int kStartingPairs = 2;
constexpr wchar_t kNewCellText[] = L"0";
constexpr wchar_t kMessageCaption[] = L"Tallyx";
constexpr wchar_t kOutOfMemoryMessage[] = L"Error creating memory\r\nUnable to open file";
constexpr wchar_t kWriteFailedMessage[] = L"Error writing file\r\nUnable to save file";
constexpr wchar_t kReadFailedMessage[] = L"Error reading file\r\nUnable to open file";
// The exponential curve's coefficients go to the graph with six decimals
// where those keep their digits; smaller or huge ones would read as 0 or as
// hundreds of digits, so they are written with significant digits instead.
constexpr int kEquationDecimals = 6;
constexpr double kSmallestDecimalCoefficient = 0.1;
constexpr double kLargestDecimalCoefficient = 1e12;

double PowerOfTen(double exponent)
{
    return std::pow(10.0, exponent);
}

// How each kind names itself and its coefficients. Coefficients fitted over
// log10 y are shown as powers of ten, the values of the curve's formula.
struct KindText {
    RegressionKind kind;
    std::wstring_view title;
    std::wstring_view equation;
    std::wstring_view interceptLabel;
    std::wstring_view slopeLabel;
    bool interceptAsPower;
    bool slopeAsPower;
};

constexpr KindText kKindTexts[] = {
    {RegressionKind::Linear, L"Linear Regression", L"f(x)=a+b×x", L"Y Intercept (a)", L"Slope (b)", false, false},
    {RegressionKind::Logarithmic, L"Log Regression", L"f(x)=a+b×log(x)", L"a", L"b", false, false},
    {RegressionKind::Exponential, L"Exp. Regression", L"f(x)=a×b^x", L"a", L"b", true, true},
    {RegressionKind::Power, L"Power Regression", L"f(x)=a×x^b", L"a", L"b", true, false},
};

std::wstring EquationCoefficient(double value)
{
    const double magnitude = std::fabs(value);
    return magnitude >= kSmallestDecimalCoefficient && magnitude < kLargestDecimalCoefficient
               ? FormatFixed(value, kEquationDecimals)
               : CellNumberText(value);
}

const KindText& TextOf(RegressionKind kind)
{
    return *std::find_if(std::begin(kKindTexts), std::end(kKindTexts),
                         [&](const KindText& entry) { return entry.kind == kind; });
}

std::wstring PairLabel(wchar_t axis, std::size_t pair)
{
    return std::wstring(1, axis) + L"(" + FormatInteger(static_cast<long long>(pair)) + L"):";
}

}  // namespace

RegressionWorksheet::RegressionWorksheet(RegressionKind kind)
    : kind_(kind), dataFolder_(Platform().paths->DocumentsFolder())
{
}

void RegressionWorksheet::BuildCells()
{
    StartPairs();
    SetTitle(TextOf(kind_).title);
    HighlightFirstCell();
}

void RegressionWorksheet::StartPairs()
{
    MutableCells().clear();
    for (int pair = 0; pair < kStartingPairs; ++pair) AppendPair();
}

void RegressionWorksheet::AppendPair()
{
    const std::size_t pair = Cells().size() / 2 + 1;
    MutableCells().emplace_back(PairLabel(L'X', pair), CellFormat::FormatPlain, false, kNewCellText);
    MutableCells().emplace_back(PairLabel(L'Y', pair), CellFormat::FormatPlain, false, kNewCellText);
}

WorksheetReply RegressionWorksheet::KeyUp(int key)
{
    if (key == WorksheetKeyDown && HighlightedCell() == static_cast<int>(Cells().size()) - 1) {
        AppendPair();
    }
    return Worksheet::KeyUp(key);
}

RegressionModel RegressionWorksheet::LoadedModel() const
{
    RegressionModel model;
    model.SetKind(kind_);
    const auto& cells = Cells();
    // Pairs beyond the model's capacity are refused by it and left out.
    for (std::size_t pair = 0; pair + 1 < cells.size(); pair += 2) {
        model.SetX(pair / 2, ParseDouble(cells[pair].Text()));
        model.SetY(pair / 2, ParseDouble(cells[pair + 1].Text()));
    }
    return model;
}

std::vector<ResultRow> RegressionWorksheet::ResultRows() const
{
    RegressionModel model = LoadedModel();
    if (!model.Compute()) {
        return {};
    }
    const RegressionSums& sums = model.Sums();
    std::vector<ResultRow> rows = {
        {L"Mean of X", CellNumberText(model.MeanX())},
        {L"Deviation of X", CellNumberText(model.Deviations().x)},
        {L"Mean of Y", CellNumberText(model.MeanY())},
        {L"Deviation of Y", CellNumberText(model.Deviations().y)},
        {L"", L""},
        {L"∑X", CellNumberText(sums.x)},
        {L"∑X²", CellNumberText(sums.xSquared)},
        {L"∑Y", CellNumberText(sums.y)},
        {L"∑Y²", CellNumberText(sums.ySquared)},
        {L"∑X×Y", CellNumberText(sums.xy)},
        {L"", L""},
    };
    const KindText& text = TextOf(kind_);
    const RegressionFit& fit = model.Fit();
    const double intercept = text.interceptAsPower ? PowerOfTen(fit.intercept) : fit.intercept;
    const double slope = text.slopeAsPower ? PowerOfTen(fit.slope) : fit.slope;
    rows.push_back({L"Equation:", std::wstring(text.equation)});
    rows.push_back({std::wstring(text.interceptLabel), CellNumberText(intercept)});
    rows.push_back({std::wstring(text.slopeLabel), CellNumberText(slope)});
    rows.push_back({L"Regression (r)", CellNumberText(fit.correlation)});
    rows.push_back({L"Determination(r²)", CellNumberText(fit.correlation * fit.correlation)});
    return rows;
}

std::wstring RegressionWorksheet::GraphEquation() const
{
    RegressionModel model = LoadedModel();
    model.Compute();
    const RegressionFit& fit = model.Fit();
    const std::wstring intercept = CellNumberText(fit.intercept);
    const std::wstring slope = CellNumberText(fit.slope);
    switch (kind_) {
    case RegressionKind::Exponential:
        return L"(" + EquationCoefficient(PowerOfTen(fit.intercept)) + L")*(" +
               EquationCoefficient(PowerOfTen(fit.slope)) + L")^(X)";
    case RegressionKind::Logarithmic:
        return slope + L"*log(X)+" + intercept;
    case RegressionKind::Power:
        return L"(" + CellNumberText(PowerOfTen(fit.intercept)) + L")*X^(" + slope + L")";
    case RegressionKind::Linear:
        break;
    }
    // A negative intercept reads "+-", which the expression language accepts.
    return slope + L"*X+" + intercept;
}

std::vector<DataPoint> RegressionWorksheet::DataPoints() const
{
    const RegressionModel model = LoadedModel();
    std::vector<DataPoint> points;
    for (std::size_t index = 0; index < model.YCount(); ++index) {
        points.push_back({model.X(index), model.Y(index)});
    }
    return points;
}

void RegressionWorksheet::Calculate()
{
    const std::vector<ResultRow> rows = ResultRows();
    if (!rows.empty()) {
        Host().ShowResults(rows);
    }
}

void RegressionWorksheet::Reset()
{
    StartPairs();
    HighlightFirstCell();
    Host().LayOutAgain();
}

void RegressionWorksheet::ShowGraph(int)
{
    if (RegressionSheetHost* host = SheetHost()) {
        const std::vector<DataPoint> points = DataPoints();
        host->ShowPlot(GraphEquation(), points);
    }
}

Status RegressionWorksheet::ReadDataFile(const std::filesystem::path& path)
{
    std::vector<std::wstring> texts;
    const Status status = LoadRegressionData(path, texts);
    if (status != StatusOk) {
        return status;
    }
    StartPairs();
    for (std::size_t cell = 0; cell < texts.size(); ++cell) {
        if (cell >= Cells().size()) AppendPair();
        SetCellText(static_cast<int>(cell), texts[cell]);
    }
    HighlightFirstCell();
    Host().LayOutAgain();
    return StatusOk;
}

Status RegressionWorksheet::WriteDataFile(const std::filesystem::path& path) const
{
    std::vector<std::wstring> texts;
    for (const WorksheetCell& cell : Cells()) texts.push_back(cell.Text());
    return SaveRegressionData(path, texts);
}

void RegressionWorksheet::OpenData()
{
    RegressionSheetHost* host = SheetHost();
    const auto path = host ? host->ChooseDataFile(DataFileDialog::Open, dataFolder_) : std::nullopt;
    if (!path) {
        return;
    }
    dataFolder_ = path->parent_path();
    // A file that cannot be read says so rather than leaving the cells as if nothing was asked.
    const Status status = ReadDataFile(*path);
    if (status != StatusOk) {
        Platform().notifier->ShowMessage(status == StatusOutOfMemory ? kOutOfMemoryMessage : kReadFailedMessage,
                                         kMessageCaption, NotifierIcon::Warning, NotifierButtons::Ok);
    }
}

void RegressionWorksheet::SaveData()
{
    RegressionSheetHost* host = SheetHost();
    if (Cells().empty() || !host) {
        return;
    }
    const auto path = host->ChooseDataFile(DataFileDialog::Save, dataFolder_);
    if (!path) {
        return;
    }
    dataFolder_ = path->parent_path();
    if (WriteDataFile(*path) != StatusOk) {
        Platform().notifier->ShowMessage(kWriteFailedMessage, kMessageCaption, NotifierIcon::Warning,
                                         NotifierButtons::Ok);
    }
}

RegressionSheetHost* RegressionWorksheet::SheetHost()
{
    return dynamic_cast<RegressionSheetHost*>(&Host());
}

}  // namespace tallyx
