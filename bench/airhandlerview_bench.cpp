// Speed of the air handler in the chart window: re-solving the whole chain
// after an edit (goal: 1 ms), the edit through the project's undo stack with
// the panel following it, and one frame of dragging a point: the chain
// re-solved for the pointer and the chart repainted with it (goal: 16 ms).

#include "airhandlerview/AirHandlerInteraction.h"
#include "airhandlerview/AirHandlerPanel.h"
#include "chart/PsychroChart.h"
#include "project/Project.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>

#include <benchmark/benchmark.h>

using namespace chart;

namespace {

// The example design with a wheel on the outdoor air, an enthalpy
// economizer and reheat: every kind of step the chain takes.
project::AirHandlerSetup BusySetup() {
    project::AirHandlerSetup setup;
    airhandler::MixingBox box;
    box.economizer = airhandler::Economizer::Enthalpy;
    setup.summer.components = {airhandler::HeatRecovery{}, box, airhandler::SupplyFan{},
                               airhandler::CoolingCoil{}, airhandler::HeatingCoil{}};
    return setup;
}

// The room's sensible load edited, the project's setup solved again at its
// atmosphere (rooms and outdoor air as points, then both cases).
void ResolveSetupAfterAnEdit(benchmark::State& state) {
    project::AirHandlerSetup setup = BusySetup();
    const project::Atmosphere atmosphere;
    double load = 100000.0;
    for (auto _ : state) {
        load = load == 100000.0 ? 90000.0 : 100000.0;
        setup.summer.roomSensibleBtuPerHour = load;
        const project::AirHandlerResult result = project::SolveAirHandler(setup, atmosphere);
        benchmark::DoNotOptimize(&result);
    }
}
BENCHMARK(ResolveSetupAfterAnEdit)->Unit(benchmark::kMicrosecond);

// The same edit as the panel makes it: one step on the project's undo
// stack, the project re-solving, the panel showing it again (fields and
// both tables).
void EditThroughTheProjectWithThePanel(benchmark::State& state) {
    project::Project project;
    AirHandlerPanel panel(&project);
    if (!project.setAirHandler(BusySetup()).isEmpty()) {
        state.SkipWithError("setup refused");
        return;
    }
    project::AirHandlerSetup setup = *project.airHandler();
    double load = 100000.0;
    for (auto _ : state) {
        load = load == 100000.0 ? 90000.0 : 100000.0;
        setup.summer.roomSensibleBtuPerHour = load;
        benchmark::DoNotOptimize(project.setAirHandler(setup));
    }
}
BENCHMARK(EditThroughTheProjectWithThePanel)->Unit(benchmark::kMicrosecond);

// One frame of a drag of the room point on a 1200 × 800 chart: the mouse
// move re-solves the chain for the pointer and the chart is painted again,
// lines, layer and all. The ASHRAE chart (0) or the Mollier diagram (1).
void DragFrame(benchmark::State& state) {
    project::Project project;
    if (!project.setAirHandler(BusySetup()).isEmpty()) {
        state.SkipWithError("setup refused");
        return;
    }
    PsychroChart chart;
    chart.resize(1200, 800);
    chart.setStyle(state.range(0) == 0 ? ChartStyle::Ashrae : ChartStyle::Mollier);
    AirHandlerInteraction interaction(&chart, &project);
    const auto& room = project.airHandlerResult()->solution.summer.value().room;
    const QPointF start = chart.mapping().toPixel(room.dryBulbF, room.humidityRatio);
    const auto send = [&chart](QEvent::Type type, QPointF at, Qt::MouseButtons buttons,
                               Qt::MouseButton button) {
        QMouseEvent event(type, at, chart.mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&chart, &event);
    };
    send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    QPixmap frame(chart.size());
    int step = 0;
    for (auto _ : state) {
        // To and fro over 10 pixels, a new place every frame.
        const QPointF at = start + QPointF((step++ % 10) - 5.0, 0.0);
        send(QEvent::MouseMove, at, Qt::LeftButton, Qt::NoButton);
        chart.render(&frame);
        benchmark::DoNotOptimize(frame.cacheKey());
    }
    send(QEvent::MouseButtonRelease, start, Qt::NoButton, Qt::LeftButton);
    state.SetLabel(state.range(0) == 0 ? "ASHRAE" : "Mollier");
}
BENCHMARK(DragFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
