#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/mode_panels/date_panel_layout.h"
#include "app/mode_panels/panel_key_sound.h"
#include "app/panel.h"
#include "platform/clock.h"
#include "ui/child_control.h"
#include "ui/face_cache.h"
#include "ui/keypad_grid.h"
#include "worksheets/date_time_interval.h"

namespace tallyx {

// The date and time calculator, which covers the whole window: a start and
// an end, each a date picker and a time picker, and an interval in four
// boxes; a compute button beside each group works it out from the other
// two. Its keypad types into the control that has the focus. The pickers
// show local time; the model keeps UTC.
class DatePanel : public Panel {
public:
    // The controls' ids, which their messages to the window carry.
    static constexpr int kFirstControlId = 700;

    DatePanel();
    // Now is the clock's: for tests.
    explicit DatePanel(const Clock& clock);
    ~DatePanel() override;

    long Draw(Canvas& canvas, const Rect& clip) override;
    long Size(int width, int height) override;
    long PenDown(Point point) override;
    long PenMove(Point point) override;
    long PenUp(Point point) override;
    long UserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    long Attach(const PanelContext& context) override;
    void TypeChanging(int newType) override;
    void DescribeState(std::vector<StateLine>& lines) const override;

    // Each computation first takes what the controls show. False, leaving
    // the controls alone and saying so beside the group, when the result
    // cannot be shown.
    bool Compute(DateGroup group);
    // Start and end now, no interval.
    void Reset();
    const DateTimeInterval& Model() const { return model_; }
    const DatePanelLayout& Layout() const { return layout_; }
    const KeypadGrid& Keypad() const { return keypad_; }
    // The controls in the order they were made: pickers, then the interval boxes.
    std::vector<ChildControl*> Controls() const;

private:
    struct ControlSet {
        std::array<std::unique_ptr<DatePicker>, DateGroupCount> dates;
        std::array<std::unique_ptr<TimePicker>, DateGroupCount> times;
        std::array<std::unique_ptr<EditBox>, IntervalPartCount> interval;
    };

    void CreateControls();
    void PlaceControls();
    void SetVisible(bool visible);
    void ReadControls();
    bool ShowMoment(DateGroup group, const DateTime& universal);
    void ShowInterval();
    void ShowAll();
    void TypeIntoFocused(wchar_t character);
    ChildControl* FocusedControl() const;
    std::optional<DateGroup> ComputeButtonAt(Point point) const;
    std::wstring LocalText(DateGroup group) const;
    std::wstring CaptionOf(DateGroup group) const;

    const Clock& clock_;
    DateTimeInterval model_;
    std::optional<ControlSet> controls_;
    WindowHost* controlsWindow_ = nullptr;
    DatePanelLayout layout_;
    FaceCache faces_;
    KeypadGrid keypad_;
    PanelKeySound keySound_;
    std::optional<DateGroup> pressedCompute_;
    // The group whose result was out of range, until the next computation or Reset.
    std::optional<DateGroup> refused_;
};

}  // namespace tallyx
