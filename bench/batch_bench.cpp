// Rows per second of the command-line calculator's CSV run, input in memory
// and output to /dev/null: dry bulb and relative humidity, the common case.
// Then the memory of a run over one line of 1 GB, CSV and EPW, read from a
// stream that makes it up as it goes: the peak resident size of the process
// (maxrss_MiB) stays near the 16 MiB line limit, never near the line.

#include "batch/Options.h"
#include "batch/Run.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <sys/resource.h>
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

// A stream of `head`, then `lineBytes` bytes of `fill` and a line end, then
// `tail`, made up as it is read (glibc's fopencookie).
class HugeLine {
public:
    HugeLine(std::string head, std::uint64_t lineBytes, char fill, std::string tail)
        : head_(std::move(head)), lineBytes_(lineBytes), fill_(fill),
          tail_(std::string(1, '\n').append(tail)) {} // not "\n" + tail: GCC 12 -Wrestrict

    std::FILE* open() {
        at_ = 0;
        return fopencookie(this, "r", {&HugeLine::read, nullptr, nullptr, nullptr});
    }

private:
    static ssize_t read(void* cookie, char* into, std::size_t size) {
        auto& self = *static_cast<HugeLine*>(cookie);
        const std::uint64_t total = self.head_.size() + self.lineBytes_ + self.tail_.size();
        std::size_t given = 0;
        while (given < size && self.at_ < total) {
            const std::uint64_t at = self.at_;
            std::size_t n = 0;
            if (at < self.head_.size()) {
                n = std::min<std::size_t>(size - given, self.head_.size() - at);
                std::memcpy(into + given, self.head_.data() + at, n);
            } else if (at < self.head_.size() + self.lineBytes_) {
                n = static_cast<std::size_t>(std::min<std::uint64_t>(
                    size - given, self.head_.size() + self.lineBytes_ - at));
                std::memset(into + given, self.fill_, n);
            } else {
                const std::uint64_t t = at - self.head_.size() - self.lineBytes_;
                n = std::min<std::size_t>(size - given, self.tail_.size() - t);
                std::memcpy(into + given, self.tail_.data() + t, n);
            }
            given += n;
            self.at_ += n;
        }
        return static_cast<ssize_t>(given);
    }

    std::string head_;
    std::uint64_t lineBytes_;
    char fill_;
    std::string tail_;
    std::uint64_t at_ = 0;
};

double peakResidentMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
}

constexpr std::uint64_t kGigabyte = std::uint64_t{1} << 30;

void BM_BatchCsvOneGigabyteLine(benchmark::State& state) {
    HugeLine input("time,dry_bulb_F,relative_humidity_pct\n08:00,75,50\n", kGigabyte, 'x',
                   "09:00,75,50\n");
    const auto options = std::get<batch::Options>(batch::ParseOptions({}));
    std::FILE* out = std::fopen("/dev/null", "w");
    for (auto _ : state) {
        std::FILE* in = input.open();
        batch::Sink sink(out);
        batch::Progress progress(nullptr, 0);
        benchmark::DoNotOptimize(batch::RunCsv(in, sink, options, progress));
        sink.flush();
        std::fclose(in);
    }
    std::fclose(out);
    state.counters["maxrss_MiB"] = peakResidentMiB();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kGigabyte));
}

void BM_BatchEpwOneGigabyteLine(benchmark::State& state) {
    // The first hours of a weather file, one of them a gigabyte long.
    std::string head = "LOCATION,Somewhere,XX,XXX,TMY3,000000,41.98,-87.92,-6.0,201.0\n";
    for (int i = 0; i < 7; ++i)
        head += "COMMENTS " + std::to_string(i) + ",\n";
    const std::string hour = ",0,?9?9?9?9E0?9?9?9?9?9?9?9?9?9?9?9?9?9?9*_*9*9*9*9*9,-11.7,-15.6,73,"
                             "99600,0,0,234,0,0,0,0,0,0,0,300,5.7,10,10,16.1,1128,9,999999999,0,"
                             "0.0690,0,88,0.000,0.0,0.0\n";
    head += "1986,1,1,1" + hour;
    HugeLine input(head, kGigabyte, '7', "1986,1,1,2" + hour);
    const auto options = std::get<batch::Options>(batch::ParseOptions({}));
    std::FILE* out = std::fopen("/dev/null", "w");
    for (auto _ : state) {
        std::FILE* in = input.open();
        batch::Sink sink(out);
        batch::Progress progress(nullptr, 0);
        benchmark::DoNotOptimize(batch::RunEpw(in, "generated.epw", sink, options, progress));
        sink.flush();
        std::fclose(in);
    }
    std::fclose(out);
    state.counters["maxrss_MiB"] = peakResidentMiB();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kGigabyte));
}

// First, while the process is small, so that the peak is theirs.
BENCHMARK(BM_BatchCsvOneGigabyteLine)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_BatchEpwOneGigabyteLine)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_BatchFullPrecision)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BatchDisplayFormats)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
