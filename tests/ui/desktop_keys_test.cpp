// A desktop's copy, paste and clear keys, pressed on the Qt window as a user
// presses them.
#include <QCoreApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include "frame_test_support.h"

namespace tallyx {
namespace {

class DesktopKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        harness.Open(480, 640);
        Platform().clipboard->SetText(L"");
    }
    void Press(int key, Qt::KeyboardModifiers modifiers, const QString& text = {})
    {
        QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
        QCoreApplication::sendEvent(harness.Host().Widget(), &down);
        QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
        QCoreApplication::sendEvent(harness.Host().Widget(), &up);
        FrameHarness::Settle();
    }
    std::wstring Clipboard() const { return Platform().clipboard->GetText().value_or(L""); }

    FrameHarness harness;
};

struct ClipboardCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;                // what the keyboard types with it on some desktops
    const wchar_t* clipboardBefore;  // 123 is typed after it
    const wchar_t* clipboardAfter;   // its start
    const wchar_t* shownAfter;
};

TEST_F(DesktopKeysTest, CopyAndPasteKeysWorkWithoutTyping)
{
    const ClipboardCase cases[] = {
        {"Ctrl+C", Qt::Key_C, Qt::ControlModifier, "\x03", L"", L"123", L"123."},
        {"Ctrl+C typing a letter", Qt::Key_C, Qt::ControlModifier, "c", L"", L"123", L"123."},
        {"Ctrl+Insert", Qt::Key_Insert, Qt::ControlModifier, "", L"", L"123", L"123."},
        {"Ctrl+V", Qt::Key_V, Qt::ControlModifier, "\x16", L"42", L"42", L"42."},
        {"Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier, "", L"42", L"42", L"42."},
    };
    for (const ClipboardCase& c : cases) {
        SCOPED_TRACE(c.name);
        Press(Qt::Key_Escape, Qt::NoModifier);
        Platform().clipboard->SetText(c.clipboardBefore);
        harness.Type(L"123");
        Press(c.key, c.modifiers, QString::fromLatin1(c.text));
        EXPECT_EQ(Clipboard().substr(0, 3), c.clipboardAfter);
        EXPECT_EQ(harness.Shown(), c.shownAfter);
    }
}

TEST_F(DesktopKeysTest, EscapeClearsAndDeleteClearsOnlyTheEntry)
{
    struct ClearCase {
        const char* name;
        int key;
        const char* text;
        const wchar_t* shownAfter;  // after typing 4=
    };
    const ClearCase cases[] = {
        {"Escape", Qt::Key_Escape, "\x1b", L"4."},
        {"Delete", Qt::Key_Delete, "\x7f", L"16."},
    };
    for (const ClearCase& c : cases) {
        SCOPED_TRACE(c.name);
        harness.Type(L"12+3");
        Press(c.key, Qt::NoModifier, QString::fromLatin1(c.text));
        EXPECT_EQ(harness.Shown(), L"0.");
        harness.Type(L"4=");
        EXPECT_EQ(harness.Shown(), c.shownAfter);
    }
}

TEST_F(DesktopKeysTest, EscapeWithAMenuOpenClosesTheMenuAndKeepsTheEntry)
{
    harness.Type(L"12");
    harness.KeyUp(VK_F1);
    ASSERT_TRUE(harness.Calculator().Menu().IsOpen());
    Press(Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    EXPECT_FALSE(harness.Calculator().Menu().IsOpen());
    EXPECT_EQ(harness.Shown(), L"12.");
}

TEST_F(DesktopKeysTest, ShortcutsNeedTheirExactModifiers)
{
    harness.Type(L"12");
    Press(Qt::Key_Insert, Qt::NoModifier);
    Press(Qt::Key_Delete, Qt::ShiftModifier);
    Press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(harness.Shown(), L"12.");
    EXPECT_EQ(Clipboard(), L"");
}

}  // namespace
}  // namespace tallyx
