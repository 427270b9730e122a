#include "app/about_window.h"

#include <QTimer>
#include <functional>

#include <gtest/gtest.h>

#include "platform/window_messages.h"

namespace tallyx {
namespace {

class Frame : public WindowBase {};

TEST(AboutWindow, BackEscapeAndClosingEndIt)
{
    struct Case {
        const char* name;
        std::function<void(AboutWindow&)> back;
    };
    const Case cases[] = {
        {"Back soft key", [](AboutWindow& about) { about.WindowProcedure(SoftKeyBar::kLeftMessage, 0, 0); }},
        {"Escape", [](AboutWindow& about) { about.WindowProcedure(WM_KEYUP, VK_ESCAPE, 0); }},
        {"window closed", [](AboutWindow& about) { about.WindowProcedure(WM_CLOSE, 0, 0); }},
    };
    Frame frame;
    ASSERT_TRUE(frame.Create(L"Tallyx", nullptr, Rect::FromSize(0, 0, 480, 640)));
    for (const Case& item : cases) {
        SCOPED_TRACE(item.name);
        AboutWindow about(0);
        bool drewText = false;
        QTimer::singleShot(0, [&] {
            EXPECT_EQ(about.Window()->ClientRect(), frame.Window()->ClientRect());
            // The page is more than its gradient: some pixel in the text carries the title's white.
            const std::unique_ptr<Image> shot = about.Window()->Grab();
            for (int x = 0; x < 480 && !drewText; ++x) {
                for (int y = 0; y < 200 && !drewText; ++y) drewText = shot->PixelAt({x, y}) == MakeColor(255, 255, 255);
            }
            item.back(about);
        });
        about.Run(*frame.Window());
        EXPECT_TRUE(drewText);
        EXPECT_EQ(about.Window(), nullptr);
    }
}

}  // namespace
}  // namespace tallyx
