// Engine speed: the saturation pressure every relation rests on, and the
// solvers behind the input pairs that have no closed form, at the 20 °C, 50 %
// reference state.

#include "PsychroFun.h"

#include <benchmark/benchmark.h>

namespace psy = basPsychroFun;

namespace {

constexpr double kP = 101.325; // kPa

void SaturationPressure(benchmark::State& state) {
    double t = 20.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(psy::SaturationPressure(t, "SI"));
    }
}
BENCHMARK(SaturationPressure);

void HumidityRatioFromDryBulbAndWetBulb(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(psy::HumidityRatioFromDryBulbAndWetBulb(20.0, 14.0, kP, "SI"));
}
BENCHMARK(HumidityRatioFromDryBulbAndWetBulb);

void WetBulbFromDryBulbAndRelativeHumidity(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(psy::WetBulbFromDryBulbAndRelativeHumidity(20.0, 0.5, kP, "SI"));
}
BENCHMARK(WetBulbFromDryBulbAndRelativeHumidity);

void DryBulbFromWetBulbAndRelativeHumidity(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            psy::DryBulbFromWetBulbAndRelativeHumidity(13.7834, 0.5, kP, "SI"));
}
BENCHMARK(DryBulbFromWetBulbAndRelativeHumidity);

void DryBulbFromEnthalpyAndRelativeHumidity(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            psy::DryBulbFromEnthalpyAndRelativeHumidity(38.5447, 0.5, kP, "SI"));
}
BENCHMARK(DryBulbFromEnthalpyAndRelativeHumidity);

// About 196 relaxation passes.
void DryBulbFromWetBulbAndEnthalpy(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(psy::DryBulbFromWetBulbAndEnthalpy(13.7834, 38.5447, kP, "SI"));
}
BENCHMARK(DryBulbFromWetBulbAndEnthalpy);

// A state where the relaxation never converges: the whole cap is run before
// the fault, the worst a single compute can cost.
void DryBulbFromWetBulbAndEnthalpyToTheCap(benchmark::State& state) {
    const double twb = psy::WetBulbFromDryBulbAndRelativeHumidity(40.0, 0.5, 14.696, "IP");
    const double h = psy::EnthalpyFromDryBulbAndHumidityRatio(
        40.0, psy::HumidityRatioFromRelativeHumidity(40.0, 0.5, 14.696, "IP"), "IP");
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(psy::DryBulbFromWetBulbAndEnthalpy(twb, h, 14.696, "IP"));
        } catch (const psy::FloatingPointFault&) {
        }
    }
}
BENCHMARK(DryBulbFromWetBulbAndEnthalpyToTheCap)->Unit(benchmark::kMillisecond);

void AltitudeFromPressure(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(psy::AltitudeFromPressure(90.0, "SI"));
}
BENCHMARK(AltitudeFromPressure);

} // namespace
