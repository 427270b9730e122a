#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "keypad/button_def.h"
#include "keypad/skin_colors.h"
#include "ui/canvas.h"
#include "ui/face_cache.h"
#include "ui/key_button.h"

namespace tallyx {

class WindowHost;

// How the keys of an area fill its rectangle: rows and columns of equal keys
// with a gap between them. A turned grid is the keypad turned by a quarter:
// its rows stand as columns from the right, its columns as rows from the bottom.
struct GridShape {
    int rows = 0;
    int columns = 0;
    int gap = 0;
    bool turned = false;

    // At most one key per cell.
    std::size_t Cells() const;
};

// Where a grid sits and how its keys fill it.
struct GridPlacement {
    Rect area;
    GridShape shape;
};

// The size of every key of the grid; nothing when it has no rows or columns.
Size GridKeySize(const GridPlacement& placement);
// The rectangles of the first count positions, in the layout's reading order.
std::vector<Rect> GridCells(const GridPlacement& placement, std::size_t count);

// Caption fonts by length: short under three characters, long from five,
// middle between; a caption with a raised part has a font of its own.
struct CaptionFonts {
    FontSpec shortCaption;
    FontSpec middleCaption;
    FontSpec longCaption;
    FontSpec raisedCaption;

    const FontSpec& For(const ButtonDef& button) const;
};

// What keys are drawn with: the skin's colours and face style, faces shared
// through the cache, and the window the pressed keys repaint.
struct KeySkin {
    const SkinColors* colors = nullptr;
    FaceCache* faces = nullptr;
    WindowHost* window = nullptr;
    int icon = 32;
};

// The keys of one layout area, laid out in a rectangle and drawn in the
// skin. The pen presses a key, sliding off releases it, and lifting the pen
// on the pressed key fires it.
class KeypadGrid {
public:
    // One key per button that has a cell; buttons past the last cell are left out.
    void Build(const std::vector<ButtonDef>& buttons, const GridPlacement& placement, const KeySkin& skin);
    void Clear() { keys_.clear(); }
    void SetFonts(const CaptionFonts& fonts) { fonts_ = fonts; }

    // True when the point pressed a key.
    bool PenDown(Point point);
    // Releases, without firing, a pressed key the pen has left.
    void PenMove(Point point);
    // The key that fires: the pressed one, when the pen comes up on it.
    std::optional<ButtonDef> PenUp(Point point);

    void Draw(Canvas& canvas, const Rect& clip) const;

    const std::vector<KeyButton>& Keys() const { return keys_; }
    const FontSpec& FontFor(const KeyButton& key) const { return fonts_.For(key.Button()); }

private:
    std::vector<KeyButton> keys_;
    CaptionFonts fonts_;
};

}  // namespace tallyx
