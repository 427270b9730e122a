#include <QCoreApplication>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/calculator_types.h"
#include "app/mode_panels/constants_panel.h"
#include "app/mode_panels/date_panel.h"
#include "frame_test_support.h"
#include "platform/qt/qt_canvas.h"
#include "platform/registry.h"
#include "platform/wide_text.h"

namespace tallyx {
namespace {

constexpr int kSkinCount = 5;

std::filesystem::path ScreenshotFolder()
{
    const auto folder = std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / "screenshots";
    std::filesystem::create_directories(folder);
    return folder;
}

struct Placed {
    std::string what;
    Rect rect;
};

// Everything lies inside the room and nothing lies over anything else.
void ExpectInsideApart(const std::vector<Placed>& placed, const Rect& room, const std::string& where)
{
    for (std::size_t index = 0; index < placed.size(); ++index) {
        const Rect& rect = placed[index].rect;
        EXPECT_FALSE(rect.IsEmpty()) << where << ' ' << placed[index].what << " has no room";
        EXPECT_EQ(rect.Intersected(room), rect) << where << ' ' << placed[index].what << " sticks out";
        for (std::size_t other = index + 1; other < placed.size(); ++other) {
            EXPECT_TRUE(rect.Intersected(placed[other].rect).IsEmpty())
                << where << ' ' << placed[index].what << " over " << placed[other].what;
        }
    }
}

void ExpectTextFits(Canvas& canvas, const std::wstring& text, const Rect& rect, const FontSpec& font,
                    const std::string& where)
{
    EXPECT_LE(canvas.MeasureText(text, font).width, rect.Width()) << where << " text clipped";
    EXPECT_LE(canvas.MeasureText(text, font).height, rect.Height() + 1) << where << " text cut";
}

void ExpectKeysFit(Canvas& canvas, const KeypadGrid& grid, std::vector<Placed>& placed, const std::string& where)
{
    for (const KeyButton& key : grid.Keys()) {
        const std::string name = where + " key " + std::to_string(key.Button().id);
        const FontSpec font = KeyButton::FittedFont(canvas, key.Button(), grid.FontFor(key), key.Bounds().Width());
        EXPECT_LE(KeyButton::CaptionWidth(canvas, key.Button(), font), key.Bounds().Width()) << name << " clipped";
        placed.push_back({name, key.Bounds()});
    }
}

Rect PanelRoom(FrameHarness& harness)
{
    const KeypadGeometry& geometry = harness.Keypad().Geometry();
    return {0, 0, geometry.metrics.width, geometry.softKeyBar.top};
}

void CheckConstants(FrameHarness& harness, Canvas& measuring, const std::string& name)
{
    auto& panel = static_cast<ConstantsPanel&>(*harness.Calculator().CurrentModePanel());
    std::vector<Placed> placed;
    for (const PanelButton& button : panel.Buttons()) {
        EXPECT_TRUE(PanelButtonCaptionFits(measuring, button)) << name << ' ' << NarrowUtf8(button.caption);
        placed.push_back({"button", button.rect});
    }
    for (const Rect& line : panel.Layout().lines) placed.push_back({"text line", line});
    ExpectInsideApart(placed, PanelRoom(harness), name);
    // The panel keeps clear of the display and the keys.
    EXPECT_TRUE(harness.Keypad().Geometry().display.Intersected(panel.Layout().favouriteButton).IsEmpty()) << name;
    for (const KeyButton& key : harness.Keypad().MainKeys()) {
        for (const Placed& item : placed) EXPECT_TRUE(key.Bounds().Intersected(item.rect).IsEmpty()) << name;
    }
}

void CheckDate(FrameHarness& harness, Canvas& measuring, const std::string& name)
{
    auto& panel = static_cast<DatePanel&>(*harness.Calculator().CurrentModePanel());
    const DatePanelLayout& layout = panel.Layout();
    std::vector<Placed> placed;
    for (const ChildControl* control : panel.Controls()) placed.push_back({"control", control->Placement()});
    for (const Rect& button : layout.computeButtons) placed.push_back({"compute", button});
    ExpectKeysFit(measuring, panel.Keypad(), placed, name);
    ExpectInsideApart(placed, PanelRoom(harness), name);
    const std::vector<std::wstring> groups = {L"Start Date/Time", L"Date/Time Inverval", L"End Date/Time"};
    for (std::size_t group = 0; group < groups.size(); ++group) {
        ExpectTextFits(measuring, groups[group], layout.captions[group], layout.captionFont, name);
    }
    const std::vector<std::wstring> parts = {L"Days", L"Hours", L"Min", L"Sec"};
    for (std::size_t part = 0; part < parts.size(); ++part) {
        ExpectTextFits(measuring, parts[part], layout.partCaptions[part], layout.partFont, name);
    }
    // A control shows its whole value in the control font, beside a picker's arrows.
    for (const ChildControl* control : panel.Controls()) {
        const Rect rect = control->Placement();
        EXPECT_LE(measuring.MeasureText(control->ValueText(), layout.controlFont).width, rect.Width() - rect.Height() / 2)
            << name << ' ' << NarrowUtf8(control->Identity().name);
        EXPECT_TRUE(control->IsVisible()) << name;
    }
}

class ModePanelScreenshotTest : public ::testing::TestWithParam<Size> {};

TEST_P(ModePanelScreenshotTest, EachPanelInEverySkinShowsWhole)
{
    const Size& screen = GetParam();
    QtImage measuring(1, 1);
    for (int skin = 0; skin < kSkinCount; ++skin) {
        for (const int type : {CalculatorConstants, CalculatorDateTime}) {
            FrameHarness harness;
            harness.registry.WriteDword(kTallyxKey, L"Skin", static_cast<std::uint32_t>(skin));
            harness.registry.WriteDword(kTallyxKey, L"CalcType", static_cast<std::uint32_t>(type));
            harness.Open(screen.width, screen.height);
            const std::string name = std::to_string(screen.width) + "x" + std::to_string(screen.height) + "-" +
                                     (type == CalculatorConstants ? "constants" : "date") + "-skin" +
                                     std::to_string(skin);
            if (type == CalculatorConstants) {
                // Three levels deep, the longest captions and a chosen constant's note.
                for (const std::uint32_t command : {2601u, 2802u, 3000u}) {
                    harness.Frame().WindowProcedure(WM_COMMAND, command, 0);
                }
            }
            FrameHarness::Settle();
            const auto shot = harness.Host().Grab();
            ASSERT_TRUE(shot->Save((ScreenshotFolder() / (name + ".png")).string())) << name;
            if (type == CalculatorConstants) {
                CheckConstants(harness, measuring.Paint(), name);
            } else {
                CheckDate(harness, measuring.Paint(), name);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, ModePanelScreenshotTest,
                         ::testing::Values(Size{240, 320}, Size{480, 640}, Size{640, 480}));

}  // namespace
}  // namespace tallyx
