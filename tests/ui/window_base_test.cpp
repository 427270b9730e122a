#include "ui/window_base.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/qt/qt_window_host.h"
#include "platform/window_messages.h"
#include "tests/ui/event_wait.h"

namespace tallyx {
namespace {

// Records what reaches each operation; paints its client area one color.
class RecordingWindow : public WindowBase {
public:
    std::vector<std::pair<std::uint32_t, std::uintptr_t>> received;  // message and first parameter
    std::vector<Point> penDowns;
    std::vector<Point> penMoves;
    std::vector<Rect> drawClips;
    Color fill = MakeColor(10, 200, 30);
    int created = 0;
    int destroyed = 0;

    std::vector<std::uint32_t> Messages(std::uint32_t message) const
    {
        std::vector<std::uint32_t> found;
        for (const auto& [kind, first] : received) {
            if (kind == message) found.push_back(static_cast<std::uint32_t>(first));
        }
        return found;
    }

protected:
    long OnCreate(std::uintptr_t, std::intptr_t) override
    {
        ++created;
        return 1;
    }
    long OnDestroy(std::uintptr_t, std::intptr_t) override
    {
        ++destroyed;
        return 1;
    }
    long Draw(Canvas& canvas, const Rect& clip) override
    {
        drawClips.push_back(clip);
        canvas.FillRect(Window()->ClientRect(), fill);
        return 1;
    }
    long OnPenDown(Point point) override
    {
        penDowns.push_back(point);
        return 1;
    }
    long OnPenMove(Point point) override
    {
        penMoves.push_back(point);
        return 1;
    }
    long OnKeyDown(std::uintptr_t first, std::intptr_t) override { return Record(WM_KEYDOWN, first); }
    long OnChar(std::uintptr_t first, std::intptr_t) override { return Record(WM_CHAR, first); }
    long OnTimer(std::uintptr_t first, std::intptr_t) override { return Record(WM_TIMER, first); }
    long OnUserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t) override
    {
        if (message == WM_USER + 1) Window()->EndModal(static_cast<long>(first));
        return Record(message, first);
    }

private:
    long Record(std::uint32_t message, std::uintptr_t first)
    {
        received.emplace_back(message, first);
        return 1;
    }
};

QtWindowHost& HostOf(const WindowBase& window)
{
    return *static_cast<QtWindowHost*>(window.Window());
}

TEST(WindowBaseTest, PostedMessagesArriveInOrderFromAnyThreadAndTimersWithTheirIds)
{
    RecordingWindow window;
    ASSERT_TRUE(window.Create(L"", nullptr, Rect::FromSize(0, 0, 100, 100)));
    constexpr int kCount = 200;
    std::thread worker([&] {
        for (int i = 0; i < kCount; ++i) window.Window()->PostMessage(WM_USER + 200, static_cast<std::uintptr_t>(i), 0);
    });
    worker.join();
    window.Window()->SetTimer(42, 5);
    ProcessEventsUntil([&] { return window.Messages(WM_TIMER).size() >= 2; });
    window.Window()->KillTimer(42);
    const auto arrived = window.Messages(WM_USER + 200);
    ASSERT_EQ(arrived.size(), static_cast<std::size_t>(kCount));
    for (int i = 0; i < kCount; ++i) EXPECT_EQ(arrived[i], static_cast<std::uint32_t>(i));
    const auto fired = window.Messages(WM_TIMER);
    ASSERT_GE(fired.size(), 2u);
    EXPECT_EQ(fired.front(), 42u);
}

TEST(WindowBaseTest, PenAndKeysBecomeMessages)
{
    RecordingWindow window;
    ASSERT_TRUE(window.Create(L"", nullptr, Rect::FromSize(0, 0, 200, 200)));
    QWidget* widget = HostOf(window).Widget();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(30, 70), QPointF(30, 70), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &left);
    QKeyEvent five(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, "5");
    QCoreApplication::sendEvent(widget, &five);
    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &f2);

    EXPECT_EQ(window.penDowns, (std::vector<Point>{{30, 70}}));
    EXPECT_EQ(window.Messages(WM_KEYDOWN), (std::vector<std::uint32_t>{VK_LEFT, '5', VK_F2}));
    EXPECT_EQ(window.Messages(WM_CHAR), (std::vector<std::uint32_t>{'5'}));
}

TEST(WindowBaseTest, CapturedDragLeftOfOrAboveTheWindowKeepsItsSign)
{
    RecordingWindow window;
    ASSERT_TRUE(window.Create(L"", nullptr, Rect::FromSize(0, 0, 200, 200)));
    QWidget* widget = HostOf(window).Widget();
    const QPointF places[] = {{-25, 40}, {60, -3}, {-1, -1}, {150, 120}};
    for (const QPointF& place : places) {
        QMouseEvent move(QEvent::MouseMove, place, place, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }
    EXPECT_EQ(window.penMoves, (std::vector<Point>{{-25, 40}, {60, -3}, {-1, -1}, {150, 120}}));
    // The parameter's two halves hold the whole signed 16-bit range.
    for (const Point point : {Point{-32768, 32767}, Point{32767, -32768}, Point{0, 0}}) {
        const std::intptr_t parameter = MakePointParameter(point.x, point.y);
        EXPECT_EQ((Point{PointXOf(parameter), PointYOf(parameter)}), point);
    }
}

TEST(WindowBaseTest, PaintsOnlyTheInvalidatedBoxFromTheOffscreenImage)
{
    RecordingWindow window;
    ASSERT_TRUE(window.Create(L"", nullptr, Rect::FromSize(0, 0, 120, 80)));
    window.Window()->Show();
    QCoreApplication::processEvents();
    auto grabbed = window.Window()->Grab();
    EXPECT_EQ(grabbed->PixelAt({60, 40}), window.fill);

    HostOf(window).ClearInvalidationLog();
    window.drawClips.clear();
    window.fill = MakeColor(250, 10, 10);
    const Rect box = Rect::FromSize(10, 10, 20, 20);
    window.Window()->Invalidate(box);
    window.Window()->Update();
    EXPECT_EQ(HostOf(window).InvalidationLog(), (std::vector<Rect>{box}));
    ASSERT_FALSE(window.drawClips.empty());
    EXPECT_EQ(window.drawClips.back(), box);
}

TEST(WindowBaseTest, RunModalReturnsTheResultTheDialogEndsWith)
{
    RecordingWindow owner;
    ASSERT_TRUE(owner.Create(L"", nullptr, Rect::FromSize(0, 0, 200, 200)));
    EXPECT_TRUE(owner.IsMainWindow());
    RecordingWindow dialog;
    QTimer::singleShot(0, [&] { dialog.Window()->PostMessage(WM_USER + 1, 7, 0); });
    EXPECT_EQ(dialog.RunModal(owner.Window(), Rect{}), 7);
    EXPECT_FALSE(dialog.IsMainWindow());
    EXPECT_EQ(dialog.created, 1);
    EXPECT_EQ(dialog.destroyed, 1);
    // A destroyed window handles nothing more.
    EXPECT_EQ(dialog.Window(), nullptr);
    EXPECT_EQ(dialog.WindowProcedure(WM_KEYDOWN, VK_LEFT, 0), WindowBase::kNotHandled);
}

}  // namespace
}  // namespace tallyx
