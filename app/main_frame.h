#pragma once

#include <memory>

#include "app/calculator_window.h"
#include "ui/window_base.h"

namespace tallyx {

class CalcEngine;
class NumberFormatter;
class Registry;

// The program's top-level window: hands every message to the calculator
// window that fills it. Destroying the frame destroys the calculator, which
// saves the settings.
class MainFrame : public WindowBase {
public:
    static constexpr const wchar_t* kTitle = L"Tallyx";

    MainFrame(CalcEngine& engine, NumberFormatter& formatter, Registry& registry);
    ~MainFrame() override;

    CalculatorWindow& Calculator() { return *calculator_; }
    // The drawn keypad and display of the calculator.
    KeypadView& Keypad() { return calculator_->View(); }

protected:
    long Draw(Canvas& canvas, const Rect& clip) override;
    long OnCreate(std::uintptr_t first, std::intptr_t second) override;
    long OnSize(std::uintptr_t first, std::intptr_t second) override;
    long OnEraseBackground(std::uintptr_t first, std::intptr_t second) override;
    long OnActivate(std::uintptr_t first, std::intptr_t second) override;
    long OnChar(std::uintptr_t first, std::intptr_t second) override;
    long OnKeyDown(std::uintptr_t first, std::intptr_t second) override;
    long OnKeyUp(std::uintptr_t first, std::intptr_t second) override;
    long OnHotKey(std::uintptr_t first, std::intptr_t second) override;
    long OnPenDown(Point point) override;
    long OnPenUp(Point point) override;
    long OnPenMove(Point point) override;
    long OnTimer(std::uintptr_t first, std::intptr_t second) override;
    long OnCommand(std::uintptr_t first, std::intptr_t second) override;
    long OnUserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    long OnClose(std::uintptr_t first, std::intptr_t second) override;
    // The right button stands for tap and hold.
    long DefaultHandler(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;

private:
    std::unique_ptr<CalculatorWindow> calculator_;
    Size clientSize_;
};

}  // namespace tallyx
