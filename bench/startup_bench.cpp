// Start-up cost of the program in one process: the start-up sequence with no
// splash hold and no disclaimer prompt, from the instance lock to the
// calculator window shown, on the offscreen platform. The 4000 ms hold of the
// real start-up comes on top of this by design. Peak memory is reported as
// the process's maximum resident set once the benchmark has run.

#include "settings/Flags.h"
#include "startup/Main.h"

#include <sys/resource.h>

#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void StartupToWindowShown(benchmark::State& state) {
    const QTemporaryDir config;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    QSettings store(QSettings::IniFormat, QSettings::UserScope, "Vaporwright", "Vaporwright");
    store.setValue("Settings/Disclaimer Show", "False");
    store.sync();

    basMain::StartupOptions options;
    options.hold = std::chrono::milliseconds(0);
    options.names = {config.filePath("bench.lock"), config.filePath("bench.socket")};
    for (auto _ : state) {
        basMain::Session session = basMain::Main(options);
        benchmark::DoNotOptimize(session.window.get());
        state.PauseTiming();
        session = {};
        state.ResumeTiming();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(StartupToWindowShown)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
