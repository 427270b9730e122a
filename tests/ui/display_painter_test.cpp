#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/display_painter.h"
#include "forwarding_canvas.h"
#include "frame_test_support.h"
#include "keypad/button_vocabulary.h"
#include "platform/qt/qt_canvas.h"
#include "platform/wide_text.h"

namespace tallyx {
namespace {

// Draws through to a real canvas and keeps where the glyphs of every text
// and the history marks went.
class DisplayLog : public ForwardingCanvas {
public:
    struct Drawn {
        std::wstring text;
        Rect rect;
        Rect ink;
    };

    using ForwardingCanvas::ForwardingCanvas;

    std::vector<Drawn> texts;
    std::vector<Rect> marks;

    void FillPolygon(std::span<const Point> points, Color fill) override
    {
        ForwardingCanvas::FillPolygon(points, fill);
        Rect bounds{points.front().x, points.front().y, points.front().x + 1, points.front().y + 1};
        for (const Point point : points) bounds = bounds.United({point.x, point.y, point.x + 1, point.y + 1});
        marks.push_back(bounds);
    }
    void DrawText(std::wstring_view text, const Rect& rect, const FontSpec& font, Color color, unsigned align) override
    {
        ForwardingCanvas::DrawText(text, rect, font, color, align);
        const Size size = MeasureText(text, font);
        int left = rect.left;
        if (align & TextAlignCenter) left += (rect.Width() - size.width) / 2;
        if (align & TextAlignRight) left = rect.right - size.width;
        int top = rect.top;
        if (align & TextAlignVCenter) top += (rect.Height() - size.height) / 2;
        if (align & TextAlignBottom) top = rect.bottom - size.height;
        texts.push_back({std::wstring(text), rect, InkBounds(text, font).Offset(left, top)});
    }
};

struct DisplayCase {
    const char* name;
    int mode;
    int notation;
    const wchar_t* keys;         // key names; a run of digits types each digit
    const wchar_t* paste = L"";  // put on the clipboard and pasted before the keys
};

constexpr int kSkins = 5;
constexpr int kAlgebraic = CalcModeAlgebraic;
constexpr std::array kPicturedScreens = {Size{240, 320}, Size{480, 640}, Size{640, 480}};

const std::vector<DisplayCase> kLongDigits = {
    {"typed16", kAlgebraic, NotationNormal, L"1234567890123456"},
    {"result16", kAlgebraic, NotationNormal, L"1234567890123456 Equals"},
    {"factorial170", kAlgebraic, NotationNormal, L"170 Factorial"},
    {"normal", kAlgebraic, NotationNormal, L"1234567890.12345 PlusMinus"},
    {"fixed", kAlgebraic, NotationFixed, L"1234567890.12345 PlusMinus"},
    {"scientific", kAlgebraic, NotationScientific, L"1234567890.12345 PlusMinus"},
    {"engineering", kAlgebraic, NotationEngineering, L"0.000123456789012 PlusMinus"},
    {"fractions", kAlgebraic, NotationFractions, L"1234567890.12345 PlusMinus"},
    {"dms", kAlgebraic, NotationDms, L"999999.123456789 PlusMinus"},
    {"binarydec", kAlgebraic, NotationBinaryDec, L"98765432"},
    {"expression16", CalcModeExpression, NotationNormal, L"1234567890123456 Equals"},
};

const std::vector<DisplayCase> kExponentEntries = {
    {"paste3.5e2", kAlgebraic, NotationNormal, L"", L"3.5e2"},
    {"paste1.5e-3", kAlgebraic, NotationNormal, L"", L"1.5e-3"},
    {"paste-1.5e-300", kAlgebraic, NotationNormal, L"", L"-1.5e-300"},
    {"typedexp", kAlgebraic, NotationNormal, L"1.5 Exp 300"},
    {"pasteexpression", CalcModeExpression, NotationNormal, L"", L"3.5e2"},
};

const std::vector<DisplayCase> kCrowded = {
    {"rpn2ndf", CalcModeRpn, NotationNormal, L"12345678901234 Enter 98765432109876 2ndFunction"},
    {"rpnexponents", CalcModeRpn, NotationNormal, L"170 Factorial Enter 0.000000000123 2ndFunction"},
    {"expressionlong", CalcModeExpression, NotationNormal,
     L"1 Plus 2 Equals 12345 Plus 67890 Times 123456789 Minus 987654321 Plus 1 2ndFunction"},
    {"pendinglong", kAlgebraic, NotationNormal, L"12345678901234 Plus 98765432109876 2ndFunction"},
};

const std::vector<DisplayCase> kFractions = {
    {"threequarters", kAlgebraic, NotationFractions, L"0.75"},
    {"wholeandfraction", kAlgebraic, NotationFractions, L"1234.99999 PlusMinus"},
    {"expressionfraction", CalcModeExpression, NotationFractions, L"1 Plus 2 Equals 3 Divide 4 Equals"},
};

// The sizes pictured in every skin; the others are measured in the first skin.
bool Pictured(Size screen)
{
    return std::find(kPicturedScreens.begin(), kPicturedScreens.end(), screen) != kPicturedScreens.end();
}

// Beside the test program, inside the build folder.
std::filesystem::path ScreenshotFolder()
{
    const auto folder = std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / "screenshots";
    std::filesystem::create_directories(folder);
    return folder;
}

void Press(FrameHarness& harness, const std::wstring& keys)
{
    std::wistringstream words(keys);
    for (std::wstring word; words >> word;) {
        const bool digits = word.size() > 1 && word.find_first_not_of(L"0123456789.") == std::wstring::npos;
        for (std::size_t at = 0; at < (digits ? word.size() : 1); ++at) {
            const std::wstring name = !digits ? word : word[at] == L'.' ? L"Decimal" : word.substr(at, 1);
            const auto button = FindButtonByName(name);
            ASSERT_TRUE(button.has_value()) << NarrowUtf8(name);
            harness.Engine().PressButton(button->type, button->id);
        }
    }
}

std::string Describe(const Rect& rect)
{
    return " (" + std::to_string(rect.left) + "," + std::to_string(rect.top) + ")-(" + std::to_string(rect.right) +
           "," + std::to_string(rect.bottom) + ")";
}

bool Drew(const DisplayLog& log, const std::wstring& text)
{
    return text.empty() || std::any_of(log.texts.begin(), log.texts.end(),
                                       [&](const DisplayLog::Drawn& drawn) { return drawn.text == text; });
}

// Sets the case up, writes its picture and checks that every text of the
// display lies whole in its area, clear of every other text and mark.
void CheckDisplay(const DisplayCase& displayCase, Size screen, int skin)
{
    const std::string name = std::string("display-") + displayCase.name + "-" + std::to_string(screen.width) + "x" +
                             std::to_string(screen.height) + "-skin" + std::to_string(skin);
    SCOPED_TRACE(name);
    FrameHarness harness;
    MemoryClipboard clipboard;
    harness.registry.WriteDword(kTallyxKey, L"Skin", static_cast<std::uint32_t>(skin));
    harness.registry.WriteDword(kTallyxKey, L"CalcMode", static_cast<std::uint32_t>(displayCase.mode));
    harness.registry.WriteDword(kTallyxKey, L"Notation", static_cast<std::uint32_t>(displayCase.notation));
    harness.Open(screen.width, screen.height);
    Platform().clipboard = &clipboard;
    if (*displayCase.paste) {
        clipboard.SetText(displayCase.paste);
        Press(harness, L"Paste");
    }
    Press(harness, displayCase.keys);
    if (Pictured(screen)) {
        ASSERT_TRUE(harness.Host().Grab()->Save((ScreenshotFolder() / (name + ".png")).string()));
    }

    const KeypadGeometry& geometry = harness.Keypad().Geometry();
    QtImage image(screen.width, screen.height);
    DisplayLog log(image.Paint());
    const bool regional = false;
    DisplayPainter(geometry, harness.Calculator().Layouts().Colors(), harness.Engine(), harness.Formatter(), regional)
        .Draw(log);

    std::vector<Rect> inks = log.marks;
    for (const DisplayLog::Drawn& drawn : log.texts) {
        if (drawn.ink.IsEmpty()) continue;
        const bool indicator =
            std::find(geometry.indicators.begin(), geometry.indicators.end(), drawn.rect) != geometry.indicators.end();
        const Rect& area = indicator ? geometry.display : geometry.text;
        EXPECT_EQ(drawn.ink.Intersected(area), drawn.ink) << NarrowUtf8(drawn.text) << Describe(drawn.ink) << " leaves " << Describe(area);
        inks.push_back(drawn.ink);
    }
    for (const Rect& mark : log.marks) EXPECT_EQ(mark.Intersected(geometry.display), mark) << "history mark";
    for (std::size_t first = 0; first < inks.size(); ++first) {
        for (std::size_t second = first + 1; second < inks.size(); ++second) {
            EXPECT_TRUE(inks[first].Intersected(inks[second]).IsEmpty()) << Describe(inks[first]) << " overlaps "
                                                                         << Describe(inks[second]);
        }
    }
    // Every digit of the value is drawn.
    const DisplayText value = harness.Engine().GetDisplayText(regional);
    if (value.exponent.empty()) {
        EXPECT_TRUE(Drew(log, value.main)) << NarrowUtf8(value.main);
    } else {
        EXPECT_TRUE(Drew(log, value.significand)) << NarrowUtf8(value.significand);
        EXPECT_TRUE(Drew(log, value.exponent)) << NarrowUtf8(value.exponent);
    }
}

class DisplayPainterTest : public ::testing::TestWithParam<Size> {
protected:
    static void CheckAll(const std::vector<DisplayCase>& cases)
    {
        const Size screen = GetParam();
        for (const DisplayCase& displayCase : cases) {
            for (int skin = 0; skin < (Pictured(screen) ? kSkins : 1); ++skin) CheckDisplay(displayCase, screen, skin);
        }
    }
};

TEST_P(DisplayPainterTest, LongNumbersShowEveryDigitInEveryNotation) { CheckAll(kLongDigits); }

TEST_P(DisplayPainterTest, EntriesWithExponentsShowMantissaAndExponent) { CheckAll(kExponentEntries); }

TEST_P(DisplayPainterTest, NothingIsDrawnOverAnythingElse) { CheckAll(kCrowded); }

TEST_P(DisplayPainterTest, StackedFractionFitsInsideTheDisplay) { CheckAll(kFractions); }

INSTANTIATE_TEST_SUITE_P(Screens, DisplayPainterTest,
                         ::testing::Values(Size{240, 320}, Size{320, 320}, Size{480, 640}, Size{480, 800},
                                           Size{640, 480}));

}  // namespace
}  // namespace tallyx
