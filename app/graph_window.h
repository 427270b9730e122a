#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/soft_key_bar.h"
#include "graph/graph_commands.h"
#include "graph/graph_plot.h"
#include "graph/zoom_buttons.h"
#include "ui/popup_menu_window.h"
#include "ui/window_base.h"

namespace tallyx {

struct StateLine;

// The plotter: up to eight functions and the data points of a GraphPlot on
// the whole window above the soft-key bar, whose "Graphing" and "Mode" keys
// open the plotter's menus. The pen pans, zooms or traces as the interaction
// mode says; the "+" and "-" buttons zoom. The opener sets the plot up
// through Plot() before Run.
class GraphWindow : public WindowBase {
public:
    static constexpr const wchar_t* kTitle = L"Graphing";
    static constexpr std::uintptr_t kGlideTimer = 1;
    static constexpr int kGlideFrameMilliseconds = 33;

    GraphWindow(PlotArithmetic& arithmetic, std::int32_t skinIndex);

    GraphPlot& Plot() { return plot_; }
    const GraphPlot& Plot() const { return plot_; }
    // Runs full screen over parent until closed.
    void Run(WindowHost& parent);

    // The part of the window the plot fills.
    Rect PlotArea() const;
    // The plot area as shown, written as BMP or PNG by the path's extension.
    bool SaveImage(const std::string& path);
    // Saves to path, telling the user when the image could not be written.
    void SaveImageTo(const std::wstring& path);
    // "Save Bitmap": asks for a path, then saves there.
    void SaveImageAs();
    PopupMenuWindow& Menu() { return menu_; }
    // The trace under the pen while Point on Graph drags, and the last one
    // after the pen is lifted, until the view or the mode changes.
    std::optional<TracePoint> ShownTrace();
    // What the window shows, in the lines of the headless listing.
    void DescribeState(std::vector<StateLine>& lines);

protected:
    long OnCreate(std::uintptr_t first, std::intptr_t second) override;
    long OnSize(std::uintptr_t first, std::intptr_t second) override;
    long Draw(Canvas& canvas, const Rect& clip) override;
    long OnPenDown(Point point) override;
    long OnPenMove(Point point) override;
    long OnPenUp(Point point) override;
    long OnChar(std::uintptr_t first, std::intptr_t second) override;
    long OnKeyUp(std::uintptr_t first, std::intptr_t second) override;
    long OnCommand(std::uintptr_t first, std::intptr_t second) override;
    long OnUserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    long OnTimer(std::uintptr_t first, std::intptr_t second) override;
    long OnClose(std::uintptr_t first, std::intptr_t second) override;
    long OnDestroy(std::uintptr_t first, std::intptr_t second) override;
    // Takes the mouse wheel, which zooms about the pointer.
    long DefaultHandler(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;

private:
    void Layout();
    void Follow(GraphReply reply);
    void ShowMenu(const std::vector<GraphMenuItem>& items, unsigned style);
    void Redraw();
    void StopGlide();
    // The full picture into the kept background, then the buttons and the overlay.
    void PaintFull(Canvas& canvas);
    void PaintDrag(Canvas& canvas);
    void PaintGlide(Canvas& canvas);
    PixelPoint InPlotArea(Point point) const;

    PlotArithmetic& arithmetic_;
    std::int32_t skinIndex_;
    GraphPlot plot_;
    SoftKeyBar softKeys_;
    PopupMenuWindow menu_;
    ZoomButtons zoomButtons_;
    std::unique_ptr<Image> background_;
    int icon_ = 32;
    int smallIcon_ = 16;
    bool started_ = false;
    // The zoom button the pen went down on, if any.
    const PixelRect* pressedButton_ = nullptr;
    // The y offsets still to show of a Center on Graph glide, first frame last.
    std::vector<double> glide_;
    // Where the pen was lifted after tracing: the value stays readable.
    std::optional<TracePoint> liftedTrace_;
};

}  // namespace tallyx
