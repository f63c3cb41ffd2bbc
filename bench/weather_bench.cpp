// Weather speed: a year of hours read from an EPW file and turned into states
// (dry bulb, dew point, humidity ratio, wet bulb through the engine), the
// zone hour counts after a zone change, the density shading and the design
// conditions of the Chicago O'Hare typical year.

#include "engine/PsychroFun.h"
#include "weather/Design.h"
#include "weather/Statistics.h"
#include "weather/WeatherFile.h"

#include <stdexcept>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

using namespace weather;
namespace psy = basPsychroFun;

const char* const kChicago = VW_WEATHER_DATA_DIR "/USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw";

const std::vector<Hour>& ChicagoHours() {
    static const std::vector<Hour> hours = [] {
        WeatherFile file = LoadWeatherFile(kChicago, 14.696);
        if (file.hours.size() != kHoursPerYear)
            throw std::runtime_error("the Chicago weather file is missing");
        return std::move(file.hours);
    }();
    return hours;
}

void LoadEpwYear(benchmark::State& state) {
    for (auto _ : state) {
        const WeatherFile file = LoadWeatherFile(kChicago, 14.696);
        benchmark::DoNotOptimize(file.hours.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kHoursPerYear));
}
BENCHMARK(LoadEpwYear)->Unit(benchmark::kMillisecond);

// Four zones of the kinds the chart shows, one of them evaluating the engine
// per hour (a relative-humidity limit turned into a humidity ratio at the
// hour's own dry bulb and pressure), over occupied hours.
void ZoneCountsAfterAZoneChange(benchmark::State& state) {
    const std::vector<Hour>& hours = ChicagoHours();
    HourFilter occupied;
    occupied.hours = HourFilter::HoursOfDay(8, 17);
    const std::vector<ZonePredicate> zones{
        [](const Hour& h) { // data-room envelope: 64.4-80.6 °F, dew point 15.8-59 °F, RH 60 %
            return h.dryBulbF >= 64.4 && h.dryBulbF <= 80.6 && h.dewPointF >= 15.8 &&
                   h.dewPointF <= 59.0 && h.relativeHumidity <= 0.6;
        },
        [](const Hour& h) {
            return h.humidityRatio <=
                   psy::HumidityRatioFromRelativeHumidity(h.dryBulbF, 0.6, h.pressurePsia, "IP");
        },
        [](const Hour& h) { return h.dryBulbF >= 68.0 && h.humidityRatio <= 0.012; },
        [](const Hour& h) { return h.dewPointF > 55.0; },
    };
    for (auto _ : state)
        for (const ZonePredicate& zone : zones)
            benchmark::DoNotOptimize(CountInZone(hours, occupied, zone));
}
BENCHMARK(ZoneCountsAfterAZoneChange)->Unit(benchmark::kMicrosecond);

void DensityGridOfAYear(benchmark::State& state) {
    const std::vector<Hour>& hours = ChicagoHours();
    const GridAxes axes{-20.0, 120.0, 0.0, 0.03, 280, 150};
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeDensity(hours, HourFilter{}, axes));
}
BENCHMARK(DensityGridOfAYear)->Unit(benchmark::kMicrosecond);

void DesignConditionsOfAYear(benchmark::State& state) {
    const std::vector<Hour>& hours = ChicagoHours();
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeDesignConditions(hours, 14.351));
}
BENCHMARK(DesignConditionsOfAYear)->Unit(benchmark::kMicrosecond);

} // namespace
