#include <array>
#include <charconv>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "app/cli/cli_command.h"
#include "app/cli/display_line.h"
#include "engine/angle_unit.h"
#include "engine/expression_evaluator.h"
#include "engine/number_formatter.h"
#include "platform/wide_text.h"

namespace tallyx::cli {
namespace {

constexpr std::wstring_view kAnswerName = L"ans";
constexpr std::wstring_view kSyntaxError = L"syntax error";
constexpr std::wstring_view kErrorWords[] = {L"syntax error", L"infinity", L"imaginary"};
constexpr std::string_view kPrompt = "> ";

// The calculator between lines: the settings and the last result.
struct Session {
    ExpressionEvaluator& evaluator;
    NumberFormatter& formatter;
    std::ostream& out;
    std::wstring answer = L"0";
    bool done = false;
};

struct NotationName {
    std::string_view name;
    int notation;
};

constexpr std::array<NotationName, 11> kNotationNames = {{
    {"normal", NotationNormal},
    {"fixed", NotationFixed},
    {"sci", NotationScientific},
    {"scientific", NotationScientific},
    {"eng", NotationEngineering},
    {"engineering", NotationEngineering},
    {"frac", NotationFractions},
    {"fractions", NotationFractions},
    {"dms", NotationDms},
    {"bindec", NotationBinaryDec},
    {"bcd", NotationBinaryDec},
}};

bool ReadInteger(std::string_view text, int& value)
{
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool SetAngle(Session& session, std::string_view value)
{
    for (const AngleUnit unit : {AngleUnitDeg, AngleUnitRad, AngleUnitGrad}) {
        if (EqualNoCase(WidenUtf8(value), AngleUnitName(unit))) {
            return session.evaluator.SetAngleUnit(unit);
        }
    }
    return false;
}

// The last result follows the calculator into the new base.
bool SetBase(Session& session, std::string_view value)
{
    int base = 0;
    const int oldBase = session.evaluator.GetBase();
    if (!ReadInteger(value, base) || !session.evaluator.SetBase(base)) {
        return false;
    }
    session.evaluator.Evaluate(session.answer, session.answer, oldBase, base);
    return true;
}

bool SetNotation(Session& session, std::string_view value)
{
    for (const NotationName& name : kNotationNames) {
        if (EqualNoCase(WidenUtf8(value), WidenUtf8(name.name))) {
            session.formatter.SetNotation(name.notation);
            return true;
        }
    }
    int notation = 0;
    if (!ReadInteger(value, notation) || notation < NotationNormal || notation > NotationBinaryDec) {
        return false;
    }
    session.formatter.SetNotation(notation);
    return true;
}

bool SetFixedDigits(Session& session, std::string_view value)
{
    int digits = 0;
    if (!ReadInteger(value, digits) || digits < 0 || digits > NumberFormatter::kMaxFixedDigits) {
        return false;
    }
    session.formatter.SetFixedDigits(digits);
    return true;
}

bool Quit(Session& session, std::string_view)
{
    session.done = true;
    return true;
}

bool ShowHelp(Session&, std::string_view);

struct LineCommand {
    std::string_view name;
    std::string_view help;  // shown by :help
    bool (*apply)(Session&, std::string_view);
};

constexpr std::array<LineCommand, 7> kLineCommands = {{
    {"angle", ":angle deg|rad|grad     the angle unit of the trigonometric functions", SetAngle},
    {"base", ":base N                 read and write numbers in base N (2 to 36)", SetBase},
    {"notation", ":notation NAME|0-6      normal, fixed, sci, eng, frac, dms or bindec", SetNotation},
    {"fixed", ":fixed D                decimals of the fixed notation (0 to 9)", SetFixedDigits},
    {"help", ":help                   this text", ShowHelp},
    {"quit", ":quit                   leave (as does the end of the input)", Quit},
    {"q", "", Quit},
}};

bool ShowHelp(Session& session, std::string_view)
{
    session.out << "Type an expression such as 2+3*4, sin(30) or 12°30′ and press Enter; 'ans' is the last result.\n";
    for (const LineCommand& command : kLineCommands) {
        if (!command.help.empty()) {
            session.out << command.help << '\n';
        }
    }
    return true;
}

// ":name value"
void RunLineCommand(Session& session, const std::string& line, std::ostream& error)
{
    const std::string body = line.substr(1);
    const auto space = body.find(' ');
    const std::string name = body.substr(0, space);
    const std::string value = space == std::string::npos ? std::string() : NarrowUtf8(TrimBlanks(WidenUtf8(body.substr(space))));
    for (const LineCommand& command : kLineCommands) {
        if (command.name == name) {
            if (!command.apply(session, value)) {
                error << "tallyx-cli: '" << value << "' does not fit :" << name << "; :help lists the choices\n";
            }
            return;
        }
    }
    error << "tallyx-cli: no command :" << name << "; :help lists them\n";
}

// The line without blanks, with each "ans" standing for the last result.
std::wstring ExpressionText(std::string_view line, const std::wstring& answer)
{
    std::wstring text;
    for (const wchar_t character : WidenUtf8(line)) {
        if (!IsBlank(character)) {
            text += character;
        }
    }
    for (auto at = text.find(kAnswerName); at != std::wstring::npos; at = text.find(kAnswerName, at)) {
        const std::wstring bracketed = L"(" + answer + L")";
        text.replace(at, kAnswerName.size(), bracketed);
        at += bracketed.size();
    }
    return text;
}

bool IsErrorWord(std::wstring_view text)
{
    for (const std::wstring_view word : kErrorWords) {
        if (text == word) {
            return true;
        }
    }
    return false;
}

void Calculate(Session& session, const std::string& line, std::ostream& error)
{
    std::wstring result;
    session.evaluator.Evaluate(ExpressionText(line, session.answer), result);
    if (result == kSyntaxError) {
        error << "tallyx-cli: cannot read '" << line << "' as an expression\n";
        return;
    }
    DisplayRequest request;
    request.base = session.evaluator.GetBase();
    request.dms = session.evaluator.IsDmsInput();
    session.out << DisplayLine(session.formatter.Format(result, request)) << '\n';
    if (!IsErrorWord(result)) {
        session.answer = result;
    }
}

}  // namespace

int RunInteractive(std::istream& in, std::ostream& out, std::ostream& error, bool prompt)
{
    const auto evaluator = std::make_unique<ExpressionEvaluator>();
    NumberFormatter formatter;
    Session session{*evaluator, formatter, out};
    if (prompt) {
        out << "Tallyx calculator: type an expression, :help for the commands, :quit to leave.\n" << kPrompt
            << std::flush;
    }
    for (std::string line; !session.done && std::getline(in, line);) {
        const std::string trimmed = NarrowUtf8(TrimBlanks(WidenUtf8(line)));
        if (trimmed.starts_with(':')) {
            RunLineCommand(session, trimmed, error);
        } else if (!trimmed.empty()) {
            Calculate(session, trimmed, error);
        }
        if (prompt && !session.done) {
            out << kPrompt << std::flush;
        }
    }
    return kExitOk;
}

}  // namespace tallyx::cli
