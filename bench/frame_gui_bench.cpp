// The desktop frame's drawing speed at 480 x 640: a full keypad repaint, and
// a key message up to the repainted display.
#include <QApplication>
#include <cstdlib>

#include <benchmark/benchmark.h>

#include "app/main_frame.h"
#include "engine/calc_engine.h"
#include "engine/expression_evaluator.h"
#include "engine/number_formatter.h"
#include "platform/memory_registry.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_window_host.h"
#include "platform/services.h"

namespace tallyx {
namespace {

class BenchFrame {
public:
    BenchFrame() : platform_(Services())
    {
        frame_.Create(MainFrame::kTitle, nullptr, Rect::FromSize(0, 0, kWidth, kHeight));
        QCoreApplication::processEvents();
    }
    MainFrame& Frame() { return frame_; }

    static constexpr int kWidth = 480;
    static constexpr int kHeight = 640;

private:
    PlatformServices Services()
    {
        PlatformServices services = Platform();
        services.registry = &registry_;
        return services;
    }

    MemoryRegistry registry_;
    ScopedPlatform platform_;
    ExpressionEvaluator evaluator_;
    NumberFormatter formatter_;
    CalcEngine calculator_{evaluator_, formatter_};
    MainFrame frame_{calculator_, formatter_, registry_};
};

void FullKeypadRepaint(benchmark::State& state)
{
    BenchFrame bench;
    QtImage target(BenchFrame::kWidth, BenchFrame::kHeight);
    const Rect client{0, 0, BenchFrame::kWidth, BenchFrame::kHeight};
    for (auto _ : state) {
        bench.Frame().Paint(target.Paint(), client);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(FullKeypadRepaint)->Unit(benchmark::kMicrosecond);

void KeyMessageToRepaintedDisplay(benchmark::State& state)
{
    BenchFrame bench;
    QtImage target(BenchFrame::kWidth, BenchFrame::kHeight);
    const Rect display = bench.Frame().Keypad().Geometry().display;
    int digit = 0;
    for (auto _ : state) {
        bench.Frame().WindowProcedure(KeypadView::kKeyMessage, ButtonTypeEntry, digit);
        bench.Frame().Paint(target.Paint(), display);
        digit = (digit + 1) % 10;
        if (digit == 0) bench.Frame().WindowProcedure(KeypadView::kKeyMessage, ButtonTypeClear, 1);
    }
}
BENCHMARK(KeyMessageToRepaintedDisplay)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tallyx

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    tallyx::QtWindowFactory factory;
    tallyx::SetWindowFactory(&factory);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
