#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "graph/plot_arithmetic.h"
#include "graph/plot_view.h"

namespace tallyx {

// What a drag does.
enum class InteractionMode : int { Zoom = 0, Translate = 1, PointOnGraph = 2 };

// The four range labels: the world values at the edges of the view, shortened.
struct RangeLabels {
    std::wstring top;
    std::wstring bottom;
    std::wstring left;
    std::wstring right;
};

// Where the traced function meets the pen's column.
struct TracePoint {
    int column = 0;
    int row = 0;
    bool inside = false;  // the cross-hair lies inside the plot area
    std::wstring xText;
    std::wstring resultText;
};

// The plotter without its window: up to eight functions of X, up to 100 data
// points, the view, the pixel rows sampled for each function and the pen's
// interaction. Function values come only from the calculator's evaluator.
class GraphPlot {
public:
    static constexpr int kSlots = 8;
    static constexpr std::size_t kMostDataPoints = 100;
    static constexpr int kNoFunction = -1;

    explicit GraphPlot(PlotArithmetic& arithmetic) : arithmetic_(arithmetic) {}

    // Set-up by the opener. A text with fewer ")" than "(" gets the missing
    // ones; an empty text frees the slot. False for a slot outside 0..7.
    bool SetFunction(int slot, std::wstring_view text);
    const std::wstring& Function(int slot) const { return functions_[slot]; }
    bool IsSlotUsed(int slot) const { return slot >= 0 && slot < kSlots && !functions_[slot].empty(); }
    int UsedSlotCount() const;
    // Level 0 samples every pixel, 1 every 4th, higher levels every 7th.
    void SetSampleStep(int level);
    int SampleStep() const { return sampleStep_; }
    void SetJoinPoints(bool join) { joinPoints_ = join; }
    bool JoinPoints() const { return joinPoints_; }
    // False once kMostDataPoints are held.
    bool AddDataPoint(double x, double y);
    std::span<const DataPoint> DataPoints() const { return dataPoints_; }

    // The window's size is known: the first used slot becomes current.
    void Start(int width, int height);
    // A new size frees the samples and resets the view.
    void Resize(int width, int height);
    const PlotView& View() const { return view_; }
    void SetSmallIconSize(int pixels) { smallIconSize_ = pixels; }

    int CurrentFunction() const { return currentFunction_; }
    bool SelectFunction(int slot);
    InteractionMode Interaction() const { return interaction_; }
    void SetInteraction(InteractionMode mode) { interaction_ = mode; }
    ZoomMode Zooming() const { return zoomMode_; }
    void SetZooming(ZoomMode mode) { zoomMode_ = mode; }

    // The slot's function at x; resultText receives the evaluator's text.
    double ValueAt(int slot, double x, std::wstring& resultText);
    // Pixel rows of the sampled columns, recomputed after every change of view.
    void ComputeSamples();
    int SampleCount() const { return sampleCount_; }
    int SampleColumn(int sample) const { return (sampleStep_ + 1) * sample; }
    // The world x of a sample: the span shared out over the samples a full width holds.
    double SampleX(int sample) const;
    std::span<const int> Samples(int slot) const { return samples_[slot]; }

    // View commands; each recomputes the samples when it changed the view.
    bool ZoomIn();
    bool ZoomOut();
    void ResetView();
    bool FitToData();
    // Zooms in or out keeping the world point under the pixel where it is (the mouse wheel).
    bool ZoomAbout(PixelPoint point, bool zoomIn);
    // Glides the view vertically so the current function's value at the
    // middle x sits in the middle; nothing for an error result. The y
    // offsets of the glide's frames wait in TakeGlide for the window.
    bool CentreOnGraph();
    std::vector<double> TakeGlide();

    // The pen, on the plot area (the window handles its zoom buttons).
    void PenDown(PixelPoint point);
    void PenMove(PixelPoint point);
    void PenUp(PixelPoint point);
    bool Dragging() const { return dragging_; }
    bool Moved() const { return moved_; }
    PixelPoint DragStart() const { return dragStart_; }
    PixelPoint DragCurrent() const { return dragCurrent_; }

    // The current function at the drag's current column.
    TracePoint Trace();
    RangeLabels Labels();

private:
    std::wstring LabelText(double value);

    PlotArithmetic& arithmetic_;
    std::array<std::wstring, kSlots> functions_;
    std::array<std::vector<int>, kSlots> samples_;
    int sampleCount_ = 0;
    int sampleStep_ = 0;
    bool joinPoints_ = true;
    std::vector<DataPoint> dataPoints_;
    PlotView view_;
    int smallIconSize_ = 16;
    int currentFunction_ = kNoFunction;
    InteractionMode interaction_ = InteractionMode::Translate;
    ZoomMode zoomMode_ = ZoomMode::Normal;
    bool dragging_ = false;
    bool moved_ = false;
    PixelPoint dragStart_;
    PixelPoint dragCurrent_;
    std::vector<double> glide_;
};

}  // namespace tallyx
