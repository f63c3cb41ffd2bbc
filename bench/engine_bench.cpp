#include "PsychroFun.h"

#include <benchmark/benchmark.h>

namespace psy = basPsychroFun;

static void BM_SaturationPressure(benchmark::State& state) {
    double t = 20.0;
    for (auto _ : state)
        benchmark::DoNotOptimize(psy::SaturationPressure(t, "SI"));
}
BENCHMARK(BM_SaturationPressure);
