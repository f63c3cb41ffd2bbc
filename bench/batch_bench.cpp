// Rows per second of the command-line calculator's CSV run, input in memory
// and output to /dev/null: dry bulb and relative humidity, the common case.

#include "batch/Options.h"
#include "batch/Run.h"

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

std::string makeCsv(std::size_t rows) {
    std::mt19937 random(1);
    std::uniform_real_distribution<double> dryBulb(0.0, 110.0), humidity(5.0, 95.0);
    std::string csv = "dry_bulb_F,relative_humidity_pct\n";
    char line[64];
    for (std::size_t i = 0; i < rows; ++i) {
        std::snprintf(line, sizeof line, "%.2f,%.1f\n", dryBulb(random), humidity(random));
        csv += line;
    }
    return csv;
}

void runCsv(benchmark::State& state, std::vector<std::string_view> arguments) {
    const std::size_t rows = 100000;
    std::string csv = makeCsv(rows);
    const auto options = std::get<batch::Options>(batch::ParseOptions(arguments));
    std::FILE* out = std::fopen("/dev/null", "w");
    for (auto _ : state) {
        std::FILE* in = fmemopen(csv.data(), csv.size(), "r");
        batch::Sink sink(out);
        batch::Progress progress(nullptr, 0);
        benchmark::DoNotOptimize(batch::RunCsv(in, sink, options, progress));
        sink.flush();
        std::fclose(in);
    }
    std::fclose(out);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * rows));
}

void BM_BatchFullPrecision(benchmark::State& state) {
    runCsv(state, {});
}
void BM_BatchDisplayFormats(benchmark::State& state) {
    runCsv(state, {"--formats"});
}
BENCHMARK(BM_BatchFullPrecision)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BatchDisplayFormats)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
