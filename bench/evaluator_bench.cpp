// Evaluate throughput on what the keypads and the plotter really hand the
// evaluator, against muparser parsing and evaluating the same expressions on
// every call, and the heap allocations of one Evaluate call.
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <new>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <muParser.h>

#include "engine/expression_evaluator.h"
#include "engine/general_text.h"
#include "platform/wide_text.h"

namespace {

std::atomic<long long> allocations{0};

struct Expression {
    const wchar_t* tallyx;
    const char* muparser;
    int base;
};

const Expression kKeypadExpressions[] = {
    {L"2+3", "2+3", 10},
    {L"12.5+7.25", "12.5+7.25", 10},
    {L"2+3\u00D74", "2+3*4", 10},
    {L"100\u00F78", "100/8", 10},
    {L"sin(30)\u00D72", "sin(30*_pi/180)*2", 10},
    {L"cos(60)+tan(45)", "cos(60*_pi/180)+tan(45*_pi/180)", 10},
    {L"((1+2)\u00D7(3+4))\u00F7(5-6)", "((1+2)*(3+4))/(5-6)", 10},
    {L"(((2+3)\u00D74)-5)\u00F7(6+(7\u00D78))", "(((2+3)*4)-5)/(6+(7*8))", 10},
    {L"12\u00B030\u203215+1", "12.504166666666666+1", 10},
    {L"sqrt(2)\u00D7sqrt(8)", "sqrt(2)*sqrt(8)", 10},
    {L"2^10-1", "2^10-1", 10},
    {L"ln(10)+log(100)", "ln(10)+log10(100)", 10},
    {L"0.3-0.1", "0.3-0.1", 10},
    {L"1\u00F73+1\u00F73+1\u00F73", "1/3+1/3+1/3", 10},
    {L"5\u00D7-3+2", "5*-3+2", 10},
    {L"abs(-7.5)\u00D72", "abs(-7.5)*2", 10},
    {L"1.5e3+2.5e-2", "1.5e3+2.5e-2", 10},
    {L"3.14159265358979\u00D72.5\u00B2", "3.14159265358979*2.5^2", 10},
    {L"exp(1)-e^(1)", "exp(1)-_e^1", 10},
    {L"200+pct(10)", "200+200*10*0.01", 10},
    {L"FF+1A", "255+26", 16},
    {L"7B\u00D72+C", "123*2+12", 16},
};

// A chain of about 200 characters, as a long Expression-mode entry.
struct Chain {
    std::wstring tallyx;
    std::string muparser;
};

Chain LongChain()
{
    Chain chain;
    while (chain.tallyx.size() < 200) {
        chain.tallyx += L"12.5+3\u00D74-6\u00F72+";
        chain.muparser += "12.5+3*4-6/2+";
    }
    chain.tallyx += L"1";
    chain.muparser += "1";
    return chain;
}

const wchar_t* const kPlotFunctions[] = {
    L"sin(X)", L"X^2-3\u00D7X+2", L"sqrt(abs(X))", L"X^3\u00F710", L"cos(X)\u00D7X", L"ln(abs(X)+1)",
};
constexpr int kPlotPoints = 480;
constexpr double kPlotLeft = -10.0;
constexpr double kPlotStep = 20.0 / kPlotPoints;

// The plotter's substitution: every "X" becomes the sample in brackets.
std::wstring SampleText(const std::wstring& function, double x)
{
    std::wstring text;
    const std::wstring value = L"(" + tallyx::NumberToText(x) + L")";
    for (const wchar_t character : function) {
        if (character == L'X') text += value;
        else text += character;
    }
    if (!text.empty() && text[0] == L'-') text.insert(0, 1, L'0');
    return text;
}

std::string MuparserText(const std::wstring& text)
{
    std::string narrow;
    for (const wchar_t character : text) {
        if (character == L'\u00D7') narrow += '*';
        else if (character == L'\u00F7') narrow += '/';
        else narrow += static_cast<char>(character);
    }
    return narrow;
}

struct Workload {
    std::vector<Expression> expressions;
    Chain chain = LongChain();
    std::vector<std::wstring> samples;
    std::vector<std::string> muparserSamples;

    Workload() : expressions(std::begin(kKeypadExpressions), std::end(kKeypadExpressions))
    {
        for (const wchar_t* function : kPlotFunctions) {
            for (int point = 0; point < kPlotPoints; ++point) {
                samples.push_back(SampleText(function, kPlotLeft + point * kPlotStep));
                muparserSamples.push_back(MuparserText(samples.back()));
            }
        }
        expressions.push_back({chain.tallyx.c_str(), chain.muparser.c_str(), 10});
    }
};

const Workload& TheWorkload()
{
    static const Workload workload;
    return workload;
}

tallyx::ExpressionEvaluator& BenchEvaluator()
{
    static tallyx::ExpressionEvaluator* evaluator = new tallyx::ExpressionEvaluator();
    return *evaluator;
}

double RunTallyxKeypad(std::wstring& result)
{
    double sum = 0;
    for (const Expression& expression : TheWorkload().expressions) {
        sum += BenchEvaluator().Evaluate(expression.tallyx, result, expression.base, expression.base);
    }
    return sum;
}

double RunMuparserKeypad(mu::Parser& parser)
{
    double sum = 0;
    for (const Expression& expression : TheWorkload().expressions) {
        parser.SetExpr(expression.muparser);
        sum += parser.Eval();
    }
    return sum;
}

double RunTallyxPlot(std::wstring& result)
{
    double sum = 0;
    for (const std::wstring& sample : TheWorkload().samples) sum += BenchEvaluator().Evaluate(sample, result);
    return sum;
}

double RunMuparserPlot(mu::Parser& parser)
{
    double sum = 0;
    for (const std::string& sample : TheWorkload().muparserSamples) {
        parser.SetExpr(sample);
        sum += parser.Eval();
    }
    return sum;
}

void TallyxKeypad(benchmark::State& state)
{
    std::wstring result;
    for (auto _ : state) benchmark::DoNotOptimize(RunTallyxKeypad(result));
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(TheWorkload().expressions.size()));
}

void MuparserKeypad(benchmark::State& state)
{
    mu::Parser parser;
    for (auto _ : state) benchmark::DoNotOptimize(RunMuparserKeypad(parser));
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(TheWorkload().expressions.size()));
}

void TallyxPlot(benchmark::State& state)
{
    std::wstring result;
    for (auto _ : state) benchmark::DoNotOptimize(RunTallyxPlot(result));
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(TheWorkload().samples.size()));
}

void MuparserPlot(benchmark::State& state)
{
    mu::Parser parser;
    for (auto _ : state) benchmark::DoNotOptimize(RunMuparserPlot(parser));
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(TheWorkload().samples.size()));
}

BENCHMARK(TallyxKeypad);
BENCHMARK(MuparserKeypad);
BENCHMARK(TallyxPlot);
BENCHMARK(MuparserPlot);

// Processor seconds per round of a workload, over enough rounds to last about
// a quarter second; processor time keeps the ratio steady on a busy machine.
template <typename Round>
double SecondsPerRound(Round round)
{
    long long rounds = 0;
    const std::clock_t start = std::clock();
    double elapsed = 0;
    do {
        benchmark::DoNotOptimize(round());
        ++rounds;
        elapsed = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    } while (elapsed < 0.25);
    return elapsed / static_cast<double>(rounds);
}

void ReportComparison()
{
    std::wstring result;
    mu::Parser parser;
    const double keypadRatio = SecondsPerRound([&] { return RunMuparserKeypad(parser); }) /
                               SecondsPerRound([&] { return RunTallyxKeypad(result); });
    const double plotRatio = SecondsPerRound([&] { return RunMuparserPlot(parser); }) /
                             SecondsPerRound([&] { return RunTallyxPlot(result); });
    std::printf("Tallyx vs muparser (parse and evaluate each call; Tallyx also makes the result text):\n");
    std::printf("  keypad expressions: %.1fx faster (target >= 8x)\n", keypadRatio);
    std::printf("  plot sampling:      %.1fx faster (target >= 8x)\n", plotRatio);

    RunTallyxKeypad(result);
    const long long before = allocations.load();
    RunTallyxKeypad(result);
    const long long keypadCalls = static_cast<long long>(TheWorkload().expressions.size());
    std::printf("Heap allocations per Evaluate call: %.2f (target 0)\n",
                static_cast<double>(allocations.load() - before) / static_cast<double>(keypadCalls));
}

void CheckMuparserAcceptsEveryText()
{
    mu::Parser parser;
    for (const Expression& expression : TheWorkload().expressions) {
        try {
            parser.SetExpr(expression.muparser);
            parser.Eval();
        } catch (const mu::Parser::exception_type& problem) {
            std::fprintf(stderr, "muparser refuses %s: %s\n", expression.muparser, problem.GetMsg().c_str());
            std::exit(1);
        }
    }
}

}  // namespace

// Counting replacements of the global allocation functions. GCC cannot see
// that new and delete are replaced as a pair and warns about malloc and free.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size)
{
    ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

int main(int argc, char** argv)
{
    CheckMuparserAcceptsEveryText();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    ReportComparison();
    benchmark::Shutdown();
    return 0;
}
