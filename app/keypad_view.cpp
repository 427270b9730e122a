#include "keypad/panel/keypad_panel.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/about_window.h"
#include "app/calculator_types.h"
#include "app/desktop_viewer.h"
#include "app/help.h"
#include "app/options_dialog.h"
#include "engine/calc_engine.h"
#include "engine/key_ids.h"
#include "engine/number_formatter.h"
#include "keypad/panel/constant_favourites_menu.h"
#include "keypad/panel/display_indicators.h"
#include "keypad/panel/display_painter.h"
#include "keypad/skin_catalogue.h"
#include "platform/number_text.h"
#include "platform/registry.h"
#include "platform/services.h"
#include "platform/window_messages.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

constexpr int kDecimalBase = 10;
constexpr int kShortCaption = 3;
constexpr int kLongCaption = 5;
constexpr std::uint32_t kCopyCommand = 32766;
constexpr std::uint32_t kPasteCommand = 32767;
constexpr std::uint32_t kRegionalCommand = 32772;
constexpr std::uint32_t kExitCommand = 20211;
constexpr std::int32_t kCopyId = 0;
constexpr std::int32_t kPasteId = 2;
constexpr std::int32_t kClearAll = 0;
constexpr std::int32_t kAngleKeyId = 12;
constexpr std::uint32_t kOptionsCommand = 32773;
constexpr std::uint32_t kViewTapeCommand = 32768;
constexpr std::uint32_t kFileMenuCommand = 20201;
constexpr std::uint32_t kTypeMenuCommand = 20203;
constexpr std::uint32_t kNoCommand = 0xFFFFFFFF;
constexpr std::uint32_t kAboutCommand = 32763;
constexpr std::uint32_t kHelpCommand = 32764;
constexpr unsigned kFileMenuStyle = 13;
constexpr unsigned kTypeMenuStyle = 29;
constexpr int kRpnMenuMostLevels = 10;
constexpr int kRpnMenuTallFrom = 6;
// A held press that moves further than this is no tap and hold.
constexpr int kHoldSlop = 4;

struct MenuItemDef {
    const wchar_t* text;  // none: a separator
    std::uint32_t command;
};

constexpr std::array kFileMenu = {
    MenuItemDef{L"Copy", kCopyCommand},      MenuItemDef{L"Paste", kPasteCommand},
    MenuItemDef{nullptr, 0},                 MenuItemDef{L"View Tape...", kViewTapeCommand},
    MenuItemDef{L"Update Currencies", CurrencyPanel::kUpdateCommand}, MenuItemDef{nullptr, 0},
    MenuItemDef{L"Help...", kHelpCommand},   MenuItemDef{L"About...", kAboutCommand},
    MenuItemDef{L"Options...", kOptionsCommand}, MenuItemDef{nullptr, 0},
    MenuItemDef{L"Exit", kExitCommand},
};

constexpr std::array kContextMenu = {MenuItemDef{L"Copy", kCopyCommand}, MenuItemDef{L"Paste", kPasteCommand}};

// The labels of the bottom four stack rows, X last.
constexpr std::array kStackLabels = {L"T:", L"Z:", L"Y:", L"X:"};

// Types whose mode panel covers the whole window.
bool IsFullPanelType(int type)
{
    return type == CalculatorUnits || type == CalculatorCurrencies || type == CalculatorDateTime;
}

// The engine runs the graph type in Expression mode, the unit and currency
// types in Algebraic mode when the chosen mode is Expression.
int EngineModeFor(int type, int mode)
{
    if (type == CalculatorGraphing) return CalcModeExpression;
    if ((type == CalculatorUnits || type == CalculatorCurrencies) && mode == CalcModeExpression) return CalcModeAlgebraic;
    return mode;
}

// Scientific has a layout of its own for RPN entry.
int TypeForMode(int type, int mode)
{
    if (type == CalculatorScientific && mode == CalcModeRpn) return CalculatorScientificRpn;
    if (type == CalculatorScientificRpn && mode != CalcModeRpn) return CalculatorScientific;
    return type;
}

std::size_t CaptionLength(const ButtonDef& button)
{
    return std::wstring_view(button.caption ? button.caption : L"").size();
}

bool HasRaised(const ButtonDef& button)
{
    return button.raisedCaption && *button.raisedCaption;
}

}  // namespace

KeypadPanel::KeypadPanel(CalcEngine& engine, NumberFormatter& formatter, Registry& registry)
    : engine_(engine), formatter_(formatter), registry_(registry), metrics_(ScreenMetrics::ForClient(480, 640))
{
    settings_ = ReadPanelSettings(registry_);
    engine_.SetTapeRecording(settings_.useTape);
    if (layouts_.SetSkin(settings_.skin, false) != StatusOk) {
        settings_.skin = 0;
        layouts_.SetSkin(settings_.skin, false);
    }
    const int storedType = settings_.calculatorType;
    settings_.calculatorType = kNoLayout;
    const int wanted = storedType >= CalculatorStandard && storedType <= CalculatorStatistics ? storedType
                                                                                              : CalculatorStandard;
    if (!SwitchType(TypeForMode(wanted, settings_.entryMode)) && !SwitchType(CalculatorStandard)) {
        // A custom skin that cannot be read falls back to the built-in one.
        settings_.skin = 0;
        layouts_.SetSkin(0, true);
        SwitchType(CalculatorStandard);
    }
    ReadEngineSettings(registry_, engine_, formatter_);
    shiftState_ = engine_.GetShiftState();
}

KeypadPanel::~KeypadPanel()
{
    SaveSettings();
}

void KeypadPanel::SaveSettings()
{
    settings_.skin = layouts_.SkinIndex();
    settings_.advancedMemory = layouts_.AdvancedMemory();
    tallyx::SaveSettings(registry_, settings_, engine_, formatter_);
}

long KeypadPanel::SetWindow(WindowHost* window)
{
    Panel::SetWindow(window);
    softKeys_.SetWindow(window);
    Rebuild();
    AttachModePanel();
    return 1;
}

Panel* KeypadPanel::ModePanel(int type)
{
    switch (type) {
    case CalculatorGraphing: return &graphPanel_;
    case CalculatorUnits: return &unitPanel_;
    case CalculatorCurrencies: return &currencyPanel_;
    case CalculatorDateTime: return &datePanel_;
    case CalculatorConstants: return &constantsPanel_;
    default: return nullptr;
    }
}

void KeypadPanel::AttachModePanel()
{
    Panel* panel = ModePanel(settings_.calculatorType);
    if (!panel || !Window()) return;
    PanelContext context;
    context.engine = &engine_;
    context.keyMapper = &keyMapper_;
    context.layouts = &layouts_;
    context.menuWindow = &menu_;
    context.softKeyBar = &softKeys_;
    context.constants = &constants_;
    context.window = Window();
    panel->Attach(context);
    panel->Size(metrics_.width, metrics_.height);
}

void KeypadPanel::ApplyEntryMode()
{
    engine_.SetMode(EngineModeFor(settings_.calculatorType, settings_.entryMode));
}

bool KeypadPanel::SwitchType(int type)
{
    const int wanted = TypeForMode(type, settings_.entryMode);
    if (wanted == settings_.calculatorType) return true;
    if (Panel* leaving = ModePanel(settings_.calculatorType)) leaving->TypeChanging(wanted);
    if (layouts_.SetCurrentLayout(wanted) != StatusOk) return false;
    settings_.calculatorType = wanted;
    ApplyEntryMode();
    if (wanted != CalculatorBase && (engine_.GetBase() != kDecimalBase || engine_.IsBcdMode())) {
        engine_.PressButton(ButtonTypeBase, kDecimalBase);
    }
    if (wanted == CalculatorGraphing) engine_.PressButton(ButtonTypeClear, kClearAll);
    Rebuild();
    AttachModePanel();
    if (Window()) {
        Window()->SetTitle(WindowTitleFor(wanted));
        Window()->InvalidateAll();
    }
    return true;
}

long KeypadPanel::Size(int width, int height)
{
    metrics_ = ScreenMetrics::ForClient(width, height);
    Rebuild();
    for (Panel* panel : {static_cast<Panel*>(&graphPanel_), static_cast<Panel*>(&unitPanel_),
                         static_cast<Panel*>(&currencyPanel_), static_cast<Panel*>(&datePanel_),
                         static_cast<Panel*>(&constantsPanel_)}) {
        panel->Size(width, height);
    }
    return 1;
}

void KeypadPanel::Rebuild()
{
    geometry_ = ComputeKeypadGeometry(metrics_, layouts_.CurrentLayout());
    softKeys_.Place(geometry_, layouts_.SkinIndex());
    BuildKeys();
}

std::vector<KeyButton> KeypadPanel::MakeKeys(const std::vector<ButtonDef>& buttons, const std::vector<Rect>& rects)
{
    std::vector<KeyButton> keys;
    const SkinColors& colors = layouts_.Colors();
    const std::size_t count = std::min(buttons.size(), rects.size());
    for (std::size_t index = 0; index < count; ++index) {
        const ButtonDef& button = buttons[index];
        const Rect& rect = rects[index];
        const ColorSet& set = colors.SetForStyle(button.style);
        std::shared_ptr<const Image> face =
            Window() ? faces_.FaceFor(*Window(), {rect.Width(), rect.Height()}, button.style, colors.faceStyle, set,
                                      metrics_.icon)
                     : nullptr;
        keys.emplace_back(button, rect, set, colors.shadow, std::move(face), Window());
    }
    return keys;
}

void KeypadPanel::BuildKeys()
{
    faces_.Clear();
    mainKeys_.clear();
    for (auto& set : alternateKeys_) set.clear();
    const LayoutDef* layout = layouts_.CurrentLayout();
    if (!layout || !KeypadShown()) return;
    mainKeys_ = MakeKeys(layout->mainButtons, geometry_.mainKeys);
    alternateKeys_[SetAlternate] = MakeKeys(layout->alternateButtons, geometry_.alternateKeys);
    alternateKeys_[SetSecond] = MakeKeys(layout->secondButtons, geometry_.alternateKeys);
    alternateKeys_[SetHyperbolic] = MakeKeys(layout->hyperbolicButtons, geometry_.alternateKeys);
    alternateKeys_[SetHyperbolicSecond] = MakeKeys(layout->hyperbolicSecondButtons, geometry_.alternateKeys);
}

std::vector<KeyButton>& KeypadPanel::ShownAlternateKeys()
{
    switch (shiftState_) {
    case ShiftStateSecond: return alternateKeys_[SetSecond];
    case ShiftStateHyp: return alternateKeys_[SetHyperbolic];
    case ShiftStateHypSecond: return alternateKeys_[SetHyperbolicSecond];
    default: return alternateKeys_[SetAlternate];
    }
}

const std::vector<KeyButton>& KeypadPanel::AlternateKeys() const
{
    return const_cast<KeypadPanel*>(this)->ShownAlternateKeys();
}

bool KeypadPanel::KeypadShown() const
{
    return !IsFullPanelType(settings_.calculatorType);
}

bool KeypadPanel::DisplayShown() const
{
    return KeypadShown();
}

const FontSpec& KeypadPanel::CaptionFont(const KeyButton& key, bool main) const
{
    const KeyFonts& fonts = geometry_.keyFonts;
    const std::size_t length = CaptionLength(key.Button());
    if (main) return length < kShortCaption ? fonts.mainShort : fonts.mainLong;
    if (HasRaised(key.Button())) return fonts.alternateMiddle;
    if (length < kShortCaption) return fonts.alternateShort;
    return length >= kLongCaption ? fonts.alternateLong : fonts.alternateMiddle;
}

long KeypadPanel::Draw(Canvas& canvas, const Rect& clip)
{
    DrawLive(canvas, clip);
    if (transition_.Active()) transition_.Draw(canvas);
    return 1;
}

std::unique_ptr<Image> KeypadPanel::Snapshot()
{
    if (!Window() || metrics_.width <= 0 || metrics_.height <= 0) return nullptr;
    std::unique_ptr<Image> image = Window()->CreateImage(metrics_.width, metrics_.height);
    if (image) DrawLive(image->Paint(), {0, 0, metrics_.width, metrics_.height});
    return image;
}

void KeypadPanel::StartTransition(std::unique_ptr<Image> from, const Rect& area, SlideDirection direction,
                                  std::chrono::milliseconds duration)
{
    std::unique_ptr<Image> to = Snapshot();
    if (!from || !to) return;
    transition_.Start(std::move(from), std::move(to), area, direction, duration);
    Window()->SetTimer(kTransitionTimer, kTransitionFrameMilliseconds);
    Window()->Invalidate(area);
}

void KeypadPanel::SlideToType(int type, bool forward)
{
    std::unique_ptr<Image> from = Snapshot();
    const int before = settings_.calculatorType;
    if (!SwitchType(type) || before == settings_.calculatorType) return;
    StartTransition(std::move(from), {0, 0, metrics_.width, metrics_.height},
                    forward ? SlideDirection::FromRight : SlideDirection::FromLeft, KeypadTransition::kTypeSlide);
}

void KeypadPanel::DrawLive(Canvas& canvas, const Rect& clip)
{
    const Rect client{0, 0, metrics_.width, metrics_.height};
    canvas.FillRect(client.Intersected(clip), layouts_.Colors().background);
    Panel* modePanel = ModePanel(settings_.calculatorType);
    if (modePanel) modePanel->Draw(canvas, clip);
    if (!IsFullPanelType(settings_.calculatorType)) {
        DrawKeys(canvas, clip);
        if (!geometry_.display.Intersected(clip).IsEmpty() || !geometry_.indicators[0].Intersected(clip).IsEmpty()) {
            DisplayPainter(geometry_, layouts_.Colors(), engine_, formatter_, settings_.regional).Draw(canvas);
        }
    }
    softKeys_.SetMenuOpen(menu_.IsOpen());
    softKeys_.Draw(canvas);
}

void KeypadPanel::DrawKeys(Canvas& canvas, const Rect& clip)
{
    for (const KeyButton& key : mainKeys_) {
        if (!key.Bounds().Intersected(clip).IsEmpty()) key.Draw(canvas, CaptionFont(key, true));
    }
    for (const KeyButton& key : ShownAlternateKeys()) {
        if (!key.Bounds().Intersected(clip).IsEmpty()) key.Draw(canvas, CaptionFont(key, false));
    }
}

long KeypadPanel::PenDown(Point point)
{
    if (menu_.IsOpen()) return 1;
    if (softKeys_.PenDown(point)) return 1;
    if (Panel* panel = ModePanel(settings_.calculatorType); panel && panel->PenDown(point) != kNotHandled) return 1;
    penOnDisplay_ = DisplayShown() && geometry_.display.Contains(point);
    for (auto* keys : {&mainKeys_, &ShownAlternateKeys()}) {
        for (KeyButton& key : *keys) {
            if (!key.PenDown(point)) continue;
            keySound_.Play(settings_.playSounds);
            return 1;
        }
    }
    holdPoint_ = point;
    if (Window()) Window()->SetTimer(kHoldTimer, kHoldMilliseconds);
    return 1;
}

long KeypadPanel::PenMove(Point point)
{
    if (menu_.IsOpen()) return 1;
    if (holdPoint_ && (std::abs(point.x - holdPoint_->x) > kHoldSlop || std::abs(point.y - holdPoint_->y) > kHoldSlop)) {
        holdPoint_.reset();
        if (Window()) Window()->KillTimer(kHoldTimer);
    }
    for (KeyButton& key : mainKeys_) key.PenMove(point);
    for (KeyButton& key : ShownAlternateKeys()) key.PenMove(point);
    return 1;
}

long KeypadPanel::PenUp(Point point)
{
    if (menu_.IsOpen()) return 1;
    if (holdPoint_) {
        holdPoint_.reset();
        if (Window()) Window()->KillTimer(kHoldTimer);
    }
    if (softKeys_.PenUp(point)) return 1;
    if (Panel* panel = ModePanel(settings_.calculatorType); panel && panel->PenUp(point) != kNotHandled) return 1;
    if (penOnDisplay_ && geometry_.display.Contains(point)) {
        penOnDisplay_ = false;
        TapDisplay(point);
        return 1;
    }
    penOnDisplay_ = false;
    auto fire = [&](std::vector<KeyButton>& keys) {
        for (KeyButton& key : keys) {
            if (!key.PenUp(point)) continue;
            InvalidateDisplay();
            if (Window()) Window()->PostMessage(kKeyMessage, static_cast<std::uintptr_t>(key.Button().type), key.Button().id);
        }
    };
    fire(mainKeys_);
    fire(ShownAlternateKeys());
    return 1;
}

void KeypadPanel::TapDisplay(Point point)
{
    const auto& indicators = geometry_.indicators;
    const bool decimal = engine_.GetBase() == kDecimalBase;
    Rect repaint = geometry_.display;
    if (indicators[IndicatorNotation].Contains(point)) {
        if (decimal) {
            formatter_.SetNotation(NextTappedNotation(formatter_.GetNotation()));
        } else {
            engine_.SetWordSize(NextTappedWordSize(engine_.GetWordSize()));
        }
    } else if (indicators[IndicatorAngle].Contains(point)) {
        if (decimal) engine_.PressButton(ButtonTypeFunction, kAngleKeyId);
    } else if (indicators[IndicatorBase].Contains(point)) {
        if (settings_.calculatorType == CalculatorBase) engine_.PressButton(ButtonTypeBase, NextTappedBase(engine_.GetBase()));
    } else if (indicators[IndicatorMemory].Contains(point)) {
        std::wstring text;
        if (layouts_.AdvancedMemory()) {
            for (int slot = 0; slot < MemorySlots::kSlots; ++slot) {
                text += L"Memory" + FormatInteger(slot) + L": " + engine_.Memories().Text(slot) + L"\n";
            }
            Platform().notifier->ShowMessage(text, L"Tallyx Memory", NotifierIcon::Information, NotifierButtons::Ok);
        } else if (engine_.IsMemoryUsed(0)) {
            Platform().notifier->ShowMessage(L"Memory: " + engine_.Memories().Text(0), L"Tallyx",
                                             NotifierIcon::Information, NotifierButtons::Ok);
        }
    } else if (engine_.GetMode() == CalcModeRpn && engine_.Rpn().Depth() + 1 <= kRpnMenuMostLevels) {
        ShowRpnStackMenu();
    }
    if (Window()) Window()->Invalidate(repaint);
}

void KeypadPanel::InvalidateDisplay()
{
    if (Window() && DisplayShown()) Window()->Invalidate(geometry_.display);
}

void KeypadPanel::FireKey(std::int32_t type, std::int32_t id)
{
    if (type == ButtonTypeWorksheet || (type == ButtonTypeGraph && id == 0)) return;
    if (type == ButtonTypeShift && id == ShiftKeyConstants) ShowConstantFavourites();
    engine_.PressButton(type, id);
    FollowShiftState();
    InvalidateDisplay();
}

void KeypadPanel::FollowShiftState()
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
    if (Window()) {
        Window()->Invalidate(geometry_.alternateArea);
        for (const Rect& indicator : geometry_.indicators) Window()->Invalidate(indicator);
    }
}

long KeypadPanel::UserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    switch (message) {
    case kKeyMessage:
        if (settings_.calculatorType == CalculatorCurrencies &&
            currencyPanel_.UserMessage(message, first, second) != kNotHandled) {
            return 1;
        }
        FireKey(static_cast<std::int32_t>(first), static_cast<std::int32_t>(second));
        return 1;
    case SoftKeyBar::kLeftMessage: return ShowFileMenu();
    case SoftKeyBar::kRightMessage: return ShowViewMenu();
    case SoftKeyBar::kMiddleMessage: SwitchType(layouts_.PreviousIndex()); return 1;
    // The update reports even after the user has moved on to another type.
    case kRateUpdateMessage: return currencyPanel_.UserMessage(message, first, second);
    default: return kNotHandled;
    }
}

long KeypadPanel::Char(wchar_t character)
{
    const std::optional<MappedKey> key = keyMapper_.MapCharacter(character, engine_.GetBase());
    if (!key) return kNotHandled;
    if (key->press) {
        engine_.HandleButton(key->type, key->id);
        FollowShiftState();
    }
    if (Window()) Window()->InvalidateAll();
    return 1;
}

long KeypadPanel::KeyDown(std::uint32_t)
{
    InvalidateDisplay();
    return 1;
}

long KeypadPanel::KeyUp(std::uint32_t virtualKey)
{
    switch (virtualKey) {
    case VK_LEFT:
    case VK_RIGHT: SlideToType(CycledType(settings_.calculatorType, virtualKey == VK_RIGHT), virtualKey == VK_RIGHT); return 1;
    case VK_UP:
    case VK_DOWN:
        if (engine_.GetMode() == CalcModeExpression && (virtualKey == VK_UP ? engine_.HistoryUp() : engine_.HistoryDown())) {
            InvalidateDisplay();
        }
        return 1;
    case VK_F1: return ShowFileMenu();
    case VK_F2: return ShowViewMenu();
    default: InvalidateDisplay(); return 1;
    }
}

long KeypadPanel::Command(std::uint32_t command, std::intptr_t parameter)
{
    if (Panel* panel = ModePanel(settings_.calculatorType); panel && panel->Command(command, parameter) != kNotHandled) {
        return 1;
    }
    if (const std::optional<int> type = TypeOfMenuCommand(command)) {
        SwitchType(*type);
    } else if (const std::optional<int> favourite = FavouriteOfCommand(command)) {
        EnterFavourite(*favourite);
    } else if (command == CurrencyPanel::kUpdateCommand) {
        // The update shows its progress on the currency panel.
        if (SwitchType(CalculatorCurrencies)) currencyPanel_.StartUpdate();
    } else if (command == kCopyCommand || command == kPasteCommand) {
        engine_.PressButton(ButtonTypeClipboard, command == kCopyCommand ? kCopyId : kPasteId);
    } else if (command == kRegionalCommand) {
        settings_.regional = !settings_.regional;
    } else if (command == kFileMenuCommand) {
        return ShowFileMenu();
    } else if (command == kTypeMenuCommand) {
        return ShowViewMenu();
    } else if (command == kOptionsCommand) {
        RunOptions();
    } else if (command == kAboutCommand) {
        if (Window()) AboutWindow(layouts_.SkinIndex()).Run(*Window());
    } else if (command == kViewTapeCommand) {
        ViewTape();
    } else if (command == kHelpCommand) {
        OpenHelp();
    } else if (command == kExitCommand) {
        ReleaseKeys();
        CurrentWindowFactory().Quit(0);
        return 1;
    } else {
        return kNotHandled;
    }
    InvalidateDisplay();
    return 1;
}

void KeypadPanel::ViewTape()
{
    if (!engine_.IsTapeOn()) return;
    const std::filesystem::path tape = engine_.SaveTape();
    std::error_code error;
    if (tape.empty() || !std::filesystem::is_regular_file(tape, error)) {
        Platform().notifier->ShowMessage(L"The tape could not be written to " + tape.wstring() + L".", L"Tallyx",
                                         NotifierIcon::Information, NotifierButtons::Ok);
        return;
    }
    OpenInDesktopViewer(tape, {}, L"No viewer could open the tape.");
}

void KeypadPanel::ReleaseKeys()
{
    mainKeys_.clear();
    for (auto& set : alternateKeys_) set.clear();
    faces_.Clear();
}

long KeypadPanel::Timer(std::uintptr_t timer)
{
    if (timer == kHoldTimer && Window()) {
        Window()->KillTimer(kHoldTimer);
        if (holdPoint_) ShowContextMenu(*holdPoint_);
        holdPoint_.reset();
        return 1;
    }
    if (timer == RateUpdater::kStatusTimer) return currencyPanel_.Timer(timer);
    if (timer != kTransitionTimer || !Window()) {
        Panel* panel = ModePanel(settings_.calculatorType);
        return panel ? panel->Timer(timer) : kNotHandled;
    }
    if (!transition_.Active()) Window()->KillTimer(kTransitionTimer);
    Window()->Invalidate(transition_.Area());
    return 1;
}

void KeypadPanel::ShowMenu(unsigned style, const Rect& area, std::optional<int> itemHeight)
{
    if (!Window()) return;
    const int defaultHeight = MenuList::DefaultRowHeight(metrics_.icon);
    menu_.List().SetColors(MenuColors::ForSkin(layouts_.Colors()));
    menu_.List().SetRowHeights(itemHeight.value_or(defaultHeight), defaultHeight);
    menu_.List().SetFont(FontSpec{L"Tahoma", 4 * metrics_.icon / 9, 400});
    menu_.Show(*Window(), style, area);
    Window()->Invalidate(geometry_.softKeyBar);
}

long KeypadPanel::ShowFileMenu()
{
    MenuList& list = menu_.List();
    list.Clear();
    for (const MenuItemDef& item : kFileMenu) {
        if (!item.text) {
            list.AddSeparator();
        } else if (item.command != kViewTapeCommand || engine_.IsTapeOn()) {
            list.AddItem(item.text, item.command);
        }
    }
    ShowMenu(kFileMenuStyle, {0, 0, metrics_.width, geometry_.softKeyBar.top});
    return 1;
}

long KeypadPanel::ShowViewMenu()
{
    MenuList& list = menu_.List();
    list.Clear();
    for (const int type : MenuTypes()) {
        const bool current = MenuTypeOf(settings_.calculatorType) == type;
        list.AddItem(CalculatorTypeName(type), *MenuCommandOf(type), type, current ? MenuItemChecked : MenuItemCheckable);
    }
    ShowMenu(kTypeMenuStyle, {0, 0, metrics_.width, geometry_.softKeyBar.top});
    return 1;
}

void KeypadPanel::ShowContextMenu(Point point)
{
    MenuList& list = menu_.List();
    list.Clear();
    for (const MenuItemDef& item : kContextMenu) list.AddItem(item.text, item.command);
    ShowMenu(MenuStyleFitWidth | MenuStyleFitHeight, {point.x, point.y, metrics_.width, geometry_.softKeyBar.top});
}

void KeypadPanel::ShowRpnStackMenu()
{
    MenuList& list = menu_.List();
    list.Clear();
    list.SetTitle(L"RPN Stack");
    const RpnEngine& rpn = engine_.Rpn();
    const int levels = rpn.Depth() + 1;
    for (int level = levels; level >= 1; --level) {
        const std::size_t fromBottom = static_cast<std::size_t>(level - 1);
        const std::wstring label = fromBottom < kStackLabels.size() ? kStackLabels[kStackLabels.size() - 1 - fromBottom]
                                                                     : FormatInteger(level) + L":";
        // Level 1 is X, the entry; the registers above start with Y.
        const std::wstring value = level == 1 ? engine_.GetDisplayText(settings_.regional).main
                                              : formatter_.FormatDisplay(rpn.GetStackRegister(level - 2), settings_.regional).main;
        list.AddItem(label + L" " + value, kNoCommand, level, MenuItemDisabled);
    }
    ShowMenu(levels >= kRpnMenuTallFrom ? 1u : 0u, {0, 0, metrics_.width, geometry_.softKeyBar.top});
}

void KeypadPanel::ShowConstantFavourites()
{
    if (!FillConstantFavouritesMenu(menu_.List(), constants_, metrics_.icon)) return;
    ShowMenu(kFavouritesMenuStyle, {0, 0, metrics_.width, geometry_.softKeyBar.top}, FavouriteRowHeight(metrics_.icon));
}

void KeypadPanel::EnterFavourite(int index)
{
    if (index >= constants_.GetFavouriteCount()) return;
    engine_.LoadTexts(constants_.GetFavouriteValue(index), L"");
    if (Window()) Window()->Invalidate(geometry_.indicators[IndicatorNotation]);
}

OptionsRecord KeypadPanel::CurrentOptions() const
{
    const ProcessSettings& shared = SharedProcessSettings();
    OptionsRecord record;
    record[OptionRegionalSettings] = settings_.regional;
    record[OptionPlaySounds] = settings_.playSounds;
    record[OptionRecordTape] = engine_.IsTapeOn();
    record[OptionAdvancedMemory] = layouts_.AdvancedMemory();
    record[OptionCalculatorMode] = settings_.entryMode;
    record[OptionNotation] = formatter_.GetNotation();
    record[OptionConversionBuffer] = engine_.GetWordSize();
    record[OptionRpnStackSize] = engine_.Rpn().Depth() + 1;
    record[OptionSkin] = layouts_.SkinIndex();
    record[OptionFixedDigits] = formatter_.GetFixedDigits();
    record[OptionFastGraphing] = shared.graphFast;
    record[OptionPointsOnly] = shared.graphPoints;
    record[OptionEndPeriodPayments] = shared.tvmEndPayments;
    record[OptionPaymentSchedule] = shared.mortgageSchedule;
    record[OptionCalculatorSize] = shared.calculatorSize;
    return record;
}

void KeypadPanel::ApplyOptions(const OptionsRecord& record)
{
    std::unique_ptr<Image> before = Snapshot();
    settings_.regional = record[OptionRegionalSettings] != 0;
    settings_.playSounds = record[OptionPlaySounds];
    settings_.entryMode = record[OptionCalculatorMode];
    engine_.SetTapeRecording(record[OptionRecordTape] != 0);
    ProcessSettings& shared = SharedProcessSettings();
    shared.graphFast = record[OptionFastGraphing] != 0;
    shared.graphPoints = record[OptionPointsOnly] != 0;
    shared.tvmEndPayments = record[OptionEndPeriodPayments] != 0;
    shared.mortgageSchedule = record[OptionPaymentSchedule];
    shared.calculatorSize = record[OptionCalculatorSize];
    formatter_.SetNotation(record[OptionNotation]);
    engine_.SetWordSize(static_cast<std::int8_t>(record[OptionConversionBuffer] & 0xFF));
    engine_.Rpn().SetStackSize(static_cast<std::int8_t>(record[OptionRpnStackSize] & 0xFF));
    formatter_.SetFixedDigits(record[OptionFixedDigits]);

    const bool rpnKeys = settings_.entryMode == CalcModeRpn;
    const bool rebuildLayouts = record[OptionSkin] != layouts_.SkinIndex() ||
                                (record[OptionAdvancedMemory] != 0) != layouts_.AdvancedMemory() || rpnKeys != layouts_.RpnKeys();
    layouts_.SetAdvancedMemory(record[OptionAdvancedMemory] != 0);
    layouts_.SetRpnKeys(rpnKeys);
    if (rebuildLayouts && layouts_.SetSkin(record[OptionSkin], true) != StatusOk) {
        // A skin that cannot be read leaves the built-in one.
        layouts_.SetSkin(0, true);
    }
    ApplyEntryMode();
    SwitchType(settings_.calculatorType);
    Rebuild();
    if (Window()) Window()->InvalidateAll();
    StartTransition(std::move(before), {0, 0, metrics_.width, metrics_.height}, SlideDirection::FadeIn,
                    KeypadTransition::kOptionsFade);
    SaveSettings();
}

void KeypadPanel::RunOptions()
{
    if (!Window()) return;
    OptionsDialog dialog(CurrentOptions(), menu_, layouts_.SkinIndex());
    if (dialog.Run(*Window())) ApplyOptions(dialog.Record());
}

}  // namespace tallyx
