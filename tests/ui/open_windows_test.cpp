#include "ui/open_windows.h"

#include <memory>

#include <gtest/gtest.h>

#include "ui/window_base.h"

namespace tallyx {
namespace {

class PlainWindow : public WindowBase {};

// The windows other tests left open, then these.
std::vector<WindowBase*> Expected(const std::vector<WindowBase*>& before, std::initializer_list<WindowBase*> windows)
{
    std::vector<WindowBase*> expected = before;
    expected.insert(expected.end(), windows);
    return expected;
}

TEST(OpenWindows, ListBoundWindowsBottomFirstUntilTheirWindowsEnd)
{
    const std::vector<WindowBase*> before = OpenWindows();

    PlainWindow frame;
    ASSERT_TRUE(frame.Create(L"frame", nullptr, Rect::FromSize(0, 0, 100, 100)));
    PlainWindow menu;
    ASSERT_TRUE(menu.Create(L"", frame.Window(), Rect::FromSize(10, 10, 20, 20)));
    EXPECT_EQ(OpenWindows(), Expected(before, {&frame, &menu}));
    EXPECT_EQ(TopWindow(), &menu);

    // A window that closes leaves the list; opened again, it is on top again.
    menu.Window()->Destroy();
    EXPECT_EQ(OpenWindows(), Expected(before, {&frame}));
    {
        PlainWindow dialog;
        ASSERT_TRUE(dialog.Create(L"dialog", frame.Window(), Rect::FromSize(0, 0, 100, 100)));
        ASSERT_TRUE(menu.Create(L"", frame.Window(), Rect::FromSize(10, 10, 20, 20)));
        EXPECT_EQ(OpenWindows(), Expected(before, {&frame, &dialog, &menu}));
    }
    // An object that goes while its window is open takes it off the list.
    EXPECT_EQ(OpenWindows(), Expected(before, {&frame, &menu}));
    auto passing = std::make_unique<PlainWindow>();
    ASSERT_TRUE(passing->Create(L"", frame.Window(), Rect::FromSize(0, 0, 5, 5)));
    passing.reset();
    EXPECT_EQ(TopWindow(), &menu);
}

}  // namespace
}  // namespace tallyx
