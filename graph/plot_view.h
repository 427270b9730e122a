#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tallyx {

// Which axes the zoom commands change.
enum class ZoomMode : int { Normal = 0, XOnly = 1, YOnly = 2 };

struct PixelPoint {
    int x = 0;
    int y = 0;
};

struct DataPoint {
    double x = 0.0;
    double y = 0.0;
};

// The visible world rectangle of the plotter and its mapping onto a plot area
// of W × H pixels (0,0 the top-left pixel). The rectangle runs from
// x = -x offset to x span - x offset and from y = -y offset to y span - y offset.
class PlotView {
public:
    static constexpr double kSmallestSpan = 0.00001;
    static constexpr double kLargestSpan = 1000000.0;
    // Columns and rows of values far outside the area (huge, infinite or NaN)
    // are held here, well outside any window yet safe for line drawing.
    static constexpr int kFarPixel = 1 << 24;

    int Width() const { return width_; }
    int Height() const { return height_; }
    double XSpan() const { return xSpan_; }
    double YSpan() const { return ySpan_; }
    double XOffset() const { return xOffset_; }
    double YOffset() const { return yOffset_; }
    void SetOffsets(double xOffset, double yOffset);
    void SetSpans(double xSpan, double ySpan);

    // A new size resets the view.
    void Resize(int width, int height);
    // x from -5 to 5, y over the same scale with the origin in the middle.
    void Reset();

    int ColumnOf(double x) const;
    int RowOf(double y) const;
    // The trace's cross-hair rounds its row differently from the samples.
    int CrossHairRowOf(double y) const;
    double WorldXOf(int column) const;
    // Where the axes are drawn (possibly far outside the area) and the grid
    // lines through their positions, a tenth of the width apart; a grid too
    // fine to draw (an area narrower than 10 pixels) has no lines.
    int AxisColumn() const;
    int AxisRow() const;
    std::vector<int> GridColumns() const;
    std::vector<int> GridRows() const;
    // The middle of the visible x range.
    double MiddleX() const { return xSpan_ * 0.5 - xOffset_; }

    // False, changing nothing, when a span would leave the allowed range.
    bool ZoomIn(ZoomMode mode);
    bool ZoomOut(ZoomMode mode);
    // A tenth of the range as a margin on each side; false for fewer than two
    // points or a range of zero width or height.
    bool FitTo(std::span<const DataPoint> points);
    // A pen lifted within the outer tenth of the area scrolls by a tenth of
    // the span; false when the point lies in none of those bands.
    bool EdgeScroll(PixelPoint point);
    // The point becomes the middle of the view.
    void CentreOn(PixelPoint point);
    // The view follows a pen moved from one point to another.
    void Drag(PixelPoint from, PixelPoint to);
    // The box between two corners fills the area.
    void ZoomToBox(PixelPoint corner, PixelPoint opposite);

private:
    bool Zoom(ZoomMode mode, double factor);

    int width_ = 1;
    int height_ = 1;
    double xSpan_ = 10.0;
    double ySpan_ = 10.0;
    double xOffset_ = 5.0;
    double yOffset_ = 5.0;
};

}  // namespace tallyx
