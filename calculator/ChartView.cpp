// The chart window of the calculator: it marks the computed state at the
// window's pressure and in its unit system, and a double click on it enters
// a dry bulb and humidity ratio.

#include "calculator/frmMain.h"
#include "chart/ChartWindow.h"
#include "core/FieldTable.h"

#include <cmath>

#include <QCheckBox>

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
