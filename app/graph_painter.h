#pragma once

#include <string_view>

#include "graph/graph_plot.h"
#include "graph/zoom_buttons.h"
#include "ui/canvas.h"

namespace tallyx {

// The colour each function slot is drawn in.
Color SlotColor(int slot);

// Draws the plotter's picture in layers: what a full frame shows, what a
// drag or a glide keeps of it, and the feedback drawn over it. Every
// position is in the plot area's pixels.
class GraphPainter {
public:
    // smallIcon sizes the font, the crosses and the zoom buttons; icon the trace's text spacing.
    GraphPainter(Canvas& canvas, int smallIcon, int icon);

    // The black background, the grid through the axes' positions and the white axes.
    void Backdrop(const PlotView& view);
    // Joined or single-pixel curves of every used slot, and the data points as crosses.
    void Curves(const GraphPlot& plot);
    void RangeLabels(const PlotView& view, const tallyx::RangeLabels& labels);
    void ZoomButtons(const tallyx::ZoomButtons& buttons);
    // The interaction mode's name at the bottom left and the current function at the top left.
    void Overlay(const GraphPlot& plot, const PlotView& view);
    // The dashed rubber band between the drag's corners.
    void ZoomBox(PixelPoint corner, PixelPoint opposite);
    // The cross-hair through the traced point and its x and value beside it.
    void Trace(const PlotView& view, const TracePoint& trace, Color color);

private:
    FontSpec Font() const;

    Canvas& canvas_;
    int smallIcon_;
    int icon_;
};

// The name the overlay gives an interaction mode.
std::wstring_view InteractionName(InteractionMode mode);

}  // namespace tallyx
