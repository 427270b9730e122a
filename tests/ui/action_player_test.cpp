#include "app/action_player.h"

#include <QCoreApplication>
#include <string>

#include <gtest/gtest.h>

#include "app/state_listing.h"
#include "platform/window_messages.h"
#include "ui/open_windows.h"
#include "ui/window_base.h"

namespace tallyx {
namespace {

// Ends its modal run on Escape; keeps what it was typed.
class TypedDialog : public WindowBase {
public:
    std::wstring typed;

protected:
    long OnChar(std::uintptr_t first, std::intptr_t) override
    {
        typed += static_cast<wchar_t>(first);
        return 1;
    }
    long OnKeyUp(std::uintptr_t first, std::intptr_t) override
    {
        if (first == VK_ESCAPE) Window()->EndModal(1);
        return 1;
    }
};

// Opens the dialog from inside its character handler, so the handler does
// not return until the dialog has closed.
class OpeningFrame : public WindowBase {
public:
    std::wstring typed;
    std::wstring typedInDialog;
    std::vector<Point> penDowns;

protected:
    long OnChar(std::uintptr_t first, std::intptr_t) override
    {
        if (first != L'd') {
            typed += static_cast<wchar_t>(first);
            return 1;
        }
        TypedDialog dialog;
        dialog.RunModal(Window(), Rect::FromSize(0, 0, 50, 50));
        typedInDialog += dialog.typed;
        return 1;
    }
    long OnPenDown(Point point) override
    {
        penDowns.push_back(point);
        return 1;
    }
};

ActionPlayer::Outcome Play(const std::vector<std::string>& words, std::string& failure)
{
    const ParsedDriverActions parsed = ParseDriverActions(words);
    EXPECT_TRUE(parsed.error.empty()) << parsed.error;
    const StateListing listing;
    ActionPlayer player(parsed.actions, 0, listing);
    ActionPlayer::Outcome outcome = ActionPlayer::Outcome::Playing;
    player.Start([&](ActionPlayer::Outcome finished) {
        outcome = finished;
        QCoreApplication::exit(0);
    });
    QCoreApplication::exec();
    failure = player.Failure();
    return outcome;
}

TEST(ActionPlayer, ActionsAfterAModalWindowOpensReachItThenTheWindowBelow)
{
    OpeningFrame frame;
    ASSERT_TRUE(frame.Create(L"frame", nullptr, Rect::FromSize(0, 0, 100, 100)));
    std::string failure;
    EXPECT_EQ(Play({"type", "ad", "type", "bc", "vk", "Escape", "type", "e", "tap", "7,8"}, failure),
              ActionPlayer::Outcome::Done)
        << failure;
    EXPECT_EQ(frame.typed, L"ae");
    EXPECT_EQ(frame.typedInDialog, L"bc");
    EXPECT_EQ(frame.penDowns, (std::vector<Point>{{7, 8}}));
}

TEST(ActionPlayer, StopsAtAnActionThatCannotBeDoneNamingIt)
{
    OpeningFrame frame;
    ASSERT_TRUE(frame.Create(L"frame", nullptr, Rect::FromSize(0, 0, 100, 100)));
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"type", "a", "button", "OK", "type", "b"}, "button OK: no button 'OK'"},
        {{"choose", "Copy"}, "choose Copy: no menu is open"},
    };
    for (const auto& [words, said] : cases) {
        std::string failure;
        EXPECT_EQ(Play(words, failure), ActionPlayer::Outcome::Failed);
        EXPECT_EQ(failure.rfind(said, 0), 0u) << failure;
    }
    // What came after the refused action was never played.
    EXPECT_EQ(frame.typed, L"a");
}

}  // namespace
}  // namespace tallyx
