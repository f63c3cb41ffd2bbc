// The chart window of the calculator: it marks the computed state at the
// window's pressure and in its unit system, and a double click on it enters
// a dry bulb and humidity ratio.

#include "calculator/frmMain.h"
#include "chartwindow/ChartWindow.h"
#include "core/ComputeCore.h"
#include "core/FieldTable.h"

#include <cmath>

#include <QCheckBox>
#include <QComboBox>

void frmMain::showChartWindow() {
    if (chartWindow == nullptr) {
        chartWindow = new chart::ChartWindow(this);
        connect(chartWindow, &chart::ChartWindow::pointPicked, this, &frmMain::chartPointPicked);
        feedChart(chartMark.has_value());
    }
    chartWindow->show();
    chartWindow->raise();
    chartWindow->activateWindow();
}

void frmMain::openProjectFile(const QString& path) {
    showChartWindow();
    chartWindow->openProjectAsking(path);
}

void frmMain::feedChart(bool marked) {
    chartMark.reset();
    if (marked)
        chartMark = chart::StatePoint{state.Tdb, state.W};
    if (chartWindow == nullptr)
        return;
    chartWindow->setAtmosphere(state.Patm);
    chartWindow->setUnitSystem(
        chart::UnitSystemFromSelector(state.UnitSystem).value_or(chart::UnitSystem::IP));
    chartWindow->setState(chartMark);
    // The state-point panel: the state with the inputs that defined it, and
    // how each field is shown.
    chart::CalculatorView view;
    view.state = state;
    if (marked) {
        if (const auto pair = tickedPair())
            view.ticked =
                chart::TickedPair{static_cast<int>(pair->first), static_cast<int>(pair->second)};
    }
    for (int i = 0; i < calculator::kFieldCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        view.unitPositions[at] = cboUnits[at] != nullptr ? cboUnits[at]->currentIndex() : -1;
        view.formats[at] = FieldFormat[at].toStdString();
    }
    chartWindow->setCalculatorView(view);
}

void frmMain::chartPointPicked(double tdbF, double wLbPerLb) {
    using namespace calculator;
    if (!std::isfinite(tdbF) || !std::isfinite(wLbPerLb))
        return;
    // The ticks as a user would set them, each change running the rule on
    // inputs: first off what is not wanted, so that no wanted box is
    // disabled by two others being ticked.
    for (int i = 0; i < calculator::kInputCount; ++i) {
        if (i != kDryBulb && i != kHumidityRatio)
            chkPsyInput[i]->setChecked(false);
    }
    chkPsyInput[kDryBulb]->setChecked(true);
    chkPsyInput[kHumidityRatio]->setChecked(true);

    state.Tdb = static_cast<float>(tdbF);
    state.W = static_cast<float>(wLbPerLb);
    cboUnits_Click(kDryBulb);
    cboUnits_Click(kHumidityRatio);
    pressCompute();
}
