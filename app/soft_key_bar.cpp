#include "app/soft_key_bar.h"

#include <array>

#include "platform/color.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

constexpr Color kBlack = MakeColor(0, 0, 0);
constexpr Color kWhite = MakeColor(255, 255, 255);

// The bar's own gradient by skin, standing for its background image.
struct BarColors {
    Color top;
    Color bottom;
};

constexpr std::array kBarColors = {
    BarColors{MakeColor(74, 118, 184), MakeColor(18, 44, 96)},    // metallic blue
    BarColors{MakeColor(70, 70, 70), MakeColor(8, 8, 8)},         // midnight black
    BarColors{MakeColor(92, 160, 80), MakeColor(24, 80, 30)},     // wireless green
    BarColors{MakeColor(226, 120, 170), MakeColor(140, 30, 90)},  // glam pink
    BarColors{MakeColor(150, 160, 176), MakeColor(60, 70, 88)},   // blue steel
};

const BarColors& ColorsForSkin(std::int32_t skinIndex)
{
    const bool builtIn = skinIndex >= 0 && static_cast<std::size_t>(skinIndex) < kBarColors.size();
    return kBarColors[builtIn ? static_cast<std::size_t>(skinIndex) : 0];
}

constexpr std::array<std::uint32_t, 4> kRegionMessages = {0, SoftKeyBar::kLeftMessage, SoftKeyBar::kRightMessage,
                                                          SoftKeyBar::kMiddleMessage};

}  // namespace

void SoftKeyBar::Place(const KeypadGeometry& geometry, std::int32_t skinIndex)
{
    bar_ = geometry.softKeyBar;
    left_ = geometry.softKeyLeft;
    middle_ = geometry.softKeyMiddle;
    right_ = geometry.softKeyRight;
    icon_ = geometry.metrics.icon;
    skinIndex_ = skinIndex;
    pressed_ = SoftKeyNone;
}

SoftKeyRegion SoftKeyBar::RegionAt(Point point) const
{
    if (left_.Contains(point)) return SoftKeyLeft;
    if (right_.Contains(point)) return SoftKeyRight;
    if (middle_.Contains(point)) return SoftKeyMiddle;
    return SoftKeyNone;
}

const Rect& SoftKeyBar::RegionRect(SoftKeyRegion region) const
{
    switch (region) {
    case SoftKeyLeft: return left_;
    case SoftKeyRight: return right_;
    case SoftKeyMiddle: return middle_;
    default: return bar_;
    }
}

bool SoftKeyBar::PenDown(Point point)
{
    if (!bar_.Contains(point)) return false;
    pressed_ = RegionAt(point);
    if (window_) window_->Invalidate(bar_);
    return true;
}

bool SoftKeyBar::PenUp(Point point)
{
    const SoftKeyRegion pressed = pressed_;
    if (pressed == SoftKeyNone) return bar_.Contains(point);
    pressed_ = SoftKeyNone;
    if (window_) {
        window_->Invalidate(bar_);
        if (RegionAt(point) == pressed) window_->PostMessage(kRegionMessages[static_cast<std::size_t>(pressed)], 0, 0);
    }
    return true;
}

void SoftKeyBar::Draw(Canvas& canvas) const
{
    const BarColors& colors = ColorsForSkin(skinIndex_);
    canvas.FillVerticalGradient(bar_, colors.top, colors.bottom);
    if (menuOpen_) {
        DrawCaption(canvas, L"Cancel", SoftKeyLeft);
        return;
    }
    DrawCaption(canvas, leftCaption_, SoftKeyLeft);
    DrawCaption(canvas, rightCaption_, SoftKeyRight);
}

void SoftKeyBar::DrawCaption(Canvas& canvas, std::wstring_view caption, SoftKeyRegion region) const
{
    const FontSpec font{kFontFamily, 3 * icon_ / 7, 700};
    const Rect& rect = RegionRect(region);
    constexpr unsigned kAlign = TextAlignCenter | TextAlignVCenter | TextEndEllipsis;
    canvas.DrawText(caption, rect.Offset(1, 1), font, kBlack, kAlign);
    if (pressed_ != region) canvas.DrawText(caption, rect, font, kWhite, kAlign);
}

}  // namespace tallyx
