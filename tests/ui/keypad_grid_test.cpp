#include "ui/keypad_grid.h"

#include <gtest/gtest.h>

namespace tallyx {
namespace {

struct CellsCase {
    const char* name;
    GridPlacement placement;
    std::size_t count;
    std::vector<Rect> cells;
};

TEST(KeypadGrid, CellsFillTheAreaInReadingOrder)
{
    const CellsCase cases[] = {
        // 100 wide, 3 columns, gap 2: keys 32 wide; 2 rows over 50: 24 high.
        {"upright", {{10, 20, 110, 70}, {2, 3, 2}}, 4,
         {Rect::FromSize(10, 20, 32, 24), Rect::FromSize(44, 20, 32, 24), Rect::FromSize(78, 20, 32, 24),
          Rect::FromSize(10, 46, 32, 24)}},
        // Turned: the first row stands on the right, its first key at the bottom.
        {"turned", {{0, 0, 62, 93}, {2, 3, 2, true}}, 4,
         {Rect::FromSize(32, 62, 30, 29), Rect::FromSize(32, 31, 30, 29), Rect::FromSize(32, 0, 30, 29),
          Rect::FromSize(0, 62, 30, 29)}},
        {"more buttons than cells", {{0, 0, 20, 10}, {1, 2, 0}}, 5,
         {Rect::FromSize(0, 0, 10, 10), Rect::FromSize(10, 0, 10, 10)}},
        {"no rows", {{0, 0, 20, 10}, {0, 2, 0}}, 3, {}},
    };
    for (const CellsCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GridCells(c.placement, c.count), c.cells);
    }
}

TEST(KeypadGrid, CaptionFontsGoByLength)
{
    const CaptionFonts fonts{{kFontFamily, 10, 400}, {kFontFamily, 9, 400}, {kFontFamily, 8, 400}, {kFontFamily, 7, 400}};
    const struct {
        const char* name;
        const wchar_t* caption;
        const wchar_t* raised;
        int height;
    } cases[] = {
        {"short", L"7", L"", 10},       {"middle", L"sin", L"", 9},      {"long", L"asinh", L"", 8},
        {"raised", L"x", L"y", 7},      {"none", nullptr, nullptr, 10},
    };
    for (const auto& c : cases) {
        ButtonDef button;
        button.caption = c.caption;
        button.raisedCaption = c.raised;
        EXPECT_EQ(fonts.For(button).pixelHeight, c.height) << c.name;
    }
}

class KeypadGridPenTest : public ::testing::Test {
protected:
    KeypadGridPenTest()
    {
        std::vector<ButtonDef> buttons(4);
        for (std::size_t index = 0; index < buttons.size(); ++index) buttons[index].id = static_cast<std::int32_t>(index);
        grid.Build(buttons, {{0, 0, 40, 40}, {2, 2, 0}}, KeySkin{&colors});
    }

    SkinColors colors;
    KeypadGrid grid;
};

TEST_F(KeypadGridPenTest, LiftingThePenOnThePressedKeyFiresIt)
{
    ASSERT_EQ(grid.Keys().size(), 4u);
    EXPECT_TRUE(grid.PenDown({25, 5}));
    EXPECT_TRUE(grid.Keys()[1].Pressed());
    const std::optional<ButtonDef> fired = grid.PenUp({30, 10});
    ASSERT_TRUE(fired.has_value());
    EXPECT_EQ(fired->id, 1);
    EXPECT_FALSE(grid.Keys()[1].Pressed());
}

TEST_F(KeypadGridPenTest, SlidingOffReleasesWithoutFiring)
{
    EXPECT_TRUE(grid.PenDown({5, 25}));
    grid.PenMove({25, 25});
    EXPECT_FALSE(grid.Keys()[2].Pressed());
    // Coming back onto a key does not press it again; nothing fires.
    EXPECT_FALSE(grid.PenUp({5, 25}).has_value());
    EXPECT_FALSE(grid.PenDown({50, 50}));
    EXPECT_FALSE(grid.PenUp({50, 50}).has_value());
}

}  // namespace
}  // namespace tallyx
