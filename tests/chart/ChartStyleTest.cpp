// The Mollier h-x diagram beside the ASHRAE chart: the same air at every
// pixel in both styles, and the diagram's lines through states worked out
// here from the ASHRAE Handbook's relations rather than from the engine.

#include "chart/ChartStyle.h"

#include "chart/ChartLines.h"
#include "chart/ChartMapping.h"
#include "engine/Units.h"

#include <cmath>
#include <limits>

#include <QLineF>

#include <gtest/gtest.h>

using namespace chart;
namespace units = basPsychroFun::units;

namespace {

constexpr double kSeaLevelPsia = 14.696;
constexpr double kSeaLevelPa = 101325.0;
const QRectF kPlot(60, 40, 800, 500);

// Saturation pressure (Pa) at t (°C): Hyland and Wexler, ASHRAE Handbook -
// Fundamentals (2017), chapter 1, eq. 5 over ice below 0 °C, eq. 6 over
// liquid water above.
double SaturationPressurePa(double tC) {
    const double T = tC + 273.15;
    if (tC < 0.0)
        return std::exp(-5.6745359e3 / T + 6.3925247 - 9.6778430e-3 * T + 6.2215701e-7 * T * T +
                        2.0747825e-9 * T * T * T - 9.4840240e-13 * T * T * T * T +
                        4.1635019 * std::log(T));
    return std::exp(-5.8002206e3 / T + 1.3914993 - 4.8640239e-2 * T + 4.1764768e-5 * T * T -
                    1.4452093e-8 * T * T * T + 6.5459673 * std::log(T));
}

// Humidity ratio (kg/kg) at vapour pressure pw (Pa): eq. 20.
double HumidityRatioOfVapour(double pwPa) {
    return 0.621945 * pwPa / (kSeaLevelPa - pwPa);
}

// Enthalpy (kJ/kg) at t (°C) and W (kg/kg): eq. 32.
double EnthalpyKJ(double tC, double w) {
    return 1.006 * tC + w * (2501.0 + 1.86 * tC);
}

// The dry bulb (°C) at which saturated air has enthalpy h (kJ/kg), by
// bisection: the saturated enthalpy grows with the dry bulb.
double SaturatedAtEnthalpy(double h) {
    double lo = -40.0;
    double hi = 80.0;
    for (int i = 0; i < 80; ++i) {
        const double mid = (lo + hi) / 2.0;
        (EnthalpyKJ(mid, HumidityRatioOfVapour(SaturationPressurePa(mid))) < h ? lo : hi) = mid;
    }
    return (lo + hi) / 2.0;
}

double DistanceToLine(QPointF p, const std::vector<QPolygonF>& pieces, const ChartMapping& m) {
    double best = std::numeric_limits<double>::infinity();
    for (const QPolygonF& piece : pieces) {
        for (qsizetype i = 0; i + 1 < piece.size(); ++i) {
            const QPointF a = m.toPixel(piece[i]);
            const QPointF b = m.toPixel(piece[i + 1]);
            const QPointF ab = b - a;
            const double length2 = QPointF::dotProduct(ab, ab);
            const double s = length2 > 0.0
                                 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0)
                                 : 0.0;
            best = std::min(best, QLineF(p, a + s * ab).length());
        }
    }
    return best;
}

const ChartLine* Find(const std::vector<ChartLine>& family, double value) {
    for (const ChartLine& line : family) {
        if (std::abs(line.value - value) < 1e-9)
            return &line;
    }
    return nullptr;
}

ChartMapping Mollier(const ChartRange& range) {
    return ChartMapping(kPlot, range, ChartStyle::Mollier);
}

} // namespace

TEST(ChartStyle, NamesReadBackAndNothingElseDoes) {
    for (const ChartStyle style : {ChartStyle::Ashrae, ChartStyle::Mollier})
        EXPECT_EQ(ChartStyleFromName(ChartStyleName(style)), style);
    EXPECT_EQ(ChartStyleFromName(u"mollier"), ChartStyle::Mollier);
    for (const QStringView text : {u"", u"Mollier ", u"h-x", u"1"})
        EXPECT_EQ(ChartStyleFromName(text), std::nullopt) << text.toString().toStdString();
}

TEST(ChartStyle, MollierPutsHumidityRatioAcrossAndDryBulbUp) {
    const ChartRange r = DefaultRange(UnitSystem::SI);
    const ChartMapping ashrae(kPlot, r, ChartStyle::Ashrae);
    const ChartMapping mollier = Mollier(r);
    struct Corner {
        const char* name;
        double tF, w;
        QPointF ashraePixel, mollierPixel;
    };
    const Corner corners[] = {
        {"cold dry", r.tMinF, r.wMin, kPlot.bottomLeft(), kPlot.bottomLeft()},
        {"warm dry", r.tMaxF, r.wMin, kPlot.bottomRight(), kPlot.topLeft()},
        {"cold humid", r.tMinF, r.wMax, kPlot.topLeft(), kPlot.bottomRight()},
        {"warm humid", r.tMaxF, r.wMax, kPlot.topRight(), kPlot.topRight()},
    };
    for (const Corner& c : corners) {
        EXPECT_EQ(ashrae.toPixel(c.tF, c.w), c.ashraePixel) << c.name;
        EXPECT_EQ(mollier.toPixel(c.tF, c.w), c.mollierPixel) << c.name;
    }
    // Isotherms are level, lines of constant humidity ratio upright.
    EXPECT_EQ(mollier.toPixel(68.0, 0.002).y(), mollier.toPixel(68.0, 0.02).y());
    EXPECT_EQ(mollier.toPixel(40.0, 0.01).x(), mollier.toPixel(100.0, 0.01).x());

    // The scale of dry bulbs moves to the left of the plot, that of the
    // humidity ratio below it.
    const QFont font;
    const QFontMetricsF metrics(font);
    const QRectF area(0, 0, 900, 600);
    const QRectF a = PlotRectFor(area, metrics, ChartStyle::Ashrae);
    const QRectF m = PlotRectFor(area, metrics, ChartStyle::Mollier);
    EXPECT_GT(m.left(), a.left());
    EXPECT_GT(m.right(), a.right());
    EXPECT_EQ(m.height(), a.height());
}

// Every state of a grid over the view, drawn in either style, is the same
// air under the mouse: exactly at its pixel, and within a pixel's worth at
// the whole pixel the mouse reports.
TEST(ChartStyle, EveryStateMapsBackToTheSameAirInBothStyles) {
    for (const UnitSystem u : {UnitSystem::IP, UnitSystem::SI}) {
        const ChartRange views[] = {DefaultRange(u), ZoomedAbout(DefaultRange(u), {70, 0.01}, 0.1),
                                    kOuterLimits};
        for (const ChartRange& r : views) {
            for (const ChartStyle style : {ChartStyle::Ashrae, ChartStyle::Mollier}) {
                const ChartMapping m(kPlot, r, style);
                const double perPixelX =
                    (style == ChartStyle::Mollier ? r.height() : r.width()) / kPlot.width();
                const double perPixelY =
                    (style == ChartStyle::Mollier ? r.width() : r.height()) / kPlot.height();
                const double perPixelT = style == ChartStyle::Mollier ? perPixelY : perPixelX;
                const double perPixelW = style == ChartStyle::Mollier ? perPixelX : perPixelY;
                for (int i = 0; i <= 20; ++i) {
                    for (int k = 0; k <= 20; ++k) {
                        const double t = r.tMinF + r.width() * i / 20.0;
                        const double w = r.wMin + r.height() * k / 20.0;
                        const QPointF pixel = m.toPixel(t, w);
                        ASSERT_TRUE(m.onPlot(pixel)) << t << " °F " << w;
                        const QPointF exact = m.toData(pixel);
                        EXPECT_NEAR(exact.x(), t, 1e-9 * r.width());
                        EXPECT_NEAR(exact.y(), w, 1e-9 * r.height());
                        const QPointF rounded = m.toData(QPointF(pixel.toPoint()));
                        EXPECT_LE(std::abs(rounded.x() - t), 0.5 * perPixelT * (1 + 1e-9));
                        EXPECT_LE(std::abs(rounded.y() - w), 0.5 * perPixelW * (1 + 1e-9));
                    }
                }
            }
        }
    }
}

// The h-x diagram in SI at sea level: its relative-humidity curves,
// saturation curve and enthalpy lines pass within a pixel of the states the
// Handbook's relations give.
TEST(MollierLines, PassThroughIndependentlyComputedStates) {
    const ChartKey key{kSeaLevelPsia, UnitSystem::SI, DefaultRange(UnitSystem::SI)};
    const ChartLines lines = ComputeChartLines(key);
    const ChartMapping m = Mollier(lines.key.range);
    const auto pixelOf = [&](double tC, double w) {
        return m.toPixel(units::CelsiusToFahrenheit(tC), w);
    };

    for (const double tC : {0.0, 10.0, 20.0, 30.0}) {
        const double ws = HumidityRatioOfVapour(SaturationPressurePa(tC));
        EXPECT_LT(DistanceToLine(pixelOf(tC, ws), lines.saturation, m), 1.0) << tC << " °C";
    }
    for (const double phi : {0.2, 0.5, 0.8}) {
        const ChartLine* curve = Find(lines.relativeHumidity, phi);
        ASSERT_NE(curve, nullptr) << phi;
        for (const double tC : {5.0, 15.0, 25.0, 35.0, 45.0}) {
            const double w = HumidityRatioOfVapour(phi * SaturationPressurePa(tC));
            if (!lines.key.range.contains(units::CelsiusToFahrenheit(tC), w))
                continue;
            EXPECT_LT(DistanceToLine(pixelOf(tC, w), curve->pieces, m), 1.0)
                << phi * 100 << " % at " << tC << " °C";
        }
    }

    // Each enthalpy line runs from dry air at t = h / 1.006 on the left edge
    // down to the right, to saturation.
    for (const double h : {20.0, 40.0}) {
        const ChartLine* line = Find(lines.enthalpy, h);
        ASSERT_NE(line, nullptr) << h;
        ASSERT_EQ(line->pieces.size(), 1u);
        const QPointF cold = m.toPixel(line->pieces.front().first());
        const QPointF warm = m.toPixel(line->pieces.front().last());
        const QPointF dryEnd = pixelOf(h / 1.006, 0.0);
        const double tSat = SaturatedAtEnthalpy(h);
        const QPointF wetEnd = pixelOf(tSat, HumidityRatioOfVapour(SaturationPressurePa(tSat)));
        EXPECT_LT(QLineF(warm, dryEnd).length(), 1.0) << h << " kJ/kg";
        EXPECT_LT(QLineF(cold, wetEnd).length(), 1.0) << h << " kJ/kg";
        EXPECT_NEAR(warm.x(), kPlot.left(), 1e-6);
        EXPECT_GT(cold.x(), warm.x() + 100.0);
        EXPECT_GT(cold.y(), warm.y() + 100.0);
        // And through a state in between.
        const double tMid = (h / 1.006 + tSat) / 2.0;
        const double wMid = (h - 1.006 * tMid) / (2501.0 + 1.86 * tMid);
        EXPECT_LT(DistanceToLine(pixelOf(tMid, wMid), line->pieces, m), 1.0) << h << " kJ/kg";
    }
}

// In IP the enthalpy lines are those of BTU/lbm: h = 0.240 t + W (1061 +
// 0.444 t), t in °F (ASHRAE Handbook - Fundamentals, IP edition, eq. 32).
TEST(MollierLines, InchPoundEnthalpyLinesPassThroughTheirStates) {
    const ChartKey key{kSeaLevelPsia, UnitSystem::IP, DefaultRange(UnitSystem::IP)};
    const ChartLines lines = ComputeChartLines(key);
    const ChartMapping m = Mollier(lines.key.range);
    for (const double h : {20.0, 25.0, 30.0}) {
        const ChartLine* line = Find(lines.enthalpy, h);
        ASSERT_NE(line, nullptr) << h;
        for (const double tF : {50.0, 70.0, 90.0, 110.0}) {
            const double w = (h - 0.240 * tF) / (1061.0 + 0.444 * tF);
            const double ws =
                HumidityRatioOfVapour(SaturationPressurePa(units::FahrenheitToCelsius(tF)));
            if (w < 0.0 || w > ws || !lines.key.range.contains(tF, w))
                continue;
            EXPECT_LT(DistanceToLine(m.toPixel(tF, w), line->pieces, m), 1.0)
                << h << " BTU/lbm at " << tF << " °F";
        }
    }
}
