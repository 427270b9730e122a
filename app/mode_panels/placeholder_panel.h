#pragma once

#include "app/panel.h"

namespace tallyx {

// A mode panel that covers the window and, until it has content of its
// own, shows its calculator type's name on the skin's background.
class PlaceholderPanel : public Panel {
public:
    explicit PlaceholderPanel(int calculatorType) : calculatorType_(calculatorType) {}

    long Draw(Canvas& canvas, const Rect& clip) override;

protected:
    // The window above the soft-key bar.
    Rect ContentArea() const;
    // The icon width of the window's size, the unit of every size drawn.
    int Icon() const;
    // The skin's text colour, or black or white where that does not read on its background.
    Color TextColor() const;

private:
    int calculatorType_;
};

}  // namespace tallyx
