#include "app/mode_panels/graph_panel.h"

#include <QTimer>
#include <functional>

#include <gtest/gtest.h>

#include "app/calculator_types.h"
#include "app/graph_window.h"
#include "app/keypad_settings.h"
#include "app/state_listing.h"
#include "app/window_describers.h"
#include "event_wait.h"
#include "frame_test_support.h"
#include "engine/key_ids.h"
#include "platform/wide_text.h"
#include "ui/open_windows.h"

namespace tallyx {
namespace {

constexpr std::uint32_t kSecondSlot = GraphPanel::kFirstSlotCommand + 1;

class GraphingHarness : public FrameHarness {
public:
    GraphingHarness() { OpenGraphing(); }

    void OpenGraphing()
    {
        Open(480, 640);
        EXPECT_TRUE(Calculator().SwitchType(CalculatorGraphing));
    }
    GraphPanel& Panel() { return dynamic_cast<GraphPanel&>(*Calculator().CurrentModePanel()); }
    std::wstring Typed() { return Engine().GetIndicatorText(); }
    void Choose(std::uint32_t command) { Frame().WindowProcedure(WM_COMMAND, command, 0); }

    // Taps Graph and runs inspect on the plotter before closing it.
    void Graph(const std::function<void(GraphWindow&)>& inspect)
    {
        bool opened = false;
        // The key reaches the calculator by a posted message: the plotter opens a little later.
        std::function<void()> whenOpen = [&] {
            auto* plotter = dynamic_cast<GraphWindow*>(TopWindow());
            if (!plotter) {
                QTimer::singleShot(1, whenOpen);
                return;
            }
            opened = true;
            inspect(*plotter);
            plotter->WindowProcedure(WM_KEYUP, VK_ESCAPE, 0);
        };
        QTimer::singleShot(0, whenOpen);
        TapKeys({L"graph"});
        ProcessEventsUntil([&] { return opened; });
        EXPECT_TRUE(opened);
    }
};

TEST(GraphPanel, ASlotChangeStoresTheTypedTextWithImplicitProducts)
{
    struct Case {
        std::initializer_list<std::wstring_view> keys;
        std::wstring stored;
    };
    const Case cases[] = {
        {{L"X", L"2"}, L"X\u00D72"},
        {{L"X", L"+", L"1"}, L"X+1"},
    };
    for (const Case& item : cases) {
        SCOPED_TRACE(NarrowUtf8(item.stored));
        GraphingHarness harness;
        harness.TapKeys(item.keys);
        harness.Choose(kSecondSlot);
        EXPECT_EQ(harness.Panel().SlotText(0), item.stored);
        EXPECT_EQ(harness.Panel().CurrentSlot(), 1);
        EXPECT_EQ(harness.Typed(), L"");
        // Back on f1 the text is loaded to go on typing.
        harness.Choose(GraphPanel::kFirstSlotCommand);
        EXPECT_EQ(harness.Typed(), item.stored);
    }
}

TEST(GraphPanel, GraphPlotsEachSlotInTheSameSlotWithTheTapeOff)
{
    GraphingHarness harness;
    harness.Engine().SetTapeRecording(true);
    harness.TapKeys({L"X"});
    harness.Choose(GraphPanel::kFirstSlotCommand + 2);
    harness.TapKeys({L"X", L"+", L"1"});
    harness.Graph([&](GraphWindow& plotter) {
        const GraphPlot& plot = plotter.Plot();
        EXPECT_EQ(plot.Function(0), L"X");
        EXPECT_FALSE(plot.IsSlotUsed(1));
        EXPECT_EQ(plot.Function(2), L"X+1");
        EXPECT_EQ(plot.CurrentFunction(), 0);
        EXPECT_FALSE(harness.Engine().IsTapeOn());
        EXPECT_EQ(plot.SampleStep(), 0);
        EXPECT_TRUE(plot.JoinPoints());
    });
    EXPECT_TRUE(harness.Engine().IsTapeOn());
    EXPECT_EQ(harness.Panel().SlotText(2), L"X+1");
    EXPECT_EQ(harness.Typed(), L"X+1");
}

TEST(GraphPanel, TheGraphSettingsReachThePlotter)
{
    GraphingHarness harness;
    ProcessSettings& settings = SharedProcessSettings();
    const ProcessSettings saved = settings;
    settings.graphFast = true;
    settings.graphPoints = true;
    harness.Graph([](GraphWindow& plotter) {
        EXPECT_EQ(plotter.Plot().SampleStep(), 3);
        EXPECT_FALSE(plotter.Plot().JoinPoints());
    });
    settings = saved;
}

TEST(GraphPanel, TheFunctionsComeBackAfterARestart)
{
    GraphingHarness harness;
    harness.TapKeys({L"X", L"+", L"2"});
    harness.Choose(GraphPanel::kFirstSlotCommand + 5);
    harness.TapKeys({L"X"});
    // What is typed into the current slot is kept as well.
    harness.Close();
    std::wstring stored;
    EXPECT_EQ(harness.registry.ReadString(kTallyxKey, L"Graph0", stored), StatusOk);
    EXPECT_EQ(stored, L"X+2");
    EXPECT_EQ(harness.registry.ReadString(kTallyxKey, L"Graph5", stored), StatusOk);
    EXPECT_EQ(stored, L"X");

    harness.Engine().PressButton(ButtonTypeClear, ClearKeyAll);
    harness.OpenGraphing();
    EXPECT_EQ(harness.Panel().SlotText(0), L"X+2");
    EXPECT_EQ(harness.Panel().SlotText(5), L"X");
    // f1 is loaded on activation.
    EXPECT_EQ(harness.Typed(), L"X+2");

    // A function cleared stays cleared.
    harness.TapKeys({L"C"});
    harness.Close();
    harness.OpenGraphing();
    EXPECT_EQ(harness.Panel().SlotText(0), L"");
    EXPECT_EQ(harness.Panel().SlotText(5), L"X");
}

TEST(GraphPanel, TheSlotListMarksTheCurrentSlot)
{
    const std::function<void(GraphingHarness&)> openers[] = {
        [](GraphingHarness& harness) {
            harness.Calculator().UserMessage(KeypadView::kKeyMessage, ButtonTypeGraph, GraphKeyFunctions);
        },
        [](GraphingHarness& harness) { harness.Tap(FrameHarness::Centre(harness.Panel().ButtonRect())); },
        [](GraphingHarness& harness) {
            harness.Frame().WindowProcedure(WM_KEYDOWN, VK_UP, 0);
            harness.Frame().WindowProcedure(WM_KEYUP, VK_UP, 0);
            EXPECT_TRUE(harness.Panel().ButtonFocused());
            harness.Frame().WindowProcedure(WM_KEYDOWN, VK_RETURN, 0);
        },
    };
    for (const auto& open : openers) {
        GraphingHarness harness;
        harness.TapKeys({L"X"});
        harness.Choose(kSecondSlot);
        open(harness);
        PopupMenuWindow& menu = harness.Calculator().Menu();
        ASSERT_TRUE(menu.IsOpen());
        const auto& entries = menu.List().Entries();
        ASSERT_EQ(entries.size(), 6u);
        EXPECT_EQ(entries[0].text, L"f1(x) = X");
        EXPECT_EQ(entries[5].text, L"f6(x) = ");
        EXPECT_EQ(entries[1].flags, MenuItemRadio | MenuItemChecked | MenuItemDefault);
        EXPECT_EQ(entries[0].flags, MenuItemRadio);
        menu.Close();
    }
}

TEST(GraphPanel, TheListReplacesTheDisplayInTheListing)
{
    GraphingHarness harness;
    harness.TapKeys({L"X"});
    std::vector<std::string> lines;
    for (const StateLine& line : DesktopStateListing(harness.Engine(), harness.Formatter()).Describe(harness.Frame())) {
        if (line.kind == "display" || line.kind == "panel" || line.kind == "slot" || line.kind == "text") {
            lines.push_back(line.kind + " " + (line.words.empty() ? "" : line.words[0]) + " " + NarrowUtf8(line.text.value_or(L"")));
        }
    }
    const std::vector<std::string> expected = {"panel graph ", "slot 1 ", "slot 2 ", "slot 3 ", "slot 4 ",
                                               "slot 5 ", "slot 6 ", "text  f(x)=X"};
    EXPECT_EQ(lines, expected);
}

}  // namespace
}  // namespace tallyx
