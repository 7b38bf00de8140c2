// SPDX-License-Identifier: MIT
// Three parts over E96 from 1 Ω to 10 MΩ (673 values): the finder against a brute
// force over every combination of the same set, in the same run. The brute force
// keeps the same ranking and the same symmetry rule, so both find the same answers.
#include "combinationfinder.h"
#include "eseries.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

using namespace kolvane;

namespace {

const std::vector<double>& E96Parts()
{
    static const std::vector<double> parts = SeriesValues(ESeries::E96, 1.0, 10e6);
    return parts;
}

constexpr int Top = 5;

// Every combination, each offered to a best-five list.
std::vector<Combination> BruteForce(const std::vector<double>& v, double target)
{
    std::vector<Combination> best;
    const auto offer = [&best, target](Topology t, double a, double b, double c) {
        Combination x;
        x.topology = t;
        x.parts = {a, b, c};
        x.value = CombinedValue(t, x.parts);
        x.error = (x.value - target) / target;
        if (best.size() == Top && !BetterCombination(x, best.back()))
            return;
        best.insert(std::upper_bound(best.begin(), best.end(), x, BetterCombination), x);
        if (best.size() > Top)
            best.pop_back();
    };
    const std::size_t n = v.size();
    for (std::size_t i = 0; i < n; ++i) {
        offer(Topology::Single, v[i], 0, 0);
        for (std::size_t j = i; j < n; ++j) {
            offer(Topology::Series2, v[i], v[j], 0);
            offer(Topology::Parallel2, v[i], v[j], 0);
            for (std::size_t k = 0; k < n; ++k) {
                if (k >= j) {
                    offer(Topology::Series3, v[i], v[j], v[k]);
                    offer(Topology::Parallel3, v[i], v[j], v[k]);
                }
                offer(Topology::SeriesInParallel, v[i], v[j], v[k]);
                offer(Topology::ParallelInSeries, v[i], v[j], v[k]);
            }
        }
    }
    return best;
}

// Targets off the series, so that neither search can stop at an exact answer early.
constexpr double Targets[] = {1234.5, 77.7e3, 3.1416};

void BM_Finder(benchmark::State& state)
{
    const double target = Targets[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(FindCombinations(E96Parts(), target, 3, Top));
    state.counters["parts"] = static_cast<double>(E96Parts().size());
}

void BM_BruteForce(benchmark::State& state)
{
    const double target = Targets[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(BruteForce(E96Parts(), target));
    // The two must agree, or the figures compare different work.
    const auto fast = FindCombinations(E96Parts(), target, 3, Top);
    const auto slow = BruteForce(E96Parts(), target);
    for (std::size_t i = 0; i < fast.size(); ++i)
        if (!SameErrorRank(ErrorRank(fast[i].error), ErrorRank(slow[i].error)))
            state.SkipWithError("the finder and the brute force disagree");
}

} // namespace

BENCHMARK(BM_Finder)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_BruteForce)
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
