// Chart speed: computing every line for a new pressure, painting the whole
// chart at 1200 x 800 into an offscreen image, and the hover readout.

#include "chart/ChartLines.h"
#include "chart/ChartPainter.h"
#include "chart/HoverReadout.h"
#include "engine/PsychroFun.h"

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

void RepaintAt1200x800(benchmark::State& state) {
    const auto units = static_cast<UnitSystem>(state.range(0));
    const ChartLines lines = ComputeChartLines(ChartKey{14.696, units, DefaultRange(units)});
    const ChartScene scene{&lines, StatePoint{75.0, 0.009}};
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
BENCHMARK(RepaintAt1200x800)
    ->Arg(static_cast<int>(UnitSystem::IP))
    ->Arg(static_cast<int>(UnitSystem::SI))
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
