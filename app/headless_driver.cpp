#include "app/headless_driver.h"

#include <QCoreApplication>
#include <memory>
#include <ostream>

#include "app/action_player.h"
#include "app/main_frame.h"
#include "app/window_describers.h"
#include "app/window_on_screen.h"
#include "convert/rate_file_store.h"
#include "engine/calc_engine.h"
#include "engine/expression_evaluator.h"
#include "engine/number_formatter.h"
#include "platform/memory_registry.h"
#include "platform/services.h"
#include "platform/wide_text.h"
#include "ui/open_windows.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitBadInput = 2;
constexpr int kExitFailed = 1;

std::ostream& operator<<(std::ostream& out, const Rect& rect)
{
    return out << rect.left << ' ' << rect.top << ' ' << rect.Width() << ' ' << rect.Height();
}

void DumpKeys(const std::vector<KeyButton>& keys, const char* area, std::ostream& out)
{
    int index = 0;
    for (const KeyButton& key : keys) {
        const ButtonDef& button = key.Button();
        out << "key " << area << ' ' << ++index << ' ' << key.Bounds() << ' ' << button.type << ' ' << button.id << " \""
            << NarrowUtf8(KeyCaption(button)) << "\"\n";
    }
}

// The keys and taps of the older options come first, as key and tap actions.
std::vector<DriverAction> ScriptOf(const StartOptions& options)
{
    std::vector<DriverAction> script;
    for (const std::wstring& name : options.keys) {
        script.push_back({DriverAction::Key, name, {}, 0, 0, "key " + NarrowUtf8(name)});
    }
    for (const Point& tap : options.taps) {
        const std::string words = "tap " + std::to_string(tap.x) + ',' + std::to_string(tap.y);
        script.push_back({DriverAction::Tap, L"", {tap}, 0, 0, words});
    }
    script.insert(script.end(), options.actions.begin(), options.actions.end());
    return script;
}

}  // namespace

void DumpLayout(const KeypadView& panel, std::ostream& out)
{
    const KeypadGeometry& geometry = panel.Geometry();
    out << "display " << geometry.display << '\n';
    for (std::size_t index = 0; index < geometry.indicators.size(); ++index) {
        out << "indicator " << IndicatorName(index) << ' ' << geometry.indicators[index] << '\n';
    }
    out << "softkey left " << geometry.softKeyLeft << '\n';
    out << "softkey middle " << geometry.softKeyMiddle << '\n';
    out << "softkey right " << geometry.softKeyRight << '\n';
    DumpKeys(panel.MainKeys(), "main", out);
    DumpKeys(panel.AlternateKeys(), "alt", out);
}

int RunHeadless(const StartOptions& options, std::ostream& out, std::ostream& errors)
{
    MemoryRegistry registry;
    if (options.type) registry.WriteDword(kTallyxKey, L"CalcType", static_cast<std::uint32_t>(*options.type));
    if (options.mode) registry.WriteDword(kTallyxKey, L"CalcMode", static_cast<std::uint32_t>(*options.mode));
    if (options.skin) registry.WriteDword(kTallyxKey, L"Skin", static_cast<std::uint32_t>(*options.skin));
    PlatformServices services = Platform();
    services.registry = &registry;
    const ScopedPlatform platform(services);
    // As at a desktop start: the currency converter finds the shipped rates.
    SeedRateFile();

    const auto evaluator = std::make_unique<ExpressionEvaluator>();
    NumberFormatter formatter;
    const auto calculator = std::make_unique<CalcEngine>(*evaluator, formatter);
    const StateListing listing = DesktopStateListing(*calculator, formatter);
    ActionPlayer player(ScriptOf(options), options.skin.value_or(0), listing);
    if (const std::string unknown = player.UnknownKey(); !unknown.empty()) {
        errors << "tallyx: " << unknown << '\n';
        return kExitBadInput;
    }

    MainFrame frame(*calculator, formatter, registry);
    if (!frame.Create(MainFrame::kTitle, nullptr, Rect::FromSize(0, 0, options.screen.width, options.screen.height))) {
        errors << "tallyx: cannot create the window\n";
        return kExitFailed;
    }
    frame.Window()->Show();

    int status = kExitOk;
    // Written where the last action left the windows, modal ones still open.
    auto report = [&] {
        if (options.dumpLayout) DumpLayout(frame.Keypad(), out);
        if (options.dumpState) listing.Write(out);
        const WindowBase* top = TopWindow();
        if (options.screenshotPath && !GrabTopLevel(top ? *top : frame)->Save(*options.screenshotPath)) {
            errors << "tallyx: cannot write " << *options.screenshotPath << '\n';
            status = kExitFailed;
        }
    };
    player.Start([&](ActionPlayer::Outcome outcome) {
        if (outcome == ActionPlayer::Outcome::Done) {
            report();
        } else {
            errors << "tallyx: " << player.Failure() << '\n';
            status = kExitBadInput;
        }
        QCoreApplication::exit(status);
    });
    QCoreApplication::exec();
    if (player.Result() != ActionPlayer::Outcome::Playing) return status;
    // A window ended the program on its own (File, Exit) before the player did.
    if (!player.AllBegun()) {
        errors << "tallyx: the program ended before '" << player.NextActionWords() << "'\n";
        return kExitBadInput;
    }
    report();
    return status;
}

}  // namespace tallyx
