#include "ui/keypad_grid.h"

#include <algorithm>
#include <string_view>

namespace tallyx {
namespace {

constexpr std::size_t kShortCaption = 3;
constexpr std::size_t kLongCaption = 5;

// Equal spans for count keys over length pixels with gaps between them.
int KeySpan(int length, int count, int gap)
{
    return count > 0 ? (length - (count - 1) * gap) / count : 0;
}

bool HasRaised(const ButtonDef& button)
{
    return button.raisedCaption && *button.raisedCaption;
}

}  // namespace

std::size_t GridShape::Cells() const
{
    return rows > 0 && columns > 0 ? static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns) : 0;
}

Size GridKeySize(const GridPlacement& placement)
{
    const GridShape& shape = placement.shape;
    if (shape.Cells() == 0) return {};
    const int across = shape.turned ? shape.rows : shape.columns;
    const int down = shape.turned ? shape.columns : shape.rows;
    return {KeySpan(placement.area.Width(), across, shape.gap), KeySpan(placement.area.Height(), down, shape.gap)};
}

std::vector<Rect> GridCells(const GridPlacement& placement, std::size_t count)
{
    const GridShape& shape = placement.shape;
    const Size key = GridKeySize(placement);
    std::vector<Rect> cells;
    count = std::min(count, shape.Cells());
    cells.reserve(count);
    for (std::size_t index = 0; index < count; ++index) {
        const int row = static_cast<int>(index) / shape.columns;
        const int column = static_cast<int>(index) % shape.columns;
        const int across = shape.turned ? shape.rows - row - 1 : column;
        const int down = shape.turned ? shape.columns - column - 1 : row;
        cells.push_back(Rect::FromSize(placement.area.left + (shape.gap + key.width) * across,
                                       placement.area.top + (shape.gap + key.height) * down, key.width, key.height));
    }
    return cells;
}

const FontSpec& CaptionFonts::For(const ButtonDef& button) const
{
    if (HasRaised(button)) return raisedCaption;
    const std::size_t length = std::wstring_view(button.caption ? button.caption : L"").size();
    if (length < kShortCaption) return shortCaption;
    return length >= kLongCaption ? longCaption : middleCaption;
}

void KeypadGrid::Build(const std::vector<ButtonDef>& buttons, const GridPlacement& placement, const KeySkin& skin)
{
    keys_.clear();
    const std::vector<Rect> cells = GridCells(placement, buttons.size());
    keys_.reserve(cells.size());
    for (std::size_t index = 0; index < cells.size(); ++index) {
        const ButtonDef& button = buttons[index];
        const Rect& cell = cells[index];
        const ColorSet& set = skin.colors->SetForStyle(button.style);
        std::shared_ptr<const Image> face =
            skin.window && skin.faces ? skin.faces->FaceFor(*skin.window, {cell.Width(), cell.Height()}, button.style,
                                                            skin.colors->faceStyle, set, skin.icon)
                                      : nullptr;
        keys_.emplace_back(button, cell, set, skin.colors->shadow, std::move(face), skin.window);
    }
}

bool KeypadGrid::PenDown(Point point)
{
    return std::any_of(keys_.begin(), keys_.end(), [point](KeyButton& key) { return key.PenDown(point); });
}

void KeypadGrid::PenMove(Point point)
{
    for (KeyButton& key : keys_) key.PenMove(point);
}

std::optional<ButtonDef> KeypadGrid::PenUp(Point point)
{
    std::optional<ButtonDef> fired;
    for (KeyButton& key : keys_) {
        if (key.PenUp(point)) fired = key.Button();
    }
    return fired;
}

void KeypadGrid::Draw(Canvas& canvas, const Rect& clip) const
{
    for (const KeyButton& key : keys_) {
        if (!key.Bounds().Intersected(clip).IsEmpty()) key.Draw(canvas, FontFor(key));
    }
}

}  // namespace tallyx
