#include <array>
#include <charconv>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "app/cli/cli_command.h"
#include "engine/expression_evaluator.h"
#include "platform/wide_text.h"

namespace tallyx::cli {
namespace {

constexpr std::string_view kUsage = "eval [--angle deg|rad|grad] [--base N] [--bits N] EXPR...";

constexpr std::array<std::string_view, 3> kAngleNames = {"deg", "rad", "grad"};

bool ReadInteger(std::string_view text, int& value)
{
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool SetAngle(ExpressionEvaluator& evaluator, std::string_view value)
{
    for (std::size_t unit = 0; unit < kAngleNames.size(); ++unit) {
        if (value == kAngleNames[unit]) return evaluator.SetAngleUnit(static_cast<int>(unit));
    }
    return false;
}

bool SetBase(ExpressionEvaluator& evaluator, std::string_view value)
{
    int base = 0;
    return ReadInteger(value, base) && evaluator.SetBase(base);
}

bool SetBits(ExpressionEvaluator& evaluator, std::string_view value)
{
    int bits = 0;
    return ReadInteger(value, bits) && evaluator.SetWordSize(bits);
}

struct Option {
    std::string_view name;
    std::string_view values;  // what the message names when the value is refused
    bool (*apply)(ExpressionEvaluator&, std::string_view);
};

constexpr std::array<Option, 3> kOptions = {{
    {"--angle", "deg, rad or grad", SetAngle},
    {"--base", "a base from 2 to 36", SetBase},
    {"--bits", "a word size from 4 to 64", SetBits},
}};

const Option* FindOption(std::string_view name)
{
    for (const Option& option : kOptions) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

int UsageError(std::ostream& error, std::string_view message)
{
    error << "tallyx-cli eval: " << message << "\nusage: tallyx-cli " << kUsage << '\n';
    return kExitUsage;
}

// Evaluates each expression in turn and prints its result text as the
// evaluator makes it. "--" ends the options, for expressions that start with "--".
int Run(const Arguments& arguments, std::ostream& out, std::ostream& error)
{
    const auto evaluator = std::make_unique<ExpressionEvaluator>();
    std::size_t next = 0;
    for (; next < arguments.size() && arguments[next].starts_with("--"); ++next) {
        if (arguments[next] == "--") {
            ++next;
            break;
        }
        const Option* option = FindOption(arguments[next]);
        if (!option) return UsageError(error, "unknown option '" + arguments[next] + "'");
        if (next + 1 == arguments.size()) return UsageError(error, std::string(option->name) + " needs a value");
        if (!option->apply(*evaluator, arguments[++next])) {
            return UsageError(error, std::string(option->name) + " takes " + std::string(option->values) + ", not '" +
                                         arguments[next] + "'");
        }
    }
    if (next == arguments.size()) return UsageError(error, "no expression to evaluate");
    std::wstring result;
    for (; next < arguments.size(); ++next) {
        evaluator->Evaluate(WidenUtf8(arguments[next]), result);
        out << NarrowUtf8(result) << '\n';
    }
    return kExitOk;
}

}  // namespace

const Command kEvalCommand = {"eval", kUsage, Run};

}  // namespace tallyx::cli
