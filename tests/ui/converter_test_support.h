#pragma once

// What a converter panel of a test's frame shows and how the pen and the
// menus reach it.
#include <QThread>
#include <optional>
#include <string>
#include <vector>

#include "app/state_listing.h"
#include "frame_test_support.h"

namespace tallyx {

class ConverterProbe {
public:
    explicit ConverterProbe(FrameHarness& harness) : harness_(harness) {}

    std::vector<StateLine> Lines() const
    {
        std::vector<StateLine> lines;
        if (const Panel* panel = harness_.Calculator().CurrentModePanel()) panel->DescribeState(lines);
        return lines;
    }
    // The first line of that kind, as the listing writes it without its rectangle.
    std::string Line(const std::string& kind) const
    {
        for (StateLine line : Lines()) {
            if (line.kind != kind) continue;
            line.rect.reset();
            return FormatStateLine(line);
        }
        return "";
    }
    std::optional<Rect> RectOf(const std::string& kind, const std::wstring& text = L"") const
    {
        for (const StateLine& line : Lines()) {
            if (line.kind == kind && (text.empty() || line.text == text) && line.rect) return line.rect;
        }
        return std::nullopt;
    }
    // Taps the button or key with that caption, or the row of that kind.
    bool Tap(const std::string& kind, const std::wstring& text = L"")
    {
        const std::optional<Rect> rect = RectOf(kind, text);
        if (!rect) return false;
        harness_.Tap(FrameHarness::Centre(*rect));
        return true;
    }
    // A menu closed a moment ago does not open again at once.
    static void WaitToReopen() { QThread::msleep(PopupMenuWindow::kReopenGuard.count() + 20); }
    void Command(std::uint32_t command) { harness_.Frame().WindowProcedure(WM_COMMAND, command, 0); }
    void Press(std::uint32_t key)
    {
        harness_.Frame().WindowProcedure(WM_KEYDOWN, key, 0);
        if (key == VK_RETURN) harness_.Type(L"\r");
        harness_.Frame().WindowProcedure(WM_KEYUP, key, 0);
    }
    // The open menu's items; the checked ones marked with a leading "*".
    std::vector<std::wstring> MenuItems() const
    {
        std::vector<std::wstring> items;
        for (const MenuEntry& entry : harness_.Calculator().Menu().List().Entries()) {
            const wchar_t* mark = entry.kind == MenuEntryKind::Header ? L"# " : (entry.Checked() ? L"*" : L"");
            items.push_back(mark + entry.text);
        }
        return items;
    }
    std::uint32_t MenuCommandOf(const std::wstring& text) const
    {
        for (const MenuEntry& entry : harness_.Calculator().Menu().List().Entries()) {
            if (entry.kind == MenuEntryKind::Item && entry.text == text) return entry.command;
        }
        return 0;
    }
    // Chooses an item of the open menu as a tap on it would.
    void Choose(const std::wstring& text)
    {
        const std::uint32_t command = MenuCommandOf(text);
        harness_.Calculator().Menu().Close();
        if (command != 0) Command(command);
    }

private:
    FrameHarness& harness_;
};

}  // namespace tallyx
