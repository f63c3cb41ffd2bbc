// Engine speed: the saturation pressure every relation rests on, and the
// solvers behind the input pairs that have no closed form, at the 20 °C, 50 %
// reference state and at their worst states.

#include "engine/PsychroFun.h"

#include <cmath>

#include <benchmark/benchmark.h>

namespace psy = basPsychroFun;

namespace {

constexpr double kP = 101.325; // kPa

// The reference the saturation pressure is measured against: one exponential
// and one logarithm of a plain double, the two transcendental calls at the
// heart of the Hyland-Wexler equation, without any checking.
void ExpPlusLog(benchmark::State& state) {
    double x = 20.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(std::exp(x) + std::log(x));
    }
}
BENCHMARK(ExpPlusLog);

void SaturationPressure(benchmark::State& state) {
    double t = 20.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(psy::SaturationPressure(t, "SI"));
    }
}
BENCHMARK(SaturationPressure);

// In the engine's own inch-pound form, without the conversions of °C in and
// kPa out.
void SaturationPressureIP(benchmark::State& state) {
    double t = 68.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(psy::SaturationPressure(t, "IP"));
    }
}
BENCHMARK(SaturationPressureIP);

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

// The inputs of the pairs without a closed form, from a state given by dry
// bulb and relative humidity, as the calculator computes them.
struct PairInputs {
    double twb, h, phi, p;
    const char* system;
};
PairInputs inputsOf(double t, double phi, double p, const char* system) {
    const double w = psy::HumidityRatioFromRelativeHumidity(t, phi, p, system);
    return {psy::WetBulbFromDryBulbAndRelativeHumidity(t, phi, p, system),
            psy::EnthalpyFromDryBulbAndHumidityRatio(t, w, system), phi, p, system};
}

// One solve, fault or not: the worst cases end in a fault where there is no air.
template <typename Solve>
void solveRepeatedly(benchmark::State& state, Solve solve) {
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(solve());
        } catch (const psy::FloatingPointFault&) {
        }
    }
}

// 40 °F and 50 % (IP, sea level): the relaxation never converges. It once ran
// to a cap of 100,000 passes and faulted; now it leaves the range after 620
// passes, and the search up from the wet bulb finds where the lines cross.
void DryBulbFromWetBulbAndEnthalpyToTheCap(benchmark::State& state) {
    const PairInputs in = inputsOf(40.0, 0.5, 14.696, "IP");
    solveRepeatedly(
        state, [&] { return psy::DryBulbFromWetBulbAndEnthalpy(in.twb, in.h, in.p, in.system); });
}
BENCHMARK(DryBulbFromWetBulbAndEnthalpyToTheCap)->Unit(benchmark::kMicrosecond);

// The slowest state found over the whole range of air: 56 °F and 37 % at
// 30,000 ft (SI). The relaxation runs its whole cap, then the search for a
// crossing runs from the wet bulb to 400 °F and finds none: a fault.
void DryBulbFromWetBulbAndEnthalpyCapThenFallback(benchmark::State& state) {
    const PairInputs in = inputsOf((56.0 - 32.0) / 1.8, 0.37,
                                   psy::PressureFromAltitude(30000.0, "IP") / 14.696 * kP, "SI");
    solveRepeatedly(
        state, [&] { return psy::DryBulbFromWetBulbAndEnthalpy(in.twb, in.h, in.p, in.system); });
}
BENCHMARK(DryBulbFromWetBulbAndEnthalpyCapThenFallback)->Unit(benchmark::kMicrosecond);

// 105 °F and 55 % (IP, sea level): the substitution overshoots the range, and
// the search up from the wet bulb finds the dry bulb.
void DryBulbFromWetBulbAndRelativeHumidityFallback(benchmark::State& state) {
    const PairInputs in = inputsOf(105.0, 0.55, 14.696, "IP");
    solveRepeatedly(state, [&] {
        return psy::DryBulbFromWetBulbAndRelativeHumidity(in.twb, in.phi, in.p, in.system);
    });
}
BENCHMARK(DryBulbFromWetBulbAndRelativeHumidityFallback)->Unit(benchmark::kMicrosecond);

// 90 °F and 75 % (IP, sea level): the substitution overshoots the range, and
// bisection along the enthalpy line finds the dry bulb.
void DryBulbFromEnthalpyAndRelativeHumidityFallback(benchmark::State& state) {
    const PairInputs in = inputsOf(90.0, 0.75, 14.696, "IP");
    solveRepeatedly(state, [&] {
        return psy::DryBulbFromEnthalpyAndRelativeHumidity(in.h, in.phi, in.p, in.system);
    });
}
BENCHMARK(DryBulbFromEnthalpyAndRelativeHumidityFallback)->Unit(benchmark::kMicrosecond);

void AltitudeFromPressure(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(psy::AltitudeFromPressure(90.0, "SI"));
}
BENCHMARK(AltitudeFromPressure);

} // namespace
