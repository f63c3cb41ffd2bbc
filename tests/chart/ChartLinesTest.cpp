#include "chart/ChartLines.h"

#include "chart/AirRelations.h"
#include "engine/PsychroFun.h"

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

namespace psy = basPsychroFun;
using namespace chart;

namespace {

constexpr double kSeaLevel = 14.696; // psia

ChartKey Key(UnitSystem units = UnitSystem::IP, double patm = kSeaLevel) {
    return ChartKey{patm, units, DefaultRange(units)};
}

// The humidity ratio of a polyline at dry bulb tF, by linear interpolation.
std::optional<double> WAt(const std::vector<QPolygonF>& pieces, double tF) {
    for (const QPolygonF& piece : pieces) {
        for (qsizetype i = 0; i + 1 < piece.size(); ++i) {
            const QPointF a = piece[i];
            const QPointF b = piece[i + 1];
            if (tF >= std::min(a.x(), b.x()) && tF <= std::max(a.x(), b.x()) && a.x() != b.x())
                return a.y() + (b.y() - a.y()) * (tF - a.x()) / (b.x() - a.x());
        }
    }
    return std::nullopt;
}

const ChartLine* Find(const std::vector<ChartLine>& family, double value) {
    const auto it = std::find_if(family.begin(), family.end(), [&](const ChartLine& l) {
        return std::abs(l.value - value) < 1e-9;
    });
    return it == family.end() ? nullptr : &*it;
}

// Points where a line was cut at the edge of the view lie on the chord
// between two samples, not on the line itself.
bool OnEdge(QPointF p, const ChartRange& r) {
    return p.x() == r.tMinF || p.x() == r.tMaxF || p.y() == r.wMin || p.y() == r.wMax;
}

double SaturationW(double tF, double patm) {
    return psy::HumidityRatioFromVaporPressure(psy::SaturationPressure(tF, "IP"), patm, "IP");
}

} // namespace

TEST(ChartLines, SaturationCurvePassesThroughTheSaturationHumidityRatio) {
    const ChartLines lines = ComputeChartLines(Key());
    ASSERT_TRUE(lines.valid);
    ASSERT_EQ(lines.saturation.size(), 1u);
    for (const QPointF& p : lines.saturation.front()) {
        if (!OnEdge(p, lines.key.range)) {
            EXPECT_DOUBLE_EQ(p.y(), SaturationW(p.x(), kSeaLevel)) << p.x();
        }
    }
    // Between samples half a degree apart the chord of this gently convex
    // curve stays within a millionth of it.
    const auto w = WAt(lines.saturation, 68.0);
    ASSERT_TRUE(w.has_value());
    EXPECT_NEAR(*w, SaturationW(68.0, kSeaLevel), 1e-6);
    EXPECT_NEAR(*w, 0.014696, 2e-5); // the tabulated value at 20 °C
}

TEST(ChartLines, HalfRelativeHumidityLiesHalfwayInVapourPressure) {
    const ChartLines lines = ComputeChartLines(Key());
    const ChartLine* half = Find(lines.relativeHumidity, 0.5);
    ASSERT_NE(half, nullptr);
    for (const QPolygonF& piece : half->pieces) {
        for (const QPointF& p : piece) {
            if (OnEdge(p, lines.key.range))
                continue;
            const double pw = psy::VaporPressureFromHumidityRatio(p.y(), kSeaLevel, "IP");
            const double pws = psy::SaturationPressure(p.x(), "IP");
            EXPECT_NEAR(pw / pws, 0.5, 1e-9) << "at " << p.x() << " °F";
        }
    }
    EXPECT_EQ(lines.relativeHumidity.size(), 9u);
}

TEST(ChartLines, WetBulbLinesStartOnSaturationAtTheirOwnTemperature) {
    for (const UnitSystem units : {UnitSystem::IP, UnitSystem::SI}) {
        const ChartLines lines = ComputeChartLines(Key(units));
        ASSERT_GE(lines.wetBulb.size(), 8u);
        int onCurve = 0;
        for (const ChartLine& line : lines.wetBulb) {
            const double twbF = TemperatureFromDisplay(line.value, units);
            const QPointF start = line.pieces.front().front();
            if (twbF < lines.key.range.tMinF || SaturationW(twbF, kSeaLevel) > lines.key.range.wMax)
                continue; // enters from the left or the top
            ++onCurve;
            EXPECT_NEAR(start.x(), twbF, 1e-9);
            EXPECT_NEAR(start.y(), SaturationW(twbF, kSeaLevel), 1e-9);
            // Down to the right, by the psychrometer equation.
            const QPointF later = line.pieces.front()[line.pieces.front().size() / 2];
            EXPECT_LT(later.y(), start.y());
            EXPECT_NEAR(later.y(),
                        psy::HumidityRatioFromDryBulbAndWetBulb(later.x(), twbF, kSeaLevel, "IP"),
                        1e-12);
        }
        EXPECT_GE(onCurve, 5);
    }
}

TEST(ChartLines, EnthalpyAndVolumeLinesKeepTheirValueInTheActiveSystem) {
    for (const UnitSystem units : {UnitSystem::IP, UnitSystem::SI}) {
        const ChartLines lines = ComputeChartLines(Key(units));
        ASSERT_GE(lines.enthalpy.size(), 5u);
        ASSERT_GE(lines.specificVolume.size(), 3u);
        for (const ChartLine& line : lines.enthalpy)
            for (const QPolygonF& piece : line.pieces)
                for (const QPointF& p : piece) {
                    if (!OnEdge(p, lines.key.range)) {
                        EXPECT_NEAR(air::Enthalpy(p.x(), p.y(), units), line.value, 1e-6);
                    }
                }
        for (const ChartLine& line : lines.specificVolume)
            for (const QPolygonF& piece : line.pieces)
                for (const QPointF& p : piece) {
                    if (!OnEdge(p, lines.key.range)) {
                        EXPECT_NEAR(air::SpecificVolume(p.x(), p.y(), kSeaLevel, units), line.value,
                                    1e-9);
                    }
                }
    }
    // Each system's own datum: 0 °F dry air is 0 BTU/lbm, 0 °C dry air 0 kJ/kg.
    EXPECT_DOUBLE_EQ(air::Enthalpy(0.0, 0.0, UnitSystem::IP), 0.0);
    EXPECT_DOUBLE_EQ(air::Enthalpy(32.0, 0.0, UnitSystem::SI), 0.0);
}

TEST(ChartLines, EveryPointLiesInTheViewBetweenDryAirAndSaturation) {
    const ChartLines lines = ComputeChartLines(Key());
    const ChartRange& r = lines.key.range;
    for (const auto* family :
         {&lines.relativeHumidity, &lines.wetBulb, &lines.enthalpy, &lines.specificVolume}) {
        for (const ChartLine& line : *family) {
            for (const QPolygonF& piece : line.pieces) {
                EXPECT_GE(piece.size(), 2);
                for (const QPointF& p : piece) {
                    EXPECT_TRUE(r.contains(p.x(), p.y())) << p.x() << ", " << p.y();
                    EXPECT_LE(p.y(), SaturationW(p.x(), kSeaLevel) * (1 + 1e-6) + 1e-12);
                }
            }
        }
    }
}

TEST(ChartLines, LowerPressureRaisesTheSaturationCurve) {
    const double altitude5000ft = psy::PressureFromAltitude(5000.0, "IP");
    ASSERT_NEAR(altitude5000ft, 12.23, 0.01);
    const ChartLines sea = ComputeChartLines(Key());
    const ChartLines high = ComputeChartLines(Key(UnitSystem::IP, altitude5000ft));
    for (const double t : {40.0, 68.0, 80.0}) {
        const auto wSea = WAt(sea.saturation, t);
        const auto wHigh = WAt(high.saturation, t);
        ASSERT_TRUE(wSea && wHigh);
        EXPECT_GT(*wHigh, *wSea * 1.15) << t;
        EXPECT_NEAR(*wHigh, SaturationW(t, altitude5000ft), 1e-6);
    }
}

TEST(ChartLines, PressuresThatAreNotNumbersGiveNoLines) {
    for (const double p : {0.0, -3.0, std::nan(""), HUGE_VAL}) {
        const ChartLines lines = ComputeChartLines(Key(UnitSystem::IP, p));
        EXPECT_FALSE(lines.valid);
        EXPECT_TRUE(lines.saturation.empty());
        EXPECT_TRUE(lines.wetBulb.empty());
    }
    // So low that the saturation pressure passes the atmospheric pressure
    // (near 79 °F): the curve leaves through the top, nothing faults.
    const ChartLines thin =
        ComputeChartLines(ChartKey{0.5, UnitSystem::IP, {30.0, 120.0, 0.0, 1.0}});
    EXPECT_TRUE(thin.valid);
    ASSERT_EQ(thin.saturation.size(), 1u);
    EXPECT_EQ(thin.saturation.front().first().x(), 30.0);
    EXPECT_EQ(thin.saturation.front().last().y(), 1.0);
    EXPECT_LT(thin.saturation.front().last().x(), 79.0);
}

TEST(ChartLines, CacheComputesOncePerKey) {
    ChartLinesCache cache;
    const ChartKey ip = Key();
    const ChartKey si = Key(UnitSystem::SI);
    EXPECT_EQ(cache.linesFor(ip).key, ip);
    cache.linesFor(ip);
    EXPECT_EQ(cache.computeCount(), 1u);
    EXPECT_EQ(cache.linesFor(si).key, si);
    cache.linesFor(ip);
    EXPECT_EQ(cache.computeCount(), 2u);
    ChartKey zoomed = ip;
    zoomed.range.tMaxF = 100.0;
    cache.linesFor(zoomed);
    EXPECT_EQ(cache.computeCount(), 3u);
}

TEST(ClipToRange, KeepsOnlyWhatLiesInside) {
    const ChartRange r{0.0, 10.0, 0.0, 1.0};
    struct Case {
        const char* name;
        QPolygonF line;
        std::vector<QPolygonF> expected;
    };
    const Case cases[] = {
        {"inside",
         QPolygonF({{1, 0.5}, {2, 0.6}, {3, 0.7}}),
         {QPolygonF({{1, 0.5}, {2, 0.6}, {3, 0.7}})}},
        {"crosses the right edge",
         QPolygonF({{8, 0.5}, {12, 0.5}}),
         {QPolygonF({{8, 0.5}, {10, 0.5}})}},
        {"leaves and comes back",
         QPolygonF({{5, 0.5}, {5, 2.0}, {6, 0.5}}),
         {QPolygonF({{5, 0.5}, {5, 1.0}}), QPolygonF({{5 + 1.0 / 1.5, 1.0}, {6, 0.5}})}},
        {"outside", QPolygonF({{-5, 0.5}, {-1, 0.5}}), {}},
        {"one point", QPolygonF({{5, 0.5}}), {}},
    };
    for (const Case& c : cases) {
        const std::vector<QPolygonF> got = ClipToRange(c.line, r);
        ASSERT_EQ(got.size(), c.expected.size()) << c.name;
        for (std::size_t i = 0; i < got.size(); ++i) {
            ASSERT_EQ(got[i].size(), c.expected[i].size()) << c.name;
            for (qsizetype k = 0; k < got[i].size(); ++k) {
                EXPECT_NEAR(got[i][k].x(), c.expected[i][k].x(), 1e-12) << c.name;
                EXPECT_NEAR(got[i][k].y(), c.expected[i][k].y(), 1e-12) << c.name;
            }
        }
    }
}
