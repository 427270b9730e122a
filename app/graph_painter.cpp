#include "app/graph_painter.h"

#include <algorithm>
#include <array>

namespace tallyx {
namespace {

constexpr Color kBackground = MakeColor(0, 0, 0);
constexpr Color kAxes = MakeColor(255, 255, 255);
constexpr Color kGrid = MakeColor(38, 48, 52);
constexpr Color kZoomBox = MakeColor(155, 175, 193);
constexpr Color kNoFunction = kAxes;

constexpr std::array kSlotColors = {
    MakeColor(0, 255, 0),    MakeColor(0, 128, 255),  MakeColor(236, 0, 140),  MakeColor(255, 252, 0),
    MakeColor(255, 63, 0),   MakeColor(127, 255, 255), MakeColor(120, 120, 120), MakeColor(255, 0, 255),
};

// The trace's texts stand this far beside the traced point.
constexpr int kTraceTextGap = 5;

Point ToPoint(PixelPoint point)
{
    return {point.x, point.y};
}

Color CurrentColor(const GraphPlot& plot)
{
    return plot.CurrentFunction() == GraphPlot::kNoFunction ? kNoFunction : SlotColor(plot.CurrentFunction());
}

}  // namespace

Color SlotColor(int slot)
{
    return kSlotColors[static_cast<std::size_t>(std::clamp(slot, 0, static_cast<int>(kSlotColors.size()) - 1))];
}

std::wstring_view InteractionName(InteractionMode mode)
{
    switch (mode) {
    case InteractionMode::Zoom: return L"Zoom";
    case InteractionMode::Translate: return L"Translate";
    case InteractionMode::PointOnGraph: return L"Point on graph";
    }
    return L"";
}

GraphPainter::GraphPainter(Canvas& canvas, int smallIcon, int icon)
    : canvas_(canvas), smallIcon_(smallIcon), icon_(icon)
{
}

FontSpec GraphPainter::Font() const
{
    return FontSpec{kFontFamily, smallIcon_, 400};
}

void GraphPainter::Backdrop(const PlotView& view)
{
    const int width = view.Width();
    const int height = view.Height();
    canvas_.FillRect({0, 0, width, height}, kBackground);
    for (const int column : view.GridColumns()) canvas_.DrawLine({column, 0}, {column, height}, kGrid);
    for (const int row : view.GridRows()) canvas_.DrawLine({0, row}, {width, row}, kGrid);
    const int axisColumn = view.AxisColumn();
    if (axisColumn >= 0 && axisColumn < width) canvas_.DrawLine({axisColumn, 0}, {axisColumn, height}, kAxes);
    const int axisRow = view.AxisRow();
    if (axisRow >= 0 && axisRow < height) canvas_.DrawLine({0, axisRow}, {width, axisRow}, kAxes);
}

void GraphPainter::Curves(const GraphPlot& plot)
{
    for (int slot = 0; slot < GraphPlot::kSlots; ++slot) {
        const std::span<const int> samples = plot.Samples(slot);
        if (samples.empty()) continue;
        const Color color = SlotColor(slot);
        if (plot.JoinPoints()) {
            Point from{0, samples[0]};
            for (std::size_t sample = 1; sample < samples.size(); ++sample) {
                const Point to{plot.SampleColumn(static_cast<int>(sample)), samples[sample]};
                canvas_.DrawLine(from, to, color);
                from = to;
            }
        } else {
            for (std::size_t sample = 0; sample < samples.size(); ++sample) {
                const int column = plot.SampleColumn(static_cast<int>(sample));
                canvas_.FillRect({column, samples[sample], column + 1, samples[sample] + 1}, color);
            }
        }
    }
    const PlotView& view = plot.View();
    const int arm = smallIcon_ / 4;
    const Color color = CurrentColor(plot);
    for (const DataPoint& point : plot.DataPoints()) {
        const int column = view.ColumnOf(point.x);
        const int row = view.RowOf(point.y);
        canvas_.DrawLine({column - arm, row}, {column + arm + 1, row}, color);
        canvas_.DrawLine({column, row - arm}, {column, row + arm + 1}, color);
    }
}

void GraphPainter::RangeLabels(const PlotView& view, const tallyx::RangeLabels& labels)
{
    const FontSpec font = Font();
    const int width = view.Width();
    const int height = view.Height();
    const int line = canvas_.MeasureText(L"0", font).height;
    const Rect middleRow{0, (height - line) / 2, width, (height + line) / 2};
    canvas_.DrawText(labels.top, {0, 0, width, line}, font, kAxes, TextAlignCenter | TextAlignTop);
    canvas_.DrawText(labels.bottom, {0, height - line, width, height}, font, kAxes, TextAlignCenter | TextAlignBottom);
    canvas_.DrawText(labels.left, middleRow, font, kAxes, TextAlignLeft | TextAlignVCenter);
    canvas_.DrawText(labels.right, middleRow, font, kAxes, TextAlignRight | TextAlignVCenter);
}

void GraphPainter::ZoomButtons(const tallyx::ZoomButtons& buttons)
{
    const FontSpec font{kFontFamily, smallIcon_ * 3 / 2, 700};
    const auto draw = [&](const PixelRect& square, std::wstring_view sign) {
        const Rect rect{square.left, square.top, square.right, square.bottom};
        canvas_.FillRect(rect, kBackground);
        canvas_.FrameRect(rect, kZoomBox);
        canvas_.DrawText(sign, rect, font, kAxes, TextAlignCenter | TextAlignVCenter);
    };
    draw(buttons.zoomIn, L"+");
    draw(buttons.zoomOut, L"-");
}

void GraphPainter::Overlay(const GraphPlot& plot, const PlotView& view)
{
    const FontSpec font = Font();
    const int line = canvas_.MeasureText(L"0", font).height;
    const Color color = CurrentColor(plot);
    canvas_.DrawText(InteractionName(plot.Interaction()), {0, view.Height() - line, view.Width() / 2, view.Height()},
                     font, color, TextAlignLeft | TextAlignBottom | TextEndEllipsis);
    if (plot.CurrentFunction() == GraphPlot::kNoFunction) return;
    canvas_.DrawText(L"f(x)=" + plot.Function(plot.CurrentFunction()), {0, 0, view.Width() / 2, line}, font, color,
                     TextAlignLeft | TextAlignTop | TextEndEllipsis);
}

void GraphPainter::ZoomBox(PixelPoint corner, PixelPoint opposite)
{
    const Point a = ToPoint(corner);
    const Point b = ToPoint(opposite);
    canvas_.DrawDashedLine(a, {b.x, a.y}, kZoomBox);
    canvas_.DrawDashedLine({b.x, a.y}, b, kZoomBox);
    canvas_.DrawDashedLine(b, {a.x, b.y}, kZoomBox);
    canvas_.DrawDashedLine({a.x, b.y}, a, kZoomBox);
}

void GraphPainter::Trace(const PlotView& view, const TracePoint& trace, Color color)
{
    const int width = view.Width();
    const int height = view.Height();
    if (trace.inside) {
        canvas_.DrawLine({0, trace.row}, {width, trace.row}, color);
        canvas_.DrawLine({trace.column, 0}, {trace.column, height}, color);
    }
    // The texts stay in sight when the value lies above or below the area.
    const FontSpec font = Font();
    const int line = canvas_.MeasureText(L"0", font).height;
    const int column = std::clamp(trace.column, 0, width);
    const int row = std::clamp(trace.row, line + icon_ / 2, std::max(line + icon_ / 2, height - line));
    const bool leftHalf = column < width / 2;
    const Rect beside = leftHalf ? Rect{column + kTraceTextGap, 0, width, height} : Rect{0, 0, column - kTraceTextGap, height};
    const unsigned align = (leftHalf ? TextAlignLeft : TextAlignRight) | TextAlignTop;
    canvas_.DrawText(trace.xText, {beside.left, row - icon_ / 2, beside.right, row - icon_ / 2 + line}, font, color, align);
    canvas_.DrawText(trace.resultText, {beside.left, row, beside.right, row + line}, font, color, align);
}

}  // namespace tallyx
