// States from dry bulb and relative humidity over rows, as the Python module
// computes them: the compute core alone on one thread (the yardstick), then
// the module's rows (typed entries, the core, every property in its unit)
// on one thread and on every core. Rows per second are the items per second.
// The same rows as scripts/measure-python.sh gives the module: dry bulb 0 to
// 110 °F, relative humidity 5 to 95 %, at the standard atmosphere.

#include "core/ComputeCore.h"
#include "python/Rows.h"
#include "python/StateRows.h"

#include <random>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

constexpr std::size_t kRows = 1 << 20;

struct Inputs {
    std::vector<double> dryBulbF;
    std::vector<double> relativeHumidityPct;
};

const Inputs& RandomInputs() {
    static const Inputs inputs = [] {
        Inputs made;
        std::mt19937_64 random(1);
        std::uniform_real_distribution<double> t(0.0, 110.0);
        std::uniform_real_distribution<double> rh(5.0, 95.0);
        for (std::size_t i = 0; i < kRows; ++i) {
            made.dryBulbF.push_back(t(random));
            made.relativeHumidityPct.push_back(rh(random));
        }
        return made;
    }();
    return inputs;
}

// The core's own solution of each row, its inputs stored as the calculator
// keeps them.
void CoreSolve(benchmark::State& state) {
    const Inputs& in = RandomInputs();
    CalcState base;
    base.Patm = 14.696f;
    std::size_t i = 0;
    for (auto _ : state) {
        CalcState s = base;
        s.Tdb = static_cast<float>(in.dryBulbF[i]);
        s.Phi = static_cast<float>(in.relativeHumidityPct[i] / 100.0);
        benchmark::DoNotOptimize(calculator::TrySolveState(
            s, {calculator::Input::DryBulb, calculator::Input::RelativeHumidity}));
        benchmark::DoNotOptimize(s.V);
        i = (i + 1) % kRows;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(CoreSolve);

// The module's rows over the arrays, every property written.
void ModuleRows(benchmark::State& state) {
    const Inputs& in = RandomInputs();
    const auto threads = static_cast<unsigned>(state.range(0));
    pyrows::StateRequest request;
    request.inputs = {*pyrows::ColumnNamed("dry_bulb", request.system),
                      *pyrows::ColumnNamed("relative_humidity", request.system)};
    pyrows::Shape shape;
    shape.dimensions = 1;
    shape.extents[0] = kRows;
    std::array<pyrows::Column, 2> columns{};
    columns[0].data = reinterpret_cast<const char*>(in.dryBulbF.data());
    columns[1].data = reinterpret_cast<const char*>(in.relativeHumidityPct.data());
    columns[0].strides[0] = columns[1].strides[0] = sizeof(double);
    std::vector<double> block(pyrows::kPropertyCount * kRows);
    std::vector<std::uint8_t> reasons(kRows);
    pyrows::StateResults results;
    for (std::size_t p = 0; p < pyrows::kPropertyCount; ++p)
        results.properties[p] = block.data() + p * kRows;
    results.reasons = reasons.data();
    for (auto _ : state) {
        pyrows::SolveRows(request, shape, columns, results, threads);
        benchmark::DoNotOptimize(block.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kRows));
}
BENCHMARK(ModuleRows)
    ->Arg(1)
    ->Arg(static_cast<int>(pyrows::MachineThreads()))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
