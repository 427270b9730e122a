// "Save Bitmap" end to end: the plotter's menu command, the file dialog's
// Name box and Type list, and the image on disk against the plot on screen.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/file_dialog.h"
#include "app/graph_window.h"
#include "engine/expression_evaluator.h"
#include "graph/evaluator_arithmetic.h"
#include "platform/notifier.h"
#include "platform/services.h"
#include "platform/window_messages.h"
#include "tests/ui/file_tree.h"
#include "tests/ui/program_run.h"
#include "tests/ui/scoped_home.h"
#include "ui/open_windows.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

namespace fs = std::filesystem;

class Frame : public WindowBase {};

DropDownList* TypeListOf(FileDialog& dialog)
{
    for (ChildControl* control : dialog.Window()->Controls()) {
        if (control->Kind() == ControlKind::DropDown) return static_cast<DropDownList*>(control);
    }
    return nullptr;
}

// Once the dialog is up: the name typed, the Type list's row picked as a
// click picks it, then Save.
void AnswerSaveDialog(const std::wstring& name, std::size_t typeRow, std::wstring& typeShown)
{
    QTimer::singleShot(0, [name, typeRow, &typeShown] {
        auto* dialog = dynamic_cast<FileDialog*>(TopWindow());
        ASSERT_NE(dialog, nullptr);
        DropDownList* types = TypeListOf(*dialog);
        if (!types) {
            ADD_FAILURE() << "the dialog has no Type list";
            dialog->WindowProcedure(WM_COMMAND, FileDialog::kCloseCommand, 0);
            return;
        }
        types->Select(typeRow);
        dialog->WindowProcedure(WM_CONTROL_SELECTED, static_cast<std::uintptr_t>(types->Identity().id), 0);
        typeShown = dialog->TypeText();
        for (const wchar_t character : name) dialog->WindowProcedure(WM_CHAR, character, 0);
        dialog->WindowProcedure(SoftKeyBar::kLeftMessage, 0, 0);
    });
}

// Pixels of the saved image that differ from the shot's within area.
int DifferingPixels(const QImage& saved, const Image& shot, const Rect& area)
{
    int differing = 0;
    for (int y = 0; y < area.Height(); ++y) {
        for (int x = 0; x < area.Width(); ++x) {
            const QRgb pixel = saved.pixel(x, y);
            differing += MakeColor(qRed(pixel), qGreen(pixel), qBlue(pixel)) !=
                         shot.PixelAt({area.left + x, area.top + y});
        }
    }
    return differing;
}

TEST(GraphSave, SaveBitmapWritesTheChosenTypeWithThePlotsPixels)
{
    struct Case {
        const char* name;
        std::size_t typeRow;
        std::wstring type;
        const char* file;
    };
    const Case cases[] = {
        {"first type", 0, L"Bitmaps (*.bmp)", "curves.bmp"},
        {"second type", 1, L"PNG images (*.png)", "curves.png"},
    };
    FileTree home;
    const ScopedHome homeSet(home.Root());
    RecordingNotifier notifier(NotifierAnswer::Yes);
    PlatformServices services = Platform();
    services.notifier = &notifier;
    const ScopedPlatform platform(services);
    ExpressionEvaluator evaluator;
    EvaluatorArithmetic arithmetic(evaluator);
    Frame frame;
    frame.Create(L"Tallyx", nullptr, Rect::FromSize(0, 0, 480, 640));

    GraphWindow window(arithmetic, 0);
    window.Plot().SetFunction(0, L"X*X");
    window.Plot().SetFunction(1, L"X");
    bool acted = false;
    QTimer::singleShot(0, [&] {
        const Rect area = window.PlotArea();
        const std::unique_ptr<Image> shot = window.Window()->Grab();
        for (const Case& item : cases) {
            SCOPED_TRACE(item.name);
            std::wstring typeShown;
            AnswerSaveDialog(L"curves", item.typeRow, typeShown);
            window.WindowProcedure(WM_COMMAND, GraphCommandSaveImage, 0);
            EXPECT_EQ(typeShown, item.type);
            const QImage saved(QString::fromStdString((home.Root() / item.file).string()));
            ASSERT_FALSE(saved.isNull());
            ASSERT_EQ(saved.width(), area.Width());
            ASSERT_EQ(saved.height(), area.Height());
            EXPECT_EQ(DifferingPixels(saved, *shot, area), 0);
        }
        acted = true;
        window.WindowProcedure(WM_COMMAND, GraphCommandExit, 0);
    });
    window.Run(*frame.Window());

    EXPECT_TRUE(acted);
    EXPECT_TRUE(notifier.messages.empty());
    std::vector<std::string> written;
    for (const fs::directory_entry& entry : fs::directory_iterator(home.Root())) {
        written.push_back(entry.path().filename().string());
    }
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, (std::vector<std::string>{"curves.bmp", "curves.png"}));
}

// The same through the built program: Graph from the Graphing keypad, the
// plotter's menu, the dialog's Name box and Save; the image is the top of
// the screenshot taken afterwards, down to the soft keys.
TEST(GraphSave, TheProgramSavesTheBitmapItShows)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString screenshot = home.filePath("screen.png");
    const ProgramRun run = RunProgram({"--do", "button", "Menu", "choose", "Graphing", "key", "X", "key", "Times",
                                       "key", "X", "key", "Graph", "button", "Graphing", "choose", "Save Bitmap",
                                       "type", "parabola", "button", "Save", "--screenshot", screenshot,
                                       "--dump-state"},
                                      {{"HOME", home.path()}});

    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(run.Lists("window graph \"Graphing\"\nview -5 5 -6.25 6.25\nfunction 0 \"X×X\"\n")) << run.out;
    EXPECT_FALSE(run.Lists("window file")) << run.out;
    const QImage saved(QDir(home.path()).filePath("parabola.bmp"));
    const QImage shown(screenshot);
    ASSERT_FALSE(saved.isNull());
    ASSERT_EQ(saved.width(), shown.width());
    ASSERT_LT(saved.height(), shown.height());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
              shown.copy(0, 0, saved.width(), saved.height()).convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace tallyx
