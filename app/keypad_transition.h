#pragma once

#include <chrono>
#include <functional>
#include <memory>

#include "ui/canvas.h"

namespace tallyx {

// Which way the new picture comes in, or fading in where it stands.
enum class SlideDirection { FromRight, FromLeft, FromTop, FromBottom, FadeIn };

// A timed change between two pictures of the same part of the window: the
// new type sliding in over 500 ms, the other key set of 2nd and Hyp over
// 900 ms, the keypad rebuilt by the options fading in over 900 ms.
class KeypadTransition {
public:
    using TimeSource = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr std::chrono::milliseconds kTypeSlide{500};
    static constexpr std::chrono::milliseconds kShiftSlide{900};
    static constexpr std::chrono::milliseconds kOptionsFade{900};

    explicit KeypadTransition(TimeSource now = std::chrono::steady_clock::now) : now_(std::move(now)) {}

    // The pictures cover the whole window; only area moves.
    void Start(std::unique_ptr<Image> from, std::unique_ptr<Image> to, const Rect& area, SlideDirection direction,
               std::chrono::milliseconds duration);
    // Ends at once: the new picture stays.
    void Stop();
    // True while the change runs; it ends by itself when its time is up.
    bool Active();
    const Rect& Area() const { return area_; }
    // Draws the change as it stands now; false once it is over.
    bool Draw(Canvas& canvas);
    void SetTimeSource(TimeSource now) { now_ = std::move(now); }

private:
    TimeSource now_;
    std::unique_ptr<Image> from_;
    std::unique_ptr<Image> to_;
    Rect area_;
    SlideDirection direction_ = SlideDirection::FromRight;
    std::chrono::steady_clock::time_point start_;
    std::chrono::milliseconds duration_{0};
};

}  // namespace tallyx
