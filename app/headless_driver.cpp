#include "app/headless_driver.h"

#include <QCoreApplication>
#include <array>
#include <memory>
#include <ostream>

#include "app/main_frame.h"
#include "engine/calc_engine.h"
#include "engine/expression_evaluator.h"
#include "engine/number_formatter.h"
#include "keypad/button_vocabulary.h"
#include "platform/memory_registry.h"
#include "platform/services.h"
#include "platform/wide_text.h"
#include "platform/window_messages.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitBadInput = 2;
constexpr int kExitFailed = 1;

constexpr std::array<const char*, IndicatorCount> kIndicatorNames = {"2nd", "hyp", "base", "angle", "notation", "memory"};

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
            << NarrowUtf8(button.caption ? button.caption : L"") << NarrowUtf8(button.raisedCaption ? button.raisedCaption : L"")
            << "\"\n";
    }
}

void Settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

}  // namespace

void DumpLayout(const KeypadPanel& panel, std::ostream& out)
{
    const KeypadGeometry& geometry = panel.Geometry();
    out << "display " << geometry.display << '\n';
    for (std::size_t index = 0; index < kIndicatorNames.size(); ++index) {
        out << "indicator " << kIndicatorNames[index] << ' ' << geometry.indicators[index] << '\n';
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

    std::vector<ButtonDef> keys;
    for (const std::wstring& name : options.keys) {
        const auto button = FindButtonByName(name, options.skin.value_or(0));
        if (!button) {
            errors << "tallyx: no key named '" << NarrowUtf8(name) << "'\n";
            return kExitBadInput;
        }
        keys.push_back(*button);
    }

    const auto evaluator = std::make_unique<ExpressionEvaluator>();
    NumberFormatter formatter;
    const auto calculator = std::make_unique<CalcEngine>(*evaluator, formatter);
    MainFrame frame(*calculator, formatter, registry);
    if (!frame.Create(MainFrame::kTitle, nullptr, Rect::FromSize(0, 0, options.screen.width, options.screen.height))) {
        errors << "tallyx: cannot create the window\n";
        return kExitFailed;
    }
    frame.Window()->Show();
    Settle();
    for (const ButtonDef& key : keys) {
        frame.WindowProcedure(KeypadPanel::kKeyMessage, static_cast<std::uintptr_t>(key.type), key.id);
    }
    for (const Point& tap : options.taps) {
        frame.WindowProcedure(WM_LBUTTONDOWN, 1, MakePointParameter(tap.x, tap.y));
        frame.WindowProcedure(WM_LBUTTONUP, 0, MakePointParameter(tap.x, tap.y));
        Settle();
    }
    Settle();
    if (options.dumpLayout) DumpLayout(frame.Keypad(), out);
    if (options.screenshotPath && !frame.Window()->Grab()->SavePng(*options.screenshotPath)) {
        errors << "tallyx: cannot write " << *options.screenshotPath << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace tallyx
