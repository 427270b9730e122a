#pragma once

#include <cstdint>

#include "app/soft_key_bar.h"
#include "ui/window_base.h"

namespace tallyx {

// "About Tallyx": the product text over the whole frame, with "Back" on the
// soft-key bar. Escape and F1 go back as well.
class AboutWindow : public WindowBase {
public:
    static constexpr const wchar_t* kTitle = L"About Tallyx";

    explicit AboutWindow(std::int32_t skinIndex) : skinIndex_(skinIndex) {}

    // Shows the window over frame until the user goes back.
    void Run(WindowHost& frame);

protected:
    long OnCreate(std::uintptr_t first, std::intptr_t second) override;
    long OnSize(std::uintptr_t first, std::intptr_t second) override;
    long Draw(Canvas& canvas, const Rect& clip) override;
    long OnPenDown(Point point) override;
    long OnPenUp(Point point) override;
    long OnKeyUp(std::uintptr_t first, std::intptr_t second) override;
    long OnUserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    long OnClose(std::uintptr_t first, std::intptr_t second) override;

private:
    void Layout();

    std::int32_t skinIndex_;
    SoftKeyBar softKeys_;
    int icon_ = 32;
};

}  // namespace tallyx
