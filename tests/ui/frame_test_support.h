#pragma once

// A main frame over settings, engine and services of the test's own, on the
// offscreen Qt platform.
#include <QCoreApplication>
#include <memory>
#include <optional>
#include <string_view>

#include "app/main_frame.h"
#include "engine/calc_engine.h"
#include "engine/expression_evaluator.h"
#include "engine/number_formatter.h"
#include "platform/memory_registry.h"
#include "platform/notifier.h"
#include "platform/qt/qt_window_host.h"
#include "platform/services.h"
#include "platform/window_messages.h"

namespace tallyx {

class FrameHarness {
public:
    FrameHarness() : platform_(Services()) {}

    MainFrame& Open(int width, int height)
    {
        frame_ = std::make_unique<MainFrame>(engine_, formatter_, registry);
        frame_->Create(MainFrame::kTitle, nullptr, Rect::FromSize(0, 0, width, height));
        frame_->Window()->Show();
        Settle();
        return *frame_;
    }
    // Destroys the frame, which saves the settings.
    void Close() { frame_.reset(); }

    MainFrame& Frame() { return *frame_; }
    CalculatorWindow& Calculator() { return frame_->Calculator(); }
    KeypadView& Keypad() { return frame_->Keypad(); }
    QtWindowHost& Host() { return static_cast<QtWindowHost&>(*frame_->Window()); }
    CalcEngine& Engine() { return engine_; }
    NumberFormatter& Formatter() { return formatter_; }

    static void Settle()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    void PenDown(Point point) { frame_->WindowProcedure(WM_LBUTTONDOWN, 1, MakePointParameter(point.x, point.y)); }
    void PenMove(Point point) { frame_->WindowProcedure(WM_MOUSEMOVE, 1, MakePointParameter(point.x, point.y)); }
    void PenUp(Point point) { frame_->WindowProcedure(WM_LBUTTONUP, 0, MakePointParameter(point.x, point.y)); }
    void Tap(Point point)
    {
        PenDown(point);
        PenUp(point);
        Settle();
    }
    void KeyUp(std::uint32_t key) { frame_->WindowProcedure(WM_KEYUP, key, 0); }
    void Type(std::wstring_view text)
    {
        for (const wchar_t character : text) frame_->WindowProcedure(WM_CHAR, static_cast<std::uintptr_t>(character), 0);
    }

    // The key of the current keypad with that caption, main area first.
    std::optional<Rect> KeyRect(std::wstring_view caption)
    {
        for (const auto* keys : {&Keypad().MainKeys(), &Keypad().AlternateKeys()}) {
            for (const KeyButton& key : *keys) {
                if (caption == key.Button().caption) return key.Bounds();
            }
        }
        return std::nullopt;
    }
    static Point Centre(const Rect& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }
    void TapKeys(std::initializer_list<std::wstring_view> captions)
    {
        for (const std::wstring_view caption : captions) {
            if (const auto rect = KeyRect(caption)) Tap(Centre(*rect));
        }
    }
    std::wstring Shown() const { return engine_.GetDisplayText(false).main; }

    MemoryRegistry registry;
    RecordingNotifier notifier;

private:
    PlatformServices Services()
    {
        PlatformServices services = Platform();
        services.registry = &registry;
        services.notifier = &notifier;
        return services;
    }

    ScopedPlatform platform_;
    ExpressionEvaluator evaluator_;
    NumberFormatter formatter_{RegionalSettings{}};
    CalcEngine engine_{evaluator_, formatter_};
    std::unique_ptr<MainFrame> frame_;
};

}  // namespace tallyx
