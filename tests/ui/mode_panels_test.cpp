#include <memory>

#include <gtest/gtest.h>

#include "app/mode_panels/constants_panel.h"
#include "app/mode_panels/currency_panel.h"
#include "app/mode_panels/date_panel.h"
#include "app/mode_panels/graph_panel.h"
#include "app/mode_panels/unit_panel.h"
#include "keypad/keypad_layouts.h"
#include "platform/memory_registry.h"
#include "ui/window_base.h"

namespace tallyx {
namespace {

constexpr Color kUntouched = MakeColor(1, 2, 3);

struct PanelCase {
    const char* name;
    std::unique_ptr<Panel> (*make)();
    bool coversKeypad;
};

template <typename PanelType>
std::unique_ptr<Panel> Make()
{
    return std::make_unique<PanelType>();
}

std::unique_ptr<Panel> MakeGraphPanel()
{
    static MemoryRegistry registry;
    return std::make_unique<GraphPanel>(registry);
}

TEST(ModePanels, FullWindowTypesShowTheSkinAndTheOthersLeaveTheKeypad)
{
    class Host : public WindowBase {};
    Host host;
    ASSERT_TRUE(host.Create(L"Tallyx", nullptr, Rect::FromSize(0, 0, 240, 320)));
    KeypadLayouts layouts;
    ASSERT_EQ(layouts.SetSkin(2, false), StatusOk);
    ASSERT_EQ(layouts.SetCurrentLayout(0), StatusOk);
    const PanelCase cases[] = {
        {"units", Make<UnitPanel>, true},       {"currencies", Make<CurrencyPanel>, true},
        {"date", Make<DatePanel>, true},        {"graph", MakeGraphPanel, false},
        {"constants", Make<ConstantsPanel>, false},
    };
    for (const PanelCase& item : cases) {
        SCOPED_TRACE(item.name);
        const std::unique_ptr<Panel> panel = item.make();
        PanelContext context;
        context.layouts = &layouts;
        context.window = host.Window();
        panel->Attach(context);
        const std::unique_ptr<Image> image = host.Window()->CreateImage(240, 320);
        image->Paint().FillRect({0, 0, 240, 320}, kUntouched);
        const long drawn = panel->Draw(image->Paint(), {0, 0, 240, 320});
        if (item.coversKeypad) {
            EXPECT_NE(drawn, Panel::kNotHandled);
        }
        EXPECT_EQ(image->PixelAt({2, 2}), item.coversKeypad ? layouts.Colors().background : kUntouched);
    }
}

}  // namespace
}  // namespace tallyx
