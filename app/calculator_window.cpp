#include "app/calculator_window.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

#include "app/about_window.h"
#include "app/calculator_menus.h"
#include "app/calculator_types.h"
#include "app/constant_favourites_menu.h"
#include "app/desktop_viewer.h"
#include "app/help.h"
#include "app/options_dialog.h"
#include "engine/calc_engine.h"
#include "engine/key_ids.h"
#include "engine/number_formatter.h"
#include "platform/registry.h"
#include "platform/services.h"
#include "platform/window_messages.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

// The keys a current mode panel sees before the calculator does.
constexpr std::array kModePanelKeys = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_RETURN};
constexpr wchar_t kCarriageReturn = L'\r';

bool IsModePanelKey(std::uint32_t virtualKey)
{
    return std::find(kModePanelKeys.begin(), kModePanelKeys.end(), virtualKey) != kModePanelKeys.end();
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
    return LayoutIndexForEntry(type, mode == CalcModeRpn);
}

}  // namespace

CalculatorWindow::CalculatorWindow(CalcEngine& engine, NumberFormatter& formatter, Registry& registry)
    : engine_(engine),
      formatter_(formatter),
      registry_(registry),
      view_(engine, formatter, layouts_, settings_, *this),
      modePanels_(registry)
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
}

CalculatorWindow::~CalculatorWindow()
{
    SaveSettings();
}

void CalculatorWindow::SaveSettings()
{
    settings_.skin = layouts_.SkinIndex();
    settings_.advancedMemory = layouts_.AdvancedMemory();
    tallyx::SaveSettings(registry_, settings_, engine_, formatter_);
}

long CalculatorWindow::SetWindow(WindowHost* window)
{
    Panel::SetWindow(window);
    view_.SetWindow(window);
    view_.Rebuild();
    AttachModePanel();
    return 1;
}

void CalculatorWindow::AttachModePanel()
{
    Panel* panel = CurrentModePanel();
    if (!panel || !Window()) return;
    PanelContext context;
    context.engine = &engine_;
    context.keyMapper = &keyMapper_;
    context.layouts = &layouts_;
    context.menuWindow = &menu_;
    context.softKeyBar = &view_.SoftKeys();
    context.constants = &constants_;
    context.window = Window();
    context.formatter = &formatter_;
    context.settings = &settings_;
    panel->Attach(context);
    panel->Size(view_.Metrics().width, view_.Metrics().height);
}

void CalculatorWindow::ApplyEntryMode()
{
    engine_.SetMode(EngineModeFor(settings_.calculatorType, settings_.entryMode));
}

bool CalculatorWindow::SwitchType(int type)
{
    const int wanted = TypeForMode(type, settings_.entryMode);
    if (wanted == settings_.calculatorType) return true;
    if (Panel* leaving = CurrentModePanel()) leaving->TypeChanging(wanted);
    if (layouts_.SetCurrentLayout(wanted) != StatusOk) return false;
    settings_.calculatorType = wanted;
    ApplyEntryMode();
    if (wanted != CalculatorBase && (engine_.GetBase() != BaseKeyDecimal || engine_.IsBcdMode())) {
        engine_.PressButton(ButtonTypeBase, BaseKeyDecimal);
    }
    // The function list starts from an empty expression.
    if (wanted == CalculatorGraphing) engine_.PressButton(ButtonTypeClear, ClearKeyClear);
    view_.Show(wanted, CurrentModePanel());
    AttachModePanel();
    if (Window()) {
        Window()->SetTitle(WindowTitleFor(wanted));
        Window()->InvalidateAll();
    }
    return true;
}

void CalculatorWindow::ReplaceModePanel(int type, std::unique_ptr<Panel> panel)
{
    modePanels_.Replace(type, std::move(panel));
    if (type != settings_.calculatorType) return;
    view_.Show(type, CurrentModePanel());
    AttachModePanel();
}

void CalculatorWindow::SlideToType(int type, bool forward)
{
    std::unique_ptr<Image> from = view_.Snapshot();
    const int before = settings_.calculatorType;
    if (!SwitchType(type) || before == settings_.calculatorType) return;
    view_.StartTransition(std::move(from), forward ? SlideDirection::FromRight : SlideDirection::FromLeft,
                          KeypadTransition::kTypeSlide);
}

long CalculatorWindow::Size(int width, int height)
{
    view_.Resize(width, height);
    worksheets_.FollowFrame(width, height);
    modePanels_.ForEach([&](Panel& panel) { panel.Size(width, height); });
    return 1;
}

long CalculatorWindow::Draw(Canvas& canvas, const Rect& clip)
{
    view_.Draw(canvas, clip);
    return 1;
}

long CalculatorWindow::PenDown(Point point)
{
    return menu_.IsOpen() ? 1 : view_.PenDown(point);
}

long CalculatorWindow::PenMove(Point point)
{
    return menu_.IsOpen() ? 1 : view_.PenMove(point);
}

long CalculatorWindow::PenUp(Point point)
{
    return menu_.IsOpen() ? 1 : view_.PenUp(point);
}

void CalculatorWindow::FireKey(std::int32_t type, std::int32_t id)
{
    if (type == ButtonTypeWorksheet) {
        OpenWorksheet(id);
        return;
    }
    // The graph keys go to the function list as its own keys; nothing goes to the engine.
    if (type == ButtonTypeGraph) return;
    if (type == ButtonTypeShift && id == ShiftKeyConstants) ShowConstantFavourites();
    engine_.PressButton(type, id);
    FollowReset(type, id);
    view_.FollowShiftState();
    view_.InvalidateDisplay();
}

void CalculatorWindow::OpenWorksheet(std::int32_t id)
{
    if (!Window()) return;
    const ProcessSettings& shared = SharedProcessSettings();
    const WorksheetSetup setup{&engine_, &formatter_, &layouts_, Window(), settings_.playSounds,
                               {shared.tvmEndPayments, shared.mortgageSchedule}};
    if (worksheets_.OpenWorksheet(id, setup) != StatusOk) return;
    // A frame resized under the sheet built its keys with the sheet's layout.
    view_.Rebuild();
    Window()->InvalidateAll();
}

void CalculatorWindow::FollowReset(std::int32_t type, std::int32_t id)
{
    if (type != ButtonTypeClear || id != ClearKeyReset) return;
    OptionsRecord record = CurrentOptions();
    record[OptionCalculatorMode] = CalcModeAlgebraic;
    ApplyOptions(record);
}

long CalculatorWindow::UserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    switch (message) {
    case KeypadView::kKeyMessage:
        // The current mode panel sees its keys first and may keep them.
        if (Panel* panel = CurrentModePanel(); panel && panel->UserMessage(message, first, second) != kNotHandled) {
            return 1;
        }
        FireKey(static_cast<std::int32_t>(first), static_cast<std::int32_t>(second));
        return 1;
    case SoftKeyBar::kLeftMessage: return ShowFileMenu();
    case SoftKeyBar::kRightMessage: return ShowViewMenu();
    case SoftKeyBar::kMiddleMessage: SwitchType(layouts_.PreviousIndex()); return 1;
    // The update reports even after the user has moved on to another type.
    case kRateUpdateMessage: return modePanels_.Currencies().UserMessage(message, first, second);
    default: return kNotHandled;
    }
}

long CalculatorWindow::Char(wchar_t character)
{
    // Return's key-down already went to the panel that took it.
    if (character == kCarriageReturn && panelKey_ == VK_RETURN) return 1;
    const std::optional<MappedKey> key = keyMapper_.MapCharacter(character, engine_.GetBase());
    if (!key) return kNotHandled;
    if (key->press) {
        engine_.HandleButton(key->type, key->id);
        FollowReset(key->type, key->id);
        view_.FollowShiftState();
    }
    // The converters show the number typed in two units at once.
    if (settings_.calculatorType == CalculatorUnits || settings_.calculatorType == CalculatorCurrencies) {
        if (Panel* panel = CurrentModePanel()) panel->Char(character);
    }
    if (Window()) Window()->InvalidateAll();
    return 1;
}

bool CalculatorWindow::OfferToModePanel(std::uint32_t virtualKey, bool down)
{
    if (!IsModePanelKey(virtualKey)) return false;
    Panel* panel = CurrentModePanel();
    if (down) {
        const bool taken = panel && panel->KeyDown(virtualKey) != kNotHandled;
        panelKey_ = taken ? std::optional<std::uint32_t>(virtualKey) : std::nullopt;
        return taken;
    }
    // A key whose key-down the panel took is the panel's to the end, even if the type changed meanwhile.
    const bool heldByPanel = panelKey_ == virtualKey;
    if (heldByPanel) panelKey_.reset();
    const bool taken = panel && panel->KeyUp(virtualKey) != kNotHandled;
    return taken || heldByPanel;
}

long CalculatorWindow::KeyDown(std::uint32_t virtualKey)
{
    if (!OfferToModePanel(virtualKey, true)) view_.InvalidateDisplay();
    return 1;
}

bool CalculatorWindow::DesktopShortcut(std::uint32_t virtualKey, std::intptr_t keyData)
{
    const std::optional<MappedKey> key = keyMapper_.MapShortcut(virtualKey, keyData);
    if (!key) return false;
    // Escape with a menu open closes the menu and leaves the entry alone.
    if (virtualKey == VK_ESCAPE && menu_.IsOpen()) {
        menu_.Close();
        return true;
    }
    FireKey(key->type, key->id);
    return true;
}

long CalculatorWindow::KeyUp(std::uint32_t virtualKey)
{
    if (OfferToModePanel(virtualKey, false)) return 1;
    switch (virtualKey) {
    case VK_LEFT:
    case VK_RIGHT: SlideToType(CycledType(settings_.calculatorType, virtualKey == VK_RIGHT), virtualKey == VK_RIGHT); return 1;
    case VK_UP:
    case VK_DOWN:
        if (engine_.GetMode() == CalcModeExpression && (virtualKey == VK_UP ? engine_.HistoryUp() : engine_.HistoryDown())) {
            view_.InvalidateDisplay();
        }
        return 1;
    case VK_F1: return ShowFileMenu();
    case VK_F2: return ShowViewMenu();
    default: view_.InvalidateDisplay(); return 1;
    }
}

long CalculatorWindow::Command(std::uint32_t command, std::intptr_t parameter)
{
    if (Panel* panel = CurrentModePanel(); panel && panel->Command(command, parameter) != kNotHandled) return 1;
    if (const std::optional<int> type = TypeOfMenuCommand(command)) {
        SwitchType(*type);
    } else if (const std::optional<int> favourite = FavouriteOfCommand(command)) {
        EnterFavourite(*favourite);
    } else if (command == CurrencyPanel::kUpdateCommand) {
        // The update shows its progress on the currency panel.
        if (SwitchType(CalculatorCurrencies)) modePanels_.Currencies().StartUpdate();
    } else if (command == CommandCopy || command == CommandPaste) {
        engine_.PressButton(ButtonTypeClipboard, command == CommandCopy ? ClipboardKeyCopy : ClipboardKeyPaste);
    } else if (command == CommandRegionalSettings) {
        settings_.regional = !settings_.regional;
    } else if (command == CommandFileMenu) {
        return ShowFileMenu();
    } else if (command == CommandTypeMenu) {
        return ShowViewMenu();
    } else if (command == CommandOptions) {
        RunOptions();
    } else if (command == CommandAbout) {
        if (Window()) AboutWindow(layouts_.SkinIndex()).Run(*Window());
    } else if (command == CommandViewTape) {
        ViewTape();
    } else if (command == CommandHelp) {
        OpenHelp();
    } else if (command == CommandExit) {
        view_.ReleaseKeys();
        CurrentWindowFactory().Quit(0);
        return 1;
    } else {
        return kNotHandled;
    }
    view_.InvalidateDisplay();
    return 1;
}

void CalculatorWindow::ViewTape()
{
    if (!engine_.IsTapeOn()) return;
    const std::filesystem::path tape = engine_.SaveTape();
    std::error_code error;
    if (tape.empty() || !std::filesystem::is_regular_file(tape, error)) {
        Platform().notifier->ShowMessage(L"The tape could not be written to " + tape.wstring() + L".", L"Tallyx",
                                         NotifierIcon::Information, NotifierButtons::Ok);
        return;
    }
    // Named, so that the user can open it another way.
    OpenInDesktopViewer(tape, {}, L"No viewer could open the tape. It is saved as " + tape.wstring() + L".");
}

long CalculatorWindow::Timer(std::uintptr_t timer)
{
    if (view_.Timer(timer) != kNotHandled) return 1;
    if (timer == RateUpdater::kStatusTimer) return modePanels_.Currencies().Timer(timer);
    Panel* panel = CurrentModePanel();
    return panel ? panel->Timer(timer) : kNotHandled;
}

Rect CalculatorWindow::MenuArea() const
{
    return {0, 0, view_.Metrics().width, view_.Geometry().softKeyBar.top};
}

void CalculatorWindow::ShowMenu(unsigned style, const Rect& area, std::optional<int> itemHeight)
{
    if (!Window()) return;
    const int icon = view_.Metrics().icon;
    const int defaultHeight = MenuList::DefaultRowHeight(icon);
    menu_.List().SetColors(MenuColors::ForSkin(layouts_.Colors()));
    menu_.List().SetRowHeights(itemHeight.value_or(defaultHeight), defaultHeight);
    menu_.List().SetFont(FontSpec{kFontFamily, 4 * icon / 9, 400});
    menu_.Show(*Window(), style, area);
    Window()->Invalidate(view_.Geometry().softKeyBar);
}

long CalculatorWindow::ShowFileMenu()
{
    FillFileMenu(menu_.List(), engine_.IsTapeOn());
    ShowMenu(kFileMenuStyle, MenuArea());
    return 1;
}

long CalculatorWindow::ShowViewMenu()
{
    FillTypeMenu(menu_.List(), settings_.calculatorType);
    ShowMenu(kTypeMenuStyle, MenuArea());
    return 1;
}

void CalculatorWindow::ShowContextMenu(Point point)
{
    FillContextMenu(menu_.List());
    ShowMenu(MenuStyleFitWidth | MenuStyleFitHeight,
             {point.x, point.y, view_.Metrics().width, view_.Geometry().softKeyBar.top});
}

void CalculatorWindow::ShowRpnStack()
{
    if (!FillRpnStackMenu(menu_.List(), engine_, formatter_, settings_.regional)) return;
    ShowMenu(TallRpnStackMenu(engine_) ? 1u : 0u, MenuArea());
}

void CalculatorWindow::ShowConstantFavourites()
{
    const int icon = view_.Metrics().icon;
    if (!FillConstantFavouritesMenu(menu_.List(), constants_, icon)) return;
    ShowMenu(kFavouritesMenuStyle, MenuArea(), FavouriteRowHeight(icon));
}

void CalculatorWindow::EnterFavourite(int index)
{
    if (index >= constants_.GetFavouriteCount()) return;
    engine_.LoadTexts(constants_.GetFavouriteValue(index), L"");
    view_.InvalidateNotation();
}

OptionsRecord CalculatorWindow::CurrentOptions() const
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

void CalculatorWindow::ApplyOptions(const OptionsRecord& record)
{
    // Only the skin, the memory keys and the RPN keys change what the keys are.
    const bool advancedMemory = record[OptionAdvancedMemory] != 0;
    const bool rpnKeys = record[OptionCalculatorMode] == CalcModeRpn;
    const bool keysChange = record[OptionSkin] != layouts_.SkinIndex() || advancedMemory != layouts_.AdvancedMemory() ||
                            rpnKeys != layouts_.RpnKeys();
    std::unique_ptr<Image> before = keysChange ? view_.Snapshot() : nullptr;

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
    ApplyEntryMode();

    if (keysChange) {
        layouts_.SetAdvancedMemory(advancedMemory);
        layouts_.SetRpnKeys(rpnKeys);
        if (layouts_.SetSkin(record[OptionSkin], true) != StatusOk) {
            // A skin that cannot be read leaves the built-in one.
            layouts_.SetSkin(0, true);
        }
        // Scientific follows the entry mode to its RPN layout and back; any other type is built again where it is.
        const int type = settings_.calculatorType;
        if (TypeForMode(type, settings_.entryMode) == type || !SwitchType(type)) {
            view_.Rebuild();
            AttachModePanel();
        }
        view_.StartTransition(std::move(before), SlideDirection::FadeIn, KeypadTransition::kOptionsFade);
    }
    if (Window()) Window()->InvalidateAll();
    SaveSettings();
}

void CalculatorWindow::RunOptions()
{
    if (!Window()) return;
    OptionsDialog dialog(CurrentOptions(), menu_, layouts_.SkinIndex());
    if (dialog.Run(*Window())) ApplyOptions(dialog.Record());
}

}  // namespace tallyx
