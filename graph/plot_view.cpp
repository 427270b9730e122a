#include "graph/plot_view.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tallyx {
namespace {

constexpr double kResetXSpan = 10.0;
constexpr double kEdgeShare = 0.1;
constexpr double kFitMargin = 0.1;
constexpr double kFitSpanInMargins = 12.0;
constexpr int kGridLinesAcross = 10;

// Truncation toward zero that cannot overflow: NaN and values beyond the
// far limit land on the limit (NaN below the area, where rows grow).
int TruncatedPixel(double value)
{
    if (std::isnan(value)) {
        return PlotView::kFarPixel;
    }
    return static_cast<int>(std::clamp(std::trunc(value), -static_cast<double>(PlotView::kFarPixel),
                                       static_cast<double>(PlotView::kFarPixel)));
}

// The positions in 0..size-1 that lie a whole number of spacings from origin.
std::vector<int> LinesThrough(int origin, int spacing, int size)
{
    std::vector<int> lines;
    if (spacing <= 0) {
        return lines;
    }
    for (int line = (origin % spacing + spacing) % spacing; line < size; line += spacing) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

void PlotView::SetOffsets(double xOffset, double yOffset)
{
    xOffset_ = xOffset;
    yOffset_ = yOffset;
}

void PlotView::SetSpans(double xSpan, double ySpan)
{
    xSpan_ = xSpan;
    ySpan_ = ySpan;
}

void PlotView::Resize(int width, int height)
{
    width_ = std::max(1, width);
    height_ = std::max(1, height);
    Reset();
}

void PlotView::Reset()
{
    xSpan_ = kResetXSpan;
    xOffset_ = xSpan_ * 0.5;
    ySpan_ = kResetXSpan * height_ / width_;
    yOffset_ = ySpan_ * 0.5;
}

int PlotView::ColumnOf(double x) const
{
    return TruncatedPixel((xOffset_ + x) / xSpan_ * width_);
}

int PlotView::RowOf(double y) const
{
    return TruncatedPixel(height_ - std::trunc((yOffset_ + y) / ySpan_ * height_ - 0.5));
}

int PlotView::CrossHairRowOf(double y) const
{
    return TruncatedPixel(height_ - (yOffset_ + y) / ySpan_ * height_);
}

double PlotView::WorldXOf(int column) const
{
    return static_cast<double>(column) / width_ * xSpan_ - xOffset_;
}

int PlotView::AxisColumn() const
{
    return TruncatedPixel(width_ / xSpan_ * xOffset_);
}

int PlotView::AxisRow() const
{
    return TruncatedPixel(height_ - std::trunc(height_ / ySpan_ * yOffset_) + 1);
}

std::vector<int> PlotView::GridColumns() const
{
    return LinesThrough(AxisColumn(), width_ / kGridLinesAcross, width_);
}

std::vector<int> PlotView::GridRows() const
{
    return LinesThrough(AxisRow(), width_ / kGridLinesAcross, height_);
}

bool PlotView::Zoom(ZoomMode mode, double factor)
{
    const double xSpan = xSpan_ * factor;
    const double ySpan = ySpan_ * factor;
    const auto outOfRange = [](double span) { return span < kSmallestSpan || span > kLargestSpan; };
    if ((outOfRange(xSpan) && mode != ZoomMode::YOnly) || (outOfRange(ySpan) && mode != ZoomMode::XOnly)) {
        return false;
    }
    // The offsets move by half the change of span, so the middle stays.
    if (mode != ZoomMode::YOnly) {
        xOffset_ += (xSpan - xSpan_) * 0.5;
        xSpan_ = xSpan;
    }
    if (mode != ZoomMode::XOnly) {
        yOffset_ += (ySpan - ySpan_) * 0.5;
        ySpan_ = ySpan;
    }
    return true;
}

bool PlotView::ZoomIn(ZoomMode mode)
{
    return Zoom(mode, 0.5);
}

bool PlotView::ZoomOut(ZoomMode mode)
{
    return Zoom(mode, 2.0);
}

bool PlotView::FitTo(std::span<const DataPoint> points)
{
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    std::size_t count = 0;
    for (const DataPoint& point : points) {
        // A point at infinity would leave a view no zoom can mend.
        if (!std::isfinite(point.x) || !std::isfinite(point.y)) continue;
        const bool first = count++ == 0;
        xMin = first ? point.x : std::min(xMin, point.x);
        xMax = first ? point.x : std::max(xMax, point.x);
        yMin = first ? point.y : std::min(yMin, point.y);
        yMax = first ? point.y : std::max(yMax, point.y);
    }
    if (count < 2 || xMax == xMin || yMax == yMin) {
        return false;
    }
    const double xMargin = (xMax - xMin) * kFitMargin;
    const double yMargin = (yMax - yMin) * kFitMargin;
    xOffset_ = xMargin - xMin;
    yOffset_ = yMargin - yMin;
    xSpan_ = xMargin * kFitSpanInMargins;
    ySpan_ = yMargin * kFitSpanInMargins;
    return true;
}

bool PlotView::EdgeScroll(PixelPoint point)
{
    bool scrolled = false;
    if (point.x < width_ * kEdgeShare) {
        xOffset_ += xSpan_ * kEdgeShare;
        scrolled = true;
    } else if (point.x >= width_ * (1.0 - kEdgeShare)) {
        xOffset_ -= xSpan_ * kEdgeShare;
        scrolled = true;
    }
    if (point.y < height_ * kEdgeShare) {
        yOffset_ -= ySpan_ * kEdgeShare;
        scrolled = true;
    } else if (point.y >= height_ * (1.0 - kEdgeShare)) {
        yOffset_ += ySpan_ * kEdgeShare;
        scrolled = true;
    }
    return scrolled;
}

void PlotView::CentreOn(PixelPoint point)
{
    xOffset_ += (0.5 - static_cast<double>(point.x) / width_) * xSpan_;
    yOffset_ += (static_cast<double>(point.y) / height_ - 0.5) * ySpan_;
}

void PlotView::Drag(PixelPoint from, PixelPoint to)
{
    xOffset_ += static_cast<double>(to.x - from.x) / width_ * xSpan_;
    yOffset_ -= static_cast<double>(to.y - from.y) / height_ * ySpan_;
}

void PlotView::ZoomToBox(PixelPoint corner, PixelPoint opposite)
{
    const int left = std::min(corner.x, opposite.x);
    const int bottom = std::max(corner.y, opposite.y);
    xOffset_ -= xSpan_ / width_ * left;
    yOffset_ -= static_cast<double>(height_ - bottom) / height_ * ySpan_;
    xSpan_ *= static_cast<double>(std::abs(opposite.x - corner.x)) / width_;
    ySpan_ *= static_cast<double>(std::abs(opposite.y - corner.y)) / height_;
}

}  // namespace tallyx
