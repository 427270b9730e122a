#include "app/keypad_transition.h"

namespace tallyx {

void KeypadTransition::Start(std::unique_ptr<Image> from, std::unique_ptr<Image> to, const Rect& area,
                             SlideDirection direction, std::chrono::milliseconds duration)
{
    from_ = std::move(from);
    to_ = std::move(to);
    area_ = area;
    direction_ = direction;
    duration_ = duration;
    start_ = now_();
}

void KeypadTransition::Stop()
{
    from_.reset();
    to_.reset();
}

bool KeypadTransition::Active()
{
    if (from_ && to_ && now_() - start_ >= duration_) Stop();
    return from_ && to_;
}

bool KeypadTransition::Draw(Canvas& canvas)
{
    if (!Active()) return false;
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now_() - start_);
    canvas.SetClip(area_);
    if (direction_ == SlideDirection::FadeIn) {
        constexpr int kOpaque = 255;
        canvas.DrawImage(*from_, area_, area_, false);
        canvas.BlendImage(*to_, area_, area_, static_cast<int>(kOpaque * elapsed.count() / std::max<long long>(1, duration_.count())));
        return true;
    }
    const bool horizontal = direction_ == SlideDirection::FromRight || direction_ == SlideDirection::FromLeft;
    const int span = horizontal ? area_.Width() : area_.Height();
    const int moved = static_cast<int>(span * elapsed.count() / std::max<long long>(1, duration_.count()));
    // The new picture enters from one side while the old one leaves by the other.
    const int sign = direction_ == SlideDirection::FromRight || direction_ == SlideDirection::FromBottom ? -1 : 1;
    const int oldShift = sign * moved;
    const int newShift = oldShift - sign * span;
    auto place = [&](const Image& image, int shift) {
        const Rect target = horizontal ? area_.Offset(shift, 0) : area_.Offset(0, shift);
        const Rect visible = target.Intersected(area_);
        if (visible.IsEmpty()) return;
        const Rect source = horizontal ? visible.Offset(-shift, 0) : visible.Offset(0, -shift);
        canvas.DrawImage(image, visible, source, false);
    };
    place(*from_, oldShift);
    place(*to_, newShift);
    return true;
}

}  // namespace tallyx
