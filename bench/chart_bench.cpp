// Chart speed: computing every line for a new pressure, painting the whole
// chart at 1200 x 800 into an offscreen image (as the ASHRAE chart and as the
// Mollier diagram), with and without the hours of a weather file, the hover
// readout, and the zone hour counts of the weather panel; and a state-point
// project of 50 points and 50 processes with every zone shown.

#include "chart/ChartLines.h"
#include "chart/ChartPainter.h"
#include "chart/HoverReadout.h"
#include "engine/PsychroFun.h"
#include "processes/ComfortZone.h"
#include "processes/LimitZone.h"
#include "project/Project.h"
#include "weather/WeatherFile.h"
#include "weatherview/WeatherLayers.h"
#include "weatherview/WeatherStatistics.h"
#include "workbench/ProjectLayer.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

using namespace chart;

namespace {

// Each pass a pressure not seen before, so nothing can be reused.
void ComputeLinesForNewPressure(benchmark::State& state) {
    const auto units = static_cast<UnitSystem>(state.range(0));
    double patm = 14.696;
    for (auto _ : state) {
        patm = patm > 11.0 ? patm - 0.001 : 14.696;
        const ChartLines lines = ComputeChartLines(ChartKey{patm, units, DefaultRange(units)});
        benchmark::DoNotOptimize(lines.saturation.data());
    }
}
BENCHMARK(ComputeLinesForNewPressure)
    ->Arg(static_cast<int>(UnitSystem::IP))
    ->Arg(static_cast<int>(UnitSystem::SI))
    ->Unit(benchmark::kMillisecond);

// Paints `scene` whole into a 1200 × 800 image once per iteration, as the
// window repaints the chart.
void RepaintEachIteration(benchmark::State& state, const ChartScene& scene) {
    const ChartColors colors = ColorsFor(QApplication::palette());
    QImage image(1200, 800, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setFont(QApplication::font());
        PaintChart(painter, QRectF(0, 0, 1200, 800), scene, colors);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The ASHRAE chart (second argument 0) or the Mollier diagram (1).
void RepaintAt1200x800(benchmark::State& state) {
    const auto units = static_cast<UnitSystem>(state.range(0));
    const auto style = state.range(1) == 0 ? ChartStyle::Ashrae : ChartStyle::Mollier;
    const ChartLines lines = ComputeChartLines(ChartKey{14.696, units, DefaultRange(units)});
    const ChartScene scene{&lines, StatePoint{75.0, 0.009}, {}, nullptr, style};
    RepaintEachIteration(state, scene);
    state.SetLabel(style == ChartStyle::Mollier ? "Mollier" : "ASHRAE");
}
BENCHMARK(RepaintAt1200x800)
    ->Args({static_cast<int>(UnitSystem::IP), 0})
    ->Args({static_cast<int>(UnitSystem::SI), 0})
    ->Args({static_cast<int>(UnitSystem::IP), 1})
    ->Args({static_cast<int>(UnitSystem::SI), 1})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

const weather::WeatherFile& Chicago() {
    static const weather::WeatherFile file = weather::LoadWeatherFile(
        VW_WEATHER_DATA_DIR "/USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw", 14.696);
    return file;
}

// All 8760 hours of a year over the chart, as density shading (argument 0)
// or dots by month (1), with the comfort zone and the data-room envelope.
void RepaintWithAYearOfWeather(benchmark::State& state) {
    const ChartLines lines =
        ComputeChartLines(ChartKey{14.2, UnitSystem::IP, DefaultRange(UnitSystem::IP)});
    HoursLayer hours;
    hours.setHours(Chicago().hours);
    hours.setDisplay(state.range(0) == 0 ? HoursDisplay::Density : HoursDisplay::MonthDots);
    ZonesLayer zones;
    zones.setZones(
        {{QStringLiteral("comfort"),
          std::make_shared<processes::ComfortZone>(
              *processes::ComfortZone::Make(processes::kSummerComfort)),
          Qt::darkGreen},
         {QStringLiteral("data room"),
          std::make_shared<processes::LimitZone>(processes::DataRoomEnvelope()), Qt::darkBlue}});
    const ChartScene scene{&lines, StatePoint{75.0, 0.009}, {&hours, &zones}};
    RepaintEachIteration(state, scene);
    state.SetLabel(state.range(0) == 0 ? "density" : "month dots");
}
BENCHMARK(RepaintWithAYearOfWeather)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A project of 50 points (ten dry bulbs from 40 °F by 6 °F, five relative
// humidities from 20 % by 15 %), each point joined to the next by a process
// and the last to the first, with the comfort zone, the data-room envelope and
// two user zones shown: the window's repaint with the project on the chart.
void RepaintWithAProject(benchmark::State& state) {
    project::Project project;
    for (int i = 0; i < 50; ++i) {
        const double t = 40.0 + 6.0 * (i % 10);
        const double w = basPsychroFun::HumidityRatioFromRelativeHumidity(t, 0.2 + 0.15 * (i / 10),
                                                                          14.696, "IP");
        project.addPointAt(t, w);
    }
    for (int i = 0; i < 50; ++i)
        project.addProcess(i, (i + 1) % 50);
    project::ZoneSettings zones;
    zones.comfortShown = true;
    zones.dataRoomShown = true;
    zones.userZones.push_back(
        {"Office", processes::ZoneLimits{68.0, 78.0, {}, {}, {}, 0.6, {}, {}}, true});
    zones.userZones.push_back(
        {"Store", processes::ZoneLimits{50.0, 60.0, {}, 0.008, {}, {}, {}, {}}, true});
    if (!project.setZoneSettings(zones).isEmpty()) {
        state.SkipWithError("zone settings refused");
        return;
    }
    const ChartLines lines =
        ComputeChartLines(ChartKey{14.696, UnitSystem::IP, DefaultRange(UnitSystem::IP)});
    const ProjectLayer layer(project);
    const ChartScene scene{&lines, StatePoint{75.0, 0.009}, {&layer}};
    RepaintEachIteration(state, scene);
}
BENCHMARK(RepaintWithAProject)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// What the panel recounts after a zone is switched: every row of the hour
// counts for a year with three zones shown.
void HourCountsAfterAZoneChange(benchmark::State& state) {
    const auto comfort = processes::ComfortZone::Make(processes::kSummerComfort);
    const processes::LimitZone dataRoom = processes::DataRoomEnvelope();
    const auto user =
        processes::LimitZone::Make(processes::ZoneLimits{68.0, 78.0, {}, {}, {}, 0.6, {}, {}});
    const NamedZone zones[] = {{QStringLiteral("comfort"), &*comfort},
                               {QStringLiteral("data room"), &dataRoom},
                               {QStringLiteral("user"), &*user}};
    weather::HourFilter filter;
    filter.hours = weather::HourFilter::HoursOfDay(8, 18);
    for (auto _ : state) {
        const StatTable table = HourCountsTable(Chicago().hours, Chicago().report, filter, zones,
                                                HourLimits{}, UnitSystem::IP);
        benchmark::DoNotOptimize(table.rows.data());
    }
}
BENCHMARK(HourCountsAfterAZoneChange)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void HoverReadoutAndText(benchmark::State& state) {
    const double w = basPsychroFun::HumidityRatioFromRelativeHumidity(68.0, 0.5, 14.696, "IP");
    for (auto _ : state) {
        const auto r = ComputeReadout(68.0, w, 14.696, UnitSystem::IP);
        const QStringList text = ReadoutText(*r, UnitSystem::IP);
        benchmark::DoNotOptimize(text.constData());
    }
}
BENCHMARK(HoverReadoutAndText)->Unit(benchmark::kMicrosecond);

} // namespace
