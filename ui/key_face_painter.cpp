#include "ui/key_face_painter.h"

#include <array>
#include <cmath>

namespace tallyx {
namespace {

constexpr int kMidnightLighten = 15;
constexpr int kGlassLighten = 45;

Color Mixed(Color from, Color to, int step, int steps)
{
    if (steps <= 1) return from;
    auto channel = [&](std::uint32_t a, std::uint32_t b) {
        return static_cast<std::uint32_t>(static_cast<int>(a) + (static_cast<int>(b) - static_cast<int>(a)) * step / (steps - 1));
    };
    return MakeColor(channel(RedOf(from), RedOf(to)), channel(GreenOf(from), GreenOf(to)), channel(BlueOf(from), BlueOf(to)));
}

// How far row y of a rounded shape stays inside its left and right edges.
int CornerInset(const Rect& shape, int radius, int y)
{
    const int fromTop = y - shape.top;
    const int fromBottom = shape.bottom - 1 - y;
    const int edge = std::min(fromTop, fromBottom);
    if (radius <= 0 || edge >= radius) return 0;
    const double dy = radius - edge - 0.5;
    return radius - static_cast<int>(std::sqrt(std::max(0.0, radius * radius - dy * dy)));
}

// A vertical gradient inside a rounded shape, its colours spread over ramp.
void FillRoundedGradient(Canvas& canvas, const Rect& shape, int radius, Color top, Color bottom, const Rect& ramp)
{
    for (int y = shape.top; y < shape.bottom; ++y) {
        const int step = std::clamp(y - ramp.top, 0, std::max(0, ramp.Height() - 1));
        const int inset = CornerInset(shape, radius, y);
        canvas.FillRect({shape.left + inset, y, shape.right - inset, y + 1}, Mixed(top, bottom, step, ramp.Height()));
    }
}

void FillRoundedGradient(Canvas& canvas, const Rect& shape, int radius, Color top, Color bottom)
{
    FillRoundedGradient(canvas, shape, radius, top, bottom, shape);
}

struct FaceContext {
    Canvas& canvas;
    const Rect& face;
    const ColorSet& colors;
    bool pressed;
    int icon;
};

using FacePainter = void (*)(const FaceContext&);

void PaintFramed(const FaceContext& context)
{
    context.canvas.FillRect(context.face, context.pressed ? context.colors.color2 : context.colors.color1);
    context.canvas.FrameRect(context.face, context.colors.hiLite1);
}

void PaintRoundedFlat(const FaceContext& context)
{
    const int radius = context.icon / 6;
    context.canvas.FillRoundRect(context.face, radius, context.pressed ? context.colors.color2 : context.colors.color1);
    context.canvas.FrameRoundRect(context.face, radius, context.colors.hiLite1);
}

void PaintBevelled(const FaceContext& context)
{
    const Rect& face = context.face;
    const Color light = context.pressed ? context.colors.hiLite1 : context.colors.hiLite2;
    const Color dark = context.pressed ? context.colors.hiLite2 : context.colors.hiLite1;
    context.canvas.FillVerticalGradient(face, context.colors.color1, context.colors.color2);
    const int bevel = std::max(1, context.icon / 16);
    context.canvas.FillRect({face.left, face.top, face.right, face.top + bevel}, light);
    context.canvas.FillRect({face.left, face.top, face.left + bevel, face.bottom}, light);
    context.canvas.FillRect({face.left, face.bottom - bevel, face.right, face.bottom}, dark);
    context.canvas.FillRect({face.right - bevel, face.top, face.right, face.bottom}, dark);
}

void PaintBlueSteel(const FaceContext& context)
{
    const int radius = context.icon / 6;
    const ColorSet& colors = context.colors;
    FillRoundedGradient(context.canvas, context.face, radius, context.pressed ? colors.color2 : colors.color1,
                        context.pressed ? colors.color1 : colors.color2);
    context.canvas.FrameRoundRect(context.face, radius, colors.hiLite1);
}

// Glass: a bright upper half over the base colour.
void PaintGlass(const FaceContext& context, int radius)
{
    const ColorSet& colors = context.colors;
    const Rect& face = context.face;
    const Color base = context.pressed ? colors.color2 : colors.color1;
    FillRoundedGradient(context.canvas, face, radius, base, colors.color2);
    const Rect upper{face.left + 1, face.top + 1, face.right - 1, face.top + face.Height() / 2};
    FillRoundedGradient(context.canvas, upper, radius, Lightened(base, kGlassLighten), base);
    context.canvas.FrameRoundRect(face, radius, colors.hiLite1);
}

void PaintRoundedGlass(const FaceContext& context) { PaintGlass(context, context.icon / 6); }
void PaintSquareGlass(const FaceContext& context) { PaintGlass(context, 0); }
void PaintPillGlass(const FaceContext& context) { PaintGlass(context, context.face.Height() / 2); }

void PaintRoundedBevelled(const FaceContext& context)
{
    const ColorSet& colors = context.colors;
    const int radius = context.icon / 6;
    FillRoundedGradient(context.canvas, context.face, radius, context.pressed ? colors.hiLite1 : colors.hiLite2,
                        context.pressed ? colors.hiLite2 : colors.hiLite1);
    const int bevel = std::max(2, context.icon / 10);
    FillRoundedGradient(context.canvas, context.face.Inflated(-bevel, -bevel), radius, colors.color1, colors.color2);
}

void PaintDoubleFramed(const FaceContext& context)
{
    PaintFramed(context);
    context.canvas.FrameRect(context.face.Inflated(-2, -2), context.colors.hiLite2);
}

void PaintMidnight(const FaceContext& context)
{
    const ColorSet& colors = context.colors;
    const Rect& face = context.face;
    const Color light = Lightened(colors.color2, kMidnightLighten);
    const Rect inside = face.Inflated(-1, -1);
    const int middle = inside.top + inside.Height() / 2;
    const Rect upper{inside.left, inside.top, inside.right, middle};
    const Rect lower{inside.left, middle, inside.right, inside.bottom};
    context.canvas.FrameRect(face, colors.hiLite1);
    if (context.pressed) {
        context.canvas.FillVerticalGradient(upper, light, colors.color1);
        context.canvas.FillRect(lower, colors.color1);
    } else {
        context.canvas.FillVerticalGradient(upper, colors.color1, light);
        context.canvas.FillRect(lower, colors.color2);
    }
}

void PaintRoundedFlatPlain(const FaceContext& context)
{
    context.canvas.FillRoundRect(context.face, context.icon / 6,
                                 context.pressed ? context.colors.color2 : context.colors.color1);
}

// The face of the built-in light skins: a rim gradient around an inner gradient.
void PaintRimmed(const FaceContext& context)
{
    const ColorSet& colors = context.colors;
    const Rect& face = context.face;
    FillRoundedGradient(context.canvas, face, context.icon / 6, context.pressed ? colors.hiLite1 : colors.hiLite2,
                        context.pressed ? colors.hiLite2 : colors.hiLite1);
    const Rect inner = face.Inflated(-2, -2);
    const Rect ramp = context.pressed ? face.Inflated(-1, -1) : inner;
    FillRoundedGradient(context.canvas, inner, context.icon / 12, colors.color1, colors.color2, ramp);
}

constexpr std::array<FacePainter, 12> kFacePainters = {
    PaintRoundedFlat,      // 0
    PaintFramed,           // 1
    PaintBevelled,         // 2
    PaintBlueSteel,        // 3
    PaintRoundedGlass,     // 4
    PaintRoundedBevelled,  // 5
    PaintPillGlass,        // 6
    PaintSquareGlass,      // 7
    PaintDoubleFramed,     // 8
    PaintMidnight,         // 9
    PaintRoundedFlatPlain, // 10
    PaintRimmed,           // 11
};

}  // namespace

Color Lightened(Color color, int percent)
{
    auto channel = [percent](std::uint32_t value) { return value + (255 - value) * static_cast<std::uint32_t>(percent) / 100; };
    return MakeColor(channel(RedOf(color)), channel(GreenOf(color)), channel(BlueOf(color)));
}

void PaintKeyFace(Canvas& canvas, const Rect& face, std::int32_t faceStyle, const ColorSet& colors, bool pressed,
                  int icon)
{
    const bool known = faceStyle >= 0 && static_cast<std::size_t>(faceStyle) < kFacePainters.size();
    const FacePainter painter = known ? kFacePainters[static_cast<std::size_t>(faceStyle)] : PaintFramed;
    painter(FaceContext{canvas, face, colors, pressed, icon});
}

}  // namespace tallyx
