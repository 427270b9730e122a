#include <charconv>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/cli_command.h"
#include "engine/expression_evaluator.h"
#include "graph/evaluator_arithmetic.h"
#include "graph/graph_plot.h"
#include "graph/implicit_multiplication.h"
#include "platform/wide_text.h"

namespace tallyx::cli {
namespace {

constexpr std::string_view kUsage = "plot EXPR... [--width W] [--height H] [--step 0|1|2]";
constexpr int kDefaultWidth = 240;
constexpr int kDefaultHeight = 300;
constexpr int kLargestSide = 8192;
constexpr int kHighestStepLevel = 2;

struct PlotRequest {
    std::vector<std::wstring> functions;
    int width = kDefaultWidth;
    int height = kDefaultHeight;
    int stepLevel = 0;
};

struct SizeOption {
    std::string_view name;
    int lowest;
    int highest;
    int PlotRequest::*field;
};

constexpr SizeOption kOptions[] = {
    {"--width", 1, kLargestSide, &PlotRequest::width},
    {"--height", 1, kLargestSide, &PlotRequest::height},
    {"--step", 0, kHighestStepLevel, &PlotRequest::stepLevel},
};

int UsageError(std::ostream& error, std::string_view message)
{
    error << "tallyx-cli plot: " << message << "\nusage: tallyx-cli " << kUsage << '\n';
    return kExitUsage;
}

bool ReadInteger(std::string_view text, int& value)
{
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

const SizeOption* FindOption(std::string_view name)
{
    for (const SizeOption& option : kOptions) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

// Options anywhere; "--" makes every later argument an expression. Each
// expression is taken as the graph panel stores typed text.
bool ParseRequest(const Arguments& arguments, PlotRequest& request, std::ostream& error, int& exitCode)
{
    bool optionsEnded = false;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !argument.starts_with("--")) {
            request.functions.push_back(InsertImplicitMultiplication(WidenUtf8(argument)));
            continue;
        }
        const SizeOption* option = FindOption(argument);
        if (!option) {
            exitCode = UsageError(error, "unknown option '" + argument + "'");
            return false;
        }
        int value = 0;
        if (index + 1 >= arguments.size() || !ReadInteger(arguments[index + 1], value) || value < option->lowest ||
            value > option->highest) {
            exitCode = UsageError(error, argument + " takes a whole number from " + std::to_string(option->lowest) +
                                             " to " + std::to_string(option->highest));
            return false;
        }
        request.*(option->field) = value;
        ++index;
    }
    if (request.functions.empty() || request.functions.size() > static_cast<std::size_t>(GraphPlot::kSlots)) {
        exitCode = UsageError(error, "give one to eight expressions in X");
        return false;
    }
    return true;
}

void PrintView(GraphPlot& plot, PlotArithmetic& arithmetic, std::ostream& out)
{
    const PlotView& view = plot.View();
    out << "area\t" << view.Width() << 'x' << view.Height() << "\tstep " << plot.SampleStep() << '\n';
    out << "x\t" << NarrowUtf8(arithmetic.NumberText(-view.XOffset())) << " .. "
        << NarrowUtf8(arithmetic.NumberText(view.XSpan() - view.XOffset())) << '\n';
    out << "y\t" << NarrowUtf8(arithmetic.NumberText(-view.YOffset())) << " .. "
        << NarrowUtf8(arithmetic.NumberText(view.YSpan() - view.YOffset())) << '\n';
    const RangeLabels labels = plot.Labels();
    out << "labels\ttop " << NarrowUtf8(labels.top) << "\tbottom " << NarrowUtf8(labels.bottom) << "\tleft "
        << NarrowUtf8(labels.left) << "\tright " << NarrowUtf8(labels.right) << '\n';
    for (int slot = 0; slot < GraphPlot::kSlots; ++slot) {
        if (plot.IsSlotUsed(slot)) {
            out << 'f' << slot + 1 << "(x)=" << NarrowUtf8(plot.Function(slot)) << '\n';
        }
    }
}

// One line per sample: its column, its x and the pixel row of each function.
void PrintSamples(const GraphPlot& plot, PlotArithmetic& arithmetic, std::ostream& out)
{
    out << "column\tx";
    for (int slot = 0; slot < GraphPlot::kSlots; ++slot) {
        if (plot.IsSlotUsed(slot)) out << "\tf" << slot + 1;
    }
    out << '\n';
    for (int sample = 0; sample < plot.SampleCount(); ++sample) {
        const int column = plot.SampleColumn(sample);
        out << column << '\t' << NarrowUtf8(arithmetic.NumberText(plot.SampleX(sample)));
        for (int slot = 0; slot < GraphPlot::kSlots; ++slot) {
            if (plot.IsSlotUsed(slot)) out << '\t' << plot.Samples(slot)[sample];
        }
        out << '\n';
    }
}

// Samples the functions on a plot area of the given size as the plotter
// would after a reset, and prints the view and every sampled pixel row.
int Run(const Arguments& arguments, std::ostream& out, std::ostream& error)
{
    PlotRequest request;
    int exitCode = kExitOk;
    if (!ParseRequest(arguments, request, error, exitCode)) {
        return exitCode;
    }
    const auto evaluator = std::make_unique<ExpressionEvaluator>();
    EvaluatorArithmetic arithmetic(*evaluator);
    GraphPlot plot(arithmetic);
    for (std::size_t slot = 0; slot < request.functions.size(); ++slot) {
        plot.SetFunction(static_cast<int>(slot), request.functions[slot]);
    }
    plot.SetSampleStep(request.stepLevel);
    plot.Start(request.width, request.height);
    PrintView(plot, arithmetic, out);
    PrintSamples(plot, arithmetic, out);
    return kExitOk;
}

}  // namespace

const Command kPlotCommand = {"plot", kUsage, Run};

}  // namespace tallyx::cli
