#pragma once

#include <array>
#include <cstdint>

#include "keypad/color.h"

namespace tallyx {

class IniText;

// The colours of one kind of key: the face gradient, the pressed face
// gradient, and the caption colours.
struct ColorSet {
    Color color1 = kMissingSkinColor;
    Color color2 = kMissingSkinColor;
    Color hiLite1 = kMissingSkinColor;
    Color hiLite2 = kMissingSkinColor;
    Color text1 = kMissingSkinColor;
    Color text2 = kMissingSkinColor;
};

// The colours of a skin. Set 0 comes from [Skin]; set k (1 to 6) from the
// "Btn<k>..." keys of [Init] and serves keys of style k - 1.
struct SkinColors {
    static constexpr int kColorSetCount = 7;

    std::array<ColorSet, kColorSetCount> sets;
    std::int32_t faceStyle = 0;
    Color background = kMissingSkinColor;
    Color text = kMissingSkinColor;
    Color topText = kMissingSkinColor;
    Color worksheet1 = kMissingSkinColor;
    Color worksheet2 = kMissingSkinColor;
    bool shadow = false;

    // The colour set of a key of that style.
    const ColorSet& SetForStyle(std::int32_t style) const;
};

SkinColors ReadSkinColors(const IniText& skin);

}  // namespace tallyx
