#include "chart/ChartRange.h"

#include "chart/ChartMapping.h"
#include "chart/ChartUnits.h"

#include <cmath>

#include <gtest/gtest.h>

using namespace chart;

TEST(ChartUnits, SelectorsReadLikeTheEngineReadsThem) {
    EXPECT_EQ(UnitSystemFromSelector("IP"), UnitSystem::IP);
    EXPECT_EQ(UnitSystemFromSelector("si"), UnitSystem::SI);
    EXPECT_EQ(UnitSystemFromSelector(" SI"), std::nullopt);
    EXPECT_EQ(UnitSystemFromSelector(""), std::nullopt);
    EXPECT_EQ(UnitSystemFromSelector("XY"), std::nullopt);
    EXPECT_EQ(TemperatureUnit(UnitSystem::SI), QStringLiteral("°C"));
    EXPECT_EQ(HumidityRatioUnit(UnitSystem::IP), QStringLiteral("lbm/lbm"));
    EXPECT_EQ(HumidityRatioUnit(UnitSystem::SI), QStringLiteral("gm/kg"));
    EXPECT_EQ(EnthalpyUnit(UnitSystem::SI), QStringLiteral("kJ/kg"));
    EXPECT_EQ(PressureUnit(UnitSystem::SI), QStringLiteral("kPa"));
}

TEST(ChartRange, DefaultsAreThoseOfACommonHvacChart) {
    EXPECT_EQ(DefaultRange(UnitSystem::IP), (ChartRange{30.0, 120.0, 0.0, 0.03}));
    const ChartRange si = DefaultRange(UnitSystem::SI);
    EXPECT_NEAR(TemperatureToDisplay(si.tMinF, UnitSystem::SI), -1.0, 1e-12);
    EXPECT_NEAR(TemperatureToDisplay(si.tMaxF, UnitSystem::SI), 50.0, 1e-12);
    EXPECT_NEAR(HumidityRatioToDisplay(si.wMax, UnitSystem::SI), 30.0, 1e-12);
}

TEST(ChartRange, ZoomKeepsTheAnchorInPlace) {
    // Zoomed in first, so that zooming out stays clear of dry air.
    const ChartRange r = ZoomedAbout(DefaultRange(UnitSystem::IP), QPointF(75.0, 0.015), 0.5);
    const QRectF plot(50, 40, 800, 500);
    const QPointF anchor(68.0, 0.01);
    const QPointF before = ChartMapping(plot, r).toPixel(anchor);
    for (const double factor : {0.5, 0.8, 1.25}) {
        const ChartRange z = ZoomedAbout(r, anchor, factor);
        EXPECT_NEAR(z.width(), r.width() * factor, 1e-9);
        const QPointF after = ChartMapping(plot, z).toPixel(anchor);
        EXPECT_NEAR(after.x(), before.x(), 1e-9);
        EXPECT_NEAR(after.y(), before.y(), 1e-9);
    }
}

TEST(ChartRange, ZoomStaysWithinItsLimits) {
    const ChartRange r = DefaultRange(UnitSystem::IP);
    // Far out: no further than the saturation pressure reaches, never below dry air.
    ChartRange out = r;
    for (int i = 0; i < 50; ++i)
        out = ZoomedAbout(out, QPointF(100.0, 0.0), 2.0);
    EXPECT_EQ(out, kOuterLimits);
    // Far in: no narrower than the minimum spans.
    ChartRange in = r;
    for (int i = 0; i < 200; ++i)
        in = ZoomedAbout(in, QPointF(68.0, 0.01), 0.5);
    EXPECT_GE(in.width(), kMinWidthF * (1 - 1e-9));
    EXPECT_GE(in.height(), kMinHeight * (1 - 1e-9));
    EXPECT_TRUE(in.contains(68.0, 0.01));
    // Nonsense factors and anchors change nothing.
    for (const double factor : {0.0, -1.0, std::nan(""), HUGE_VAL})
        EXPECT_EQ(ZoomedAbout(r, QPointF(68.0, 0.01), factor), r);
    EXPECT_EQ(ZoomedAbout(r, QPointF(std::nan(""), 0.01), 0.5), r);
    EXPECT_EQ(Limited(ChartRange{std::nan(""), 1, 2, 3}), kOuterLimits);
}

TEST(ChartRange, NiceStepsAreOneTwoOrFiveTimesAPowerOfTen) {
    struct Case {
        double span;
        double count;
        double step;
    };
    const Case cases[] = {{90, 20, 5},    {51, 20, 5},      {55, 16, 5},       {129, 16, 10},
                          {3.1, 12, 0.5}, {0.18, 12, 0.02}, {0.03, 15, 0.002}, {100, 10, 10}};
    for (const Case& c : cases)
        EXPECT_NEAR(NiceStep(c.span, c.count), c.step, c.step * 1e-9) << c.span << "/" << c.count;
    EXPECT_EQ(NiceStep(0.0, 10), 0.0);
    EXPECT_EQ(NiceStep(10.0, 0.0), 0.0);
    EXPECT_EQ(NiceStep(std::nan(""), 10), 0.0);

    const std::vector<double> ticks = MultiplesIn(-1.0, 50.0, 5.0);
    ASSERT_EQ(ticks.size(), 11u);
    EXPECT_EQ(ticks.front(), 0.0);
    EXPECT_EQ(ticks.back(), 50.0);
    EXPECT_TRUE(MultiplesIn(1.0, 0.0, 1.0).empty());
    EXPECT_EQ(MultiplesIn(0.0, 1e9, 1.0, 5).size(), 5u);
}

TEST(ChartMapping, PixelAndDataAreInverse) {
    const ChartMapping m(QRectF(50, 40, 800, 500), DefaultRange(UnitSystem::IP));
    EXPECT_EQ(m.toPixel(30.0, 0.0), QPointF(50, 540));
    EXPECT_EQ(m.toPixel(120.0, 0.03), QPointF(850, 40));
    const QPointF d = m.toData(m.toPixel(68.0, 0.0073));
    EXPECT_NEAR(d.x(), 68.0, 1e-9);
    EXPECT_NEAR(d.y(), 0.0073, 1e-12);
    EXPECT_TRUE(m.onPlot(QPointF(50, 40)));
    EXPECT_FALSE(m.onPlot(QPointF(49, 300)));
}
