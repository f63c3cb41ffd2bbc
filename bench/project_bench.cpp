// The state-point project: solving one point from each kind of pair, and
// recomputing a chart of 50 points and 50 processes after a change of the
// atmospheric pressure (every point solved again, every process analysed).

#include "project/Project.h"

#include <array>

#include <benchmark/benchmark.h>

using namespace project;

namespace {

// Air near 75 °F, 50 % at sea level, by each kind of pair.
const std::array<std::pair<const char*, PointDefinition>, 6> kPairs{{
    {"DryBulb_RelativeHumidity", {{Input::DryBulb, 75.0}, {Input::RelativeHumidity, 0.5}}},
    {"DryBulb_WetBulb", {{Input::DryBulb, 75.0}, {Input::WetBulb, 62.6}}},
    {"WetBulb_Enthalpy", {{Input::WetBulb, 62.6}, {Input::Enthalpy, 28.1}}},
    {"RelativeHumidity_HumidityRatio",
     {{Input::RelativeHumidity, 0.5}, {Input::HumidityRatio, 0.0093}}},
    {"DewPoint_DryBulb", {{Input::DewPoint, 55.1}, {Input::DryBulb, 75.0}}},
    {"DewPoint_RelativeHumidity", {{Input::DewPoint, 55.1}, {Input::RelativeHumidity, 0.5}}},
}};

void BM_SolvePoint(benchmark::State& state) {
    const PointDefinition& definition = kPairs[static_cast<std::size_t>(state.range(0))].second;
    state.SetLabel(kPairs[static_cast<std::size_t>(state.range(0))].first);
    const Atmosphere atmosphere{};
    for (auto _ : state) {
        Solution s = Solve(definition, atmosphere);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_SolvePoint)->DenseRange(0, static_cast<int>(kPairs.size()) - 1);

void BM_RecomputeAfterPressureChange(benchmark::State& state) {
    Project project;
    project.undoStack()->setUndoLimit(4);
    for (int i = 0; i < 50; ++i) {
        // A spread of points over the comfort range, each with an airflow.
        const double t = 50.0 + i;
        project.addPoint({{Input::DryBulb, t}, {Input::RelativeHumidity, 0.3 + 0.01 * i}});
        project.setAirflow(i, processes::Airflow{1000.0 + 10.0 * i, processes::AirflowUnit::Cfm});
    }
    for (int i = 0; i < 50; ++i)
        project.addProcess(i, (i + 7) % 50);
    ZoneSettings zones;
    zones.comfortShown = true;
    zones.dataRoomShown = true;
    project.setZoneSettings(zones);
    bool high = false;
    for (auto _ : state) {
        high = !high;
        project.setAtmosphere({high ? 14.0 : 14.696, UnitSystem::IP});
        benchmark::DoNotOptimize(project.processResult(49));
    }
}
BENCHMARK(BM_RecomputeAfterPressureChange)->Unit(benchmark::kMicrosecond);

} // namespace
