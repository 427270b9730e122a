#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "app/application_fonts.h"
#include "app/desktop_services.h"
#include "app/headless_driver.h"
#include "app/listing_accessibility.h"
#include "app/main_frame.h"
#include "app/quit_signals.h"
#include "app/single_instance.h"
#include "app/start_options.h"
#include "app/state_listing.h"
#include "app/window_describers.h"
#include "engine/calc_engine.h"
#include "engine/expression_evaluator.h"
#include "engine/number_formatter.h"
#include "platform/qt/qt_accessibility.h"
#include "platform/qt/qt_window_host.h"
#include "platform/services.h"
#include "ui/window_host.h"

namespace {

constexpr int kExitAlreadyRunning = 1;
constexpr int kExitBadArguments = 2;

std::vector<std::string> Arguments(int argc, char** argv)
{
    return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace

// The desktop program: one frame with the keypad, or a headless run.
int main(int argc, char** argv)
{
    const tallyx::ParsedStartOptions parsed = tallyx::ParseStartOptions(Arguments(argc, argv));
    if (!parsed.options) {
        std::cerr << "tallyx: " << parsed.error << '\n' << tallyx::kStartUsage;
        return kExitBadArguments;
    }
    const tallyx::StartOptions& options = *parsed.options;
    if (options.help) {
        std::cout << tallyx::kStartUsage;
        return 0;
    }
    if (options.Headless()) setenv("QT_QPA_PLATFORM", "offscreen", 0);

    QApplication application(argc, argv);
    QApplication::setApplicationName("Tallyx");
    tallyx::QtWindowFactory factory;
    tallyx::SetWindowFactory(&factory);
    tallyx::InstallApplicationFonts();
    if (options.Headless()) return tallyx::RunHeadless(options, std::cout, std::cerr);

    // A stop request ends the program like Exit; declared first, it outlives the frame,
    // so that a second request cannot cut the frame's saving short.
    const tallyx::QuitSignals quitSignals([&factory] { factory.Quit(0); });
    tallyx::WindowHost* shown = nullptr;
    tallyx::SingleInstance instance;
    const bool claimed = instance.Listen([&shown] {
        if (shown) shown->BringToFront();
    });
    // The name is claimed before the frame is built: a start that loses a race leaves the settings alone.
    if (!claimed && instance.RaiseRunning()) {
        std::cout << "tallyx: Tallyx is already running; its window was brought to the front\n";
        return kExitAlreadyRunning;
    }

    tallyx::InstallDesktopServices();
    // The calculator's parts outlive the frame that works with them.
    const auto evaluator = std::make_unique<tallyx::ExpressionEvaluator>();
    tallyx::NumberFormatter formatter;
    const auto calculator = std::make_unique<tallyx::CalcEngine>(*evaluator, formatter);
    // Screen readers read the windows as the headless listing does.
    const tallyx::StateListing listing = tallyx::DesktopStateListing(*calculator, formatter);
    const tallyx::ScopedAccessibility accessibility(listing);
    tallyx::InstallAccessibility();
    tallyx::MainFrame frame(*calculator, formatter, *tallyx::Platform().registry);
    const tallyx::Rect placement = tallyx::Rect::FromSize(0, 0, options.screen.width, options.screen.height);
    if (!frame.Create(tallyx::MainFrame::kTitle, nullptr, placement)) return 0;
    shown = frame.Window();
    shown->Show();
    // Once the window is up, so the message stands over it.
    QTimer::singleShot(0, [] { tallyx::TellAboutSetAsideSettings(); });
    return QApplication::exec();
}
