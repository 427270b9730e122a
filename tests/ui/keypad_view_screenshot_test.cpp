#include <QCoreApplication>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "app/calculator_types.h"
#include "frame_test_support.h"
#include "platform/qt/qt_canvas.h"
#include "ui/key_face_painter.h"

namespace tallyx {
namespace {

// Beside the test program, inside the build folder.
std::filesystem::path ScreenshotFolder()
{
    const auto folder = std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / "screenshots";
    std::filesystem::create_directories(folder);
    return folder;
}

// A point on the key's face above any caption: centred, just below the top edge.
Point FacePoint(const Rect& key)
{
    return {key.left + key.Width() / 2, key.top + 2};
}

Color ExpectedFacePixel(const KeyButton& key, std::int32_t faceStyle, const ColorSet& colors, int icon)
{
    const Rect bounds = key.Bounds();
    QtImage face(bounds.Width(), bounds.Height());
    face.Paint().FillRect({0, 0, bounds.Width(), bounds.Height()}, kTransparentColor);
    PaintKeyFace(face.Paint(), {0, 0, bounds.Width(), bounds.Height()}, faceStyle, colors, false, icon);
    const Point point = FacePoint(bounds);
    return face.PixelAt({point.x - bounds.left, point.y - bounds.top});
}

// Every calculator type in every built-in skin: the picture is written for
// people to look at; the checks cover what can go wrong unseen.
class KeypadViewScreenshotTest : public ::testing::TestWithParam<Size> {};

TEST_P(KeypadViewScreenshotTest, EveryTypeInEverySkin)
{
    const Size& screen = GetParam();
    QtImage measuring(1, 1);
    for (int skin = 0; skin < 5; ++skin) {
        for (int type = CalculatorStandard; type <= CalculatorStatistics; ++type) {
            FrameHarness harness;
            harness.registry.WriteDword(kTallyxKey, L"Skin", static_cast<std::uint32_t>(skin));
            harness.registry.WriteDword(kTallyxKey, L"CalcType", static_cast<std::uint32_t>(type));
            harness.Open(screen.width, screen.height);
            const KeypadView& keypad = harness.Keypad();
            const std::string name = std::to_string(screen.width) + "x" + std::to_string(screen.height) + "-type" +
                                     std::to_string(type) + "-skin" + std::to_string(skin);
            const auto shot = harness.Host().Grab();
            ASSERT_TRUE(shot->Save((ScreenshotFolder() / (name + ".png")).string())) << name;
            const SkinColors& colors = harness.Calculator().Layouts().Colors();
            const int icon = keypad.Geometry().metrics.icon;
            for (const KeypadGrid* grid : {&keypad.MainGrid(), &keypad.AlternateGrid()}) {
                for (const KeyButton& key : grid->Keys()) {
                    const std::string where = name + " key " + std::to_string(key.Button().type) + "," +
                                              std::to_string(key.Button().id);
                    const Color expected = ExpectedFacePixel(key, colors.faceStyle, colors.SetForStyle(key.Button().style), icon);
                    EXPECT_EQ(shot->PixelAt(FacePoint(key.Bounds())), expected) << where;
                    const FontSpec font = KeyButton::FittedFont(measuring.Paint(), key.Button(),
                                                                grid->FontFor(key), key.Bounds().Width());
                    const int width = KeyButton::CaptionWidth(measuring.Paint(), key.Button(), font);
                    EXPECT_LE(width, key.Bounds().Width()) << where << " caption clipped";
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, KeypadViewScreenshotTest, ::testing::Values(Size{240, 320}, Size{480, 640}));

}  // namespace
}  // namespace tallyx
