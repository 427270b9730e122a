#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "app/key_sound.h"
#include "app/keypad_geometry.h"
#include "app/keypad_settings.h"
#include "app/keypad_transition.h"
#include "app/panel.h"
#include "app/soft_key_bar.h"
#include "ui/face_cache.h"
#include "ui/keypad_grid.h"

namespace tallyx {

class CalcEngine;
class KeypadLayouts;
class NumberFormatter;
class WindowHost;

// What the view leaves to the window it sits in.
class KeypadViewOwner {
public:
    virtual ~KeypadViewOwner() = default;
    // A tap on the display away from its indicators in R.P.N. entry.
    virtual void ShowRpnStack() = 0;
    // A press held on no key.
    virtual void ShowContextMenu(Point point) = 0;
    // While a drawn menu is open the soft-key bar offers only Cancel.
    virtual bool MenuOpen() const = 0;
};

// The drawn calculator: display with its indicators, the alternate and main
// key areas and the soft-key bar, with the current mode panel drawn among
// them. Turns the pen into key presses, indicator taps and soft-key messages,
// and plays the transitions between key sets, types and skins.
class KeypadView {
public:
    static constexpr std::uint32_t kKeyMessage = 1147;
    static constexpr std::uintptr_t kTransitionTimer = 1;
    static constexpr int kTransitionFrameMilliseconds = 16;
    static constexpr std::uintptr_t kHoldTimer = 2;
    // A press held this long without moving opens the Copy/Paste menu.
    static constexpr int kHoldMilliseconds = 500;

    KeypadView(CalcEngine& engine, NumberFormatter& formatter, const KeypadLayouts& layouts,
               const PanelSettings& settings, KeypadViewOwner& owner);

    void SetWindow(WindowHost* window);
    // Lays everything out for a new client size.
    void Resize(int width, int height);
    // Shows a calculator type with its mode panel (none for the keypad types).
    void Show(int type, Panel* modePanel);
    // Lays out and builds the keys again for the current layout and skin.
    void Rebuild();
    void ReleaseKeys();

    void Draw(Canvas& canvas, const Rect& clip);
    // Each answers kNotHandled when the point meant nothing to the view.
    long PenDown(Point point);
    long PenMove(Point point);
    long PenUp(Point point);
    long Timer(std::uintptr_t timer);

    // Shows the key set of the engine's shift state, sliding it in when that is wished.
    void FollowShiftState();
    void InvalidateDisplay();
    void InvalidateNotation();

    // The window as it would be drawn now, and a transition from an earlier picture to it.
    std::unique_ptr<Image> Snapshot();
    void StartTransition(std::unique_ptr<Image> from, SlideDirection direction, std::chrono::milliseconds duration);

    const ScreenMetrics& Metrics() const { return metrics_; }
    const KeypadGeometry& Geometry() const { return geometry_; }
    const KeypadGrid& MainGrid() const { return mainGrid_; }
    // The alternate keys of the current shift state.
    const KeypadGrid& AlternateGrid() const;
    const std::vector<KeyButton>& MainKeys() const { return mainGrid_.Keys(); }
    const std::vector<KeyButton>& AlternateKeys() const { return AlternateGrid().Keys(); }
    KeypadTransition& Transition() { return transition_; }
    SoftKeyBar& SoftKeys() { return softKeys_; }
    // How often the keys were built, to tell that a change left them alone.
    int Builds() const { return builds_; }

private:
    enum AlternateSet : std::size_t { SetAlternate, SetSecond, SetHyperbolic, SetHyperbolicSecond, SetCount };

    KeypadGrid& ShownAlternateGrid();
    bool KeypadShown() const;
    void BuildKeys();
    void DrawLive(Canvas& canvas, const Rect& clip);
    void StartTransition(std::unique_ptr<Image> from, const Rect& area, SlideDirection direction,
                         std::chrono::milliseconds duration);
    void TapDisplay(Point point);
    void StopHold();

    CalcEngine& engine_;
    NumberFormatter& formatter_;
    const KeypadLayouts& layouts_;
    const PanelSettings& settings_;
    KeypadViewOwner& owner_;
    WindowHost* window_ = nullptr;
    int type_ = -1;
    Panel* modePanel_ = nullptr;
    ScreenMetrics metrics_;
    KeypadGeometry geometry_;
    SoftKeyBar softKeys_;
    FaceCache faces_;
    KeypadGrid mainGrid_;
    std::array<KeypadGrid, SetCount> alternateGrids_;
    KeypadTransition transition_;
    KeySound keySound_;
    int shiftState_;
    int builds_ = 0;
    bool penOnDisplay_ = false;
    std::optional<Point> holdPoint_;
};

}  // namespace tallyx
