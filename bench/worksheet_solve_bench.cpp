// Calc must answer at once: the rate search of the time-value sheet and the
// weekly schedule of a 201-year mortgage are the slowest solves there are.
#include <benchmark/benchmark.h>

#include "worksheets/mortgage.h"
#include "worksheets/tvm_engine.h"

namespace {

using tallyx::Mortgage;
using tallyx::TvmEngine;
using tallyx::TvmTarget;

void TvmRateSearch(benchmark::State& state)
{
    TvmEngine engine(false);
    engine.SetNumTerms(360);
    engine.SetPresentValue(100000.0);
    engine.SetPayment(-599.55);
    for (auto _ : state) {
        engine.SetInterestPerYear(0.0);
        engine.Solve(TvmTarget::InterestRate);
        benchmark::DoNotOptimize(engine.InterestPerYear());
    }
}
BENCHMARK(TvmRateSearch);

void LongestMortgageSchedule(benchmark::State& state)
{
    Mortgage mortgage;
    mortgage.SetTerm(201);
    for (auto _ : state) {
        mortgage.Compute(4);
        benchmark::DoNotOptimize(mortgage.TotalInterest());
    }
}
BENCHMARK(LongestMortgageSchedule);

}  // namespace

BENCHMARK_MAIN();
