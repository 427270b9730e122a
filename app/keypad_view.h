#pragma once

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "app/key_sound.h"
#include "app/keypad_settings.h"
#include "app/mode_panels/constants_panel.h"
#include "app/mode_panels/currency_panel.h"
#include "app/mode_panels/date_panel.h"
#include "app/mode_panels/graph_panel.h"
#include "app/mode_panels/unit_panel.h"
#include "app/options_record.h"
#include "app/panel.h"
#include "convert/constants_db.h"
#include "keypad/key_mapper.h"
#include "keypad/keypad_layouts.h"
#include "keypad/panel/face_cache.h"
#include "keypad/panel/key_button.h"
#include "keypad/panel/keypad_geometry.h"
#include "keypad/panel/keypad_transition.h"
#include "keypad/panel/soft_key_bar.h"
#include "ui/popup_menu_window.h"

namespace tallyx {

class CalcEngine;
class NumberFormatter;
class Registry;

// The calculator window's content: display, alternate and main key areas
// and the soft-key bar, for every calculator type. Reads the settings when
// built and writes them when destroyed.
class KeypadPanel : public Panel {
public:
    static constexpr std::uint32_t kKeyMessage = 1147;
    static constexpr std::uintptr_t kTransitionTimer = 1;
    static constexpr int kTransitionFrameMilliseconds = 16;
    static constexpr std::uintptr_t kHoldTimer = 2;
    // A press held this long without moving opens the Copy/Paste menu.
    static constexpr int kHoldMilliseconds = 500;

    KeypadPanel(CalcEngine& engine, NumberFormatter& formatter, Registry& registry);
    ~KeypadPanel() override;

    long Draw(Canvas& canvas, const Rect& clip) override;
    long Size(int width, int height) override;
    long Char(wchar_t character) override;
    long KeyDown(std::uint32_t virtualKey) override;
    long KeyUp(std::uint32_t virtualKey) override;
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
    void ShowContextMenu(Point point);

    // The options dialog's record of the current settings, and taking one back on OK.
    OptionsRecord CurrentOptions() const;
    void ApplyOptions(const OptionsRecord& record);

    // Makes a calculator type current; false when its layout cannot be built.
    bool SwitchType(int type);
    // Writes every setting and the memories.
    void SaveSettings();

    int CurrentType() const { return settings_.calculatorType; }
    const PanelSettings& Settings() const { return settings_; }
    const KeypadGeometry& Geometry() const { return geometry_; }
    const std::vector<KeyButton>& MainKeys() const { return mainKeys_; }
    // The alternate keys of the current shift state.
    const std::vector<KeyButton>& AlternateKeys() const;
    const KeypadLayouts& Layouts() const { return layouts_; }
    KeypadTransition& Transition() { return transition_; }
    PopupMenuWindow& Menu() { return menu_; }
    const CurrencyPanel& Currencies() const { return currencyPanel_; }
    // The font of a key's caption: by caption length and area.
    const FontSpec& CaptionFont(const KeyButton& key, bool main) const;

private:
    enum AlternateSet : std::size_t { SetAlternate, SetSecond, SetHyperbolic, SetHyperbolicSecond, SetCount };

    void ApplyEntryMode();
    void Rebuild();
    void BuildKeys();
    std::vector<KeyButton> MakeKeys(const std::vector<ButtonDef>& buttons, const std::vector<Rect>& rects);
    std::vector<KeyButton>& ShownAlternateKeys();
    bool KeypadShown() const;
    bool DisplayShown() const;
    void DrawLive(Canvas& canvas, const Rect& clip);
    void DrawKeys(Canvas& canvas, const Rect& clip);
    // The window as it would be drawn now, for a transition.
    std::unique_ptr<Image> Snapshot();
    void StartTransition(std::unique_ptr<Image> from, const Rect& area, SlideDirection direction,
                         std::chrono::milliseconds duration);
    void SlideToType(int type, bool forward);
    void FireKey(std::int32_t type, std::int32_t id);
    void TapDisplay(Point point);
    void FollowShiftState();
    void InvalidateDisplay();
    void ReleaseKeys();
    // The mode panel of the current type, or none for the keypad types.
    Panel* ModePanel(int type);
    void AttachModePanel();
    // Item rows are the default height unless one is given.
    void ShowMenu(unsigned style, const Rect& area, std::optional<int> itemHeight = std::nullopt);
    void ShowRpnStackMenu();
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
    SoftKeyBar softKeys_;
    FaceCache faces_;
    PanelSettings settings_;
    ScreenMetrics metrics_;
    KeypadGeometry geometry_;
    KeypadTransition transition_;
    std::vector<KeyButton> mainKeys_;
    std::array<std::vector<KeyButton>, SetCount> alternateKeys_;
    PopupMenuWindow menu_;
    KeySound keySound_;
    ConstantsDb constants_;
    GraphPanel graphPanel_;
    UnitPanel unitPanel_;
    CurrencyPanel currencyPanel_;
    DatePanel datePanel_;
    ConstantsPanel constantsPanel_;
    int shiftState_;
    bool penOnDisplay_ = false;
    std::optional<Point> holdPoint_;
};

}  // namespace tallyx
