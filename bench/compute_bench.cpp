// One Compute from each input pair: the whole solution and common tail that
// runs every time a field is left, checked to be real air; wet bulb and
// enthalpy where the air lies off the psychrometer equation's crossing; the
// check alone; and perfectly dry air, whose wet bulb is solved from the
// psychrometer equation directly.

#include "core/ComputeCore.h"

#include <benchmark/benchmark.h>

namespace {

using calculator::Input;

void SolvePair(benchmark::State& state) {
    const auto first = static_cast<std::size_t>(state.range(0));
    const auto second = static_cast<std::size_t>(state.range(1));
    CalcState reference;
    reference.Patm = 14.696f;
    reference.Tdb = 68.0f;
    reference.Phi = 0.5f;
    calculator::SolveState(reference, {Input::DryBulb, Input::RelativeHumidity});
    state.SetLabel(std::string(calculator::kInputTags[first]) + " + " +
                   std::string(calculator::kInputTags[second]));
    for (auto _ : state) {
        CalcState s = reference;
        calculator::SolveState(s, {static_cast<Input>(first), static_cast<Input>(second)});
        benchmark::DoNotOptimize(s.V);
    }
}
BENCHMARK(SolvePair)
    ->ArgsProduct({{0}, {1, 2, 3, 4}})
    ->ArgsProduct({{1}, {2, 3, 4}})
    ->ArgsProduct({{2}, {3, 4}})
    ->Args({3, 4})
    ->Unit(benchmark::kMicrosecond);

// Wet bulb and enthalpy near saturation and in the cold, where the
// psychrometer equation's crossing is not the air the inputs came from and the
// solution searches the enthalpy line for the air of that own wet bulb: the
// inputs of 105 °F at 85 %, 91 °F at 96 % and 40 °F at 98 % (sea level, IP).
void SolveWetBulbAndEnthalpy(benchmark::State& state) {
    CalcState reference;
    reference.Patm = 14.696f;
    reference.Tdb = static_cast<float>(state.range(0));
    reference.Phi = static_cast<float>(state.range(1)) / 100.0f;
    calculator::SolveState(reference, {Input::DryBulb, Input::RelativeHumidity});
    for (auto _ : state) {
        CalcState s = reference;
        benchmark::DoNotOptimize(calculator::TrySolveState(s, {Input::WetBulb, Input::Enthalpy}));
        benchmark::DoNotOptimize(s.V);
    }
}
BENCHMARK(SolveWetBulbAndEnthalpy)
    ->Args({105, 85})
    ->Args({91, 96})
    ->Args({40, 98})
    ->Unit(benchmark::kMicrosecond);

void RealAirCheck(benchmark::State& state) {
    CalcState s;
    s.Patm = 14.696f;
    s.Tdb = 68.0f;
    s.Phi = 0.5f;
    calculator::SolveState(s, {Input::DryBulb, Input::RelativeHumidity});
    for (auto _ : state)
        benchmark::DoNotOptimize(calculator::CheckRealAir(s));
}
BENCHMARK(RealAirCheck);

void SolveDryAir(benchmark::State& state) {
    for (auto _ : state) {
        CalcState s;
        s.Patm = 14.696f;
        s.Tdb = 68.0f;
        s.W = 0.0f;
        calculator::SolveState(s, {Input::DryBulb, Input::HumidityRatio});
        benchmark::DoNotOptimize(s.Twb);
    }
}
BENCHMARK(SolveDryAir)->Unit(benchmark::kMicrosecond);

} // namespace
