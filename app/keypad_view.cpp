#include "app/keypad_view.h"

#include <cstdlib>
#include <utility>

#include "app/calculator_types.h"
#include "app/display_painter.h"
#include "engine/calc_engine.h"
#include "engine/indicator_taps.h"
#include "keypad/keypad_layouts.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

// A held press that moves further than this is no tap and hold.
constexpr int kHoldSlop = 4;

// Types whose mode panel covers the whole window.
bool IsFullPanelType(int type)
{
    return type == CalculatorUnits || type == CalculatorCurrencies || type == CalculatorDateTime;
}

}  // namespace

KeypadView::KeypadView(CalcEngine& engine, NumberFormatter& formatter, const KeypadLayouts& layouts,
                       const PanelSettings& settings, KeypadViewOwner& owner)
    : engine_(engine),
      formatter_(formatter),
      layouts_(layouts),
      settings_(settings),
      owner_(owner),
      metrics_(ScreenMetrics::ForClient(480, 640)),
      shiftState_(engine.GetShiftState())
{
}

void KeypadView::SetWindow(WindowHost* window)
{
    window_ = window;
    softKeys_.SetWindow(window);
}

void KeypadView::Resize(int width, int height)
{
    metrics_ = ScreenMetrics::ForClient(width, height);
    Rebuild();
}

void KeypadView::Show(int type, Panel* modePanel)
{
    type_ = type;
    modePanel_ = modePanel;
    Rebuild();
}

void KeypadView::Rebuild()
{
    geometry_ = ComputeKeypadGeometry(metrics_, layouts_.CurrentLayout());
    softKeys_.Place(geometry_, layouts_.SkinIndex());
    BuildKeys();
}

void KeypadView::BuildKeys()
{
    ++builds_;
    ReleaseKeys();
    const LayoutDef* layout = layouts_.CurrentLayout();
    if (!layout || !KeypadShown()) return;
    const KeySkin skin{&layouts_.Colors(), &faces_, window_, metrics_.icon};
    mainGrid_.Build(layout->mainButtons, geometry_.mainGrid, skin);
    mainGrid_.SetFonts(geometry_.mainFonts);
    const std::array<const std::vector<ButtonDef>*, SetCount> sets = {
        &layout->alternateButtons, &layout->secondButtons, &layout->hyperbolicButtons, &layout->hyperbolicSecondButtons};
    for (std::size_t set = 0; set < SetCount; ++set) {
        alternateGrids_[set].Build(*sets[set], geometry_.alternateGrid, skin);
        alternateGrids_[set].SetFonts(geometry_.alternateFonts);
    }
}

void KeypadView::ReleaseKeys()
{
    mainGrid_.Clear();
    for (KeypadGrid& grid : alternateGrids_) grid.Clear();
    faces_.Clear();
}

KeypadGrid& KeypadView::ShownAlternateGrid()
{
    switch (shiftState_) {
    case ShiftStateSecond: return alternateGrids_[SetSecond];
    case ShiftStateHyp: return alternateGrids_[SetHyperbolic];
    case ShiftStateHypSecond: return alternateGrids_[SetHyperbolicSecond];
    default: return alternateGrids_[SetAlternate];
    }
}

const KeypadGrid& KeypadView::AlternateGrid() const
{
    return const_cast<KeypadView*>(this)->ShownAlternateGrid();
}

bool KeypadView::KeypadShown() const
{
    return !IsFullPanelType(type_);
}

void KeypadView::Draw(Canvas& canvas, const Rect& clip)
{
    DrawLive(canvas, clip);
    if (transition_.Active()) transition_.Draw(canvas);
}

void KeypadView::DrawLive(Canvas& canvas, const Rect& clip)
{
    const Rect client{0, 0, metrics_.width, metrics_.height};
    canvas.FillRect(client.Intersected(clip), layouts_.Colors().background);
    if (modePanel_) modePanel_->Draw(canvas, clip);
    if (KeypadShown()) {
        mainGrid_.Draw(canvas, clip);
        ShownAlternateGrid().Draw(canvas, clip);
        // The graph panel's function list takes the display's place.
        const bool showsDisplay = type_ != CalculatorGraphing;
        if (showsDisplay &&
            (!geometry_.display.Intersected(clip).IsEmpty() || !geometry_.indicators[0].Intersected(clip).IsEmpty())) {
            DisplayPainter(geometry_, layouts_.Colors(), engine_, formatter_, settings_.regional).Draw(canvas);
        }
    }
    softKeys_.SetMenuOpen(owner_.MenuOpen());
    softKeys_.Draw(canvas);
}

std::unique_ptr<Image> KeypadView::Snapshot()
{
    if (!window_ || metrics_.width <= 0 || metrics_.height <= 0) return nullptr;
    std::unique_ptr<Image> image = window_->CreateImage(metrics_.width, metrics_.height);
    if (image) DrawLive(image->Paint(), {0, 0, metrics_.width, metrics_.height});
    return image;
}

void KeypadView::StartTransition(std::unique_ptr<Image> from, SlideDirection direction,
                                 std::chrono::milliseconds duration)
{
    StartTransition(std::move(from), {0, 0, metrics_.width, metrics_.height}, direction, duration);
}

void KeypadView::StartTransition(std::unique_ptr<Image> from, const Rect& area, SlideDirection direction,
                                 std::chrono::milliseconds duration)
{
    std::unique_ptr<Image> to = Snapshot();
    if (!from || !to) return;
    transition_.Start(std::move(from), std::move(to), area, direction, duration);
    window_->SetTimer(kTransitionTimer, kTransitionFrameMilliseconds);
    window_->Invalidate(area);
}

long KeypadView::PenDown(Point point)
{
    if (softKeys_.PenDown(point)) return 1;
    if (modePanel_ && modePanel_->PenDown(point) != Panel::kNotHandled) return 1;
    penOnDisplay_ = KeypadShown() && geometry_.display.Contains(point);
    if (mainGrid_.PenDown(point) || ShownAlternateGrid().PenDown(point)) {
        keySound_.Play(settings_.playSounds);
        return 1;
    }
    holdPoint_ = point;
    if (window_) window_->SetTimer(kHoldTimer, kHoldMilliseconds);
    return 1;
}

long KeypadView::PenMove(Point point)
{
    if (holdPoint_ && (std::abs(point.x - holdPoint_->x) > kHoldSlop || std::abs(point.y - holdPoint_->y) > kHoldSlop)) {
        StopHold();
    }
    if (modePanel_) modePanel_->PenMove(point);
    mainGrid_.PenMove(point);
    ShownAlternateGrid().PenMove(point);
    return 1;
}

long KeypadView::PenUp(Point point)
{
    StopHold();
    if (softKeys_.PenUp(point)) return 1;
    if (modePanel_ && modePanel_->PenUp(point) != Panel::kNotHandled) return 1;
    const bool displayTap = penOnDisplay_ && geometry_.display.Contains(point);
    penOnDisplay_ = false;
    if (displayTap) {
        TapDisplay(point);
        return 1;
    }
    std::optional<ButtonDef> fired = mainGrid_.PenUp(point);
    if (std::optional<ButtonDef> alternate = ShownAlternateGrid().PenUp(point)) fired = alternate;
    if (fired) {
        InvalidateDisplay();
        if (window_) window_->PostMessage(kKeyMessage, static_cast<std::uintptr_t>(fired->type), fired->id);
    }
    return 1;
}

void KeypadView::StopHold()
{
    if (!holdPoint_) return;
    holdPoint_.reset();
    if (window_) window_->KillTimer(kHoldTimer);
}

void KeypadView::TapDisplay(Point point)
{
    const auto& indicators = geometry_.indicators;
    if (indicators[IndicatorNotation].Contains(point)) {
        TapNotationIndicator(engine_, formatter_);
    } else if (indicators[IndicatorAngle].Contains(point)) {
        TapAngleIndicator(engine_);
    } else if (indicators[IndicatorBase].Contains(point)) {
        TapBaseIndicator(engine_, type_ == CalculatorBase);
    } else if (indicators[IndicatorMemory].Contains(point)) {
        TapMemoryIndicator(engine_, layouts_.AdvancedMemory());
    } else if (engine_.GetMode() == CalcModeRpn) {
        owner_.ShowRpnStack();
    }
    if (window_) window_->Invalidate(geometry_.display);
}

long KeypadView::Timer(std::uintptr_t timer)
{
    if (!window_) return Panel::kNotHandled;
    if (timer == kHoldTimer) {
        window_->KillTimer(kHoldTimer);
        const std::optional<Point> held = std::exchange(holdPoint_, std::nullopt);
        if (held) owner_.ShowContextMenu(*held);
        return 1;
    }
    if (timer != kTransitionTimer) return Panel::kNotHandled;
    if (!transition_.Active()) window_->KillTimer(kTransitionTimer);
    window_->Invalidate(transition_.Area());
    return 1;
}

void KeypadView::FollowShiftState()
{
    const int state = engine_.GetShiftState();
    if (state == shiftState_) return;
    std::unique_ptr<Image> from = settings_.animateShift ? Snapshot() : nullptr;
    shiftState_ = state;
    if (from) {
        // The new set comes in from the side the area grows from; back to no shift it leaves that way.
        const bool toNone = state == ShiftStateNone;
        const SlideDirection direction = metrics_.Landscape() ? (toNone ? SlideDirection::FromLeft : SlideDirection::FromRight)
                                                              : (toNone ? SlideDirection::FromBottom : SlideDirection::FromTop);
        StartTransition(std::move(from), geometry_.alternateArea, direction, KeypadTransition::kShiftSlide);
    }
    if (window_) {
        window_->Invalidate(geometry_.alternateArea);
        for (const Rect& indicator : geometry_.indicators) window_->Invalidate(indicator);
    }
}

void KeypadView::InvalidateDisplay()
{
    if (window_ && KeypadShown()) window_->Invalidate(geometry_.display);
}

void KeypadView::InvalidateNotation()
{
    if (window_) window_->Invalidate(geometry_.indicators[IndicatorNotation]);
}

}  // namespace tallyx
