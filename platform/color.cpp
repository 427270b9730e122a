#include "platform/color.h"

#include <algorithm>
#include <cmath>

namespace tallyx {
namespace {

// The share of light a colour gives off, 0 to 1, after undoing the sRGB curve.
double RelativeLuminance(Color color)
{
    const auto channel = [](std::uint32_t value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(RedOf(color)) + 0.7152 * channel(GreenOf(color)) + 0.0722 * channel(BlueOf(color));
}

}  // namespace

double ContrastRatio(Color first, Color second)
{
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Color ReadableOn(Color background, Color preferred)
{
    if (ContrastRatio(background, preferred) >= kReadableContrast) return preferred;
    const Color black = MakeColor(0, 0, 0);
    const Color white = MakeColor(255, 255, 255);
    return ContrastRatio(background, black) >= ContrastRatio(background, white) ? black : white;
}

}  // namespace tallyx
