#include "graph/graph_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "graph/range_label.h"

namespace tallyx {
namespace {

// Pixels skipped between samples at each level of the "fast graph" setting.
constexpr int kStepOfLevel[] = {0, 3, 6};
constexpr int kGlideFirstFrame = 10;
constexpr int kGlideLastFrame = 150;
constexpr int kGlideFrameStep = 10;
// log10(k × 1/15) runs from about -0.18 at the first frame to 1 at the last.
constexpr double kGlideScale = 0.06666666666666667;

bool IsErrorText(const std::wstring& resultText)
{
    return !resultText.empty() && (resultText.front() == L'i' || resultText.front() == L's');
}

}  // namespace

bool GraphPlot::SetFunction(int slot, std::wstring_view text)
{
    if (slot < 0 || slot >= kSlots) {
        return false;
    }
    std::wstring& function = functions_[slot];
    function = text;
    const auto opened = std::count(function.begin(), function.end(), L'(');
    const auto closed = std::count(function.begin(), function.end(), L')');
    if (closed < opened) {
        function.append(static_cast<std::size_t>(opened - closed), L')');
    }
    return true;
}

int GraphPlot::UsedSlotCount() const
{
    return static_cast<int>(std::count_if(functions_.begin(), functions_.end(),
                                          [](const std::wstring& function) { return !function.empty(); }));
}

void GraphPlot::SetSampleStep(int level)
{
    sampleStep_ = kStepOfLevel[std::clamp(level, 0, static_cast<int>(std::size(kStepOfLevel)) - 1)];
}

bool GraphPlot::AddDataPoint(double x, double y)
{
    if (dataPoints_.size() >= kMostDataPoints) {
        return false;
    }
    dataPoints_.push_back({x, y});
    return true;
}

void GraphPlot::Start(int width, int height)
{
    currentFunction_ = kNoFunction;
    for (int slot = kSlots - 1; slot >= 0; --slot) {
        if (IsSlotUsed(slot)) currentFunction_ = slot;
    }
    Resize(width, height);
}

void GraphPlot::Resize(int width, int height)
{
    for (auto& samples : samples_) samples.clear();
    sampleCount_ = 0;
    view_.Resize(width, height);
    ComputeSamples();
}

bool GraphPlot::SelectFunction(int slot)
{
    if (!IsSlotUsed(slot)) {
        return false;
    }
    currentFunction_ = slot;
    return true;
}

double GraphPlot::ValueAt(int slot, double x, std::wstring& resultText)
{
    return arithmetic_.Evaluate(SubstituteVariable(functions_[slot], arithmetic_.NumberText(x)), resultText);
}

double GraphPlot::SampleX(int sample) const
{
    const double xStep = view_.XSpan() / (static_cast<double>(view_.Width()) / (sampleStep_ + 1));
    return sample * xStep - view_.XOffset();
}

void GraphPlot::ComputeSamples()
{
    sampleCount_ = view_.Width() / (sampleStep_ + 1);
    std::wstring resultText;
    for (int slot = 0; slot < kSlots; ++slot) {
        std::vector<int>& samples = samples_[slot];
        samples.clear();
        if (!IsSlotUsed(slot)) continue;
        samples.reserve(static_cast<std::size_t>(sampleCount_));
        for (int sample = 0; sample < sampleCount_; ++sample) {
            samples.push_back(view_.RowOf(ValueAt(slot, SampleX(sample), resultText)));
        }
    }
}

bool GraphPlot::ZoomIn()
{
    if (!view_.ZoomIn(zoomMode_)) {
        return false;
    }
    ComputeSamples();
    return true;
}

bool GraphPlot::ZoomOut()
{
    if (!view_.ZoomOut(zoomMode_)) {
        return false;
    }
    ComputeSamples();
    return true;
}

void GraphPlot::ResetView()
{
    view_.Reset();
    ComputeSamples();
}

bool GraphPlot::FitToData()
{
    if (!view_.FitTo(dataPoints_)) {
        return false;
    }
    ComputeSamples();
    return true;
}

bool GraphPlot::ZoomAbout(PixelPoint point, bool zoomIn)
{
    const double width = view_.Width();
    const double height = view_.Height();
    const double fromLeft = point.x / width;
    const double fromBottom = (height - point.y) / height;
    const double x = fromLeft * view_.XSpan() - view_.XOffset();
    const double y = fromBottom * view_.YSpan() - view_.YOffset();
    if (!(zoomIn ? view_.ZoomIn(zoomMode_) : view_.ZoomOut(zoomMode_))) {
        return false;
    }
    view_.SetOffsets(fromLeft * view_.XSpan() - x, fromBottom * view_.YSpan() - y);
    ComputeSamples();
    return true;
}

bool GraphPlot::CentreOnGraph()
{
    if (currentFunction_ == kNoFunction) {
        return false;
    }
    std::wstring resultText;
    const double value = ValueAt(currentFunction_, view_.MiddleX(), resultText);
    if (IsErrorText(resultText)) {
        return false;
    }
    const double startOffset = view_.YOffset();
    const double distance = startOffset + value - view_.YSpan() * 0.5;
    glide_.clear();
    if (distance != 0.0) {
        for (int frame = kGlideFirstFrame; frame <= kGlideLastFrame; frame += kGlideFrameStep) {
            glide_.push_back(startOffset - std::log10(frame * kGlideScale) * distance);
        }
    }
    view_.SetOffsets(view_.XOffset(), view_.YSpan() * 0.5 - value);
    ComputeSamples();
    return true;
}

std::vector<double> GraphPlot::TakeGlide()
{
    return std::exchange(glide_, {});
}

void GraphPlot::PenDown(PixelPoint point)
{
    dragging_ = true;
    moved_ = false;
    dragStart_ = point;
    dragCurrent_ = point;
}

void GraphPlot::PenMove(PixelPoint point)
{
    moved_ = true;
    dragCurrent_ = point;
    if (dragging_ && interaction_ == InteractionMode::Translate) {
        view_.Drag(dragStart_, point);
        dragStart_ = point;
    }
}

void GraphPlot::PenUp(PixelPoint point)
{
    dragging_ = false;
    if (!view_.EdgeScroll(point)) {
        if (!moved_ && interaction_ != InteractionMode::PointOnGraph) {
            view_.CentreOn(point);
        } else if (moved_ && interaction_ == InteractionMode::Zoom &&
                   std::abs(dragCurrent_.x - dragStart_.x) > smallIconSize_ &&
                   std::abs(dragCurrent_.y - dragStart_.y) > smallIconSize_) {
            view_.ZoomToBox(dragStart_, dragCurrent_);
        }
    }
    ComputeSamples();
}

TracePoint GraphPlot::Trace()
{
    TracePoint trace;
    if (currentFunction_ == kNoFunction) {
        return trace;
    }
    trace.column = dragCurrent_.x;
    const double x = view_.WorldXOf(trace.column);
    const double value = ValueAt(currentFunction_, x, trace.resultText);
    trace.row = view_.CrossHairRowOf(value);
    trace.inside = trace.column >= 1 && trace.column < view_.Width() && trace.row > 0 && trace.row < view_.Height();
    trace.xText = arithmetic_.NumberText(x);
    return trace;
}

RangeLabels GraphPlot::Labels()
{
    return {LabelText(view_.YSpan() - view_.YOffset()), LabelText(-view_.YOffset()), LabelText(-view_.XOffset()),
            LabelText(view_.XSpan() - view_.XOffset())};
}

std::wstring GraphPlot::LabelText(double value)
{
    return ShortRangeLabel(arithmetic_.NumberText(value));
}

}  // namespace tallyx
