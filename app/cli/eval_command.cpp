#include <array>
#include <limits>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "app/cli/cli_command.h"
#include "app/cli/command_options.h"
#include "engine/expression_evaluator.h"
#include "platform/wide_text.h"

namespace tallyx::cli {
namespace {

constexpr std::string_view kUsage = "eval [--angle deg|rad|grad] [--base N] [--bits N] EXPR...";

bool SetAngle(ExpressionEvaluator& evaluator, std::string_view value)
{
    const std::optional<int> unit = ReadAngleUnit(value);
    return unit && evaluator.SetAngleUnit(*unit);
}

// The evaluator itself refuses bases and word sizes out of its range.
bool SetBase(ExpressionEvaluator& evaluator, std::string_view value)
{
    int base = 0;
    return ReadInteger(value, 0, std::numeric_limits<int>::max(), base) && evaluator.SetBase(base);
}

bool SetBits(ExpressionEvaluator& evaluator, std::string_view value)
{
    int bits = 0;
    return ReadInteger(value, 0, std::numeric_limits<int>::max(), bits) && evaluator.SetWordSize(bits);
}

constexpr std::array<CommandOption<ExpressionEvaluator>, 3> kOptions = {{
    {"--angle", "deg, rad or grad", SetAngle},
    {"--base", "a base from 2 to 36", SetBase},
    {"--bits", "a word size from 4 to 64", SetBits},
}};

int UsageError(std::ostream& error, std::string_view message)
{
    error << "tallyx-cli eval: " << message << "\nusage: tallyx-cli " << kUsage << '\n';
    return kExitUsage;
}

// Evaluates each expression in turn and prints its result text as the
// evaluator makes it.
int Run(const Arguments& arguments, std::ostream& out, std::ostream& error)
{
    const auto evaluator = std::make_unique<ExpressionEvaluator>();
    const OptionsRead options = ReadOptions<ExpressionEvaluator>(arguments, kOptions, *evaluator);
    if (!options.error.empty()) return UsageError(error, options.error);
    std::size_t next = options.next;
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
