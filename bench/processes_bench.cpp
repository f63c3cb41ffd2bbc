// Speed of the process and comfort library: the comfort zone for new
// parameters (target: 20 ms), one process analysis, one mixing, one coil, and
// zone membership, which the weather statistics ask for every hour of a year.

#include "processes/ComfortZone.h"
#include "processes/CoolingCoil.h"
#include "processes/LimitZone.h"
#include "processes/Mixing.h"
#include "processes/Process.h"

#include <cmath>
#include <vector>

#include <benchmark/benchmark.h>

using namespace processes;

namespace {

constexpr double kSeaLevel = 14.696; // psia

// Made and drawn from scratch, as when the user edits met, clo or air speed.
void ComfortZoneForNewParameters(benchmark::State& state) {
    double clo = 0.5;
    for (auto _ : state) {
        clo = clo == 0.5 ? 0.6 : 0.5;
        const auto zone = ComfortZone::Make({1.1, clo, 0.1});
        benchmark::DoNotOptimize(zone->outline(kSeaLevel));
    }
}
BENCHMARK(ComfortZoneForNewParameters)->Unit(benchmark::kMillisecond);

void ComfortZoneOutline(benchmark::State& state) {
    const auto zone = ComfortZone::Make(kSummerComfort);
    for (auto _ : state)
        benchmark::DoNotOptimize(zone->outline(kSeaLevel));
}
BENCHMARK(ComfortZoneOutline)->Unit(benchmark::kMicrosecond);

void DataRoomOutline(benchmark::State& state) {
    const LimitZone zone = DataRoomEnvelope();
    for (auto _ : state)
        benchmark::DoNotOptimize(zone.outline(kSeaLevel));
}
BENCHMARK(DataRoomOutline)->Unit(benchmark::kMicrosecond);

void PmvOfAPoint(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ComfortAt({77.0, 0.009, kSeaLevel}, kSummerComfort));
}
BENCHMARK(PmvOfAPoint);

void ProcessAnalysis(benchmark::State& state) {
    const AirState in{80.0, 0.011185, kSeaLevel};
    const AirState out{53.0, 0.0079859, kSeaLevel};
    for (auto _ : state)
        benchmark::DoNotOptimize(
            AnalyseProcess(in, out, UnitSystem::IP, Airflow{10000.0, AirflowUnit::Cfm}));
}
BENCHMARK(ProcessAnalysis);

void ApparatusDewPointOfACoil(benchmark::State& state) {
    const AirState in{80.0, 0.011185, kSeaLevel};
    const AirState out{53.0, 0.0079859, kSeaLevel};
    for (auto _ : state)
        benchmark::DoNotOptimize(ApparatusDewPoint(in, out));
}
BENCHMARK(ApparatusDewPointOfACoil);

void MixingTwoStreams(benchmark::State& state) {
    const AirState outdoor{39.2, 0.003558, kSeaLevel};
    const AirState ret{77.0, 0.009882, kSeaLevel};
    for (auto _ : state)
        benchmark::DoNotOptimize(Mix(outdoor, {2.0, AirflowUnit::CubicMetresPerSecond}, ret,
                                     {6.25, AirflowUnit::CubicMetresPerSecond}, UnitSystem::SI));
}
BENCHMARK(MixingTwoStreams);

// A year of hourly weather, a rough seasonal and daily swing around a
// temperate climate, tested against a zone; the time is per hour.
std::vector<ChartPoint> AYearOfHours() {
    std::vector<ChartPoint> hours;
    for (int h = 0; h < 8760; ++h) {
        const double season = std::sin(2.0 * 3.14159265 * h / 8760.0);
        const double day = std::sin(2.0 * 3.14159265 * h / 24.0);
        hours.push_back({60.0 + 25.0 * season + 10.0 * day, 0.008 + 0.005 * season});
    }
    return hours;
}

void ZoneContains(benchmark::State& state, const Zone& zone) {
    const auto hours = AYearOfHours();
    for (auto _ : state) {
        int inside = 0;
        for (const ChartPoint& p : hours)
            inside += zone.contains(p.dryBulbF, p.humidityRatio, kSeaLevel) ? 1 : 0;
        benchmark::DoNotOptimize(inside);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(hours.size()));
}

void ComfortZoneContains(benchmark::State& state) {
    ZoneContains(state, *ComfortZone::Make(kSummerComfort));
}
BENCHMARK(ComfortZoneContains)->Unit(benchmark::kMicrosecond);

void DataRoomContains(benchmark::State& state) {
    ZoneContains(state, DataRoomEnvelope());
}
BENCHMARK(DataRoomContains)->Unit(benchmark::kMicrosecond);

} // namespace
