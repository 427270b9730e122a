#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "graph/plot_view.h"

namespace tallyx {

class CalcEngine;
class WindowHost;

// What an opener hands the plotter: functions by slot and data points.
struct PlotterContent {
    std::vector<std::pair<int, std::wstring>> functions;
    std::vector<DataPoint> points;
};

// Runs the plotter over parent with the stored "GraphFast" and "GraphPoints"
// settings. The plotter's evaluations stay off the tape: recording is
// switched off while it runs and restored afterwards.
void RunPlotter(WindowHost& parent, CalcEngine& engine, std::int32_t skinIndex, const PlotterContent& content);

// The statistics sheets' plot: the fitted equation in slot 0 over the data points.
void RunFittedPlot(WindowHost& parent, CalcEngine& engine, std::int32_t skinIndex, std::wstring_view equation,
                   std::span<const DataPoint> points);

}  // namespace tallyx
