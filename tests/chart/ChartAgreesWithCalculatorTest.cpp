// The chart and the calculator work from one formulation: for states the
// compute core solves, the chart's relations give the very same numbers, to
// the last bit of the single-precision values the calculator keeps. A copy of
// a unit conversion or a change in the order of operations on one side shows
// up here.

#include "chart/AirRelations.h"
#include "chart/PsychroChart.h"
#include "core/ComputeCore.h"
#include "engine/Units.h"

#include <array>
#include <cmath>
#include <string>

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

using basPsychroFun::UnitSystem;
namespace units = basPsychroFun::units;

CalcState Solved(float tdbF, float phi, float patmPsia, const std::string& system) {
    CalcState s;
    s.UnitSystem = system;
    s.Tdb = tdbF;
    s.Phi = phi;
    s.Patm = patmPsia;
    EXPECT_EQ(calculator::TrySolveState(
                  s, {calculator::Input::DryBulb, calculator::Input::RelativeHumidity}),
              std::nullopt);
    return s;
}

double d(float v) {
    return static_cast<double>(v);
}

TEST(ChartAgreesWithCalculator, OnEveryStateOfAGrid) {
    const std::array<float, 3> pressures{14.696f, 12.228f, 10.108f}; // 0, 5000, 10000 ft
    for (const std::string system : {"IP", "SI"}) {
        const UnitSystem units = system == "IP" ? UnitSystem::IP : UnitSystem::SI;
        for (const float patm : pressures) {
            for (float tdb = 20.0f; tdb <= 115.0f; tdb += 7.5f) {
                for (float phi = 0.05f; phi <= 1.0f; phi += 0.15f) {
                    SCOPED_TRACE(system + " " + std::to_string(tdb) + " °F " + std::to_string(phi) +
                                 " at " + std::to_string(patm));
                    const CalcState s = Solved(tdb, phi, patm, system);
                    // The calculator reaches W from the relative humidity by way of
                    // the vapour pressure it keeps in single precision, the chart's
                    // curve directly: the two meet within one unit in the last place
                    // of the float the calculator keeps.
                    const auto w = static_cast<float>(
                        chart::air::HumidityRatioAtRelativeHumidity(d(s.Tdb), d(s.Phi), d(s.Patm)));
                    EXPECT_LE(std::fabs(w - s.W), std::nextafter(s.W, 1.0f) - s.W);
                    // Enthalpy and volume lines go through the calculator's state
                    // exactly.
                    const double h = chart::air::Enthalpy(d(s.Tdb), d(s.W), units);
                    EXPECT_EQ(static_cast<float>(
                                  units == UnitSystem::SI ? units::StoredFromMetricEnthalpy(h) : h),
                              s.H);
                    EXPECT_EQ(static_cast<float>(chart::air::SpecificVolume(
                                  d(s.Tdb), d(s.W), d(s.Patm), UnitSystem::IP)),
                              s.V);
                }
            }
        }
    }
}

// The readout under the mouse, in the ASHRAE chart and in the Mollier
// diagram, at the pixel where a state the calculator solved is drawn: the
// calculator's own numbers, to the single precision it keeps them in.
TEST(ChartAgreesWithCalculator, ReadoutUnderTheMouseInBothStyles) {
    chart::PsychroChart chart;
    chart.resize(900, 600);
    int checked = 0;
    for (const std::string system : {"IP", "SI"}) {
        const UnitSystem units = system == "IP" ? UnitSystem::IP : UnitSystem::SI;
        chart.setUnitSystem(units);
        for (const float patm : {14.696f, 12.228f}) {
            chart.setAtmosphere(d(patm));
            for (const chart::ChartStyle style :
                 {chart::ChartStyle::Ashrae, chart::ChartStyle::Mollier}) {
                chart.setStyle(style);
                for (float tdb = 35.0f; tdb <= 110.0f; tdb += 15.0f) {
                    for (const float phi : {0.1f, 0.45f, 0.8f}) {
                        const CalcState s = Solved(tdb, phi, patm, system);
                        if (!chart.viewRange().contains(d(s.Tdb), d(s.W)))
                            continue;
                        SCOPED_TRACE(
                            system +
                            (style == chart::ChartStyle::Mollier ? " Mollier " : " ASHRAE ") +
                            std::to_string(tdb) + " °F " + std::to_string(phi));
                        const QPointF at = chart.mapping().toPixel(d(s.Tdb), d(s.W));
                        QMouseEvent move(QEvent::MouseMove, at, chart.mapToGlobal(at), Qt::NoButton,
                                         Qt::NoButton, Qt::NoModifier);
                        QApplication::sendEvent(&chart, &move);
                        const auto& r = chart.hoverReadout();
                        ASSERT_TRUE(r.has_value());
                        ASSERT_FALSE(r->supersaturated);
                        const auto same = [](double chartValue, float calculator) {
                            return std::fabs(static_cast<float>(chartValue) - calculator) <=
                                   4.0f * (std::nextafter(std::fabs(calculator), 1e9f) -
                                           std::fabs(calculator));
                        };
                        EXPECT_PRED2(same, r->tdbF, s.Tdb);
                        EXPECT_PRED2(same, r->w, s.W);
                        EXPECT_PRED2(same, r->phi, s.Phi);
                        EXPECT_NEAR(r->tdpF, d(s.Tdp), 1e-3);
                        EXPECT_NEAR(r->twbF, d(s.Twb), 1e-3);
                        EXPECT_PRED2(same,
                                     units == UnitSystem::SI ? units::StoredFromMetricEnthalpy(r->h)
                                                             : r->h,
                                     s.H);
                        if (units == UnitSystem::IP) {
                            EXPECT_PRED2(same, r->v, s.V);
                        }
                        ++checked;
                    }
                }
            }
        }
    }
    EXPECT_GE(checked, 60);
}

} // namespace
