#include "units/Conversions.h"
#include "units/text/ConversionText.h"

#include <QLocale>
#include <QString>

#include <benchmark/benchmark.h>

// Rendering a field: one base value to the selected display unit.
static void BM_PressureFromBase(benchmark::State& state) {
    double psia = 14.696;
    for (auto _ : state) {
        benchmark::DoNotOptimize(psia);
        benchmark::DoNotOptimize(basConversions::ConvertPressureFromBase(psia, 5));
    }
}
BENCHMARK(BM_PressureFromBase);

// Reading a typed field: the text by the user's locale, then to the base unit.
static void BM_PressureTextToBase(benchmark::State& state) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString text = QStringLiteral("1,013.25");
    for (auto _ : state)
        benchmark::DoNotOptimize(basConversions::ConvertPressureToBase(text, 5));
}
BENCHMARK(BM_PressureTextToBase);
