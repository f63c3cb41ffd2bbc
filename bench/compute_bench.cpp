// One Compute from each input pair: the whole solution and common tail that
// runs every time a field is left.

#include "ComputeCore.h"

#include <benchmark/benchmark.h>

namespace {

void SolvePair(benchmark::State& state) {
    const auto first = static_cast<std::size_t>(state.range(0));
    const auto second = static_cast<std::size_t>(state.range(1));
    CalcState reference;
    reference.Patm = 14.696f;
    reference.Tdb = 68.0f;
    reference.Phi = 0.5f;
    calculator::SolveState(reference, calculator::kInputTags[0], calculator::kInputTags[2]);
    state.SetLabel(std::string(calculator::kInputTags[first]) + " + " +
                   std::string(calculator::kInputTags[second]));
    for (auto _ : state) {
        CalcState s = reference;
        calculator::SolveState(s, calculator::kInputTags[first], calculator::kInputTags[second]);
        benchmark::DoNotOptimize(s.V);
    }
}
BENCHMARK(SolvePair)
    ->ArgsProduct({{0}, {1, 2, 3, 4}})
    ->ArgsProduct({{1}, {2, 3, 4}})
    ->ArgsProduct({{2}, {3, 4}})
    ->Args({3, 4})
    ->Unit(benchmark::kMicrosecond);

} // namespace
