// The data-room envelope and user zones: membership at the limits, the
// outline, and zones that cannot be.

#include "engine/PsychroFun.h"
#include "engine/Units.h"
#include "processes/LimitZone.h"

#include <memory>

#include <gtest/gtest.h>

namespace psy = basPsychroFun;
using namespace processes;
using basPsychroFun::units::CelsiusToFahrenheit;

namespace {

constexpr double kSeaLevel = 14.696;

// Humidity ratio at sea level of dry bulb tC and relative humidity phi, or of
// dew point tdC (vapour pressure p_ws(t_d)).
double WAtRh(double tC, double phi) {
    return psy::HumidityRatioFromRelativeHumidity(tC, phi, 101.325, "SI");
}
double WAtDewPoint(double tdC) {
    return psy::HumidityRatioFromVaporPressure(psy::SaturationPressure(tdC, "SI"), 101.325, "SI");
}
// The engine's dew point of a humidity ratio at sea level, °C.
double DewPoint(double w) {
    return psy::DewPointFromVaporPressure(psy::VaporPressureFromHumidityRatio(w, 101.325, "SI"),
                                          "SI");
}

// 18 °C to 27 °C, dew point -9 °C to 15 °C, at most 60 %.
TEST(LimitZone, DataRoomEnvelopeAtItsLimits) {
    const LimitZone room = DataRoomEnvelope();
    const Zone& zone = room; // through the interface the chart and the statistics use
    const struct {
        double tC, w;
        bool inside;
    } points[] = {
        {22.0, WAtRh(22.0, 0.45), true},  {17.95, WAtRh(22.0, 0.45), false},
        {18.05, WAtRh(18.0, 0.5), true},  {27.05, WAtRh(27.0, 0.4), false},
        {26.95, WAtRh(27.0, 0.4), true},  {20.0, WAtRh(20.0, 0.59), true}, // dew point 11.8 °C
        {20.0, WAtRh(20.0, 0.61), false}, {26.0, WAtDewPoint(14.9), true}, // 45 %
        {26.0, WAtDewPoint(15.1), false}, {24.0, WAtDewPoint(-8.9), true},
        {24.0, WAtDewPoint(-9.1), false},
    };
    for (const auto& p : points)
        EXPECT_EQ(zone.contains(CelsiusToFahrenheit(p.tC), p.w, kSeaLevel), p.inside)
            << p.tC << " °C, dew point " << DewPoint(p.w);
}

// The dew-point limits follow the engine's own dew point (the correlation
// the calculator shows), not the inverse of the saturation pressure.
TEST(LimitZone, DewPointLimitIsTheCalculatorsDewPoint) {
    const LimitZone room = DataRoomEnvelope();
    for (double w = 0.0100; w < 0.0112; w += 0.00001) {
        const double td = DewPoint(w);
        if (std::fabs(td - 15.0) < 1e-6)
            continue;
        EXPECT_EQ(room.contains(CelsiusToFahrenheit(25.0), w, kSeaLevel), td <= 15.0) << td;
    }
}

TEST(LimitZone, OutlineKeepsEveryLimit) {
    const LimitZone room = DataRoomEnvelope();
    for (const double p : {kSeaLevel, 12.0}) {
        const Outline o = room.outline(p);
        ASSERT_GT(o.size(), 10u);
        double wLow = 1.0, wHigh = 0.0;
        for (const ChartPoint& pt : o) {
            const double tC = psy::units::FahrenheitToCelsius(pt.dryBulbF);
            EXPECT_GE(tC, 18.0 - 1e-9);
            EXPECT_LE(tC, 27.0 + 1e-9);
            const double pw = psy::VaporPressureFromHumidityRatio(pt.humidityRatio, p, "IP");
            EXPECT_LE(pw, 0.6 * psy::SaturationPressure(pt.dryBulbF, "IP") * (1 + 1e-9)) << tC;
            wLow = std::min(wLow, pt.humidityRatio);
            wHigh = std::max(wHigh, pt.humidityRatio);
        }
        // The floor is the -9 °C dew point, the ceiling the 15 °C one.
        const auto td = [&](double w) {
            return psy::DewPointFromVaporPressure(psy::VaporPressureFromHumidityRatio(w, p, "IP"),
                                                  "IP");
        };
        EXPECT_NEAR(td(wLow), CelsiusToFahrenheit(-9.0), 1e-6);
        EXPECT_NEAR(td(wHigh), CelsiusToFahrenheit(15.0), 1e-6);
        // A point well inside is inside.
        EXPECT_TRUE(room.contains(CelsiusToFahrenheit(24.0), (wLow + wHigh) / 2.0, p));
    }
}

TEST(LimitZone, UserZones) {
    ZoneLimits humid;
    humid.minRelativeHumidity = 0.7;
    const auto zone = LimitZone::Make(humid);
    ASSERT_TRUE(zone.ok());
    EXPECT_TRUE(zone->contains(CelsiusToFahrenheit(20.0), WAtRh(20.0, 0.8), kSeaLevel));
    EXPECT_FALSE(zone->contains(CelsiusToFahrenheit(20.0), WAtRh(20.0, 0.6), kSeaLevel));
    // Saturated air is the edge; supersaturated air is in no zone.
    EXPECT_FALSE(zone->contains(CelsiusToFahrenheit(20.0), WAtRh(20.0, 1.01), kSeaLevel));
    // Open on every side but one: the outline is closed by the range of the
    // saturation pressure and stays within the chart's real air.
    const Outline o = zone->outline(kSeaLevel);
    ASSERT_FALSE(o.empty());
    for (const ChartPoint& pt : o)
        EXPECT_LE(pt.humidityRatio, 1.0);

    ZoneLimits box;
    box.minDryBulbF = 60.0;
    box.maxDryBulbF = 70.0;
    box.minHumidityRatio = 0.02; // above saturation at 70 °F (0.0158)
    const auto wet = LimitZone::Make(box);
    ASSERT_TRUE(wet.ok());
    EXPECT_TRUE(wet->outline(kSeaLevel).empty());
    EXPECT_FALSE(wet->contains(65.0, 0.021, kSeaLevel));
}

TEST(LimitZone, ZonesThatCannotBe) {
    EXPECT_EQ(LimitZone::Make({}).problem(), Problem::ZoneWithoutLimits);
    const auto make = [](auto set) {
        ZoneLimits z;
        set(z);
        return LimitZone::Make(z).problem();
    };
    EXPECT_EQ(make([](ZoneLimits& z) { z.minDryBulbF = 80.0, z.maxDryBulbF = 70.0; }),
              Problem::ZoneLimitsInverted);
    EXPECT_EQ(make([](ZoneLimits& z) { z.maxRelativeHumidity = 1.2; }),
              Problem::ZoneLimitsInverted);
    EXPECT_EQ(make([](ZoneLimits& z) { z.minHumidityRatio = -0.001; }),
              Problem::ZoneLimitsInverted);
    EXPECT_EQ(make([](ZoneLimits& z) { z.maxDewPointF = 500.0; }), Problem::ZoneLimitsInverted);
    EXPECT_EQ(make([](ZoneLimits& z) { z.minDewPointF = std::nan(""); }),
              Problem::ZoneLimitsInverted);
}

} // namespace
