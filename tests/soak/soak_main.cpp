// A seeded random walk over the desktop program's windows, run in-process on
// the offscreen platform:
//   tallyx_soak --seed N --actions COUNT [--trace]
// It passes when no move fails or hangs and the settings store written at
// the end gives back every value written to it.
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <mutex>
#include <set>
#include <optional>
#include <string>
#include <unistd.h>

#include "app/command_words.h"
#include "app/main_frame.h"
#include "app/window_describers.h"
#include "desktop_stand_in.h"
#include "engine/calc_engine.h"
#include "engine/expression_evaluator.h"
#include "engine/number_formatter.h"
#include "platform/file_registry.h"
#include "platform/notifier.h"
#include "platform/paths.h"
#include "platform/qt/qt_window_host.h"
#include "platform/services.h"
#include "platform/wide_text.h"
#include "recording_registry.h"
#include "soak_walk.h"

namespace tallyx {
namespace {

constexpr int kDefaultMoves = 1000;
constexpr Size kStartSize{480, 640};
// Nothing listens there, so a rate update fails at once instead of going out.
constexpr const char* kClosedRateSource = "http://127.0.0.1:1/eurofxref-daily.xml";

struct SoakOptions {
    unsigned seed = 1;
    int moves = kDefaultMoves;
    bool trace = false;
};

std::optional<SoakOptions> ReadOptions(int argc, char** argv)
{
    SoakOptions options;
    for (int index = 1; index < argc; ++index) {
        const std::string name = argv[index];
        if (name == "--trace") {
            options.trace = true;
            continue;
        }
        const auto number = index + 1 < argc ? ParseWholeNumber(argv[++index]) : std::nullopt;
        if (!number || *number < 0) return std::nullopt;
        if (name == "--seed") {
            options.seed = static_cast<unsigned>(*number);
        } else if (name == "--actions") {
            options.moves = *number;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

// Each of Qt's messages once: the offscreen platform repeats some for every
// window, thousands of times in a long walk.
void WriteEachMessageOnce(QtMsgType, const QMessageLogContext&, const QString& text)
{
    static std::mutex mutex;
    static std::set<QString> written;
    const std::lock_guard lock(mutex);
    if (written.insert(text).second) std::cerr << text.toStdString() << std::endl;
}

// Every folder the program may write to, below one of the run's own.
void KeepFilesIn(const std::filesystem::path& root)
{
    for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DOCUMENTS_DIR", "TALLYX_CONFIG_DIR",
                                 "TALLYX_DATA_DIR"}) {
        setenv(variable, root.c_str(), 1);
    }
    setenv("TALLYX_RATE_URL", kClosedRateSource, 1);
}

// Walks until every move is played; a frame the program closed itself (File,
// Exit) is opened again over the same store. Answers what was written.
RegistryData Walk(const SoakOptions& options, const std::filesystem::path& root)
{
    FileRegistry store(FixedPaths(root).ConfigFolder());
    RecordingRegistry registry(store);
    FixedPaths paths(root);
    RecordingNotifier notifier;
    PlatformServices services = Platform();
    services.registry = &registry;
    services.notifier = &notifier;
    services.paths = &paths;
    const ScopedPlatform platform(services);

    ExpressionEvaluator evaluator;
    NumberFormatter formatter;
    CalcEngine engine(evaluator, formatter);
    const StateListing listing = DesktopStateListing(engine, formatter);
    SoakWalk walk(options.seed, options.moves, listing, options.trace);
    while (!walk.Finished()) {
        walk.Note("open the frame");
        auto frame = std::make_unique<MainFrame>(engine, formatter, registry);
        if (!frame->Create(MainFrame::kTitle, nullptr, Rect::FromSize(0, 0, kStartSize.width, kStartSize.height))) {
            walk.Fail("the frame could not be created");
        }
        frame->Window()->Show();
        walk.Start(*frame);
        QCoreApplication::exec();
        walk.Stop();
        walk.Note("close the frame");
        frame.reset();
    }
    std::cout << "soak: seed " << options.seed << ": " << walk.MovesPlayed() << " actions played, "
              << notifier.messages.size() << " messages answered\nsoak: moves by window on top: "
              << walk.WindowsVisited() << std::endl;
    return registry.Written();
}

int CheckStore(const RegistryData& written, const std::filesystem::path& root)
{
    FileRegistry store(FixedPaths(root).ConfigFolder());
    if (store.TakeSetAside()) {
        std::cerr << "soak: the settings store did not read whole" << std::endl;
        return EXIT_FAILURE;
    }
    const std::vector<std::wstring> lost = ValuesNotKept(written, store);
    for (const std::wstring& value : lost) std::cerr << "soak: the store lost " << NarrowUtf8(value) << '\n';
    if (!lost.empty()) return EXIT_FAILURE;
    std::size_t values = 0;
    for (const auto& [path, key] : written.Keys()) values += key.values.size();
    std::cout << "soak: the settings store gave back all " << values << " values" << std::endl;
    return EXIT_SUCCESS;
}

}  // namespace
}  // namespace tallyx

int main(int argc, char** argv)
{
    using namespace tallyx;
    const auto options = ReadOptions(argc, argv);
    if (!options) {
        std::cerr << "usage: tallyx_soak [--seed N] [--actions COUNT] [--trace]" << std::endl;
        return 2;
    }
    const std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("tallyx-soak-" + std::to_string(getpid()));
    std::filesystem::create_directories(FixedPaths(root).ConfigFolder());
    KeepFilesIn(root);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    qInstallMessageHandler(WriteEachMessageOnce);
    QApplication application(argc, argv);
    QtWindowFactory factory;
    SetWindowFactory(&factory);
    const DesktopStandIn desktop;
    std::cout << "soak: seed " << options->seed << ", " << options->moves << " actions" << std::endl;
    const int status = CheckStore(Walk(*options, root), root);
    std::filesystem::remove_all(root);
    return status;
}
