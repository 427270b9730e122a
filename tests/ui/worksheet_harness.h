#pragma once

// A worksheet window over a frame of its own, with an engine, layouts and
// stored values of the test's own, on the offscreen Qt platform.
#include <QCoreApplication>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/key_sound.h"
#include "app/soft_key_bar.h"
#include "app/window_describers.h"
#include "app/worksheet_window.h"
#include "engine/calc_engine.h"
#include "engine/expression_evaluator.h"
#include "engine/number_formatter.h"
#include "keypad/button_vocabulary.h"
#include "keypad/keypad_layouts.h"
#include "platform/clipboard.h"
#include "platform/memory_registry.h"
#include "platform/notifier.h"
#include "platform/services.h"
#include "platform/window_messages.h"
#include "ui/window_base.h"
#include "ui/window_host.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

class WorksheetHarness {
public:
    WorksheetHarness() : platform_(Services()) {}

    // Runs the sheet of that key in a window of that size; act runs inside the
    // window's loop, and the window is closed after it unless act closed it.
    template <typename Window = WorksheetWindow>
    void Run(int buttonId, Size screen, const std::function<void(Window&)>& act, std::int32_t skin = 0)
    {
        const WorksheetEntry* entry = FindWorksheetForButton(buttonId);
        ASSERT_NE(entry, nullptr);
        ASSERT_EQ(layouts_.SetSkin(skin, true), StatusOk);
        ASSERT_EQ(layouts_.SetCurrentLayout(entry->takesDataPairs ? 12 : 11), StatusOk);
        const std::unique_ptr<Worksheet> sheet = entry->create(options_);
        Frame frame;
        ASSERT_TRUE(frame.Create(L"Tallyx", nullptr, Rect::FromSize(0, 0, screen.width, screen.height)));
        frame.Window()->Show();
        engine_.SetMode(CalcModeAlgebraic);
        Window window(*sheet, engine_, layouts_, SoundOff);
        RunWindow(window, *frame.Window(), act, closeAfterAct);
    }

    // The same for a window made by the test. A Back after the act's own closing does no harm.
    template <typename Window>
    static void RunWindow(Window& window, WindowHost& parent, const std::function<void(Window&)>& act,
                          bool closeAfterAct = true)
    {
        QTimer::singleShot(0, [&] {
            Settle();
            act(window);
            if (closeAfterAct && window.Window()) window.WindowProcedure(SoftKeyBar::kLeftMessage, 0, 0);
        });
        window.Run(parent);
    }

    static void Settle()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    static void Key(WorksheetWindow& window, std::wstring_view name)
    {
        const auto button = FindButtonByName(name);
        ASSERT_TRUE(button) << "no key " << std::string(name.begin(), name.end());
        window.WindowProcedure(WorksheetWindow::kKeyMessage, static_cast<std::uintptr_t>(button->type), button->id);
    }
    // Each digit, point and sign of the text as its key.
    static void Type(WorksheetWindow& window, std::wstring_view text)
    {
        for (const wchar_t character : text) window.WindowProcedure(WM_CHAR, character, 0);
    }
    static void Tap(WindowBase& window, Point point)
    {
        window.WindowProcedure(WM_LBUTTONDOWN, 1, MakePointParameter(point.x, point.y));
        window.WindowProcedure(WM_LBUTTONUP, 0, MakePointParameter(point.x, point.y));
        Settle();
    }
    static Point Centre(const Rect& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

    // The window's facts as --dump-state lists them.
    std::vector<std::string> Listing(WorksheetWindow& window) const
    {
        std::vector<std::string> lines;
        for (const StateLine& line : DesktopStateListing(engine_, formatter_).Describe(window)) {
            lines.push_back(FormatStateLine(line));
        }
        return lines;
    }

    CalcEngine& Engine() { return engine_; }
    NumberFormatter& Formatter() { return formatter_; }
    KeypadLayouts& Layouts() { return layouts_; }
    WorksheetOptions& Options() { return options_; }

    MemoryRegistry registry;
    RecordingNotifier notifier;
    MemoryClipboard clipboard;
    // Off for a test whose act must close the window itself.
    bool closeAfterAct = true;

private:
    class Frame : public WindowBase {};

    PlatformServices Services()
    {
        PlatformServices services = Platform();
        services.registry = &registry;
        services.notifier = &notifier;
        services.clipboard = &clipboard;
        return services;
    }

    ScopedPlatform platform_;
    ExpressionEvaluator evaluator_;
    NumberFormatter formatter_{RegionalSettings{}};
    CalcEngine engine_{evaluator_, formatter_};
    KeypadLayouts layouts_;
    WorksheetOptions options_;
};

}  // namespace tallyx
