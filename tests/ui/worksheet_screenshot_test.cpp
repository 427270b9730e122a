#include <QCoreApplication>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "app/worksheet_list_painter.h"
#include "platform/qt/qt_canvas.h"
#include "worksheet_harness.h"

namespace tallyx {
namespace {

constexpr int kSkins = 5;

std::filesystem::path ScreenshotFolder()
{
    const auto folder =
        std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / "screenshots" / "worksheets";
    std::filesystem::create_directories(folder);
    return folder;
}

class Frame : public WindowBase {};

// Where a text's glyphs fall when drawn in rect with that vertical alignment.
Rect InkPlace(Canvas& measure, std::wstring_view text, const FontSpec& font, const Rect& rect, unsigned align)
{
    const int line = measure.MeasureText(text, font).height;
    const int top = (align & TextAlignBottom) ? rect.bottom - line
                    : (align & TextAlignVCenter) ? rect.top + (rect.Height() - line) / 2
                                                 : rect.top;
    const Rect ink = measure.InkBounds(text, font);
    return {rect.left, top + ink.top, rect.right, top + ink.bottom};
}

// What the window would cut off: the title, a row's label or value, or a key's caption.
void ExpectNothingClipped(Canvas& measure, const WorksheetWindow& window, const std::string& name)
{
    constexpr int kTolerance = 1;
    const WorksheetLayout& layout = window.Layout();
    const Worksheet& sheet = window.Sheet();
    const Rect title = layout.TitleLine();
    EXPECT_LE(measure.MeasureText(sheet.Title(), FittedFont(measure, sheet.Title(), layout.valueFont, title.Width())).width,
              title.Width())
        << name << " title clipped";
    const std::vector<Rect> rows = window.VisibleRows();
    const int first = sheet.Navigation().FirstVisibleRow();
    const bool landscape = layout.Landscape();
    for (std::size_t row = 0; row < rows.size() && first + row < sheet.Cells().size(); ++row) {
        const WorksheetCell& cell = sheet.Cells()[first + row];
        const Rect& bounds = rows[row];
        const RowTextPlaces places = PlaceRowTexts(layout, bounds);
        const FontSpec valueFont = ValueFont(measure, layout, cell, bounds);
        const int label = measure.MeasureText(cell.Label(), layout.labelFont).width;
        const int value = measure.MeasureText(cell.ShownText(), valueFont).width;
        const std::string where = name + " row " + std::to_string(first + row);
        EXPECT_GT(valueFont.pixelHeight, layout.valueFont.pixelHeight / 2) << where << " value shrunk past reading";
        EXPECT_LE(landscape ? std::max(label, value) : label + value, bounds.Width()) << where << " too wide";
        const Rect labelInk = InkPlace(measure, cell.Label(), layout.labelFont, places.label,
                                       landscape ? TextAlignTop : TextAlignVCenter);
        const Rect valueInk = InkPlace(measure, cell.ShownText(), valueFont, places.value,
                                       landscape ? TextAlignBottom : TextAlignVCenter);
        for (const Rect& ink : {labelInk, valueInk}) {
            if (ink.IsEmpty()) continue;
            EXPECT_GE(ink.top + kTolerance, bounds.top) << where << " cut above";
            // A descender ("imaginary") may reach a pixel further, into the spacing below the row.
            EXPECT_LE(ink.bottom, bounds.bottom + kTolerance + 1) << where << " cut below";
        }
        // Two lines may share a pixel row where the label ends left of the value.
        if (landscape && label + value > bounds.Width()) {
            EXPECT_LE(labelInk.bottom, valueInk.top + kTolerance) << where << " label over value";
        }
    }
    for (const KeyButton& key : window.Keys()) {
        if (IsArrowKey(key.Button()) || IsBackspaceKey(key.Button())) continue;
        const FontSpec font = KeyButton::FittedFont(measure, key.Button(), layout.keyFonts.For(key.Button()),
                                                    key.Bounds().Width());
        EXPECT_LE(KeyButton::CaptionWidth(measure, key.Button(), font), key.Bounds().Width())
            << name << " key " << key.Button().type << "," << key.Button().id << " caption clipped";
    }
}

// Every sheet in every skin at the three screen shapes: written for people to
// look at, checked for what would be cut off.
class WorksheetScreenshotTest : public ::testing::TestWithParam<Size> {};

TEST_P(WorksheetScreenshotTest, EverySheetInEverySkin)
{
    const Size screen = GetParam();
    QtImage measuring(1, 1);
    WorksheetHarness harness;
    Frame frame;
    ASSERT_TRUE(frame.Create(L"Tallyx", nullptr, Rect::FromSize(0, 0, screen.width, screen.height)));
    frame.Window()->Show();
    for (int skin = 0; skin < kSkins; ++skin) {
        ASSERT_EQ(harness.Layouts().SetSkin(skin, true), StatusOk);
        for (const WorksheetEntry& entry : WorksheetCatalog()) {
            ASSERT_EQ(harness.Layouts().SetCurrentLayout(entry.takesDataPairs ? LayoutStatisticsWorksheet : LayoutWorksheet),
                      StatusOk);
            const std::unique_ptr<Worksheet> sheet = entry.create(harness.Options());
            WorksheetWindow window(*sheet, harness.Engine(), harness.Layouts(), SoundOff);
            ASSERT_TRUE(window.Create(L"", frame.Window(), frame.Window()->ClientRect()));
            window.Window()->Show();
            const std::string name = std::to_string(screen.width) + "x" + std::to_string(screen.height) + "-" +
                                     std::string(entry.consoleName.begin(), entry.consoleName.end()) + "-skin" +
                                     std::to_string(skin);
            EXPECT_TRUE(window.Window()->Grab()->Save((ScreenshotFolder() / (name + ".png")).string())) << name;
            ExpectNothingClipped(measuring.Paint(), window, name);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, WorksheetScreenshotTest,
                         ::testing::Values(Size{240, 320}, Size{480, 640}, Size{640, 480}));

}  // namespace
}  // namespace tallyx
