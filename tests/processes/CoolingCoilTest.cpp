// The cooling coil's apparatus dew point and bypass factor, both ways.

#include "processes/CoolingCoil.h"

#include "engine/PsychroFun.h"

#include <gtest/gtest.h>

namespace psy = basPsychroFun;
using namespace processes;

namespace {

constexpr double kSeaLevel = 14.696;

// Entering air at 80 °F dry bulb, 67 °F wet bulb, a coil with ADP 50 °F and
// bypass factor 0.1. By hand:
//   W_adp = 0.62198 p_ws(50 °F) / (14.696 - p_ws) = 0.62198 * 0.178106 / 14.517894 = 0.0076305
//   t2 = 50 + 0.1 (80 - 50) = 53 °F
//   W2 = 0.0076305 + 0.1 (0.011185 - 0.0076305) = 0.0079860
TEST(CoolingCoil, LeavingAirOfAnAdpAndBypassFactorAndBack) {
    const AirState in{80.0, psy::HumidityRatioFromDryBulbAndWetBulb(80.0, 67.0, kSeaLevel, "IP"),
                      kSeaLevel};
    const auto out = LeavingAir(in, 50.0, 0.1);
    ASSERT_TRUE(out.ok());
    EXPECT_DOUBLE_EQ(out->dryBulbF, 53.0);
    EXPECT_NEAR(out->humidityRatio, 0.0079860, 2e-7);

    const auto coil = ApparatusDewPoint(in, *out);
    ASSERT_TRUE(coil.ok());
    EXPECT_NEAR(coil->apparatusDewPoint.dryBulbF, 50.0, 1e-8);
    EXPECT_NEAR(coil->apparatusDewPoint.humidityRatio, 0.0076305, 1e-7);
    EXPECT_NEAR(coil->bypassFactor, 0.1, 1e-9);
}

TEST(CoolingCoil, RoundTripsOverCoilsAndPressures) {
    for (const double p : {kSeaLevel, 12.0}) {
        for (const double adp : {45.0, 50.0, 55.0}) {
            for (const double bf : {0.0, 0.05, 0.3, 0.9}) {
                const AirState in{85.0, 0.0135, p};
                const auto out = LeavingAir(in, adp, bf);
                ASSERT_TRUE(out.ok()) << adp << ' ' << bf;
                const auto coil = ApparatusDewPoint(in, *out);
                ASSERT_TRUE(coil.ok()) << adp << ' ' << bf;
                EXPECT_NEAR(coil->apparatusDewPoint.dryBulbF, adp, 1e-7) << p << ' ' << bf;
                EXPECT_NEAR(coil->bypassFactor, bf, 1e-9) << p << ' ' << adp;
            }
        }
    }
}

// A dry coil cools at constant humidity ratio: its line meets saturation at
// the entering air's dew point.
TEST(CoolingCoil, DryCoilReachesTheDewPoint) {
    const AirState in{80.0, 0.006, kSeaLevel};
    const auto coil = ApparatusDewPoint(in, {60.0, 0.006, kSeaLevel});
    ASSERT_TRUE(coil.ok());
    EXPECT_NEAR(coil->apparatusDewPoint.humidityRatio, 0.006, 1e-10);
    const double tdp = coil->apparatusDewPoint.dryBulbF;
    EXPECT_NEAR(coil->bypassFactor, (60.0 - tdp) / (80.0 - tdp), 1e-12);
}

TEST(CoolingCoil, LinesThatMissSaturationAndBadCoils) {
    const AirState in{80.0, 0.011, kSeaLevel};
    const struct {
        AirState leaving;
        Problem problem;
    } lines[] = {
        {{90.0, 0.010, kSeaLevel}, Problem::NoApparatusDewPoint}, // heated
        {{70.0, 0.012, kSeaLevel}, Problem::NoApparatusDewPoint}, // humidified
        // Nearly all latent: steeper than the saturation curve all the way down.
        {{79.5, 0.004, kSeaLevel}, Problem::NoApparatusDewPoint},
        {in, Problem::SameAir},
        {{60.0, 0.009, 13.0}, Problem::DifferentPressures},
    };
    for (const auto& c : lines)
        EXPECT_EQ(ApparatusDewPoint(in, c.leaving).problem(), c.problem) << Describe(c.problem);

    EXPECT_EQ(LeavingAir(in, 50.0, 1.0).problem(), Problem::BadBypassFactor);
    EXPECT_EQ(LeavingAir(in, 50.0, -0.1).problem(), Problem::BadBypassFactor);
    EXPECT_EQ(LeavingAir(in, 85.0, 0.1).problem(), Problem::BadApparatusDewPoint);
    // 65 °F saturated holds 0.0133 lb/lb, more than the entering air.
    EXPECT_EQ(LeavingAir(in, 65.0, 0.1).problem(), Problem::BadApparatusDewPoint);
    // From 35 °F saturated (W 0.0043) to air at 85 °F, W 0.0135, the line
    // rises 0.000184 per °F, the saturation curve only 0.000165: the coil's
    // line would run through fog and cross the curve again near 39 °F.
    EXPECT_EQ(LeavingAir({85.0, 0.0135, kSeaLevel}, 35.0, 0.3).problem(),
              Problem::CoilLineThroughFog);
    EXPECT_TRUE(LeavingAir(in, 35.0, 0.3).ok()); // 0.000149 per °F: below the curve
}

} // namespace
