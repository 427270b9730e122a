#pragma once

#include <cstdint>
#include <optional>

#include "app/keypad_settings.h"
#include "app/keypad_view.h"
#include "app/mode_panels/mode_panel_set.h"
#include "app/options_record.h"
#include "app/panel.h"
#include "app/worksheet_opener.h"
#include "convert/constants_db.h"
#include "keypad/key_mapper.h"
#include "keypad/keypad_layouts.h"
#include "ui/popup_menu_window.h"

namespace tallyx {

class CalcEngine;
class NumberFormatter;
class Registry;

// The calculator that fills the main frame: the keypad view for every
// calculator type, the mode panels, the drawn menus and their commands, the
// options, the tape and help. Reads the settings when built and writes them
// when destroyed.
class CalculatorWindow : public Panel, private KeypadViewOwner {
public:
    CalculatorWindow(CalcEngine& engine, NumberFormatter& formatter, Registry& registry);
    ~CalculatorWindow() override;

    long Draw(Canvas& canvas, const Rect& clip) override;
    long Size(int width, int height) override;
    long Char(wchar_t character) override;
    long KeyDown(std::uint32_t virtualKey) override;
    long KeyUp(std::uint32_t virtualKey) override;
    // A desktop's copy, paste and clear keys, with keyData's Shift and Ctrl
    // state; false for any other key, which goes on to KeyDown.
    bool DesktopShortcut(std::uint32_t virtualKey, std::intptr_t keyData);
    long PenUp(Point point) override;
    long PenDown(Point point) override;
    long PenMove(Point point) override;
    long SetWindow(WindowHost* window) override;
    long UserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    long Command(std::uint32_t command, std::intptr_t parameter) override;
    long Timer(std::uintptr_t timer) override;
    long ShowFileMenu() override;
    long ShowViewMenu() override;
    // Copy and Paste at the point: a press held on no key, or the right button.
    void ShowContextMenu(Point point) override;

    // The options dialog's record of the current settings, and taking one back on OK.
    OptionsRecord CurrentOptions() const;
    void ApplyOptions(const OptionsRecord& record);

    // Makes a calculator type current; false when its layout cannot be built.
    bool SwitchType(int type);
    // Puts another panel in the place of a type's mode panel, attached at once when that type is current.
    void ReplaceModePanel(int type, std::unique_ptr<Panel> panel);
    // Writes every setting and the memories.
    void SaveSettings();

    int CurrentType() const { return settings_.calculatorType; }
    const PanelSettings& Settings() const { return settings_; }
    const KeypadLayouts& Layouts() const { return layouts_; }
    KeypadView& View() { return view_; }
    const KeypadView& View() const { return view_; }
    PopupMenuWindow& Menu() { return menu_; }
    const CurrencyPanel& Currencies() const { return modePanels_.Currencies(); }
    // The mode panel of the current type, or none for the keypad types.
    Panel* CurrentModePanel() const { return modePanels_.For(settings_.calculatorType); }

private:
    void ShowRpnStack() override;
    bool MenuOpen() const override { return menu_.IsOpen(); }

    void ApplyEntryMode();
    void AttachModePanel();
    void SlideToType(int type, bool forward);
    void FireKey(std::int32_t type, std::int32_t id);
    // Runs the worksheet of a worksheet key over the calculator.
    void OpenWorksheet(std::int32_t id);
    // Reset puts the engine in Algebraic entry by itself; the keys, the options and the stored mode follow.
    void FollowReset(std::int32_t type, std::int32_t id);
    // Left, Right, Up, Down and Return go to a current mode panel first.
    bool OfferToModePanel(std::uint32_t virtualKey, bool down);
    // Item rows are the default height unless one is given.
    void ShowMenu(unsigned style, const Rect& area, std::optional<int> itemHeight = std::nullopt);
    Rect MenuArea() const;
    void ShowConstantFavourites();
    void EnterFavourite(int index);
    void RunOptions();
    // Writes the tape now and opens it in the desktop's viewer.
    void ViewTape();

    CalcEngine& engine_;
    NumberFormatter& formatter_;
    Registry& registry_;
    KeypadLayouts layouts_;
    KeyMapper keyMapper_;
    PanelSettings settings_;
    PopupMenuWindow menu_;
    ConstantsDb constants_;
    KeypadView view_;
    ModePanelSet modePanels_;
    // Destroyed after the settings are saved: the last sheet saves its values then.
    WorksheetOpener worksheets_;
    // The routed key whose key-down the current mode panel took.
    std::optional<std::uint32_t> panelKey_;
};

}  // namespace tallyx
