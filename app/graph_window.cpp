#include "app/graph_window.h"

#include <algorithm>

#include "app/file_dialog.h"
#include "app/graph_painter.h"
#include "app/keypad_geometry.h"
#include "graph/range_label.h"
#include "platform/services.h"
#include "platform/wide_text.h"
#include "platform/window_messages.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

constexpr long kClosed = 1;
constexpr unsigned kGraphMenuStyle = MenuStyleFitWidth | MenuStyleFitHeight | MenuStyleFromBottom;
constexpr unsigned kModeMenuStyle = kGraphMenuStyle | MenuStyleFromRight;

// A list where one item carries a mark is a choice among its items: each shows a radio mark's place.
void FillMenu(MenuList& list, const std::vector<GraphMenuItem>& items)
{
    const bool choice = std::any_of(items.begin(), items.end(), [](const GraphMenuItem& item) { return item.checked; });
    for (const GraphMenuItem& item : items) {
        if (!item.items.empty()) {
            MenuList& submenu = list.AddSubmenu(item.caption);
            submenu.SetLookFrom(list);
            FillMenu(submenu, item.items);
        } else if (item.command == 0) {
            list.AddSeparator();
        } else {
            const unsigned flags = choice ? MenuItemRadio | (item.checked ? MenuItemChecked : 0u) : 0u;
            list.AddItem(item.caption, static_cast<std::uint32_t>(item.command), 0, flags);
        }
    }
}

}  // namespace

GraphWindow::GraphWindow(PlotArithmetic& arithmetic, std::int32_t skinIndex)
    : arithmetic_(arithmetic), skinIndex_(skinIndex), plot_(arithmetic)
{
}

void GraphWindow::Run(WindowHost& parent)
{
    RunModal(&parent, parent.ClientRect(), kTitle);
}

long GraphWindow::OnCreate(std::uintptr_t, std::intptr_t)
{
    softKeys_.SetWindow(Window());
    softKeys_.SetCaptions(L"Graphing", L"Mode");
    Layout();
    return 1;
}

long GraphWindow::OnSize(std::uintptr_t, std::intptr_t)
{
    Layout();
    return 1;
}

void GraphWindow::Layout()
{
    const Rect client = Window()->ClientRect();
    const ScreenMetrics metrics = ScreenMetrics::ForClient(client.Width(), client.Height());
    icon_ = metrics.icon;
    smallIcon_ = metrics.smallIcon;
    softKeys_.Place(ComputeKeypadGeometry(metrics, nullptr), skinIndex_);
    const Rect area = PlotArea();
    const int width = std::max(1, area.Width());
    const int height = std::max(1, area.Height());
    if (started_ && width == plot_.View().Width() && height == plot_.View().Height()) return;
    StopGlide();
    liftedTrace_.reset();
    background_.reset();
    plot_.SetSmallIconSize(smallIcon_);
    if (started_) {
        plot_.Resize(width, height);
    } else {
        plot_.Start(width, height);
        started_ = true;
    }
    zoomButtons_ = PlaceZoomButtons(width, height, smallIcon_);
    Window()->InvalidateAll();
}

Rect GraphWindow::PlotArea() const
{
    if (!Window()) return {};
    const Rect client = Window()->ClientRect();
    return {0, 0, client.Width(), std::min(client.Height(), softKeys_.Bounds().top)};
}

void GraphWindow::Redraw()
{
    if (Window()) Window()->InvalidateAll();
}

void GraphWindow::Follow(GraphReply reply)
{
    switch (reply) {
    case GraphReply::Ignored: return;
    case GraphReply::Redraw: {
        liftedTrace_.reset();
        // A glide under way plays on: the key-up of a typed "C" must not cut the glide its character began.
        std::vector<double> glide = plot_.TakeGlide();
        if (!glide.empty()) {
            glide_.assign(glide.rbegin(), glide.rend());
            Window()->SetTimer(kGlideTimer, kGlideFrameMilliseconds);
        }
        Redraw();
        return;
    }
    case GraphReply::OpenGraphMenu: ShowMenu(GraphMenu(plot_), kGraphMenuStyle); return;
    case GraphReply::OpenModeMenu: ShowMenu(ModeMenu(plot_), kModeMenuStyle); return;
    case GraphReply::SaveImage: SaveImageAs(); return;
    case GraphReply::Close:
        StopGlide();
        Window()->EndModal(kClosed);
        return;
    }
}

void GraphWindow::ShowMenu(const std::vector<GraphMenuItem>& items, unsigned style)
{
    MenuList& list = menu_.List();
    list.Clear();
    list.SetRowHeights(MenuList::DefaultRowHeight(icon_), MenuList::DefaultRowHeight(icon_));
    list.SetFont(FontSpec{kFontFamily, 4 * icon_ / 9, 400});
    FillMenu(list, items);
    menu_.Show(*Window(), style, {0, 0, PlotArea().right, PlotArea().bottom});
}

void GraphWindow::StopGlide()
{
    if (glide_.empty()) return;
    glide_.clear();
    if (Window()) Window()->KillTimer(kGlideTimer);
}

long GraphWindow::OnTimer(std::uintptr_t first, std::intptr_t)
{
    if (first != kGlideTimer) return kNotHandled;
    if (!glide_.empty()) glide_.pop_back();
    if (glide_.empty()) Window()->KillTimer(kGlideTimer);
    Redraw();
    return 1;
}

long GraphWindow::Draw(Canvas& canvas, const Rect&)
{
    if (!glide_.empty()) {
        PaintGlide(canvas);
    } else if (plot_.Dragging()) {
        PaintDrag(canvas);
    } else {
        PaintFull(canvas);
    }
    softKeys_.Draw(canvas);
    return 1;
}

void GraphWindow::PaintFull(Canvas& canvas)
{
    const PlotView& view = plot_.View();
    const Rect area{0, 0, view.Width(), view.Height()};
    if (!background_ || background_->Dimensions().width != area.Width() ||
        background_->Dimensions().height != area.Height()) {
        background_ = Window()->CreateImage(area.Width(), area.Height());
    }
    GraphPainter kept(background_->Paint(), smallIcon_, icon_);
    kept.Backdrop(view);
    kept.Curves(plot_);
    kept.RangeLabels(view, plot_.Labels());
    canvas.DrawImage(*background_, area, area, false);
    GraphPainter painter(canvas, smallIcon_, icon_);
    if (const std::optional<TracePoint> trace = ShownTrace()) painter.Trace(view, *trace, SlotColor(plot_.CurrentFunction()));
    painter.ZoomButtons(zoomButtons_);
    painter.Overlay(plot_, view);
}

void GraphWindow::PaintDrag(Canvas& canvas)
{
    const PlotView& view = plot_.View();
    GraphPainter painter(canvas, smallIcon_, icon_);
    if (plot_.Interaction() == InteractionMode::Translate) {
        painter.Backdrop(view);
        painter.RangeLabels(view, plot_.Labels());
        painter.ZoomButtons(zoomButtons_);
    } else {
        if (!background_) PaintFull(canvas);
        const Rect area{0, 0, view.Width(), view.Height()};
        canvas.DrawImage(*background_, area, area, false);
        if (plot_.Interaction() == InteractionMode::Zoom) {
            if (plot_.Moved()) painter.ZoomBox(plot_.DragStart(), plot_.DragCurrent());
        } else if (const std::optional<TracePoint> trace = ShownTrace()) {
            painter.Trace(view, *trace, SlotColor(plot_.CurrentFunction()));
        }
    }
    painter.Overlay(plot_, view);
}

void GraphWindow::PaintGlide(Canvas& canvas)
{
    PlotView frame = plot_.View();
    frame.SetOffsets(frame.XOffset(), glide_.back());
    const auto label = [&](double value) { return ShortRangeLabel(arithmetic_.NumberText(value)); };
    const RangeLabels labels{label(frame.YSpan() - frame.YOffset()), label(-frame.YOffset()), label(-frame.XOffset()),
                             label(frame.XSpan() - frame.XOffset())};
    GraphPainter painter(canvas, smallIcon_, icon_);
    painter.Backdrop(frame);
    painter.RangeLabels(frame, labels);
    painter.ZoomButtons(zoomButtons_);
    painter.Overlay(plot_, frame);
}

bool GraphWindow::SaveImage(const std::string& path)
{
    const PlotView& view = plot_.View();
    if (!Window()) return false;
    std::unique_ptr<Image> image = Window()->CreateImage(view.Width(), view.Height());
    if (!image) return false;
    PaintFull(image->Paint());
    return image->Save(path);
}

void GraphWindow::SaveImageAs()
{
    FileDialogRequest request;
    request.owner = Window();
    request.filters = {{L"Bitmaps (*.bmp)", L"*.bmp"}, {L"PNG images (*.png)", L"*.png"}};
    // Cancelling the dialog is no failure.
    if (ShowSaveDialog(request)) SaveImageTo(request.file);
}

void GraphWindow::SaveImageTo(const std::wstring& path)
{
    if (SaveImage(NarrowUtf8(path))) return;
    Platform().notifier->ShowMessage(L"Unable to save image", L"Graph Error", NotifierIcon::Warning, NotifierButtons::Ok);
}

PixelPoint GraphWindow::InPlotArea(Point point) const
{
    const PlotView& view = plot_.View();
    return {std::clamp(point.x, 0, view.Width() - 1), std::clamp(point.y, 0, view.Height() - 1)};
}

long GraphWindow::OnPenDown(Point point)
{
    StopGlide();
    liftedTrace_.reset();
    if (softKeys_.PenDown(point)) return 1;
    const PixelPoint pixel{point.x, point.y};
    pressedButton_ = zoomButtons_.zoomIn.Contains(pixel)    ? &zoomButtons_.zoomIn
                     : zoomButtons_.zoomOut.Contains(pixel) ? &zoomButtons_.zoomOut
                                                            : nullptr;
    if (!pressedButton_) plot_.PenDown(InPlotArea(point));
    Window()->SetCapture();
    Redraw();
    return 1;
}

long GraphWindow::OnPenMove(Point point)
{
    if (!plot_.Dragging()) return 1;
    plot_.PenMove(InPlotArea(point));
    Redraw();
    return 1;
}

long GraphWindow::OnPenUp(Point point)
{
    Window()->ReleaseCapture();
    if (softKeys_.PenUp(point)) return 1;
    if (pressedButton_) {
        const bool zoomIn = pressedButton_ == &zoomButtons_.zoomIn;
        const bool onButton = pressedButton_->Contains({point.x, point.y});
        pressedButton_ = nullptr;
        if (onButton) Follow(RunGraphCommand(plot_, zoomIn ? GraphCommandZoomIn : GraphCommandZoomOut));
        return 1;
    }
    if (!plot_.Dragging()) return 1;
    const PixelPoint lifted = InPlotArea(point);
    const PlotView before = plot_.View();
    std::optional<TracePoint> trace = ShownTrace();
    plot_.PenUp(lifted);
    const PlotView& after = plot_.View();
    // A lift at an edge scrolls, which leaves the traced point behind.
    if (after.XOffset() == before.XOffset() && after.YOffset() == before.YOffset()) liftedTrace_ = std::move(trace);
    Redraw();
    return 1;
}

long GraphWindow::OnChar(std::uintptr_t first, std::intptr_t)
{
    Follow(TypeGraphCharacter(plot_, static_cast<wchar_t>(first)));
    return 1;
}

long GraphWindow::OnKeyUp(std::uintptr_t first, std::intptr_t)
{
    Follow(ReleaseGraphKey(plot_, static_cast<int>(first)));
    return 1;
}

long GraphWindow::OnCommand(std::uintptr_t first, std::intptr_t)
{
    Follow(RunGraphCommand(plot_, static_cast<int>(first)));
    return 1;
}

long GraphWindow::OnUserMessage(std::uint32_t message, std::uintptr_t, std::intptr_t)
{
    switch (message) {
    case SoftKeyBar::kLeftMessage: Follow(GraphReply::OpenGraphMenu); return 1;
    case SoftKeyBar::kRightMessage: Follow(GraphReply::OpenModeMenu); return 1;
    default: return kNotHandled;
    }
}

long GraphWindow::OnClose(std::uintptr_t, std::intptr_t)
{
    Follow(GraphReply::Close);
    return 1;
}

long GraphWindow::OnDestroy(std::uintptr_t, std::intptr_t)
{
    StopGlide();
    menu_.Close();
    return 1;
}

long GraphWindow::DefaultHandler(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    if (message != WM_MOUSEWHEEL) return WindowBase::DefaultHandler(message, first, second);
    const int delta = WheelDeltaOf(first);
    if (delta == 0 || plot_.Dragging()) return 1;
    StopGlide();
    if (plot_.ZoomAbout(InPlotArea({PointXOf(second), PointYOf(second)}), delta > 0)) {
        liftedTrace_.reset();
        Redraw();
    }
    return 1;
}

std::optional<TracePoint> GraphWindow::ShownTrace()
{
    if (plot_.CurrentFunction() == GraphPlot::kNoFunction || plot_.Interaction() != InteractionMode::PointOnGraph) {
        return std::nullopt;
    }
    return plot_.Dragging() ? std::optional<TracePoint>(plot_.Trace()) : liftedTrace_;
}

}  // namespace tallyx
