#include "ui/backspace_arrow.h"

namespace tallyx {
namespace {

BackspaceArrow Step(int step)
{
    return {8 + 4 * step, 2 + 2 * step, 10 + 5 * step, 6 + 3 * step};
}

// Below 60 % of the key in both directions.
bool Fits(const BackspaceArrow& arrow, Size key)
{
    return arrow.headHeight * 10 < key.height * 6 && arrow.length * 10 < key.width * 6;
}

}  // namespace

BackspaceArrow BackspaceArrow::ForKey(Size key)
{
    int step = 0;
    while (Fits(Step(step + 1), key)) {
        ++step;
    }
    return Step(step);
}

std::array<Point, 7> BackspaceArrow::Outline(const Rect& key) const
{
    const int tip = key.left + (key.Width() - length) / 2;
    const int middle = key.top + key.Height() / 2;
    const int neck = tip + length - shaftLength;
    const int end = tip + length;
    const int halfHead = headHeight / 2;
    const int halfShaft = shaftThickness / 2;
    return {{{tip, middle},
             {neck, middle - halfHead},
             {neck, middle - halfShaft},
             {end, middle - halfShaft},
             {end, middle + halfShaft},
             {neck, middle + halfShaft},
             {neck, middle + halfHead}}};
}

}  // namespace tallyx
