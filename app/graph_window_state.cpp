#include <array>
#include <cstdio>
#include <string>

#include "app/graph_window.h"
#include "app/keypad_geometry.h"
#include "app/state_listing.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

constexpr std::array kInteractionWords = {"zoom", "translate", "trace"};
constexpr std::array kZoomWords = {"xy", "x", "y"};

// A world value at 12 significant digits.
std::string ViewWord(double value)
{
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.12g", value);
    return text.data();
}

}  // namespace

void GraphWindow::DescribeState(std::vector<StateLine>& lines)
{
    lines.push_back({"window", {"graph"}, kTitle});
    const PlotView& view = plot_.View();
    lines.push_back({"view",
                     {ViewWord(-view.XOffset()), ViewWord(view.XSpan() - view.XOffset()), ViewWord(-view.YOffset()),
                      ViewWord(view.YSpan() - view.YOffset())}});
    for (int slot = 0; slot < GraphPlot::kSlots; ++slot) {
        if (plot_.IsSlotUsed(slot)) lines.push_back({"function", {std::to_string(slot)}, plot_.Function(slot)});
    }
    lines.push_back({"points", {std::to_string(plot_.DataPoints().size())}});
    lines.push_back({"mode", {kInteractionWords[static_cast<std::size_t>(plot_.Interaction())]}});
    lines.push_back({"zoommode", {kZoomWords[static_cast<std::size_t>(plot_.Zooming())]}});
    if (const std::optional<TracePoint> trace = ShownTrace()) {
        StateLine line{"trace", {}, trace->xText};
        line.value = trace->resultText;
        lines.push_back(std::move(line));
    }
    if (!Window()) return;
    const Rect client = Window()->ClientRect();
    const KeypadGeometry geometry = ComputeKeypadGeometry(ScreenMetrics::ForClient(client.Width(), client.Height()), nullptr);
    lines.push_back({"button", {}, L"Graphing", geometry.softKeyLeft});
    lines.push_back({"button", {}, L"Mode", geometry.softKeyRight});
    lines.push_back({"button", {}, L"+", Rect{zoomButtons_.zoomIn.left, zoomButtons_.zoomIn.top, zoomButtons_.zoomIn.right,
                                              zoomButtons_.zoomIn.bottom}});
    lines.push_back({"button", {}, L"-", Rect{zoomButtons_.zoomOut.left, zoomButtons_.zoomOut.top,
                                              zoomButtons_.zoomOut.right, zoomButtons_.zoomOut.bottom}});
}

}  // namespace tallyx
