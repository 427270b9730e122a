#include "app/mode_panels/date_panel.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <cwchar>

#include "app/calculator_types.h"
#include "app/keypad_view.h"
#include "app/mode_panels/local_time.h"
#include "app/mode_panels/panel_button.h"
#include "app/state_listing.h"
#include "engine/button_types.h"
#include "engine/key_ids.h"
#include "keypad/keypad_layouts.h"
#include "platform/wide_text.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

constexpr std::array<const wchar_t*, DateGroupCount> kGroupCaptions = {L"Start Date/Time", L"Date/Time Inverval",
                                                                      L"End Date/Time"};
constexpr std::array<const char*, DateGroupCount> kGroupNames = {"start", "interval", "end"};
constexpr std::array<const wchar_t*, IntervalPartCount> kPartCaptions = {L"Days", L"Hours", L"Min", L"Sec"};
constexpr std::array<const wchar_t*, IntervalPartCount> kPartNames = {L"days", L"hours", L"minutes", L"seconds"};
// The compute buttons carry a mark, not a word.
constexpr wchar_t kComputeCaption[] = L"=";
constexpr wchar_t kOutOfRange[] = L"Out of range";
constexpr Color kCaptionColor = MakeColor(255, 255, 255);
constexpr Color kFrameShadow = MakeColor(64, 64, 64);
constexpr Color kFrameLight = MakeColor(224, 224, 224);
// Days up to 32635 stay days, the rest are kept as years: the box takes ten digits.
constexpr int kDayDigits = 10;
constexpr int kPartDigits = 5;
constexpr int kLastDigit = 9;

const Clock& MachineClock()
{
    static const SystemClock clock;
    return clock;
}

DateTime Combined(const DateTime& date, const DateTime& time)
{
    DateTime moment = date;
    moment.hour = time.hour;
    moment.minute = time.minute;
    moment.second = time.second;
    moment.milliseconds = 0;
    return moment;
}

// What a box holds as a number: empty is 0, more than fits is the most.
std::int32_t BoxNumber(const std::wstring& text)
{
    const long long value = std::wcstoll(text.c_str(), nullptr, 10);
    return static_cast<std::int32_t>(std::clamp<long long>(value, 0, INT_MAX));
}

std::wstring MomentText(const DateTime& moment)
{
    wchar_t text[32];
    std::swprintf(text, std::size(text), L"%04d-%02d-%02d %02d:%02d:%02d", moment.year, moment.month, moment.day,
                  moment.hour, moment.minute, moment.second);
    return text;
}

// A sunken frame: shadow above and left, light below and right.
void DrawSunkenFrame(Canvas& canvas, const Rect& rect)
{
    canvas.DrawLine({rect.left, rect.top}, {rect.right - 1, rect.top}, kFrameShadow);
    canvas.DrawLine({rect.left, rect.top}, {rect.left, rect.bottom - 1}, kFrameShadow);
    canvas.DrawLine({rect.left, rect.bottom - 1}, {rect.right - 1, rect.bottom - 1}, kFrameLight);
    canvas.DrawLine({rect.right - 1, rect.top}, {rect.right - 1, rect.bottom - 1}, kFrameLight);
}

StateLine ControlLine(const ChildControl& control, bool focused)
{
    StateLine line{"control", {NarrowUtf8(ControlKindName(control.Kind())), NarrowUtf8(control.Identity().name)},
                   control.ValueText(), control.Placement()};
    if (focused) line.marks.push_back("focused");
    return line;
}

}  // namespace

DatePanel::DatePanel() : DatePanel(MachineClock()) {}

DatePanel::DatePanel(const Clock& clock) : clock_(clock), model_(clock.SystemTime()) {}

DatePanel::~DatePanel() = default;

long DatePanel::Attach(const PanelContext& context)
{
    Panel::Attach(context);
    // A new window hosts controls of its own.
    if (context.window != controlsWindow_) {
        controls_.reset();
        controlsWindow_ = context.window;
    }
    if (!controls_ && controlsWindow_) CreateControls();
    SetVisible(true);
    return 1;
}

void DatePanel::TypeChanging(int)
{
    SetVisible(false);
}

void DatePanel::CreateControls()
{
    WindowHost& window = *controlsWindow_;
    ControlSet set;
    int id = kFirstControlId;
    for (const DateGroup group : {DateGroupStart, DateGroupEnd}) {
        const std::wstring name = group == DateGroupStart ? L"start" : L"end";
        set.dates[group] = window.CreateDatePicker({id++, name + L"date"});
        set.times[group] = window.CreateTimePicker({id++, name + L"time"});
    }
    for (std::size_t part = 0; part < IntervalPartCount; ++part) {
        const EditOptions options{part == IntervalDays ? kDayDigits : kPartDigits, true, true};
        set.interval[part] = window.CreateEditBox({id++, kPartNames[part]}, options);
    }
    controls_ = std::move(set);
    ShowAll();
    PlaceControls();
    // The keypad has somewhere to type from the start.
    controls_->interval[IntervalDays]->Focus();
}

std::vector<ChildControl*> DatePanel::Controls() const
{
    std::vector<ChildControl*> controls;
    if (!controls_) return controls;
    for (const DateGroup group : {DateGroupStart, DateGroupEnd}) {
        if (controls_->dates[group]) controls.push_back(controls_->dates[group].get());
        if (controls_->times[group]) controls.push_back(controls_->times[group].get());
    }
    for (const auto& box : controls_->interval) {
        if (box) controls.push_back(box.get());
    }
    return controls;
}

void DatePanel::SetVisible(bool visible)
{
    for (ChildControl* control : Controls()) control->SetVisible(visible);
}

long DatePanel::Size(int width, int height)
{
    const ScreenMetrics metrics = ScreenMetrics::ForClient(width, height);
    const LayoutDef* layout = Context().layouts ? Context().layouts->Layout(CalculatorDateTime) : nullptr;
    layout_ = LayOutDatePanel(metrics, layout ? layout->mainRows : 0, layout ? layout->mainColumns : 0);
    faces_.Clear();
    keypad_.Clear();
    if (layout && Window()) {
        keypad_.Build(layout->mainButtons, layout_.keypad,
                      KeySkin{&Context().layouts->Colors(), &faces_, Window(), metrics.icon});
        keypad_.SetFonts(layout_.keyFonts);
    }
    PlaceControls();
    return 1;
}

void DatePanel::PlaceControls()
{
    if (!controls_) return;
    for (const DateGroup group : {DateGroupStart, DateGroupEnd}) {
        controls_->dates[group]->Place(layout_.datePickers[group]);
        controls_->times[group]->Place(layout_.timePickers[group]);
    }
    for (std::size_t part = 0; part < IntervalPartCount; ++part) controls_->interval[part]->Place(layout_.intervalBoxes[part]);
    for (ChildControl* control : Controls()) control->SetFont(layout_.controlFont);
}

long DatePanel::Draw(Canvas& canvas, const Rect& clip)
{
    if (!Window() || !Context().layouts) return kNotHandled;
    const SkinColors& colors = Context().layouts->Colors();
    const Rect client = Window()->ClientRect();
    canvas.FillRect(client.Intersected(clip), colors.background);
    DrawSunkenFrame(canvas, layout_.form);
    const int icon = ScreenMetrics::ForClient(client.Width(), client.Height()).icon;
    for (std::size_t group = 0; group < DateGroupCount; ++group) {
        canvas.DrawText(CaptionOf(static_cast<DateGroup>(group)), layout_.captions[group], layout_.captionFont, kCaptionColor,
                        TextAlignLeft | TextAlignVCenter | TextEndEllipsis);
        const PanelButton button{kComputeCaption, layout_.computeButtons[group], false, pressedCompute_ == group};
        DrawPanelButton(canvas, button, colors, icon);
    }
    // Some skins' top text colour is meant for keys, not for their background.
    const Color partColor = ReadableOn(colors.background, colors.topText);
    for (std::size_t part = 0; part < IntervalPartCount; ++part) {
        canvas.DrawText(kPartCaptions[part], layout_.partCaptions[part], layout_.partFont, partColor,
                        TextAlignCenter | TextAlignVCenter | TextEndEllipsis);
    }
    keypad_.Draw(canvas, clip);
    return 1;
}

std::optional<DateGroup> DatePanel::ComputeButtonAt(Point point) const
{
    for (const DateGroup group : {DateGroupStart, DateGroupInterval, DateGroupEnd}) {
        if (layout_.computeButtons[group].Contains(point)) return group;
    }
    return std::nullopt;
}

long DatePanel::PenDown(Point point)
{
    pressedCompute_ = ComputeButtonAt(point);
    if (pressedCompute_) {
        keySound_.Play(Context());
        Window()->Invalidate(layout_.computeButtons[*pressedCompute_]);
        return 1;
    }
    if (keypad_.PenDown(point)) {
        keySound_.Play(Context());
        return 1;
    }
    // A tap on a control gives it the focus, also where the pen is only a test's.
    for (ChildControl* control : Controls()) {
        if (control->Placement().Contains(point)) {
            control->Focus();
            return 1;
        }
    }
    return 1;
}

long DatePanel::PenMove(Point point)
{
    keypad_.PenMove(point);
    return 1;
}

long DatePanel::PenUp(Point point)
{
    if (pressedCompute_) {
        const DateGroup pressed = *pressedCompute_;
        pressedCompute_.reset();
        Window()->Invalidate(layout_.computeButtons[pressed]);
        if (ComputeButtonAt(point) == pressed) Compute(pressed);
        return 1;
    }
    // The key goes round by the window, as every key of the keypad does.
    if (const std::optional<ButtonDef> fired = keypad_.PenUp(point)) {
        Window()->PostMessage(KeypadView::kKeyMessage, static_cast<std::uintptr_t>(fired->type), fired->id);
    }
    return 1;
}

long DatePanel::UserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    if (message != KeypadView::kKeyMessage) return kNotHandled;
    const auto type = static_cast<std::int32_t>(first);
    if (type == ButtonTypeEntry && second >= 0 && second <= kLastDigit) {
        TypeIntoFocused(static_cast<wchar_t>(L'0' + second));
    } else if (type == ButtonTypeClear && second == ClearKeyBackSpace) {
        TypeIntoFocused(L'\b');
    } else if (type == ButtonTypeClear && second == ClearKeyReset) {
        Reset();
    }
    // Every other key means nothing here, and must not reach the calculator unseen.
    return 1;
}

ChildControl* DatePanel::FocusedControl() const
{
    if (!Window()) return nullptr;
    ChildControl* focused = Window()->FocusedControl();
    for (ChildControl* control : Controls()) {
        if (control == focused) return control;
    }
    return nullptr;
}

void DatePanel::TypeIntoFocused(wchar_t character)
{
    ChildControl* target = FocusedControl();
    if (!target && controls_) {
        target = controls_->interval[IntervalDays].get();
        target->Focus();
    }
    if (target) target->Type(character);
}

void DatePanel::ReadControls()
{
    if (!controls_) return;
    std::array<DateTime, DateGroupCount> moments;
    for (const DateGroup group : {DateGroupStart, DateGroupEnd}) {
        const DateTime local = Combined(controls_->dates[group]->Date(), controls_->times[group]->Time());
        if (!UniversalFromLocal(local, moments[group])) moments[group] = group == DateGroupStart ? model_.Start() : model_.End();
    }
    model_.SetStart(moments[DateGroupStart]);
    model_.SetEnd(moments[DateGroupEnd]);
    std::array<std::int32_t, IntervalPartCount> parts{};
    for (std::size_t part = 0; part < IntervalPartCount; ++part) parts[part] = BoxNumber(controls_->interval[part]->Text());
    model_.SetInterval(parts[IntervalDays], parts[IntervalHours], parts[IntervalMinutes], parts[IntervalSeconds]);
}

bool DatePanel::Compute(DateGroup group)
{
    ReadControls();
    bool shown = false;
    switch (group) {
    case DateGroupStart: shown = model_.ComputeStart() && ShowMoment(DateGroupStart, model_.Start()); break;
    case DateGroupEnd: shown = model_.ComputeEnd() && ShowMoment(DateGroupEnd, model_.End()); break;
    case DateGroupInterval:
        shown = model_.ComputeInterval();
        if (shown) ShowInterval();
        break;
    case DateGroupCount: break;
    }
    refused_ = shown ? std::nullopt : std::optional<DateGroup>(group);
    if (Window()) Window()->InvalidateAll();
    return shown;
}

bool DatePanel::ShowMoment(DateGroup group, const DateTime& universal)
{
    DateTime local;
    if (!controls_ || !LocalFromUniversal(universal, local)) return false;
    // The time follows only a date the picker took, so the pair never shows half a result.
    return controls_->dates[group]->SetDate(local) && controls_->times[group]->SetTime(local);
}

void DatePanel::ShowInterval()
{
    if (!controls_) return;
    const TimeInterval& interval = model_.Interval();
    const std::array<std::int64_t, IntervalPartCount> parts = {interval.ShownDays(), interval.hours, interval.minutes,
                                                               interval.seconds};
    for (std::size_t part = 0; part < IntervalPartCount; ++part) {
        controls_->interval[part]->SetText(std::to_wstring(parts[part]));
    }
}

void DatePanel::ShowAll()
{
    ShowInterval();
    ShowMoment(DateGroupEnd, model_.End());
    ShowMoment(DateGroupStart, model_.Start());
}

void DatePanel::Reset()
{
    model_.Reset(clock_.SystemTime());
    refused_.reset();
    ShowAll();
    if (Window()) Window()->InvalidateAll();
}

std::wstring DatePanel::CaptionOf(DateGroup group) const
{
    const std::wstring caption = kGroupCaptions[group];
    return refused_ == group ? caption + L": " + kOutOfRange : caption;
}

std::wstring DatePanel::LocalText(DateGroup group) const
{
    if (!controls_) return L"";
    return MomentText(Combined(controls_->dates[group]->Date(), controls_->times[group]->Time()));
}

void DatePanel::DescribeState(std::vector<StateLine>& lines) const
{
    lines.push_back({"panel", {"date"}});
    lines.push_back({"start", {}, LocalText(DateGroupStart)});
    lines.push_back({"end", {}, LocalText(DateGroupEnd)});
    std::vector<std::string> parts;
    for (const ChildControl* control : Controls()) {
        if (control->Kind() == ControlKind::Edit) parts.push_back(std::to_string(BoxNumber(control->ValueText())));
    }
    if (!parts.empty()) lines.push_back({"interval", parts});
    if (refused_) lines.push_back({"status", {}, CaptionOf(*refused_)});
    for (const DateGroup group : {DateGroupStart, DateGroupInterval, DateGroupEnd}) {
        lines.push_back({"compute", {kGroupNames[group]}, std::nullopt, layout_.computeButtons[group]});
    }
    const ChildControl* focused = FocusedControl();
    for (const ChildControl* control : Controls()) lines.push_back(ControlLine(*control, control == focused));
    if (focused) lines.push_back({"focus", {NarrowUtf8(focused->Identity().name)}});
}

}  // namespace tallyx
