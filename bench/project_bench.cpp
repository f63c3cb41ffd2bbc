// The state-point project: solving one point from each kind of pair,
// recomputing a chart of 50 points and 50 processes after a change of the
// atmospheric pressure (every point solved again, every process analysed),
// opening a large project file: reading it alone (the model's reader, Qt-free),
// reading it with the first compute of every point and process, without Qt
// (as vaporwright-batch --project does) and through the window's project
// (Project::open); writing it; solving the air handler; and switching the
// unit system of a large project whose points are defined by enthalpy.

#include "project/Project.h"
#include "projectcore/Model.h"
#include "projectcore/ProjectFile.h"

#include <array>

#include <QFile>
#include <QTemporaryDir>

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

// A project of `count` points spread over the chart, each with an airflow, a
// process from each point to the next and a mixture of every three; the
// points are defined by dry bulb and relative humidity, or by enthalpy.
ProjectData largeProject(int count, Input second = Input::RelativeHumidity) {
    const double value = second == Input::Enthalpy ? 25.0 : 0.5;
    ProjectData data;
    data.zones.comfortShown = true;
    data.zones.dataRoomShown = true;
    for (int i = 0; i < count; ++i) {
        data.points.push_back({i + 1,
                               SequenceName(i),
                               {{Input::DryBulb, 40.0 + i % 60}, {second, value}},
                               processes::Airflow{1000.0, processes::AirflowUnit::Cfm}});
    }
    for (int i = 0; i + 1 < count; ++i)
        data.processes.push_back({i + 1, i + 2});
    for (int i = 0; i + 2 < count; i += 3)
        data.mixings.push_back({i + 1, i + 2, i + 3, 0.5});
    return data;
}

std::string largeProjectFile(int count) {
    return WriteProjectFile(largeProject(count));
}

void BM_ReadProjectFile(benchmark::State& state) {
    const std::string bytes = largeProjectFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto read = ReadProjectFile(bytes);
        benchmark::DoNotOptimize(read);
    }
    state.SetLabel(std::to_string(bytes.size() / 1024) + " KiB");
}
// Two sizes, to show the read grows linearly with the file.
BENCHMARK(BM_ReadProjectFile)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);

// The file read and every result computed, without Qt.
void BM_ReadAndComputeProject(benchmark::State& state) {
    const std::string bytes = largeProjectFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto read = ReadProjectFile(bytes);
        Model model;
        model.replace(std::get<ProjectData>(std::move(read)));
        benchmark::DoNotOptimize(model.processResult(0));
    }
}
BENCHMARK(BM_ReadAndComputeProject)->Arg(40000)->Unit(benchmark::kMillisecond);

void BM_WriteProjectFile(benchmark::State& state) {
    const ProjectData data = largeProject(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::string bytes = WriteProjectFile(data);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_WriteProjectFile)->Arg(40000)->Unit(benchmark::kMillisecond);

// Both cases of the air handler's example, from their definitions.
void BM_SolveAirHandler(benchmark::State& state) {
    const AirHandlerSetup setup;
    const Atmosphere atmosphere;
    for (auto _ : state) {
        AirHandlerResult result = SolveAirHandler(setup, atmosphere);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_SolveAirHandler)->Unit(benchmark::kMicrosecond);

// The whole of File > Open Project short of the window: the file read and
// checked, then every point solved and every process analysed.
void BM_OpenProject(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.vwproj"));
    QFile file(path);
    const std::string bytes = largeProjectFile(static_cast<int>(state.range(0)));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) < 0) {
        state.SkipWithError("cannot write the project file");
        return;
    }
    file.close();
    Project project;
    for (auto _ : state) {
        const QString error = project.open(path);
        if (!error.isEmpty()) {
            state.SkipWithError(error.toStdString().c_str());
            return;
        }
    }
}
BENCHMARK(BM_OpenProject)->Arg(40000)->Unit(benchmark::kMillisecond);

// Every enthalpy moves to the other datum, in one undo step: the points are
// redefined, then solved and the processes analysed once.
void BM_UnitSystemChange(benchmark::State& state) {
    Project project;
    project.replace(largeProject(static_cast<int>(state.range(0)), Input::Enthalpy));
    project.undoStack()->setUndoLimit(4);
    bool si = false;
    for (auto _ : state) {
        si = !si;
        project.setAtmosphere({14.696, si ? UnitSystem::SI : UnitSystem::IP});
    }
}
BENCHMARK(BM_UnitSystemChange)->Arg(40000)->Unit(benchmark::kMillisecond);

} // namespace
