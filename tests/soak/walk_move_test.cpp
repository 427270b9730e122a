#include <gtest/gtest.h>

#include "app/driver_action.h"
#include "walk_move.h"

namespace tallyx {
namespace {

constexpr Size kScreen{240, 320};
constexpr int kDraws = 2000;

StateLine Line(std::string kind, std::wstring text, Rect rect, std::vector<std::string> marks = {})
{
    StateLine line{std::move(kind), {}, std::move(text), rect};
    line.marks = std::move(marks);
    return line;
}

WalkView DialogView(int movesOnTop)
{
    WalkView view;
    view.screen = kScreen;
    view.topWindow = "options";
    view.movesOnTopWindow = movesOnTop;
    view.lines = {{"window", {"options"}, L"Options"},
                  Line("row", L"Notation:", Rect::FromSize(0, 0, 240, 30)),
                  Line("button", L"Cancel", Rect::FromSize(140, 300, 100, 20))};
    return view;
}

WalkView MenuView()
{
    WalkView view;
    view.screen = kScreen;
    view.atRest = false;
    view.lines = {{"window", {"menu"}, L""},
                  Line("menu", L"Copy", Rect::FromSize(1, 75, 131, 29)),
                  Line("menu", L"Paste", Rect::FromSize(1, 104, 131, 29), {"disabled"})};
    return view;
}

bool Inside(const std::vector<Point>& points, Size screen)
{
    for (const Point& point : points) {
        if (point.x < 0 || point.y < 0 || point.x >= screen.width || point.y >= screen.height) return false;
    }
    return true;
}

TEST(WalkMove, EveryDriverMoveReadsAsAnActionWithinTheScreen)
{
    std::mt19937 random(1);
    for (const WalkView& view : {DialogView(0), MenuView()}) {
        for (int draw = 0; draw < kDraws; ++draw) {
            const WalkMove move = ChooseMove(random, view);
            ASSERT_EQ(move.kind, WalkMove::Driver) << "the frame changes only when nothing is open over it";
            const ParsedDriverActions parsed = ParseDriverActions(move.words);
            ASSERT_TRUE(parsed.error.empty()) << move.Words() << ": " << parsed.error;
            EXPECT_TRUE(Inside(parsed.actions.front().points, view.screen)) << move.Words();
        }
    }
}

TEST(WalkMove, ChoosesOnlyItemsThatCanBeChosen)
{
    std::mt19937 random(2);
    int choices = 0;
    for (int draw = 0; draw < kDraws; ++draw) {
        const WalkMove move = ChooseMove(random, MenuView());
        if (move.words.front() != "choose") continue;
        ++choices;
        EXPECT_EQ(move.words.back(), "Copy");
    }
    EXPECT_GT(choices, 0);
}

TEST(WalkMove, LeavesAWindowThatStaysOnTopByEscapeOrItsWayOut)
{
    std::mt19937 random(3);
    const Rect cancel = Rect::FromSize(140, 300, 100, 20);
    bool escaped = false;
    bool cancelled = false;
    for (int movesOnTop = 1000; movesOnTop < 1000 + kDraws; ++movesOnTop) {
        const WalkMove move = ChooseMove(random, DialogView(movesOnTop));
        if (move.Words() == "vk Escape") {
            escaped = true;
            continue;
        }
        const ParsedDriverActions parsed = ParseDriverActions(move.words);
        ASSERT_EQ(move.words.front(), "tap") << move.Words();
        EXPECT_TRUE(cancel.Contains(parsed.actions.front().points.front())) << move.Words();
        cancelled = true;
    }
    EXPECT_TRUE(escaped && cancelled);
}

TEST(WalkMove, ChangesTheFrameOnlyAtRestAndReplaysFromItsSeed)
{
    WalkView rest;
    rest.screen = kScreen;
    rest.atRest = true;
    rest.lines = {Line("key", L"7", Rect::FromSize(0, 100, 40, 40)),
                  Line("button", L"Menu", Rect::FromSize(140, 300, 100, 20))};
    std::mt19937 first(4);
    std::mt19937 second(4);
    bool switched = false;
    bool resized = false;
    for (int draw = 0; draw < kDraws; ++draw) {
        const WalkMove move = ChooseMove(first, rest);
        ASSERT_EQ(move.Words(), ChooseMove(second, rest).Words());
        switched = switched || move.kind == WalkMove::SwitchType;
        resized = resized || move.kind == WalkMove::Resize;
    }
    EXPECT_TRUE(switched && resized);
}

}  // namespace
}  // namespace tallyx
