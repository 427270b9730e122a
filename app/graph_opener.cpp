#include "app/graph_opener.h"

#include "app/graph_window.h"
#include "app/keypad_settings.h"
#include "engine/calc_engine.h"
#include "graph/evaluator_arithmetic.h"

namespace tallyx {
namespace {

// The "fast graphing" setting samples every 4th pixel.
constexpr int kFastSampleLevel = 1;

}  // namespace

void RunPlotter(WindowHost& parent, CalcEngine& engine, std::int32_t skinIndex, const PlotterContent& content)
{
    EvaluatorArithmetic arithmetic(engine.Evaluator());
    GraphWindow window(arithmetic, skinIndex);
    GraphPlot& plot = window.Plot();
    const ProcessSettings& settings = SharedProcessSettings();
    plot.SetSampleStep(settings.graphFast ? kFastSampleLevel : 0);
    plot.SetJoinPoints(!settings.graphPoints);
    for (const auto& [slot, text] : content.functions) plot.SetFunction(slot, text);
    for (const DataPoint& point : content.points) plot.AddDataPoint(point.x, point.y);
    const bool recording = engine.IsTapeOn();
    engine.SetTapeRecording(false);
    window.Run(parent);
    engine.SetTapeRecording(recording);
}

void RunFittedPlot(WindowHost& parent, CalcEngine& engine, std::int32_t skinIndex, std::wstring_view equation,
                   std::span<const DataPoint> points)
{
    PlotterContent content;
    content.functions.emplace_back(0, std::wstring(equation));
    content.points.assign(points.begin(), points.end());
    RunPlotter(parent, engine, skinIndex, content);
}

}  // namespace tallyx
