#include <QCoreApplication>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "app/calculator_types.h"
#include "app/mode_panels/conversion_row.h"
#include "app/mode_panels/converter_panel.h"
#include "app/mode_panels/currency_panel.h"
#include "convert/rate_file_store.h"
#include "converter_test_support.h"
#include "platform/qt/qt_canvas.h"
#include "platform/wide_text.h"
#include "tests/convert/temporary_program_folder.h"

namespace tallyx {
namespace {

using testing::TemporaryProgramFolder;

// Smaller than this a number on a row no longer reads well.
constexpr int kSmallestReadableFont = 8;

std::filesystem::path ScreenshotFolder()
{
    const auto folder = std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / "screenshots";
    std::filesystem::create_directories(folder);
    return folder;
}

// The quoted words of a row line, without their quotes.
std::vector<std::wstring> Unquoted(const std::vector<std::string>& words)
{
    std::vector<std::wstring> texts;
    for (const std::string& word : words) texts.push_back(WidenUtf8(word.substr(1, word.size() - 2)));
    return texts;
}

bool Overlap(const Rect& first, const Rect& second)
{
    return !first.Intersected(second).IsEmpty();
}

// The two status lines under the currency rows, at a size that reads.
void ExpectStatusFits(const CurrencyPanel& panel, Canvas& canvas, const std::string& name)
{
    const auto [status, detail] = panel.StatusLines();
    EXPECT_FALSE(status.empty()) << name;
    const std::vector<Rect>& rows = panel.Layout().rows;
    const std::pair<const std::wstring*, Rect> lines[] = {{&status, rows[rows.size() - 2]}, {&detail, rows.back()}};
    for (const auto& [text, row] : lines) {
        const FontSpec font = FittedFont(canvas, *text, row.Width(), FontSpec{kFontFamily, row.Height()});
        EXPECT_LE(canvas.MeasureText(*text, font).width, row.Width()) << name << " status clipped: " << NarrowUtf8(*text);
        EXPECT_GE(font.pixelHeight, kSmallestReadableFont) << name << ' ' << NarrowUtf8(*text);
    }
}

// Both converters in every built-in skin, with a long number typed: the
// pictures are for people to look at; the checks catch what is cut off.
class ConverterPanelsScreenshotTest : public ::testing::TestWithParam<Size> {};

TEST_P(ConverterPanelsScreenshotTest, EveryPartShowsWholeInEverySkin)
{
    const Size& screen = GetParam();
    QtImage measuring(1, 1);
    // The shipped rates, never updated: the longest status the currencies show.
    TemporaryProgramFolder folder;
    ASSERT_EQ(SeedRateFile(), StatusOk);
    for (const int type : {CalculatorUnits, CalculatorCurrencies}) {
        for (int skin = 0; skin < 5; ++skin) {
            FrameHarness harness;
            harness.registry.WriteDword(kTallyxKey, L"Skin", static_cast<std::uint32_t>(skin));
            harness.registry.WriteDword(kTallyxKey, L"CalcType", static_cast<std::uint32_t>(type));
            harness.Open(screen.width, screen.height);
            harness.Type(L"-98765432.109876");
            const std::string name = std::to_string(screen.width) + "x" + std::to_string(screen.height) + "-type" +
                                     std::to_string(type) + "-skin" + std::to_string(skin);
            ASSERT_TRUE(harness.Host().Grab()->Save((ScreenshotFolder() / (name + ".png")).string())) << name;

            const auto& panel = dynamic_cast<const ConverterPanel&>(*harness.Calculator().CurrentModePanel());
            const Rect content{0, 0, screen.width, harness.Keypad().Geometry().softKeyBar.top};
            std::vector<Rect> placed;
            for (const StateLine& line : ConverterProbe(harness).Lines()) {
                if (!line.rect) continue;
                const std::string where = name + " " + FormatStateLine(line);
                EXPECT_EQ(line.rect->Intersected(content), *line.rect) << where << " leaves the window";
                for (const Rect& other : placed) EXPECT_FALSE(Overlap(*line.rect, other)) << where << " overlaps";
                placed.push_back(*line.rect);
                if (line.kind == "button" || line.kind == "key") {
                    ButtonDef button;
                    button.caption = line.text->c_str();
                    const CaptionFonts& fonts = line.kind == "key" ? panel.Layout().keyFonts : panel.Layout().buttonFonts;
                    const FontSpec font =
                        KeyButton::FittedFont(measuring.Paint(), button, fonts.For(button), line.rect->Width());
                    EXPECT_LE(KeyButton::CaptionWidth(measuring.Paint(), button, font), line.rect->Width())
                        << where << " caption clipped";
                } else if (line.kind == "from" || line.kind == "to") {
                    const std::vector<std::wstring> texts = Unquoted(line.words);
                    const std::wstring& label = texts[texts.size() - 2];
                    const std::wstring& number = texts.back();
                    const RowNumberPlace place = PlaceRowNumber(measuring.Paint(), *line.rect, label, number);
                    EXPECT_LE(measuring.Paint().MeasureText(number, place.font).width, place.room.Width())
                        << where << " number clipped";
                    EXPECT_GE(place.font.pixelHeight, kSmallestReadableFont) << where;
                }
            }
            if (const auto* currencies = dynamic_cast<const CurrencyPanel*>(&panel)) {
                ExpectStatusFits(*currencies, measuring.Paint(), name);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, ConverterPanelsScreenshotTest,
                         ::testing::Values(Size{240, 320}, Size{480, 640}, Size{640, 480}));

}  // namespace
}  // namespace tallyx
