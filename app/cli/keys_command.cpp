#include <array>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/cli_command.h"
#include "app/cli/command_options.h"
#include "app/cli/display_line.h"
#include "app/cli/key_names.h"
#include "engine/angle_unit.h"
#include "engine/calc_engine.h"
#include "engine/expression_evaluator.h"
#include "engine/number_formatter.h"
#include "platform/services.h"
#include "platform/wide_text.h"

namespace tallyx::cli {
namespace {

constexpr std::string_view kUsage =
    "keys [--mode expression|algebraic|direct|normal|rpn] [--notation 0-6] [--fixed D] [--angle deg|rad|grad] "
    "[--stack N] [--regional] [--raw] [--indicator] [--trace] KEY...";

// By entry mode number.
constexpr std::array<std::string_view, CalcEngine::kModes> kModeNames = {"expression", "algebraic", "direct", "normal",
                                                                         "rpn"};

// What the options choose; the X, Y, Z, T stack unless told otherwise.
struct KeySession {
    int mode = CalcModeAlgebraic;
    int notation = NotationNormal;
    int fixedDigits = NumberFormatter::kDefaultFixedDigits;
    int angleUnit = AngleUnitDeg;
    int stackSize = 4;
    bool regional = false;
    bool raw = false;
    bool indicator = false;
    bool trace = false;
};

bool SetMode(KeySession& session, std::string_view value)
{
    for (std::size_t mode = 0; mode < kModeNames.size(); ++mode) {
        if (value == kModeNames[mode]) {
            session.mode = static_cast<int>(mode);
            return true;
        }
    }
    return false;
}

bool SetNotation(KeySession& session, std::string_view value)
{
    return ReadInteger(value, NotationNormal, NotationBinaryDec, session.notation);
}

bool SetFixedDigits(KeySession& session, std::string_view value)
{
    return ReadInteger(value, 0, NumberFormatter::kMaxFixedDigits, session.fixedDigits);
}

bool SetAngle(KeySession& session, std::string_view value)
{
    const std::optional<int> unit = ReadAngleUnit(value);
    if (unit) session.angleUnit = *unit;
    return unit.has_value();
}

bool SetStackSize(KeySession& session, std::string_view value)
{
    return ReadInteger(value, RpnStack::kMinSize, RpnStack::kRegisters, session.stackSize);
}

bool SetRegional(KeySession& session, std::string_view)
{
    return session.regional = true;
}

bool SetRaw(KeySession& session, std::string_view)
{
    return session.raw = true;
}

bool SetIndicator(KeySession& session, std::string_view)
{
    return session.indicator = true;
}

bool SetTrace(KeySession& session, std::string_view)
{
    return session.trace = true;
}

constexpr std::array<CommandOption<KeySession>, 9> kOptions = {{
    {"--mode", "expression, algebraic, direct, normal or rpn", SetMode},
    {"--notation", "a notation from 0 to 6", SetNotation},
    {"--fixed", "a digit count from 0 to 9", SetFixedDigits},
    {"--angle", "deg, rad or grad", SetAngle},
    {"--stack", "a stack size from 3 to 50", SetStackSize},
    {"--regional", "", SetRegional},
    {"--raw", "", SetRaw},
    {"--indicator", "", SetIndicator},
    {"--trace", "", SetTrace},
}};

int UsageError(std::ostream& error, std::string_view message)
{
    error << "tallyx-cli keys: " << message << "\nusage: tallyx-cli " << kUsage << '\n';
    return kExitUsage;
}

// The refused-key message, on the console's error stream.
class StreamNotifier : public Notifier {
public:
    explicit StreamNotifier(std::ostream& error) : error_(error) {}
    NotifierAnswer ShowMessage(const std::wstring& text, const std::wstring& caption, NotifierIcon,
                               NotifierButtons) override
    {
        error_ << NarrowUtf8(caption) << ": " << NarrowUtf8(text) << '\n';
        return NotifierAnswer::Ok;
    }

private:
    std::ostream& error_;
};

// The display as the keypad draws it, or the engine's own text.
std::string EngineDisplay(const CalcEngine& engine, const KeySession& session)
{
    return session.raw ? NarrowUtf8(engine.GetRawDisplayText()) : DisplayLine(engine.GetDisplayText(session.regional));
}

void Configure(CalcEngine& engine, NumberFormatter& formatter, const KeySession& session)
{
    engine.SetMode(session.mode);
    engine.SetAngleUnit(session.angleUnit);
    engine.Rpn().SetStackSize(session.stackSize);
    formatter.SetNotation(session.notation);
    formatter.SetFixedDigits(session.fixedDigits);
}

int UnknownKey(std::ostream& error, const std::string& word)
{
    error << "tallyx-cli keys: no key is named '" << word << "'; the closest are";
    const char* separator = " ";
    for (const std::wstring& name : ClosestKeyNames(WidenUtf8(word))) {
        error << separator << NarrowUtf8(name);
        separator = ", ";
    }
    error << "\n";
    return kExitUsage;
}

// Presses the keys on a fresh calculator and prints its display.
int Run(const Arguments& arguments, std::ostream& out, std::ostream& error)
{
    KeySession session;
    const OptionsRead options = ReadOptions<KeySession>(arguments, kOptions, session);
    if (!options.error.empty()) {
        return UsageError(error, options.error);
    }
    std::size_t next = options.next;
    std::vector<NamedKey> keys;
    for (; next < arguments.size(); ++next) {
        const auto resolved = ResolveKeyWord(arguments[next]);
        if (!resolved) {
            return UnknownKey(error, arguments[next]);
        }
        keys.insert(keys.end(), resolved->begin(), resolved->end());
    }
    if (keys.empty()) {
        return UsageError(error, "no keys to press");
    }

    StreamNotifier notifier(error);
    PlatformServices services = Platform();
    services.notifier = &notifier;
    const ScopedPlatform platform(services);
    const auto evaluator = std::make_unique<ExpressionEvaluator>();
    NumberFormatter formatter;
    const auto engine = std::make_unique<CalcEngine>(*evaluator, formatter);
    Configure(*engine, formatter, session);

    for (const NamedKey& key : keys) {
        const bool accepted = engine->PressButton(key.button.type, key.button.id);
        if (session.trace) {
            out << key.name << '\t' << (accepted ? "ok" : "refused") << '\t' << EngineDisplay(*engine, session) << '\t'
                << NarrowUtf8(engine->GetPendingText()) << '\n';
        }
    }
    out << EngineDisplay(*engine, session) << '\n';
    // The expression of Expression mode, or the pending operator, on a line of its own.
    if (session.indicator) out << NarrowUtf8(engine->GetIndicatorText()) << '\n';
    return kExitOk;
}

}  // namespace

const Command kKeysCommand = {"keys", kUsage, Run};

}  // namespace tallyx::cli
